// The INPUT box with the NUMBER box, and the BATTLE NUMBER row with the hint line.
#include "app/duel_layout.h"

namespace kestra {

using namespace duel_ui;

void BuildInputBox(QWidget* window, DuelLayout& ui) {
    QGroupBox* box = ui.input_box = MakeBox(window, "input_box", QStringLiteral("INPUT"), QRect(172, 0, 166, 246));
    // It sits where the ENEMY box is: opaque, so neither headers nor card pictures show through.
    box->setAutoFillBackground(true);
    MakeLabel(box, "own_number_label", Utf8("あなたの戦士No."), QRect(8, 16, 150, 14), 9);
    ui.own_number = MakeField(box, "own_number", QRect(8, 30, 150, 21));
    ui.own_number->setReadOnly(true);
    ui.own_id = MakeField(box, "own_id", QRect(8, 58, 150, 21));
    ui.own_id->setReadOnly(true);

    QGroupBox* number = ui.number_box = MakeBox(box, "number_box", QStringLiteral("NUMBER"), QRect(8, 104, 150, 82));
    MakeLabel(number, "opponent_number_label", Utf8("相手の戦士No."), QRect(6, 16, 100, 14), 9);
    ui.opponent_number = MakeField(number, "opponent_number", QRect(6, 31, 102, 21));
    ui.opponent_number_paste = MakePasteLabel(number, "opponent_number_paste", QStringLiteral("PASTE"), QRect(110, 32, 36, 18));
    ui.number_done = MakeButton(number, "number_done", Utf8("入力完了"), QRect(6, 55, 140, 22));

    ui.opponent_id_label = MakeLabel(box, "opponent_id_label", Utf8("相手ＩＤ"), QRect(8, 192, 60, 14), 9);
    ui.opponent_id_paste = MakePasteLabel(box, "opponent_id_paste", QStringLiteral("PASTE"), QRect(70, 190, 38, 16));
    ui.opponent_id = MakeField(box, "opponent_id", QRect(8, 208, 100, 22));
    ui.id_ok = MakeButton(box, "id_ok", QStringLiteral("OK"), QRect(112, 206, 46, 26));
}

void BuildBattleNumberArea(QWidget* window, DuelLayout& ui) {
    ui.bn_label = MakeLabel(window, "bn_label", QStringLiteral("BATTLE NUMBER"), QRect(4, 251, 90, 18), 10);
    ui.bn_field = MakeField(window, "bn_field", QRect(94, 250, 134, 21));
    ui.bn_paste = MakePasteLabel(window, "bn_paste", Utf8("貼"), QRect(230, 251, 20, 18));
    ui.battle_phase = MakeButton(window, "battle_phase", QStringLiteral("BATTLE PHASE"), QRect(254, 250, 82, 42));
    ui.bn_arrow = MakeLabel(window, "bn_arrow", Utf8("↑"), QRect(96, 273, 14, 18), 11);
    ui.bn_send_note = MakeLabel(window, "bn_send_note", Utf8("BATTLE NUMBERを相手に教えてあげてください"),
                                QRect(110, 274, 142, 18), 8);
    ui.bn_input_note = MakeLabel(window, "bn_input_note", Utf8("相手から教えてもらい、８ケタの数字部分のみを入力してね"),
                                 QRect(110, 274, 142, 18), 8);
    for (QLabel* note : {ui.bn_send_note, ui.bn_input_note}) note->setWordWrap(true);
    ui.hint = MakeLabel(window, "hint_label", QString(), QRect(4, 250, 332, 44), 10);
    ui.hint->setWordWrap(true);
    ui.hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace kestra
