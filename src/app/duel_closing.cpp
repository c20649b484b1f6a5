#include "app/duel_closing.h"

#include "app/duel_exchange.h"
#include "app/duel_input.h"
#include "app/duel_records.h"
#include "catalogue/card_facts.h"
#include "duel/duel_end.h"
#include "duel/duel_start.h"
#include "duel/duel_flow.h"
#include "duel/verification.h"

namespace kestra {

using namespace duel_ui;

namespace {

// The way back to the main window, which shows itself again.
void HandBack(DuelParts& p, const MenuReveal& reveal) {
    p.stage = DuelStage::kIdle;
    p.session.gate.look_mode = false;
    p.session.gate.duel_window_visible = false;
    if (p.host) p.host->ReturnFromDuel(reveal);
}

// The card this side takes from the loser, as the ENDING box shows it before "OK".
void ShowWonCard(DuelParts& p) {
    DuelLayout& ui = p.ui;
    // orig_no: the card as it was drawn, whatever it turned into in battle.
    const int32_t card = p.d.chara[4].orig_no;
    const bool shown = p.won && p.d.duel_kind != kSuddenDeath && card >= 0 && card < kCardRows;
    ui.new_card->setVisible(shown && p.new_card);
    ui.ending_picture->setPixmap(shown ? p.screen.Picture(CardPicturePath(card)) : QPixmap());
    ui.ending_panel->setText(shown ? Utf8("★" + p.ctx.cat.card[static_cast<size_t>(card)].name +
                                          std::string(ElementText(ElementOf(card))))
                                   : QString());
}

// The ENDING box after the set IDs matched.
void ShowEndingBox(DuelParts& p) {
    DuelLayout& ui = p.ui;
    ShowWonCard(p);
    ui.hint->hide();
    ui.ending_headline->setText(Utf8("＜" + p.d.my_label + (p.won ? "の勝ちです！＞" : "の負けです！＞")));
    ui.ending_ok->show();
    ui.ending_box->show();
    ui.ending_box->raise();
    p.stage = DuelStage::kEnding;
}

// "OK" in the ENDING box: experience and level-ups, back to the main window, the greeting.
void PressEndingOk(DuelParts& p) {
    if (p.busy || p.stage != DuelStage::kEnding) return;
    p.ui.ending_ok->hide();
    // The duel is over from here: closing the window while a level-up shows costs nothing.
    p.stage = DuelStage::kIdle;
    BusyScope busy(p);
    const DuelEndResult end = FinishDuel(p.ctx, p.won, p.screen, DuelSaver(p));
    HandBack(p, end.reveal);
    p.session.dialogs.Inform(end.greeting.text);
}

// Closed once the game set has begun: the results stand, so no card goes home a second time and
// there is no abort penalty. During the game set's own pauses the rest of it runs unseen and
// unheard, saves once and then hands back; at the set IDs or the ENDING box it is already saved.
void LeaveAfterResults(DuelParts& p) {
    const bool results_running = p.stage == DuelStage::kBattle;
    p.stage = DuelStage::kIdle;
    p.screen.SetSilenced(true);
    if (results_running) {
        p.closed_in_game_set = true;
        p.screen.ReleaseWait();
        return;
    }
    HandBack(p, MenuReveal{});
}

// The set-ID exchange: this side's set ID shown, the opponent's awaited in the INPUT box.
void ShowSetIdStage(DuelParts& p) {
    DuelLayout& ui = p.ui;
    HideTurnWidgets(p);
    ui.hint->show();
    ui.input_box->show();
    ui.input_box->raise();
    ui.number_box->hide();
    ui.own_number->hide();
    ui.own_id->setText(Utf8(std::string(kSetIdPrefix) + std::to_string(p.d.my_id)));
    ui.own_id->show();
    for (QWidget* w : std::initializer_list<QWidget*>{ui.opponent_id_label, ui.opponent_id, ui.opponent_id_paste, ui.id_ok})
        w->show();
    ui.opponent_id->clear();
    ui.opponent_id->setFocus();
    p.stage = DuelStage::kSetIds;
}

}  // namespace

SavePlayer DuelSaver(const DuelParts& p) { return SaverFor(p.session.folder, p.session.gate); }

BattleHooks PhaseHooks(DuelParts& p) {
    BattleHooks hooks;
    hooks.game_set = [&p](DuelContext& ctx, bool this_side_beaten, bool both_wiped_out) {
        // Closed earlier in this phase: a viewed duel has lost its look_mode by now, and its
        // results must never land on the viewer's own save.
        if (p.stage != DuelStage::kBattle) return;
        p.game_set_begun = !ctx.d.look_mode;
        p.new_card = !this_side_beaten && !OwnsCard(ctx.my, ctx.d, ctx.d.chara[4].orig_no);
        p.won = RunGameSetAndIds(ctx, this_side_beaten, both_wiped_out, DuelSaver(p)).won;
        // Closed while the results were told: they ran to their end and were saved once.
        if (p.closed_in_game_set) HandBack(p, MenuReveal{});
    };
    return hooks;
}

void AfterGameSet(DuelParts& p) {
    if (!p.d.look_mode) {
        ShowSetIdStage(p);
        return;
    }
    EndViewedDuel(p.ctx, p.screen, p.session.folder);
    HandBack(p, MenuReveal{});
}

void CheckSetId(DuelParts& p) {
    BusyScope busy(p);
    if (CheckOpponentSetId(p.ctx, FieldText(p.ui.opponent_id)) != IdCheck::Match) return;
    p.ui.input_box->hide();
    if (p.host) p.host->SetLastSetId(std::to_string(p.d.my_id));
    ShowEndingBox(p);
}

void WireEnding(DuelParts& p) {
    QObject::connect(p.ui.ending_ok, &QPushButton::clicked, p.window, [&p] { PressEndingOk(p); });
}

void CloseMidDuel(DuelParts& p) {
    if (p.stage == DuelStage::kIdle) return;
    if (p.game_set_begun) {
        LeaveAfterResults(p);
        return;
    }
    p.stage = DuelStage::kIdle;
    SaveDuelLog(p, true);
    AbortDuel(p.ctx, p.screen, DuelSaver(p));
    // Whatever the interrupted rule call still does afterwards makes no sound.
    p.screen.SetSilenced(true);
    p.screen.ReleaseWait();
    HandBack(p, MenuReveal{});
}

}  // namespace kestra
