#pragma once
// The icon panel ("ＩＣＯＮ装備"): every icon owned, the two worn ones, "→" to equip and "←" to
// take one off. Nothing is saved here; the deck builder's BACK saves.
#include "app/economy_panel.h"

namespace kestra {

class IconPanel : public EconomyPanel {
    Q_OBJECT
public:
    IconPanel(GameSession& session, QWidget* parent);

    // Both lists as the record has them.
    void Refresh();
    // The icon list (prepared with 281 rows at start-up).
    QListWidget* icon_list() const { return icons_; }

private:
    void OnIconRow(int row);
    void OnWornRow(int row);
    void OnEquip();
    void OnUnequip();

    QListWidget* icons_ = nullptr;
    QListWidget* worn_ = nullptr;
    QLabel* info_ = nullptr;
};

}  // namespace kestra
