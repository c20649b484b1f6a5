#include "app/duel_exchange.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/duel_closing.h"
#include "app/duel_input.h"
#include "app/duel_options.h"
#include "app/duel_records.h"
#include "catalogue/card_facts.h"
#include "duel/check_code.h"
#include "duel/display_rules.h"
#include "duel/duel_start.h"
#include "duel/opening.h"
#include "duel/verification.h"
#include "duel/warrior_number.h"
#include "effects/duel_music.h"
#include "effects/duel_start_effects.h"

namespace kestra {

using namespace duel_ui;

namespace {

constexpr int kNumberFont = 9;
constexpr int kSuddenDeathNumberFont = 8;

// The opponent-ID row: its label, field, "PASTE" and "OK".
void ShowOpponentIdRow(DuelParts& p, bool shown) {
    DuelLayout& ui = p.ui;
    for (QWidget* w : std::initializer_list<QWidget*>{ui.opponent_id_label, ui.opponent_id, ui.opponent_id_paste, ui.id_ok})
        w->setVisible(shown);
    if (!shown) return;
    ui.opponent_id->clear();
    ui.opponent_id->setFocus();
}

// This side's warrior number in its field, selected; the opponent's field waits for the paste.
void ShowOwnNumber(DuelParts& p, const std::string& number) {
    DuelLayout& ui = p.ui;
    QFont f = ui.own_number->font();
    f.setPointSize(p.d.duel_kind == kSuddenDeath ? kSuddenDeathNumberFont : kNumberFont);
    ui.own_number->setFont(f);
    ui.own_number->setText(Utf8(number));
    ui.own_number->show();
    // Selected for copying, with its beginning in view.
    ui.own_number->setSelection(static_cast<int>(ui.own_number->text().size()), -static_cast<int>(ui.own_number->text().size()));
    ui.opponent_number->setText(Utf8(kWarriorTag));
    ui.opponent_number->setMaxLength(static_cast<int>(OpponentFieldLimit(p.d)));
    ui.number_box->show();
}

// "入力完了": the opponent's warrior number, then this side's verification ID to send.
void AcceptWarriorNumber(DuelParts& p) {
    if (p.busy || p.stage != DuelStage::kWarriorNumbers) return;
    BusyScope busy(p);
    if (!AcceptOpponentWarriorNumber(p.ctx, FieldText(p.ui.opponent_number))) return;
    LogWarriorNumber(p, FieldText(p.ui.opponent_number), false);
    p.ui.number_box->hide();
    ShowSituation(p);
    ShowVerificationIds(p.ctx, SituationText(p.d, p.ctx.cat).mine, p.ctx.my.applied_deck_name);
    p.ui.own_id->setText(Utf8(std::string(kVerifyPrefix) + std::to_string(p.d.my_id)));
    p.ui.own_id->show();
    ShowOpponentIdRow(p, true);
    p.stage = DuelStage::kVerification;
}

// "OK" with the opponent's verification ID: a mismatch sends both players back to the numbers.
void CheckVerificationId(DuelParts& p) {
    BusyScope busy(p);
    const IdCheck check = CheckOpponentId(p.ctx, FieldText(p.ui.opponent_id));
    if (check == IdCheck::Mismatch) {
        ShowOpponentIdRow(p, false);
        p.ui.own_id->hide();
        p.ui.number_box->show();
        p.stage = DuelStage::kWarriorNumbers;
    } else if (check == IdCheck::Match) {
        BeginDuel(p);
    }
}

// "OK" of the INPUT box serves the verification ID and the set ID.
void PressIdOk(DuelParts& p) {
    if (p.busy) return;
    if (p.stage == DuelStage::kVerification) {
        CheckVerificationId(p);
    } else if (p.stage == DuelStage::kSetIds) {
        CheckSetId(p);
    }
}

// The duel start's hooks: the save, and the duel music with its quiz.
DuelStartHooks StartHooks(DuelParts& p) {
    DuelStartHooks hooks;
    hooks.save = [&p] {
        if (p.stage != DuelStage::kIdle) p.session.Save();
    };
    hooks.start_effects = [&p](DuelContext& ctx) {
        if (p.stage == DuelStage::kIdle) return;
        ShowDuelMusic(p, StartDuelMusic(ctx, p.session.audio.MusicOn()));
        DuelStartEffects(ctx);
    };
    return hooks;
}

}  // namespace

std::string FieldText(const QLineEdit* field) { return field->text().toStdString(); }

void PasteInto(QLineEdit* field) {
    if (field->isReadOnly()) return;
    field->clear();
    field->insert(QGuiApplication::clipboard()->text());
}

void ShowSituation(DuelParts& p) {
    const SituationLines lines = SituationText(p.d, p.ctx.cat);
    p.ui.situation_mine->setText(Utf8(lines.mine));
    p.ui.situation_theirs->setText(Utf8(lines.theirs));
}

void WireExchange(DuelParts& p) {
    DuelLayout& ui = p.ui;
    QObject::connect(ui.number_done, &QPushButton::clicked, p.window, [&p] { AcceptWarriorNumber(p); });
    QObject::connect(ui.id_ok, &QPushButton::clicked, p.window, [&p] { PressIdOk(p); });
    ui.opponent_number_paste->on_click = [&p] { PasteInto(p.ui.opponent_number); };
    ui.opponent_id_paste->on_click = [&p] { PasteInto(p.ui.opponent_id); };
    for (QLineEdit* field : {ui.opponent_number, ui.opponent_id})
        QObject::connect(field, &QLineEdit::textEdited, p.window, [&p] { p.screen.PlaySe("key.wav", 0); });
}

void ResetDuelWidgets(DuelParts& p) {
    p.won = p.game_set_begun = p.closed_in_game_set = p.new_card = false;
    DuelLayout& ui = p.ui;
    for (QLabel* icon : {ui.you.icon[0], ui.you.icon[1], ui.enemy.icon[0], ui.enemy.icon[1]}) icon->hide();
    for (int32_t slot = 1; slot <= 6; ++slot) (slot <= 3 ? ui.you : ui.enemy).picture[static_cast<size_t>((slot - 1) % 3)]->clear();
    ui.you.box->show();
    ui.enemy.box->hide();
    ui.input_box->show();
    ui.input_box->raise();
    ui.number_box->hide();
    ui.own_number->hide();
    ui.own_id->hide();
    ShowOpponentIdRow(p, false);
    ui.ending_box->hide();
    p.view.box->hide();
    HideTurnWidgets(p);
    ui.hint->show();
    ui.message->clear();
    ui.battle_type->clear();
    ui.disaster->clear();
    ui.you.region->setText(Utf8("リージョン名"));
    ui.enemy.region->setText(Utf8("リージョン名"));
    ui.bn_input_note->setText(Utf8("相手から教えてもらい、８ケタの数字部分のみを入力してね"));
    p.cues.HideMarkers();
    ResetDuelOptions(p);
}

void OpenPlayedDuel(DuelParts& p, int32_t duel_kind, int32_t duel_role) {
    if (p.busy) return;
    p.d = DuelRecord{};
    p.d.duel_kind = duel_kind;
    p.d.duel_role = duel_role;
    p.msg.Click();
    p.screen.SetSilenced(false);
    ResetDuelWidgets(p);
    p.stage = DuelStage::kOpening;
    StartDuelLog(p);
    p.session.gate.look_mode = false;
    p.session.gate.duel_window_visible = true;
    p.window->show();
    BusyScope busy(p);
    const std::string number = OpenDuel(p.ctx);
    if (p.stage != DuelStage::kOpening) {
        // Closed during the draw's pause: the draw ran after the abort, so its cards go home too.
        ReturnDrawnCards(p.d, p.ctx.my);
        return;
    }
    ShowOwnNumber(p, number);
    LogWarriorNumber(p, number, true);
    p.stage = DuelStage::kWarriorNumbers;
}

void BeginDuel(DuelParts& p) {
    DuelLayout& ui = p.ui;
    ui.input_box->hide();
    p.view.box->hide();
    ui.own_number->hide();
    ui.hint->hide();
    ui.enemy.box->show();
    for (QLabel* icon : {ui.you.icon[0], ui.you.icon[1], ui.enemy.icon[0], ui.enemy.icon[1]}) icon->show();
    p.stage = DuelStage::kBattle;
    BusyScope busy(p);
    StartDuel(p.ctx, StartHooks(p));
    if (p.stage != DuelStage::kBattle) return;
    LogCheck(p, CheckCode(p.d));
    AfterTurnStart(p);
}

}  // namespace kestra
