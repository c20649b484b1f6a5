#include "app/registration_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/game_session.h"
#include "app/widget_kit.h"
#include "collection/deck_builder.h"

namespace kestra {

namespace {

constexpr std::string_view kInDeckMark = "inデッキ";

// A candidate's card or icon as a row: its name, or the free-slot dots.
template <typename Rows>
QString RowText(const Rows& rows, int32_t n) {
    if (n < 0 || n >= static_cast<int32_t>(rows.size()) || rows[static_cast<size_t>(n)].name.empty())
        return Utf8(kFreeSlotRow);
    return Utf8(rows[static_cast<size_t>(n)].name);
}

// A list the tests find by name.
QListWidget* NamedList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

}  // namespace

RegistrationPanel::RegistrationPanel(GameSession& session, QWidget* parent)
    : QGroupBox(QString::fromUtf8("デッキ登録"), parent), s_(session) {
    setObjectName("touroku_panel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(BuildLists(), 1);
    info_ = new QLabel(this);
    info_->setObjectName("touroku_info");
    info_->setWordWrap(true);
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info_->setMinimumHeight(info_->fontMetrics().lineSpacing() * 6);
    layout->addWidget(info_);
    summary_ = new QLabel(this);
    summary_->setObjectName("touroku_summary");
    layout->addWidget(summary_);
    layout->addWidget(BuildButtons());
}

QWidget* RegistrationPanel::BuildLists() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    slot_list_ = NamedList("touroku_list", box);
    card_list_ = NamedList("touroku_cards", box);
    icon_list_ = NamedList("touroku_icons", box);
    icon_list_->setFixedHeight(icon_list_->fontMetrics().lineSpacing() * 2 + 10);
    register_ = PanelButton("←", "touroku_add_b", box);
    register_->setFixedWidth(34);
    auto* candidate = new QVBoxLayout;
    candidate->addWidget(card_list_, 1);
    candidate->addWidget(icon_list_);
    row->addWidget(slot_list_, 1);
    row->addWidget(register_);
    row->addLayout(candidate, 1);
    connect(slot_list_, &QListWidget::currentRowChanged, this, &RegistrationPanel::OnSlotRow);
    connect(card_list_, &QListWidget::currentRowChanged, this, &RegistrationPanel::OnCardRow);
    connect(icon_list_, &QListWidget::currentRowChanged, this, &RegistrationPanel::OnIconRow);
    connect(register_, &QPushButton::clicked, this, &RegistrationPanel::OnRegister);
    return box;
}

QWidget* RegistrationPanel::BuildButtons() {
    auto* box = new QWidget(this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* naming = new QHBoxLayout;
    name_ = new QLineEdit(box);
    name_->setObjectName("touroku_name");
    rename_ = PanelButton("名前変更", "touroku_rename_b", box);
    naming->addWidget(name_, 1);
    naming->addWidget(rename_);
    auto* doors = new QHBoxLayout;
    delete_ = PanelButton("消", "touroku_delete_b", box);
    apply_ = PanelButton("反映", "touroku_apply_b", box);
    auto* back = PanelButton("BACK", "touroku_panel_back_b", box);
    doors->addWidget(delete_);
    doors->addWidget(apply_);
    doors->addWidget(back, 1);
    rows->addLayout(naming);
    rows->addLayout(doors);
    connect(delete_, &QPushButton::clicked, this, &RegistrationPanel::OnDelete);
    connect(rename_, &QPushButton::clicked, this, &RegistrationPanel::OnRename);
    connect(apply_, &QPushButton::clicked, this, &RegistrationPanel::OnApply);
    connect(back, &QPushButton::clicked, this, &RegistrationPanel::backClicked);
    return box;
}

void RegistrationPanel::Open() {
    RefreshSlots();
    candidate_ = CandidateFromDeck(s_.my());
    ShowCandidate();
    register_->show();
}

void RegistrationPanel::RefreshSlots() {
    const QSignalBlocker quiet(slot_list_);
    slot_list_->clear();
    for (const std::string& row : TourokuRows(s_.my())) slot_list_->addItem(Utf8(row));
    selected_ = -1;
    name_->clear();
    SetSlotControls(false);
}

void RegistrationPanel::SetSlotControls(bool named) {
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(rename_),
                       static_cast<QWidget*>(delete_), static_cast<QWidget*>(apply_)})
        w->setVisible(named);
}

