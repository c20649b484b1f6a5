#pragma once
// What every economy panel of the main window is built from: its caption and name, lists, text
// lines, a card picture, buttons, BACK at the bottom, and the save that seals one deal.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QGroupBox>

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace kestra {

struct GameSession;
struct tmy;

struct SaleOffer;

// The sale question of "●ＳＥＬＬ" and "ＳＥＬＬ": "no.wav" when there is nothing to sell, else
// "2.wav" and the Yes/No box; "katan.wav" on Yes, "no.wav" on No. True when the player agreed.
bool AgreeToSale(GameSession& session, const std::optional<SaleOffer>& offer);

class EconomyPanel : public QGroupBox {
    Q_OBJECT
public:
    // A panel with this caption and object name; BACK is named name + "_back_b".
    EconomyPanel(GameSession& session, const char* caption, const char* name, QWidget* parent);

signals:
    void backClicked();
    // One deal was made and saved: the panel closes (to the start menu or the deck builder).
    void finished();

protected:
    // Pieces added above BACK, in order.
    QListWidget* AddList(const char* name, int stretch = 1);
    QLabel* AddLabel(const char* name);
    QPushButton* AddButton(const char* caption, const char* name);
    // A 64x64 card picture with a text block beside it.
    std::pair<QLabel*, QLabel*> AddPictureAndInfo(const char* picture_name, const char* info_name);
    // Two lists side by side with "→" and "←" between them.
    void AddListPair(QListWidget* left, QListWidget* right, QPushButton* put, QPushButton* take);
    // A list's chosen row reported to `on_row` (-1 when none), with "key2.wav" (or `wave`) for a row.
    void WatchRows(QListWidget* list, std::function<void(int)> on_row, const char* wave = "key2.wav");

    // The card's picture from cg/, or nothing.
    void ShowCardPicture(QLabel* picture, int32_t card) const;
    // Refill a list with these texts, keeping quiet while it changes.
    static void FillList(QListWidget* list, const std::vector<std::string>& rows);
    // The row the player chose (selected, not merely current), or -1.
    static int SelectedRow(const QListWidget* list);
    // Save the deal just made; when the save fails the record goes back to `before` and the
    // deal is undone, so a failure is never reported as a purchase.
    bool SaveDeal(const tmy& before);
    // The end of a deal: its sound on channel 3, the save (undone on failure), the notice,
    // "3.wav" and the panel closes. False when the save failed.
    bool CloseDeal(const tmy& before, const char* wave, const std::string& notice);

    GameSession& s_;

private:
    QVBoxLayout* layout_ = nullptr;
};

}  // namespace kestra
