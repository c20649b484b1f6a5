#include "app/icon_panel.h"
#include "app/widget_kit.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "app/game_session.h"
#include "collection/icon_equip.h"

namespace kestra {

IconPanel::IconPanel(GameSession& session, QWidget* parent)
    : EconomyPanel(session, "ＩＣＯＮ装備", "icons_panel", parent) {
    icons_ = new QListWidget(this);
    icons_->setObjectName("icon_list");
    worn_ = new QListWidget(this);
    worn_->setObjectName("equipped_list");
    auto* equip = PanelButton("→", "equip_b", this);
    auto* unequip = PanelButton("←", "unequip_b", this);
    AddListPair(icons_, worn_, equip, unequip);
    info_ = AddLabel("icon_info");
    info_->setMinimumHeight(info_->fontMetrics().lineSpacing() * 4);
    WatchRows(icons_, [this](int row) { OnIconRow(row); });
    WatchRows(worn_, [this](int row) { OnWornRow(row); });
    connect(equip, &QPushButton::clicked, this, &IconPanel::OnEquip);
    connect(unequip, &QPushButton::clicked, this, &IconPanel::OnUnequip);
}

void IconPanel::Refresh() {
    {
        const QSignalBlocker quiet(icons_);
        for (int32_t icon = 0; icon < icons_->count(); ++icon)
            icons_->item(icon)->setText(Utf8(IconListRow(s_.cat(), s_.my(), icon)));
    }
    FillList(worn_, {EquippedRow(s_.cat(), s_.my(), 0), EquippedRow(s_.cat(), s_.my(), 1)});
}

void IconPanel::OnIconRow(int row) {
    const std::string info = row < 0 ? std::string() : IconInfoText(s_.cat(), s_.my(), row);
    // A "????" row or an unnamed one chooses nothing.
    if (row >= 0 && (info.empty() || IconListRow(s_.cat(), s_.my(), row) == "????")) {
        const QSignalBlocker quiet(icons_);
        icons_->clearSelection();
        info_->clear();
        return;
    }
    info_->setText(Utf8(info));
}

void IconPanel::OnWornRow(int row) { info_->setText(Utf8(EquippedInfoText(s_.cat(), s_.my(), row))); }

void IconPanel::OnEquip() {
    if (!EquipIcon(s_.cat(), s_.my(), SelectedRow(icons_))) {
        PlaySe(s_.audio, "no.wav");
        return;
    }
    PlaySe(s_.audio, "soubi.wav");
    Refresh();
    OnIconRow(SelectedRow(icons_));
}

void IconPanel::OnUnequip() {
    const int row = SelectedRow(worn_);
    const int32_t icon = UnequipIcon(s_.cat(), s_.my(), row);
    if (icon < 0) {
        PlaySe(s_.audio, "no.wav");
        return;
    }
    PlaySe(s_.audio, "at2.wav");
    Refresh();
    if (row == 1 && icon < icons_->count()) {
        const QSignalBlocker quiet(icons_);
        icons_->setCurrentRow(icon);
    }
    info_->setText(Utf8(IconInfoText(s_.cat(), s_.my(), icon)));
}

}  // namespace kestra
