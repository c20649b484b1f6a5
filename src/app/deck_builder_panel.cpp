#include "app/deck_builder_panel.h"
#include "app/widget_kit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/game_session.h"
#include "collection/deck_builder.h"

namespace kestra {

namespace {

// A wrapped label the tests find by name.
QLabel* NamedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

constexpr int kPictureSize = 64;

// The row the player chose (the selected one, not merely the current one), or -1.
int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.front());
}

}  // namespace

DeckBuilderPanel::DeckBuilderPanel(GameSession& session, QWidget* parent)
    : QGroupBox(QString::fromUtf8("デッキ構築"), parent), s_(session) {
    setObjectName("deck_builder");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(BuildLists(), 1);
    layout->addWidget(BuildInfo());
    summary_ = NamedLabel("deck_summary", this);
    summary_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(summary_);
    hint_ = NamedLabel("deck_hint", this);
    hint_->setStyleSheet(QStringLiteral("color: #b01010;"));
    hint_->setMinimumHeight(hint_->fontMetrics().lineSpacing());
    layout->addWidget(hint_);
    layout->addWidget(BuildDoors());
}

QWidget* DeckBuilderPanel::BuildLists() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    card_list_ = new QListWidget(box);
    card_list_->setObjectName("card_list");
    deck_list_ = new QListWidget(box);
    deck_list_->setObjectName("deck_list");
    auto* middle = new QVBoxLayout;
    auto* put = PanelButton("→", "put_b", box);
    auto* take = PanelButton("←", "take_b", box);
    put->setFixedWidth(34);
    take->setFixedWidth(34);
    middle->addStretch(1);
    middle->addWidget(put);
    middle->addWidget(take);
    middle->addStretch(1);
    row->addWidget(card_list_, 1);
    row->addLayout(middle);
    row->addWidget(deck_list_, 1);
    // A row counts as chosen when it is selected: a list that takes the focus makes its first row
    // current without selecting it, and that must not choose card 0 or deck slot 1.
    connect(card_list_, &QListWidget::itemSelectionChanged, this, [this] { OnCardRow(SelectedRow(card_list_)); });
    connect(deck_list_, &QListWidget::itemSelectionChanged, this, [this] { OnDeckRow(SelectedRow(deck_list_)); });
    // A click on the row already current changes no row, yet it is a choice all the same.
    connect(card_list_, &QListWidget::itemClicked, this, [this] { ChooseCardRow(); });
    connect(deck_list_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseDeckSlot(deck_list_->row(item)); });
    connect(put, &QPushButton::clicked, this, &DeckBuilderPanel::OnPut);
    connect(take, &QPushButton::clicked, this, &DeckBuilderPanel::OnTake);
    return box;
}

QWidget* DeckBuilderPanel::BuildInfo() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    picture_ = NamedLabel("card_picture", box);
    picture_->setFixedSize(kPictureSize, kPictureSize);
    picture_->setFrameShape(QFrame::Box);
    info_ = NamedLabel("card_info", box);
    info_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info_->setMinimumHeight(info_->fontMetrics().lineSpacing() * 5 + 4);
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(picture_, 0, Qt::AlignTop);
    row->addWidget(info_, 1);
    return box;
}

QWidget* DeckBuilderPanel::BuildDoors() {
    auto* box = new QWidget(this);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(3);
    auto* doors = new QHBoxLayout;
    auto* last = new QHBoxLayout;
    transplant_ = PanelButton("≪術・移植≫", "transplant_b", box);
    auto* icons = PanelButton("≪ICON≫", "icons_b", box);
    auto* items = PanelButton("≪ITEM≫", "items_b", box);
    auto* touroku = PanelButton("登録", "touroku_b", box);
    auto* sell = PanelButton("●ＳＥＬＬ", "card_sell_b", box);
    auto* back = PanelButton("BACK", "deck_back_b", box);
    doors->addWidget(transplant_);
    doors->addWidget(icons);
    doors->addWidget(items);
    last->addWidget(sell, 1);
    last->addWidget(touroku, 1);
    last->addWidget(back, 2);
    rows->addLayout(doors);
    rows->addLayout(last);
    connect(transplant_, &QPushButton::clicked, this, &DeckBuilderPanel::transplantClicked);
    connect(icons, &QPushButton::clicked, this, &DeckBuilderPanel::iconsClicked);
    connect(items, &QPushButton::clicked, this, &DeckBuilderPanel::itemsClicked);
    connect(touroku, &QPushButton::clicked, this, &DeckBuilderPanel::registerClicked);
    connect(sell, &QPushButton::clicked, this, &DeckBuilderPanel::OnSell);
    connect(back, &QPushButton::clicked, this, &DeckBuilderPanel::backClicked);
    return box;
}

void DeckBuilderPanel::PrepareRows() {
    const QSignalBlocker quiet(card_list_);
    card_list_->clear();
    for (int32_t card = 0; card < kListedCards; ++card) card_list_->addItem(QString());
}

void DeckBuilderPanel::Refill() {
    for (int32_t card = 0; card < kListedCards; ++card) SetCardRowText(card);
    RebuildDeckList();
    RefreshSummary();
    transplant_->setVisible(HasStockedTechnique(s_.my()));
}

