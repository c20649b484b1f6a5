#include "app/duel_layout.h"
#include "app/widget_kit.h"

#include <QFont>
#include <QPalette>

namespace kestra {

using namespace duel_ui;

namespace {

// Grey writing on white, in the window's bold italic Gothic.
void DressWindow(QWidget* window) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(11);
    font.setBold(true);
    font.setItalic(true);
    window->setFont(font);
    QPalette pal = window->palette();
    const QColor grey(96, 96, 96);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(role, grey);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        pal.setColor(role, Qt::white);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFixedSize(kDuelWidth, kDuelHeight);
}

// The message area with its click mark, and the battle-type and disaster labels under it.
void BuildMessageArea(QWidget* window, DuelLayout& ui) {
    ui.message = MakeLabel(window, "message_area", QString(), QRect(4, 298, 325, 105), 11);
    ui.message->setWordWrap(true);
    ui.message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.message->setFrameShape(QFrame::Box);
    ui.click_mark = MakeLabel(window, "click_mark", Utf8("▽"), QRect(4, 382, 26, 26), 19);
    ui.click_mark->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui.click_mark->hide();
    ui.disaster = MakeLabel(window, "disaster_label", QString(), QRect(4, 408, 160, 18), 10);
    ui.battle_type = MakeLabel(window, "battle_type_label", QString(), QRect(166, 408, 163, 18), 10);
    ui.battle_type->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

// The two situation-text fields and their note, seen only in the tall window.
void BuildSituationArea(QWidget* window, DuelLayout& ui) {
    MakeLabel(window, "situation_note",
              Utf8("▲観戦者がいる場合などに、デュエルの状況を伝えたい場合にコピー＆ペーストしてご利用下さい"),
              QRect(4, 432, 507, 16), 9);
    MakeLabel(window, "situation_mine_label", Utf8("あなた"), QRect(4, 452, 40, 20));
    MakeLabel(window, "situation_theirs_label", Utf8("相手"), QRect(4, 476, 40, 20));
    ui.situation_mine = MakeField(window, "situation_mine", QRect(44, 451, 467, 21));
    ui.situation_theirs = MakeField(window, "situation_theirs", QRect(44, 475, 467, 21));
    ui.situation_mine->setReadOnly(true);
    ui.situation_theirs->setReadOnly(true);
}

}  // namespace

namespace duel_ui {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, int pixel_size) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    QFont f = label->font();
    f.setPixelSize(pixel_size);
    label->setFont(f);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLineEdit* MakeField(QWidget* parent, const char* name, QRect geometry) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(geometry);
    return field;
}

ClickLabel* MakePasteLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new ClickLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setText(text);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    QFont f = label->font();
    f.setPixelSize(9);
    label->setFont(f);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

QGroupBox* MakeBox(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

}  // namespace duel_ui

DuelLayout BuildDuelLayout(QWidget* window) {
    DressWindow(window);
    DuelLayout ui;
    ui.you = BuildCardBox(window, "YOU", "you", 4);
    ui.enemy = BuildCardBox(window, "ENEMY", "enemy", 172);
    BuildInputBox(window, ui);
    BuildCommandBoxes(window, ui);
    BuildOptionBox(window, ui);
    BuildBattleNumberArea(window, ui);
    BuildMessageArea(window, ui);
    BuildSituationArea(window, ui);
    BuildEndingBox(window, ui);
    BuildSummonPanel(window, ui);
    return ui;
}

}  // namespace kestra