void RegistrationPanel::ShowCandidate() {
    const QSignalBlocker quiet_cards(card_list_);
    const QSignalBlocker quiet_icons(icon_list_);
    card_list_->clear();
    icon_list_->clear();
    for (const int32_t card : candidate_.cards) card_list_->addItem(RowText(s_.cat().card, card));
    for (const int32_t icon : candidate_.icons) icon_list_->addItem(RowText(s_.cat().icon, icon));
    summary_->setText(Utf8(CandidateSummaryLine(s_.cat(), candidate_)));
    info_->clear();
}

void RegistrationPanel::ClearCandidate() {
    card_list_->clear();
    icon_list_->clear();
    info_->clear();
}

void RegistrationPanel::OnSlotRow(int row) {
    if (row < 0) return;
    PlaySe3(s_.audio, "key.wav");
    selected_ = SlotOfRow(s_.my(), slot_list_->item(row)->text().toStdString());
    if (selected_ < 0) {
        ClearCandidate();
        SetSlotControls(false);
        return;
    }
    name_->setText(Utf8(s_.my().touroku[static_cast<size_t>(selected_)].name));
    candidate_ = CandidateFromSlot(s_.my(), selected_);
    ShowCandidate();
    register_->hide();
    SetSlotControls(true);
}

void RegistrationPanel::OnCardRow(int row) {
    if (row < 0 || row >= kDeckSize) return;
    const int32_t card = candidate_.cards[static_cast<size_t>(row)];
    if (card < 0 || card >= kCardRows) return;
    info_->setText(Utf8(CardInfoText(s_.cat(), s_.my(), card) + "\n" + std::string(kInDeckMark)));
}

void RegistrationPanel::OnIconRow(int row) {
    if (row < 0 || row >= 2) return;
    const int32_t icon = candidate_.icons[static_cast<size_t>(row)];
    if (icon < 0 || icon >= kIconRows) return;
    const ticon& i = s_.cat().icon[static_cast<size_t>(icon)];
    info_->setText(Utf8("ICON【" + i.name + "】 " + std::string(kInDeckMark) + "\n" + i.description));
}

void RegistrationPanel::OnRegister() {
    const RegisterResult r = RegisterCandidate(s_.my(), candidate_, name_->text().toStdString());
    if (r.slot < 0) {
        Refuse(r.refusal);
        return;
    }
    name_->setText(Utf8(r.name));
    PlaySe4(s_.audio, "m_get.wav");
    RefreshSlots();
}

void RegistrationPanel::OnDelete() {
    if (selected_ < 0 || s_.my().touroku[static_cast<size_t>(selected_)].name.empty()) {
        Refuse();
        return;
    }
    PlaySe2(s_.audio, "1.wav");
    const std::string name = s_.my().touroku[static_cast<size_t>(selected_)].name;
    if (!s_.dialogs.AskYesNo("デッキ【" + name + "】を消去してもよいですか？")) {
        PlaySe2(s_.audio, "no.wav");
        return;
    }
    DeleteTouroku(s_.my(), selected_);
    RefreshSlots();
    ClearCandidate();
    PlaySe2(s_.audio, "pi.wav");
}

void RegistrationPanel::OnRename() {
    if (selected_ < 0) {
        Refuse();
        return;
    }
    const std::string refusal = RenameTouroku(s_.my(), selected_, name_->text().toStdString());
    if (!refusal.empty()) {
        Refuse(refusal);
        return;
    }
    RefreshSlots();
    PlaySe(s_.audio, "1.wav");
    s_.Save();
}

void RegistrationPanel::OnApply() {
    if (selected_ < 0) {
        Refuse();
        return;
    }
    if (ApplyTouroku(s_.my(), selected_)) {
        PlaySe2(s_.audio, "1.wav");
        s_.dialogs.Inform(kApplyShortage);
    }
    s_.Save();
    emit applied();
    PlaySe(s_.audio, "set.wav");
}

void RegistrationPanel::Refuse(std::string_view message) {
    PlaySe(s_.audio, "no.wav");
    if (!message.empty()) s_.dialogs.Inform(message);
}

}  // namespace kestra
