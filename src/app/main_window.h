#pragma once
// The main window (TForm1): the panels stacked in one place with exactly one on screen, the
// status line, the opening animation, the duel request and acceptance up to the hand-over to the
// duel window, view mode, and the doors to every other panel.
#include <array>
#include <cstdint>
#include <string_view>

#include <QRect>
#include <QTimer>
#include <QWidget>

#include "app/duel_hand_over.h"
#include "app/title_pictures.h"
#include "collection/duel_request.h"

class QGroupBox;
class QListWidget;

namespace kestra {

struct GameSession;
class StartMenuPanel;
class DuelPanel;
class DeckBuilderPanel;
class DeveloperPanel;
class ShopPanel;
class SynthesisPanel;
class TechniqueShopPanel;
class TransplantPanel;
class IconPanel;
class ItemPanel;
class DuelKindsPanel;
class RegistrationPanel;

// Every panel of the main window.
enum class Panel : int32_t {
    StartMenu,
    Help,
    Duel,
    DeckBuilder,
    Icons,
    Items,
    Shop,
    Synthesis,
    TechniqueShop,
    Transplant,
    RuleDuels,
    FieldDuels,
    Registration,
    Developer,
    kCount,
};

// Where BACK returns to.
inline constexpr int32_t kOriginStartMenu = 0;
inline constexpr int32_t kOriginRuleDuels = 1;
inline constexpr int32_t kOriginFieldDuels = 2;

inline constexpr int32_t kWindowWidth = 360;
inline constexpr int32_t kWindowHeight = 534;
inline constexpr int32_t kHeightFromRulePanel = 623;
inline constexpr int32_t kHeightFromFieldPanel = 620;
inline constexpr int32_t kLastAnimationFrame = 402;

// Where the start menu sits; every panel but four is moved there at start-up.
inline constexpr QRect kMenuPlace(4, 4, 352, 526);
// Help, items, technique shop and transplant sit at the top-left corner.
inline constexpr QRect kCornerPlace(0, 0, kWindowWidth, kWindowHeight);

class MainWindow : public QWidget, public MainHost {
    Q_OBJECT
public:
    MainWindow(GameSession& session, DuelLauncher& duel, QWidget* parent = nullptr);

    // MainHost: the duel is over; back with the origin's panel and any newly revealed buttons.
    void ReturnFromDuel(const MenuReveal& reveal) override;
    // MainHost: "直前のデュエルのセットID：" + id on the start menu.
    void SetLastSetId(std::string_view set_id) override;

    // The rank line of the duel panel, and the incantation with its streak notes on the
    // clipboard while the duel panel is visible; the rule and field panels are hidden.
    void RefreshStatus();
    // The 100 ms timer's work: status line, quiz label, deck builder caption.
    void StatusTick();
    // The 60 ms timer's work: the next frame of the title animation.
    void AnimationTick();

    // Hide every panel and show this one.
    void ShowPanel(Panel panel);
    QGroupBox* panel(Panel panel) const { return panels_[static_cast<size_t>(panel)]; }
    // The panel now on screen.
    Panel VisiblePanel() const;

    // The deck builder from the start menu (0), the rule panel (1) or the field panel (2).
    void OpenDeckBuilder(int32_t origin);
    // BACK: save, "3.wav", height 534, no rule help, the origin's panel.
    void BackToOrigin();
    // A request or acceptance that passed its checks: the duel panel with these texts.
    void EnterDuelPanel(int32_t kind, int32_t role, const DuelPanelTexts& texts);

    int32_t duel_kind() const { return duel_kind_; }
    int32_t duel_role() const { return duel_role_; }
    int32_t panel_origin() const { return origin_; }
    void set_panel_origin(int32_t origin) { origin_ = origin; }
    int32_t animation_frame() const { return animation_frame_; }

protected:
    // Shown (not merely restored from minimised): an empty text goes to the clipboard, so no
    // old number lingers there.
    void showEvent(QShowEvent* event) override;

private:
    // Start-up step 5: every panel built and put in its place.
    void BuildPanels();
    void PlacePanel(Panel panel, QGroupBox* box, const QRect& where);
    // The shop, synthesis, technique shop, transplant, icon and item panels
    // (main_window_economy.cpp).
    void BuildEconomyPanels();
    // Their doors on the start menu and in the deck builder, BACK, and the close after a deal.
    void WireEconomyPanels();
    // The rule and field panels and the registration panel, wired (main_window_rule_duels.cpp).
    void BuildDuelKindPanels();
    // "＞ﾙｰﾙ" or "＞ﾌｨｰﾙﾄﾞ": "4.wav", the origin, the groups reached, the deck summary, the panel.
    void OpenDuelKinds(int32_t origin);
    // "登録": "1.wav", the registration panel with the current deck as its candidate.
    void OpenRegistration();
    // The start menu's buttons wired to what they open.
    void WireStartMenu();
    // The deck builder's doors wired.
    void WireDeckBuilder();
    // A later panel opened from the start menu: "4.wav", origin, the panel.
    void OpenFromMenu(Panel panel, int32_t origin);
    // A sub-panel of the deck builder returns to it.
    void BackToDeckBuilder(bool save, const char* wave);
    // "≪術・移植≫": the transplant panel for the last chosen card.
    void OpenTransplant();
    // SHOP, 合成 and 術屋 once a duel's end has revealed them.
    void ApplyRevealedButtons();
    // The window's fixed height; the rule-help box shows below the deck builder when taller.
    void SetWindowHeight(int32_t height);
    // The panel for the current origin.
    Panel OriginPanel() const;
    void CentreOnScreen();

    // Duel entry (main_window_duel_entry.cpp).
    // A request (role 3) or acceptance (role 4) of duel kind 0..18: its checks, kind 7's question,
    // then the duel panel.
    void RequestDuel(int32_t kind, int32_t role);
    void StartDuel();
    void CancelDuel();
    void EnterViewMode();
    void CopyToClipboard(const QString& text);

    // Small handlers.
    void ShowPrologue();
    void OpenChatPage();
    void OpenDeveloperPanel();

    GameSession& s_;
    DuelLauncher& duel_;
    std::array<QGroupBox*, static_cast<size_t>(Panel::kCount)> panels_{};
    StartMenuPanel* menu_ = nullptr;
    DuelPanel* duel_panel_ = nullptr;
    DeckBuilderPanel* builder_ = nullptr;
    DeveloperPanel* developer_ = nullptr;
    ShopPanel* shop_ = nullptr;
    SynthesisPanel* synthesis_ = nullptr;
    TechniqueShopPanel* technique_shop_ = nullptr;
    TransplantPanel* transplant_ = nullptr;
    IconPanel* icons_ = nullptr;
    ItemPanel* items_ = nullptr;
    DuelKindsPanel* rule_panel_ = nullptr;
    DuelKindsPanel* field_panel_ = nullptr;
    RegistrationPanel* registration_ = nullptr;
    QGroupBox* rule_help_ = nullptr;
    QListWidget* icon_list_ = nullptr;
    TitlePictures pictures_;
    QTimer status_timer_;
    QTimer animation_timer_;
    int32_t duel_kind_ = 0;
    int32_t duel_role_ = kRoleApplicant;
    int32_t origin_ = kOriginStartMenu;
    int32_t animation_frame_ = 0;
};

}  // namespace kestra
