#pragma once
// The deck builder ("デッキ構築"): the card list of every card number, the deck of ten, the
// selected card's information and picture, "→" and "←", and the doors to the icon, item,
// transplant and registration panels.
#include <cstdint>

#include <QGroupBox>

class QLabel;
class QListWidget;
class QPushButton;

namespace kestra {

struct GameSession;

class DeckBuilderPanel : public QGroupBox {
    Q_OBJECT
public:
    DeckBuilderPanel(GameSession& session, QWidget* parent);

    // Start-up: the card list becomes 327 empty rows, one per card number 0..326.
    void PrepareRows();
    // Opening: every row's text, the deck list, the summary and the "≪術・移植≫" door.
    void Refill();
    // The 100 ms caption: "デッキ構築中", with the applied deck's name when there is one.
    void RefreshCaption();
    // After a duel starts or ends: no card chosen, no information, no picture.
    void ClearSelections();

    int32_t selected_card() const { return selected_card_; }
    int32_t last_selected_card() const { return last_selected_card_; }
    // The summary line as shown ("楽・普・…  <  デッキ").
    QString SummaryLine() const;
    // The last chosen card's information again (after a transplant changed it).
    void RefreshCardInfo();

signals:
    void backClicked();
    void transplantClicked();
    void iconsClicked();
    void itemsClicked();
    void registerClicked();

private:
    // The lists with "→" and "←" between them.
    QWidget* BuildLists();
    // The selected card's picture and information.
    QWidget* BuildInfo();
    // The doors and BACK.
    QWidget* BuildDoors();
    // A row of the card list chosen: its card when owned, else nothing.
    void OnCardRow(int row);
    // A slot of the deck list chosen: its card when filled.
    void OnDeckRow(int row);
    // The card list's current row taken as the chosen card (or none), without a sound.
    void ChooseCardRow();
    // A deck slot's card, when filled, becomes the last chosen card and is shown, without a sound.
    void ChooseDeckSlot(int row);
    // "→": the chosen card into the lowest empty slot.
    void OnPut();
    // "←": the chosen slot's card back into the collection.
    void OnTake();
    // "●ＳＥＬＬ": one copy of the chosen card sold after a Yes (deck_builder_sell.cpp).
    void OnSell();
    // The card the card list's selection stands for, -1 for none, "????" or an empty row.
    int32_t CardOfListSelection() const;
    void ShowCard(int32_t card);
    void ClearCard();
    void SetCardRowText(int32_t card);
    void RebuildDeckList();
    void RefreshSummary();

    GameSession& s_;
    int32_t selected_card_ = -1;
    int32_t last_selected_card_ = -1;
    QListWidget* card_list_ = nullptr;
    QListWidget* deck_list_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* hint_ = nullptr;
    QPushButton* transplant_ = nullptr;
};

}  // namespace kestra
