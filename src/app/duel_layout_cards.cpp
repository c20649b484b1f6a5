// The "YOU" and "ENEMY" boxes and the OPTION box.
#include "app/duel_layout.h"

namespace kestra {

using namespace duel_ui;

namespace {

constexpr std::array<int, 3> kCardTop = {20, 88, 156};

}  // namespace

CardBox BuildCardBox(QWidget* window, const char* title, const char* prefix, int left) {
    CardBox c;
    const std::string p(prefix);
    c.box = MakeBox(window, (p + "_box").c_str(), QString::fromLatin1(title), QRect(left, 0, 166, 246));
    for (size_t k = 0; k < 3; ++k) {
        const std::string n = std::to_string(k + 1);
        c.picture[k] = new ClickLabel(c.box);
        c.picture[k]->setObjectName(QString::fromStdString(p + "_card" + n));
        c.picture[k]->setGeometry(8, kCardTop[k], 64, 64);
        c.picture[k]->setStyleSheet(QStringLiteral("background: white;"));
        c.panel[k] = MakeLabel(c.box, (p + "_panel" + n).c_str(), QString(), QRect(76, kCardTop[k] - 2, 88, 68), 10);
        c.panel[k]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    c.icon[0] = MakeLabel(c.box, (p + "_icon1").c_str(), QString(), QRect(8, 225, 76, 16), 9);
    c.icon[1] = MakeLabel(c.box, (p + "_icon2").c_str(), QString(), QRect(86, 225, 76, 16), 9);
    c.region = MakeLabel(c.box, (p + "_region").c_str(), Utf8("リージョン名"), QRect(40, 2, 50, 14), 8);
    c.turn_mark = MakeLabel(c.box, (p + "_turn_mark").c_str(), Utf8("★THIS SIDE TURN"), QRect(88, 2, 78, 14), 8);
    c.turn_mark->setStyleSheet(QStringLiteral("color: #c03060;"));
    c.turn_mark->hide();
    return c;
}

void BuildOptionBox(QWidget* window, DuelLayout& ui) {
    QGroupBox* box = ui.option_box = MakeBox(window, "option_box", QStringLiteral("OPTION"), QRect(340, 250, 171, 178));
    ui.turn_label = MakeLabel(box, "turn_label", QString(), QRect(8, 16, 76, 16));
    ui.bingo_label = MakeLabel(box, "bingo_label", QStringLiteral("BINGO!!"), QRect(86, 16, 78, 16));
    ui.music_label = MakeLabel(box, "music_label", QString(), QRect(8, 33, 156, 16), 9);
    ui.time_label = MakeLabel(box, "time_label", QString(), QRect(8, 50, 156, 16));
    ui.bingo_group_label = MakeLabel(box, "bingo_group_label", QStringLiteral("BINGO GROUP!!"), QRect(8, 67, 156, 16));
    for (QLabel* bingo : {ui.bingo_label, ui.bingo_group_label}) {
        bingo->setStyleSheet(QStringLiteral("color: #e04000;"));
        bingo->hide();
    }
    ui.bgm_button = MakeButton(box, "bgm_button", Utf8("ＢＧＭ　off"), QRect(6, 88, 78, 24));
    ui.situation_button = MakeButton(box, "situation_button", Utf8("状況文字化"), QRect(88, 88, 78, 24));
    ui.pass_b = MakeButton(box, "pass_b", Utf8("パス"), QRect(6, 120, 58, 30));
    ui.pass_note = MakeLabel(box, "pass_note", Utf8("パスする場合はこのボタンを押してね"), QRect(68, 116, 98, 38), 9);
    ui.pass_note->setWordWrap(true);
    ui.pass_b->hide();
    ui.pass_note->hide();
    ui.check_label = MakeLabel(box, "check_label", QString(), QRect(8, 156, 156, 16));
    ui.check_label->setToolTip(Utf8("相手の画面の照合と同じなら、ここまでの結果は一致しています"));
}

}  // namespace kestra
