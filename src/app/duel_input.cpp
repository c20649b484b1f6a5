#include "app/duel_input.h"

#include "app/duel_closing.h"
#include "app/duel_exchange.h"
#include "app/duel_options.h"
#include "app/duel_records.h"
#include "app/duel_techniques.h"
#include "battle/checked_phase.h"
#include "duel/time_limit.h"
#include "duel/turn_input.h"

namespace kestra {

using namespace duel_ui;

namespace {

// This side may still choose its action this turn.
bool Choosing(const DuelParts& p) {
    return p.stage == DuelStage::kBattle && !p.busy && !p.number_sent && p.d.own_turn && !p.d.look_mode;
}

// The offered technique buttons in the technique panels, the others hidden.
void OfferCommands(DuelParts& p) {
    LayOutOfferedButtons(p.ui, OfferedButtons(p.d, p.ctx.cat, p.session.rng));
    p.ui.item_box->hide();
    p.ui.command_box->show();
}

// A click on this side's picture: the acting card.
void ClickOwnCard(DuelParts& p, int32_t slot) {
    if (p.busy || p.stage != DuelStage::kBattle) return;
    ChooseAttacker(p.ctx, slot);
}

// A click on the opponent's picture: the target, then the commands the card may use.
void ClickOpponentCard(DuelParts& p, int32_t slot) {
    if (p.busy || p.stage != DuelStage::kBattle) return;
    if (ChooseTarget(p.ctx, slot)) OfferCommands(p);
}

// "アイテム": the item box with its hundred rows, unless the opponent's card seals it.
void OpenItems(DuelParts& p) {
    if (!OpenItemBox(p.ctx)) return;
    const std::array<std::string, 100> rows = ItemRows(p.ctx);
    QListWidget* list = p.ui.item_list;
    list->blockSignals(true);
    for (int k = 0; k < 100; ++k) list->item(k)->setText(Utf8(rows[static_cast<size_t>(k)]));
    list->setCurrentRow(-1);
    list->clearSelection();
    list->blockSignals(false);
    p.item_row.reset();
    p.ui.item_info->clear();
    p.ui.command_box->hide();
    p.ui.item_box->show();
}

// A technique button: "2.wav" and the BATTLE NUMBER; "アイテム" opens the item box instead.
void PressTechnique(DuelParts& p, const TechniqueButton& b) {
    if (!Choosing(p) || p.d.input_phase != kPhaseCommandSent) return;
    if (b.name == kItemButton) {
        OpenItems(p);
        return;
    }
    BusyScope busy(p);
    p.screen.PlaySe("2.wav", 0);
    const std::string text = SendCommand(p.ctx, b.waza_kind, b.waza_arg1);
    if (p.stage == DuelStage::kBattle) ShowSentNumber(p, text);
}

// "パス": random living cards, key 72.
void PressPass(DuelParts& p) {
    if (!Choosing(p) || p.d.input_phase < kPhaseChooseAttacker || p.d.input_phase > kPhaseCommandSent) return;
    BusyScope busy(p);
    const std::string text = SendPass(p.ctx);
    if (p.stage == DuelStage::kBattle) ShowSentNumber(p, text);
}

// A row of the item list chosen by mouse or keyboard.
void SelectItem(DuelParts& p, int row) {
    if (row < 0 || p.ui.item_box->isHidden()) return;
    p.item_row = SelectItemRow(p.ctx, row);
    p.ui.item_info->setText(p.item_row ? Utf8(ItemRowLabel(p.ctx, *p.item_row)) : QString());
}

// "ＵＳＥ": the selected item as this turn's command.
void UseSelectedItem(DuelParts& p) {
    if (!Choosing(p)) return;
    BusyScope busy(p);
    const std::optional<std::string> text = UseItem(p.ctx, p.item_row);
    if (text && p.stage == DuelStage::kBattle) ShowSentNumber(p, *text);
}

// "ｃａｎｃｅｌ": back to the command box.
void CancelItems(DuelParts& p) {
    p.screen.PlaySe("no.wav", 0);
    p.ui.item_box->hide();
    p.ui.command_box->show();
}

// A time-out sends the pass for this side; the tick caller holds no pause.
void TickOnce(DuelParts& p) {
    std::string number;
    BusyScope busy(p);
    if (TimeTick(p.ctx, &number) && p.stage == DuelStage::kBattle) ShowSentNumber(p, number);
}

// The turn mark in the box of the side that moves.
void MarkMovingSide(DuelParts& p) {
    p.ui.you.turn_mark->setVisible(p.d.own_turn);
    p.ui.enemy.turn_mark->setVisible(!p.d.own_turn);
}

}  // namespace

void WireTurnInput(DuelParts& p) {
    DuelLayout& ui = p.ui;
    for (int32_t k = 0; k < 3; ++k) {
        ui.you.picture[static_cast<size_t>(k)]->on_click = [&p, k] { ClickOwnCard(p, 1 + k); };
        ui.enemy.picture[static_cast<size_t>(k)]->on_click = [&p, k] { ClickOpponentCard(p, 4 + k); };
    }
    for (const TechniqueButton& b : TechniqueButtons()) {
        QPushButton* button = ui.technique.find(b.name)->second;
        QObject::connect(button, &QPushButton::clicked, p.window, [&p, &b] { PressTechnique(p, b); });
    }
    QObject::connect(ui.pass_b, &QPushButton::clicked, p.window, [&p] { PressPass(p); });
    QObject::connect(ui.item_list, &QListWidget::currentRowChanged, p.window, [&p](int row) { SelectItem(p, row); });
    QObject::connect(ui.item_use, &QPushButton::clicked, p.window, [&p] { UseSelectedItem(p); });
    QObject::connect(ui.item_cancel, &QPushButton::clicked, p.window, [&p] { CancelItems(p); });
    QObject::connect(ui.battle_phase, &QPushButton::clicked, p.window, [&p] { PressBattlePhaseButton(p); });
    QObject::connect(ui.bn_field, &QLineEdit::textEdited, p.window, [&p] { p.screen.PlaySe("key.wav", 0); });
    ui.bn_paste->on_click = [&p] { PasteInto(p.ui.bn_field); };
}

void HideTurnWidgets(DuelParts& p) {
    DuelLayout& ui = p.ui;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.pass_b, ui.pass_note, ui.bn_label, ui.bn_field, ui.bn_paste,
                                                      ui.bn_arrow, ui.bn_send_note, ui.bn_input_note, ui.battle_phase,
                                                      ui.command_box, ui.item_box, ui.you.turn_mark, ui.enemy.turn_mark})
        w->hide();
}