void DeckBuilderPanel::RefreshCaption() {
    const std::string& name = s_.my().applied_deck_name;
    const QString caption = name.empty() ? QString::fromUtf8("デッキ構築中")
                                         : QString::fromUtf8("デッキ構築中 > 【") + Utf8(name) + QString::fromUtf8("】");
    if (title() != caption) setTitle(caption);
}

void DeckBuilderPanel::ClearSelections() {
    const QSignalBlocker quiet_cards(card_list_);
    const QSignalBlocker quiet_deck(deck_list_);
    card_list_->setCurrentRow(-1);
    deck_list_->setCurrentRow(-1);
    selected_card_ = -1;
    last_selected_card_ = -1;
    ClearCard();
}

QString DeckBuilderPanel::SummaryLine() const { return summary_->text(); }

void DeckBuilderPanel::RefreshCardInfo() {
    if (last_selected_card_ >= 0) ShowCard(last_selected_card_);
}

void DeckBuilderPanel::OnCardRow(int row) {
    if (row >= 0) PlaySe(s_.audio, "key2.wav");
    ChooseCardRow();
}

void DeckBuilderPanel::ChooseCardRow() {
    selected_card_ = CardOfListSelection();
    if (selected_card_ < 0) {
        ClearCard();
        return;
    }
    last_selected_card_ = selected_card_;
    ShowCard(selected_card_);
}

void DeckBuilderPanel::OnDeckRow(int row) {
    if (row < 0 || row >= kDeckSize) return;
    PlaySe(s_.audio, "key2.wav");
    ChooseDeckSlot(row);
}

void DeckBuilderPanel::ChooseDeckSlot(int row) {
    if (row < 0 || row >= kDeckSize) return;
    const int32_t card = s_.my().deck[static_cast<size_t>(row)];
    if (card < 0) return;
    last_selected_card_ = card;
    ShowCard(card);
}

void DeckBuilderPanel::OnPut() {
    const int32_t card = CardOfListSelection();
    const PutResult put = PutIntoDeck(s_.cat(), s_.my(), card);
    if (put.mercenary_hint) hint_->setText(QString::fromUtf8(kMercenaryHint));
    switch (put.outcome) {
    case PutOutcome::NothingChosen:
        PlaySe(s_.audio, "no.wav");
        return;
    case PutOutcome::RankTooLow:
    case PutOutcome::MeritTooLow:
        PlaySe(s_.audio, "no.wav");
        s_.dialogs.Inform(put.message);
        PlaySe(s_.audio, "1.wav");
        return;
    case PutOutcome::Moved:
        break;
    }
    PlaySe(s_.audio, "at1.wav");
    SetCardRowText(card);
    RebuildDeckList();
    ShowCard(card);
    RefreshSummary();
}

void DeckBuilderPanel::OnTake() {
    const int slot = SelectedRow(deck_list_);
    const bool filled = slot >= 0 && slot < kDeckSize && s_.my().deck[static_cast<size_t>(slot)] >= 0;
    if (!filled) {
        PlaySe(s_.audio, "no.wav");
        return;
    }
    {
        const QSignalBlocker quiet(card_list_);
        const int32_t in_slot = s_.my().deck[static_cast<size_t>(slot)];
        if (in_slot < card_list_->count()) card_list_->setCurrentRow(in_slot);
    }
    const TakeResult taken = TakeFromDeck(s_.cat(), s_.my(), slot);
    if (taken.card < 0) {
        PlaySe(s_.audio, "no.wav");
        return;
    }
    PlaySe(s_.audio, "at2.wav");
    RebuildDeckList();
    SetCardRowText(taken.card);
    selected_card_ = CardOfListSelection();
    if (selected_card_ >= 0) {
        last_selected_card_ = selected_card_;
        ShowCard(selected_card_);
    } else {
        ClearCard();
    }
    RefreshSummary();
}

int32_t DeckBuilderPanel::CardOfListSelection() const {
    const int row = SelectedRow(card_list_);
    if (row < 0 || row >= card_list_->count()) return -1;
    const QString text = card_list_->item(row)->text();
    if (text.isEmpty() || text == QStringLiteral("????")) return -1;
    return row;
}

void DeckBuilderPanel::ShowCard(int32_t card) {
    info_->setText(Utf8(CardInfoText(s_.cat(), s_.my(), card)));
    const QString file = QString::fromStdString((s_.folder.cg() / ("unit" + std::to_string(card) + ".bmp")).string());
    const QPixmap picture(file);
    if (picture.isNull())
        picture_->clear();
    else
        picture_->setPixmap(picture);
}

void DeckBuilderPanel::ClearCard() {
    info_->clear();
    picture_->clear();
}

void DeckBuilderPanel::SetCardRowText(int32_t card) {
    if (card < 0 || card >= card_list_->count()) return;
    card_list_->item(card)->setText(Utf8(CardListRow(s_.cat(), s_.my(), card)));
}

void DeckBuilderPanel::RebuildDeckList() {
    const QSignalBlocker quiet(deck_list_);
    deck_list_->clear();
    for (int32_t slot = 0; slot < kDeckSize; ++slot) deck_list_->addItem(Utf8(DeckListRow(s_.cat(), s_.my(), slot)));
}

void DeckBuilderPanel::RefreshSummary() { summary_->setText(Utf8(BuilderSummaryLine(s_.cat(), s_.my()))); }

}  // namespace kestra
