#pragma once
// The view-mode box (閲覧モード): the rule buttons, both sides' warrior numbers, the receiver's
// verification ID, and the replay of someone else's duel from their numbers.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <cstdint>

#include "app/duel_widgets.h"

namespace kestra {

struct DuelParts;

struct ViewModeBox {
    QGroupBox* box = nullptr;
    std::array<QPushButton*, 19> rule{};  // rule_0 .. rule_18, by duel kind
    QButtonGroup* rules = nullptr;        // one rule pressed down at a time
    QGroupBox* field_box = nullptr;       // "ﾌｨｰﾙﾄﾞ": the kinds 10..18
    QPushButton* field_button = nullptr;
    QPushButton* rule_button = nullptr;
    QLabel* applicant_label = nullptr;
    QLabel* receiver_label = nullptr;
    QLineEdit* applicant = nullptr;
    QLineEdit* receiver = nullptr;
    ClickLabel* applicant_paste = nullptr;
    ClickLabel* receiver_paste = nullptr;
    QPushButton* done = nullptr;  // "入力完了"
    QLineEdit* applicant_id = nullptr;
    QLineEdit* receiver_id = nullptr;
    QPushButton* id_ok = nullptr;
    QPushButton* record_file = nullptr;  // "記録ファイル…"
};

// The button captions by duel kind 0..18.
const std::array<const char*, 19>& ViewRuleCaptions();

// The most characters the two number fields take: 32 and 31, or 74 and 73 in sudden death.
std::array<int, 2> ViewFieldLimits(int32_t duel_kind);

// Build the box, hidden.
ViewModeBox BuildViewModeBox(QWidget* window);

// Connect its buttons and fields to the duel.
void WireViewMode(DuelParts& p);

// "入力完了": both warrior numbers, then the verification IDs are awaited; false when refused.
bool AcceptBothNumbers(DuelParts& p);

// "OK": only the receiver's ID is checked; a mismatch goes back to the warrior numbers.
void CheckViewedIds(DuelParts& p);

// Press the rule button of this duel kind, as a click would.
void PressRule(DuelParts& p, int32_t kind);

// The view-mode opening: the box with "ﾉｰﾏﾙ" pressed, empty fields, the window shown.
void OpenViewing(DuelParts& p);

}  // namespace kestra
