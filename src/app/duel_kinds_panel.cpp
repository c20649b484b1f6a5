#include "app/duel_kinds_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/widget_kit.h"
#include "collection/duel_kinds.h"
#include "collection/duel_request.h"

namespace kestra {

namespace {

constexpr int kColumns = 2;
constexpr int kButtonHeight = 20;
constexpr int kSmallPoint = 8;

// A label line of a group, named for the tests.
QLabel* GroupLine(std::string_view text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(Utf8(text), parent);
    label->setObjectName(name);
    return label;
}

// A low button, so nine groups fit on the panel.
QPushButton* LowButton(const char* caption, const std::string& name, QWidget* parent) {
    QPushButton* b = PanelButton(caption, name.c_str(), parent);
    b->setFixedHeight(kButtonHeight);
    return b;
}

}  // namespace

DuelKindsPanel::DuelKindsPanel(bool field, QWidget* parent)
    : QGroupBox(QString::fromUtf8(field ? "フィールドデュエル" : "ルールデュエル"), parent),
      first_kind_(field ? kFirstFieldKind : kFirstRuleKind) {
    setObjectName(field ? "field_panel" : "rule_panel");
    QFont small = font();
    small.setPointSize(kSmallPoint);
    setFont(small);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    for (size_t i = 0; i < groups_.size(); ++i) {
        groups_[i] = BuildGroup(first_kind_ + static_cast<int32_t>(i));
        grid->addWidget(groups_[i], static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns,
                        Qt::AlignTop);
        groups_[i]->hide();
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(BuildFoot());
}

QGroupBox* DuelKindsPanel::BuildGroup(int32_t kind_no) {
    const DuelKind& kind = *FindDuelKind(kind_no);
    const std::string prefix = "kind" + std::to_string(kind_no);
    auto* box = new QGroupBox(Utf8(kind.group), this);
    box->setObjectName(QString::fromStdString(prefix + "_group"));
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(3, 2, 3, 3);
    rows->setSpacing(1);
    rows->addWidget(GroupLine(kind.rule_line, QString::fromStdString(prefix + "_rule"), box));
    rows->addWidget(GroupLine(kind.requirement_line, QString::fromStdString(prefix + "_needs"), box));
    auto* request = LowButton("デュエルを申しこむ", prefix + "_request_b", box);
    auto* accept = LowButton("デュエルを受ける", prefix + "_accept_b", box);
    rows->addWidget(request);
    rows->addWidget(accept);
    connect(request, &QPushButton::clicked, this,
            [this, kind_no] { emit duelClicked(kind_no, kRoleApplicant); });
    connect(accept, &QPushButton::clicked, this,
            [this, kind_no] { emit duelClicked(kind_no, kRoleReceiver); });
    return box;
}

QWidget* DuelKindsPanel::BuildFoot() {
    const bool field = first_kind_ == kFirstFieldKind;
    auto* foot = new QWidget(this);
    auto* rows = new QVBoxLayout(foot);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(3);
    summary_ = new QLabel(foot);
    summary_->setObjectName(field ? "field_summary" : "rule_summary");
    rows->addWidget(summary_);
    auto* buttons = new QHBoxLayout;
    auto* deck = PanelButton("デッキ構築", field ? "field_deck_b" : "rule_deck_b", foot);
    auto* back = PanelButton("BACK", field ? "field_panel_back_b" : "rule_panel_back_b", foot);
    buttons->addWidget(deck, 1);
    buttons->addWidget(back, 1);
    rows->addLayout(buttons);
    connect(deck, &QPushButton::clicked, this, &DuelKindsPanel::deckClicked);
    connect(back, &QPushButton::clicked, this, &DuelKindsPanel::backClicked);
    return foot;
}

void DuelKindsPanel::Open(int32_t duels, const QString& summary) {
    for (size_t i = 0; i < groups_.size(); ++i)
        if (duels >= FindDuelKind(first_kind_ + static_cast<int32_t>(i))->offered_from) groups_[i]->show();
    summary_->setText(summary);
}

bool DuelKindsPanel::GroupShown(int32_t kind) const {
    const int32_t i = kind - first_kind_;
    return i >= 0 && i < static_cast<int32_t>(groups_.size()) && !groups_[static_cast<size_t>(i)]->isHidden();
}

}  // namespace kestra
