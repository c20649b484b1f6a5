#include "app/view_mode_box.h"

#include "app/duel_exchange.h"
#include "app/duel_records.h"
#include "app/view_record.h"
#include "app/duel_layout.h"
#include "app/duel_parts.h"
#include "catalogue/card_facts.h"
#include "duel/duel_start.h"
#include "duel/opening.h"

namespace kestra {

using namespace duel_ui;

namespace {

constexpr int32_t kFieldKinds = 10;  // "訓練" .. "ﾃﾞｽ" are kinds 10..18

// Rule button k sits in a grid of five: the ten plain kinds on the box, the nine field kinds in theirs.
QRect RuleCell(int32_t k) {
    const int32_t cell = k < kFieldKinds ? k : k - kFieldKinds;
    return QRect(4 + (cell % 5) * 64, (k < kFieldKinds ? 32 : 14) + (cell / 5) * 24, 62, 22);
}

// The warrior-number step or the ID step of the box.
void ShowNumberStep(ViewModeBox& v, bool numbers) {
    v.applicant_label->setText(Utf8(numbers ? "申込側の戦士No." : "申込側の検証ＩＤ"));
    v.receiver_label->setText(Utf8(numbers ? "受け側の戦士No." : "受け側の検証ＩＤ"));
    for (QWidget* w : std::initializer_list<QWidget*>{v.applicant, v.receiver, v.applicant_paste, v.receiver_paste, v.done,
                                                      v.record_file})
        w->setVisible(numbers);
    for (QWidget* w : std::initializer_list<QWidget*>{v.applicant_id, v.receiver_id, v.id_ok}) w->setVisible(!numbers);
}

}  // namespace

void PressRule(DuelParts& p, int32_t kind) {
    if (p.stage != DuelStage::kViewSetup) return;
    p.screen.PlaySe("push.wav", 0);
    p.view.rule[static_cast<size_t>(kind)]->setChecked(true);
    p.d.duel_kind = kind;
    const std::array<int, 2> limits = ViewFieldLimits(kind);
    p.view.applicant->setMaxLength(limits[0]);
    p.view.receiver->setMaxLength(limits[1]);
}

namespace {

// "ﾌｨｰﾙﾄﾞ" and "ﾙｰﾙ": the field kinds' box over the plain ones, or back.
void ShowFieldRules(DuelParts& p, bool fields) {
    if (p.stage != DuelStage::kViewSetup) return;
    p.view.field_box->setVisible(fields);
    PressRule(p, fields ? kFieldKinds : 0);
}

}  // namespace

bool AcceptBothNumbers(DuelParts& p) {
    if (p.busy || p.stage != DuelStage::kViewSetup) return false;
    BusyScope busy(p);
    if (!AcceptViewModeNumbers(p.ctx, FieldText(p.view.applicant), FieldText(p.view.receiver))) return false;
    for (int32_t s = 1; s <= 3; ++s)
        p.screen.SetSlotPicture(s, CardPicturePath(p.d.chara[static_cast<size_t>(s)].card_no));
    ShowVerificationIds(p.ctx, "", "");
    p.view.applicant_id->clear();
    p.view.receiver_id->clear();
    ShowNumberStep(p.view, false);
    p.stage = DuelStage::kViewIds;
    return true;
}

void CheckViewedIds(DuelParts& p) {
    if (p.busy || p.stage != DuelStage::kViewIds) return;
    const IdCheck check = CheckOpponentId(p.ctx, FieldText(p.view.receiver_id));
    if (check == IdCheck::Mismatch) {
        ShowNumberStep(p.view, true);
        p.stage = DuelStage::kViewSetup;
    } else if (check == IdCheck::Match) {
        BeginDuel(p);
    }
}

namespace {

// The ten plain rules, "ﾌｨｰﾙﾄﾞ" and "ﾙｰﾙ", and the field box with the nine field rules.
void BuildRuleButtons(ViewModeBox& v) {
    v.rules = new QButtonGroup(v.box);
    v.rules->setExclusive(true);
    v.field_box = new QGroupBox(Utf8("ﾌｨｰﾙﾄﾞ"));  // placed over the plain rules once they exist
    v.field_box->setObjectName(QStringLiteral("view_field_box"));
    v.field_box->setStyleSheet(QStringLiteral(
        "QGroupBox#view_field_box { background-color: white; border: 1px solid #a0a0a0; margin-top: 0px; }"
        "QGroupBox#view_field_box::title { subcontrol-origin: padding; left: 6px; top: 1px; }"));
    for (int32_t k = 0; k < 19; ++k) {
        if (k == kFieldKinds) {
            v.field_box->setParent(v.box);
            v.field_box->setGeometry(0, 28, 331, 64);
        }
        QWidget* parent = k < kFieldKinds ? static_cast<QWidget*>(v.box) : v.field_box;
        const std::string name = "rule_" + std::to_string(k);
        QPushButton* b = MakeButton(parent, name.c_str(), Utf8(ViewRuleCaptions()[static_cast<size_t>(k)]), RuleCell(k));
        b->setCheckable(true);
        v.rules->addButton(b, k);
        v.rule[static_cast<size_t>(k)] = b;
    }
    v.field_box->hide();
    v.field_button = MakeButton(v.box, "field_button", Utf8("ﾌｨｰﾙﾄﾞ"), QRect(4, 94, 80, 20));
    v.rule_button = MakeButton(v.box, "rule_button", Utf8("ﾙｰﾙ"), QRect(88, 94, 80, 20));
}

// The two number fields with their "PASTE" labels, and the two ID fields in the same places.
void BuildViewFields(ViewModeBox& v) {
    v.applicant_label = MakeLabel(v.box, "view_applicant_label", QString(), QRect(8, 118, 200, 14), 9);
    v.applicant = MakeField(v.box, "view_applicant", QRect(8, 133, 270, 21));
    v.applicant_paste = MakePasteLabel(v.box, "view_applicant_paste", QStringLiteral("PASTE"), QRect(282, 134, 44, 18));
    v.receiver_label = MakeLabel(v.box, "view_receiver_label", QString(), QRect(8, 158, 200, 14), 9);
    v.receiver = MakeField(v.box, "view_receiver", QRect(8, 173, 270, 21));
    v.receiver_paste = MakePasteLabel(v.box, "view_receiver_paste", QStringLiteral("PASTE"), QRect(282, 174, 44, 18));
    v.applicant_id = MakeField(v.box, "view_applicant_id", QRect(8, 133, 270, 21));
    v.receiver_id = MakeField(v.box, "view_receiver_id", QRect(8, 173, 270, 21));
    v.done = MakeButton(v.box, "view_done", Utf8("入力完了"), QRect(8, 202, 120, 26));
    v.id_ok = MakeButton(v.box, "view_id_ok", QStringLiteral("OK"), QRect(132, 202, 60, 26));
    v.record_file = MakeButton(v.box, "view_record_file", Utf8("記録ファイル…"), QRect(206, 202, 124, 26));
}

}  // namespace

const std::array<const char*, 19>& ViewRuleCaptions() {
    static const std::array<const char*, 19> captions = {
        "ﾉｰﾏﾙ", "ｱｲｺﾝ", "ｲｰｼﾞｰ", "ﾐﾄﾞﾙ", "ﾚｱ", "MAX",  "S.ﾃﾞｽ", "ﾗﾝﾀﾞﾑ", "ｻﾖﾅﾗ", "８０１",
        "訓練", "傭兵", "海",     "火山", "ﾍﾙ", "ﾍｳﾞﾝ", "宇宙",  "次元",  "ﾃﾞｽ",
    };
    return captions;
}

std::array<int, 2> ViewFieldLimits(int32_t duel_kind) {
    return duel_kind == kSuddenDeath ? std::array<int, 2>{74, 73} : std::array<int, 2>{32, 31};
}

ViewModeBox BuildViewModeBox(QWidget* window) {
    ViewModeBox v;
    v.box = MakeBox(window, "view_box", Utf8("閲覧モード"), QRect(172, 0, 339, 246));
    v.box->setAutoFillBackground(true);
    MakeLabel(v.box, "view_rule_note", Utf8("戦士Ｎｏ．入力前に、ルールを選択下さい"), QRect(8, 16, 320, 14), 9);
    BuildRuleButtons(v);
    BuildViewFields(v);
    v.box->hide();
    return v;
}

void WireViewMode(DuelParts& p) {
    ViewModeBox& v = p.view;
    for (int32_t k = 0; k < 19; ++k)
        QObject::connect(v.rule[static_cast<size_t>(k)], &QPushButton::clicked, p.window, [&p, k] { PressRule(p, k); });
    QObject::connect(v.field_button, &QPushButton::clicked, p.window, [&p] { ShowFieldRules(p, true); });
    QObject::connect(v.rule_button, &QPushButton::clicked, p.window, [&p] { ShowFieldRules(p, false); });
    QObject::connect(v.done, &QPushButton::clicked, p.window, [&p] { AcceptBothNumbers(p); });
    QObject::connect(v.id_ok, &QPushButton::clicked, p.window, [&p] { CheckViewedIds(p); });
    QObject::connect(v.record_file, &QPushButton::clicked, p.window, [&p] { OpenRecordFile(p); });
    CatchRecordPastes(p);
    v.applicant_paste->on_click = [&p] { PasteViewField(p, !p.view.applicant_id->isHidden() ? p.view.applicant_id : p.view.applicant); };
    v.receiver_paste->on_click = [&p] { PasteViewField(p, !p.view.receiver_id->isHidden() ? p.view.receiver_id : p.view.receiver); };
    for (QLineEdit* field : {v.applicant, v.receiver, v.applicant_id, v.receiver_id})
        QObject::connect(field, &QLineEdit::textEdited, p.window, [&p] { p.screen.PlaySe("key.wav", 0); });
}

void OpenViewing(DuelParts& p) {
    if (p.busy) return;
    p.d = DuelRecord{};
    p.msg.Click();
    p.screen.SetSilenced(false);
    ResetDuelWidgets(p);
    p.ui.input_box->hide();
    p.ui.bn_input_note->setText(Utf8("８ケタの数字部分のみを入力してね"));
    ViewModeBox& v = p.view;
    v.field_box->hide();
    v.applicant->clear();
    v.receiver->clear();
    ShowNumberStep(v, true);
    v.box->show();
    v.box->raise();
    p.stage = DuelStage::kViewSetup;
    StartDuelLog(p);
    p.log_saved = true;  // someone else's duel: never written into this player's records
    p.session.gate.look_mode = true;
    p.session.gate.duel_window_visible = true;
    p.window->show();
    OpenViewMode(p.ctx);
    v.rule[0]->setChecked(true);
    const std::array<int, 2> limits = ViewFieldLimits(0);
    v.applicant->setMaxLength(limits[0]);
    v.receiver->setMaxLength(limits[1]);
}

}  // namespace kestra
