// The main window's rule and field panels and the deck registration panel: where they sit, what
// their buttons open and where their BACK leads.
#include "app/deck_builder_panel.h"
#include "app/duel_kinds_panel.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/registration_panel.h"
#include "app/widget_kit.h"
#include "collection/deck_builder.h"

namespace kestra {

namespace {

// Where the start menu sits; the three panels take its place.
const QRect kPanelPlace(4, 4, 352, 526);

}  // namespace

void MainWindow::BuildDuelKindPanels() {
    rule_panel_ = new DuelKindsPanel(false, this);
    field_panel_ = new DuelKindsPanel(true, this);
    registration_ = new RegistrationPanel(s_, this);
    PlacePanel(Panel::RuleDuels, rule_panel_, kPanelPlace);
    PlacePanel(Panel::FieldDuels, field_panel_, kPanelPlace);
    PlacePanel(Panel::Registration, registration_, kPanelPlace);
    const std::pair<DuelKindsPanel*, int32_t> doors[] = {{rule_panel_, kOriginRuleDuels},
                                                         {field_panel_, kOriginFieldDuels}};
    for (const auto& [kinds, origin] : doors) {
        connect(kinds, &DuelKindsPanel::duelClicked, this, &MainWindow::RequestDuel);
        connect(kinds, &DuelKindsPanel::deckClicked, this, [this, origin] { OpenDeckBuilder(origin); });
        connect(kinds, &DuelKindsPanel::backClicked, this, [this] {
            origin_ = kOriginStartMenu;
            BackToOrigin();
        });
    }
    connect(registration_, &RegistrationPanel::backClicked, this,
            [this] { BackToDeckBuilder(true, "3.wav"); });
    connect(registration_, &RegistrationPanel::applied, this, [this] {
        ShowPanel(Panel::DeckBuilder);
        builder_->Refill();
        builder_->RefreshCaption();
    });
}

void MainWindow::OpenDuelKinds(int32_t origin) {
    DuelKindsPanel* kinds = origin == kOriginFieldDuels ? field_panel_ : rule_panel_;
    origin_ = origin;
    PlaySe(s_.audio, "4.wav");
    kinds->Open(s_.my().duels, Utf8(RulePanelSummaryLine(s_.cat(), s_.my())));
    ShowPanel(origin == kOriginFieldDuels ? Panel::FieldDuels : Panel::RuleDuels);
}

void MainWindow::OpenRegistration() {
    PlaySe(s_.audio, "1.wav");
    registration_->Open();
    ShowPanel(Panel::Registration);
}

}  // namespace kestra
