// The main window's economy panels: the shop, synthesis and the technique shop behind the start
// menu's doors, the transplant, icon and item panels behind the deck builder's.
#include "app/main_window.h"
#include "app/widget_kit.h"

#include <QListWidget>
#include <QPushButton>

#include "app/deck_builder_panel.h"
#include "app/game_session.h"
#include "app/icon_panel.h"
#include "app/item_panel.h"
#include "app/shop_panel.h"
#include "app/start_menu_panel.h"
#include "app/synthesis_panel.h"
#include "app/technique_shop_panel.h"
#include "app/transplant_panel.h"

namespace kestra {

void MainWindow::BuildEconomyPanels() {
    shop_ = new ShopPanel(s_, this);
    PlacePanel(Panel::Shop, shop_, kMenuPlace);
    synthesis_ = new SynthesisPanel(s_, this);
    PlacePanel(Panel::Synthesis, synthesis_, kMenuPlace);
    technique_shop_ = new TechniqueShopPanel(s_, this);
    PlacePanel(Panel::TechniqueShop, technique_shop_, kCornerPlace);
    transplant_ = new TransplantPanel(s_, this);
    PlacePanel(Panel::Transplant, transplant_, kCornerPlace);
    icons_ = new IconPanel(s_, this);
    PlacePanel(Panel::Icons, icons_, kMenuPlace);
    icon_list_ = icons_->icon_list();
    items_ = new ItemPanel(s_, this);
    PlacePanel(Panel::Items, items_, kCornerPlace);
}

void MainWindow::WireEconomyPanels() {
    const StartMenuButtons& b = menu_->buttons();
    connect(b.shop, &QPushButton::clicked, this, [this] {
        OpenFromMenu(Panel::Shop, kOriginStartMenu);
        shop_->Open();
    });
    connect(b.synthesis, &QPushButton::clicked, this, [this] {
        OpenFromMenu(Panel::Synthesis, kOriginStartMenu);
        synthesis_->Open();
    });
    connect(b.technique_shop, &QPushButton::clicked, this, [this] {
        OpenFromMenu(Panel::TechniqueShop, kOriginStartMenu);
        technique_shop_->Open();
    });
    // One deal ends a visit: back at the start menu, the shop's assortment gone.
    for (EconomyPanel* p : std::initializer_list<EconomyPanel*>{shop_, synthesis_, technique_shop_}) {
        connect(p, &EconomyPanel::backClicked, this, &MainWindow::BackToOrigin);
        connect(p, &EconomyPanel::finished, this, [this] { ShowPanel(Panel::StartMenu); });
    }
    connect(builder_, &DeckBuilderPanel::transplantClicked, this, &MainWindow::OpenTransplant);
    connect(transplant_, &EconomyPanel::backClicked, this, [this] { BackToDeckBuilder(true, "3.wav"); });
    connect(transplant_, &EconomyPanel::finished, this, [this] {
        ShowPanel(Panel::DeckBuilder);
        builder_->Refill();
        builder_->RefreshCardInfo();
    });
    connect(builder_, &DeckBuilderPanel::iconsClicked, this, [this] {
        PlaySe(s_.audio, "4.wav");
        ShowPanel(Panel::Icons);
        icons_->Refresh();
    });
    connect(builder_, &DeckBuilderPanel::itemsClicked, this, [this] {
        PlaySe(s_.audio, "item.wav");
        ShowPanel(Panel::Items);
        items_->Open();
    });
    connect(icons_, &EconomyPanel::backClicked, this, [this] { BackToDeckBuilder(false, "1.wav"); });
    connect(items_, &EconomyPanel::backClicked, this, [this] { BackToDeckBuilder(false, "1.wav"); });
}

void MainWindow::OpenTransplant() {
    // A deck slot of a damaged save may hold a number the catalogue does not name: nothing opens.
    if (!transplant_->Open(builder_->last_selected_card())) return;
    PlaySe(s_.audio, "4.wav");
    ShowPanel(Panel::Transplant);
}

}  // namespace kestra