void AfterTurnStart(DuelParts& p) {
    DuelLayout& ui = p.ui;
    HideTurnWidgets(p);
    p.number_sent = false;
    p.item_row.reset();
    MarkMovingSide(p);
    if (p.d.input_phase == kPhaseAwaitOpponent) {
        for (QWidget* w : std::initializer_list<QWidget*>{ui.bn_label, ui.bn_field, ui.bn_paste, ui.bn_arrow,
                                                          ui.bn_input_note, ui.battle_phase})
            w->show();
        ui.bn_field->clear();
        ui.bn_field->setReadOnly(false);
        ui.bn_field->setFocus();
        return;
    }
    if (p.d.input_phase != kPhaseChooseAttacker) return;
    ui.pass_b->show();
    ui.pass_note->show();
    if (p.d.deadline != 0 && p.ctx.clock.NowMs() >= p.d.deadline) {
        p.d.timer_on = true;  // the deadline passed while the opponent's phase was told
        TickOnce(p);
    }
}

void ShowSentNumber(DuelParts& p, const std::string& text) {
    DuelLayout& ui = p.ui;
    p.number_sent = true;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.pass_b, ui.pass_note, ui.command_box, ui.item_box, ui.bn_paste,
                                                      ui.bn_input_note})
        w->hide();
    ui.bn_field->setReadOnly(true);
    ui.bn_field->setText(Utf8(text));
    ui.bn_field->selectAll();
    for (QWidget* w : std::initializer_list<QWidget*>{ui.bn_label, ui.bn_field, ui.bn_arrow, ui.bn_send_note, ui.battle_phase})
        w->show();
}

PhaseEnd PressBattlePhaseButton(DuelParts& p) {
    if (p.busy || p.stage != DuelStage::kBattle) return PhaseEnd::Refused;
    BusyScope busy(p);
    const std::string field = FieldText(p.ui.bn_field);
    const CheckedPhase phase = PressCheckedBattlePhase(p.ctx, field, PhaseHooks(p));
    const PhaseEnd end = phase.end;
    if (end != PhaseEnd::Refused) LogPhase(p, field, phase.check);
    if (end == PhaseEnd::GameSet && p.game_set_begun) SaveDuelLog(p, false);
    if (p.stage != DuelStage::kBattle) return end;
    if (end == PhaseEnd::NextTurn) AfterTurnStart(p);
    if (end == PhaseEnd::GameSet) AfterGameSet(p);
    return end;
}

void RunTimeTick(DuelParts& p) {
    BlinkBingo(p);
    if (p.busy || p.stage != DuelStage::kBattle) return;
    TickOnce(p);
}

}  // namespace kestra
