#include "app/main_window.h"
#include "app/widget_kit.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QShortcut>
#include <QUrl>

#include "app/deck_builder_panel.h"
#include "app/developer_panel.h"
#include "app/duel_panel.h"
#include "app/game_session.h"
#include "app/help_panel.h"
#include "app/start_menu_panel.h"
#include "app/start_up.h"
#include "player/player_files.h"
#include "player/status_line.h"

namespace kestra {

namespace {

// The deck builder leaves room below it for the rule-help box.
const QRect kBuilderPlace(4, 4, 352, 498);
// The rule-help box, shown under the deck builder when it was opened from a duel panel.
const QRect kRuleHelpPlace(0, 504, kWindowWidth, kHeightFromRulePanel - 504);

constexpr int kStatusMs = 100;
// The rule panel's door opens from 20 duels, the field panel's from 5 (decided at start-up).
constexpr int32_t kDuelsForRulePanel = 20;
constexpr int32_t kDuelsForFieldPanel = 5;
constexpr int kAnimationMs = 60;

}  // namespace

MainWindow::MainWindow(GameSession& session, DuelLauncher& duel, QWidget* parent)
    : QWidget(parent), s_(session), duel_(duel) {
    setWindowTitle(QString::fromUtf8(kMainCaption));
    setFont(QFont(QStringLiteral("IPAPGothic"), 9));
    // The seed, the save and the catalogue were read before the window was made, and the wave
    // channels follow its first paint; its own part of the start-up begins with the music, which
    // plays as soon as the sound is ready.
    s_.audio.SetMusicOn(true);
    s_.audio.PlayBgm("lorpe.mid");
    setFixedSize(kWindowWidth, kWindowHeight);
    BuildPanels();
    CapMoneyKeepingSeal(s_.my());
    ApplyRevealedButtons();
    menu_->buttons().rule->setVisible(s_.my().duels >= kDuelsForRulePanel);
    menu_->buttons().field->setVisible(s_.my().duels >= kDuelsForFieldPanel);
    builder_->PrepareRows();
    icon_list_->clear();
    for (int32_t icon = 0; icon < kListedIcons; ++icon) icon_list_->addItem(QString());
    pictures_ = LoadTitlePictures(s_.folder);

    menu_->DrawTitle(pictures_.ForFrame(animation_frame_));
    menu_->SetStatus(Utf8(StatusLine(s_.my())));
    ShowPanel(Panel::StartMenu);
    CentreOnScreen();
    auto* developer_keys = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12), this);
    developer_keys->setObjectName("dev_shortcut");
    connect(developer_keys, &QShortcut::activated, this, &MainWindow::OpenDeveloperPanel);
    connect(&status_timer_, &QTimer::timeout, this, &MainWindow::StatusTick);
    connect(&animation_timer_, &QTimer::timeout, this, &MainWindow::AnimationTick);
    status_timer_.start(kStatusMs);
    animation_timer_.start(kAnimationMs);
}

void MainWindow::BuildPanels() {
    menu_ = new StartMenuPanel(this);
    PlacePanel(Panel::StartMenu, menu_, kMenuPlace);
    auto* help = new HelpPanel(this);
    PlacePanel(Panel::Help, help, kCornerPlace);
    connect(help, &HelpPanel::backClicked, this, [this] {
        PlaySe(s_.audio, "1.wav");
        ShowPanel(Panel::StartMenu);
    });
    duel_panel_ = new DuelPanel(s_, this);
    PlacePanel(Panel::Duel, duel_panel_, kMenuPlace);
    connect(duel_panel_, &DuelPanel::startClicked, this, &MainWindow::StartDuel);
    connect(duel_panel_, &DuelPanel::cancelClicked, this, &MainWindow::CancelDuel);
    builder_ = new DeckBuilderPanel(s_, this);
    PlacePanel(Panel::DeckBuilder, builder_, kBuilderPlace);
    developer_ = new DeveloperPanel(s_, this);
    PlacePanel(Panel::Developer, developer_, kMenuPlace);
    connect(developer_, &DeveloperPanel::backClicked, this, [this] { ShowPanel(OriginPanel()); });
    rule_help_ = new QGroupBox(this);
    rule_help_->setObjectName("rule_help");
    rule_help_->setGeometry(kRuleHelpPlace);
    rule_help_->hide();
    BuildEconomyPanels();
    BuildDuelKindPanels();
    WireStartMenu();
    WireDeckBuilder();
    WireEconomyPanels();
}

void MainWindow::PlacePanel(Panel panel, QGroupBox* box, const QRect& where) {
    box->setGeometry(where);
    box->hide();
    panels_[static_cast<size_t>(panel)] = box;
}

void MainWindow::WireStartMenu() {
    const StartMenuButtons& b = menu_->buttons();
    connect(menu_, &StartMenuPanel::titleClicked, this, &MainWindow::ShowPrologue);
    connect(b.request, &QPushButton::clicked, this, [this] { RequestDuel(0, kRoleApplicant); });
    connect(b.accept, &QPushButton::clicked, this, [this] { RequestDuel(0, kRoleReceiver); });
    connect(b.view, &QPushButton::clicked, this, &MainWindow::EnterViewMode);
    connect(b.deck, &QPushButton::clicked, this, [this] { OpenDeckBuilder(kOriginStartMenu); });
    connect(b.rule, &QPushButton::clicked, this, [this] { OpenDuelKinds(kOriginRuleDuels); });
    connect(b.field, &QPushButton::clicked, this, [this] { OpenDuelKinds(kOriginFieldDuels); });
    connect(b.help, &QPushButton::clicked, this, [this] { OpenFromMenu(Panel::Help, origin_); });
    connect(b.chat, &QPushButton::clicked, this, &MainWindow::OpenChatPage);
}

void MainWindow::WireDeckBuilder() {
    connect(builder_, &DeckBuilderPanel::backClicked, this, &MainWindow::BackToOrigin);
    connect(builder_, &DeckBuilderPanel::registerClicked, this, &MainWindow::OpenRegistration);
}

void MainWindow::ShowPanel(Panel shown) {
    for (QGroupBox* box : panels_)
        if (box != panel(shown)) box->hide();
    panel(shown)->show();
    panel(shown)->raise();
}

Panel MainWindow::VisiblePanel() const {
    for (size_t i = 0; i < panels_.size(); ++i)
        if (!panels_[i]->isHidden()) return static_cast<Panel>(i);
    return Panel::StartMenu;
}

void MainWindow::OpenFromMenu(Panel shown, int32_t origin) {
    origin_ = origin;
    PlaySe(s_.audio, "4.wav");
    ShowPanel(shown);
}

void MainWindow::OpenDeckBuilder(int32_t origin) {
    origin_ = origin;
    PlaySe(s_.audio, "4.wav");
    if (origin == kOriginRuleDuels) SetWindowHeight(kHeightFromRulePanel);
    if (origin == kOriginFieldDuels) SetWindowHeight(kHeightFromFieldPanel);
    ShowPanel(Panel::DeckBuilder);
    builder_->Refill();
    builder_->RefreshCaption();
}

void MainWindow::BackToOrigin() {
    s_.Save();
    PlaySe(s_.audio, "3.wav");
    SetWindowHeight(kWindowHeight);
    ShowPanel(OriginPanel());
}

void MainWindow::BackToDeckBuilder(bool save, const char* wave) {
    if (save) s_.Save();
    PlaySe(s_.audio, wave);
    ShowPanel(Panel::DeckBuilder);
    builder_->Refill();
}

void MainWindow::ApplyRevealedButtons() {
    const StartMenuButtons& b = menu_->buttons();
    b.shop->setVisible(s_.revealed.shop);
    b.synthesis->setVisible(s_.revealed.synthesis);
    b.technique_shop->setVisible(s_.revealed.technique_shop);
}

void MainWindow::SetWindowHeight(int32_t height) {
    setFixedSize(kWindowWidth, height);
    rule_help_->setVisible(height != kWindowHeight);
}

Panel MainWindow::OriginPanel() const {
    if (origin_ == kOriginRuleDuels) return Panel::RuleDuels;
    if (origin_ == kOriginFieldDuels) return Panel::FieldDuels;
    return Panel::StartMenu;
}

void MainWindow::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = geometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void MainWindow::StatusTick() {
    if (!isVisible()) return;
    menu_->SetStatus(Utf8(StatusLine(s_.my())));
    duel_panel_->RefreshQuiz();
    if (builder_->isVisible()) builder_->RefreshCaption();
}

void MainWindow::AnimationTick() {
    if (!isVisible() || !menu_->isVisible()) return;
    ++animation_frame_;
    if (animation_frame_ > kLastAnimationFrame) animation_frame_ = 0;
    menu_->DrawTitle(pictures_.ForFrame(animation_frame_));
}

void MainWindow::ReturnFromDuel(const MenuReveal& reveal) {
    s_.revealed.shop = s_.revealed.shop || reveal.shop;
    s_.revealed.synthesis = s_.revealed.synthesis || reveal.synthesis;
    s_.revealed.technique_shop = s_.revealed.technique_shop || reveal.technique_shop;
    ApplyRevealedButtons();
    builder_->ClearSelections();
    SetWindowHeight(kWindowHeight);
    // Every duel ends at the start menu, whichever panel it was asked for from.
    origin_ = kOriginStartMenu;
    ShowPanel(Panel::StartMenu);
    show();
    RefreshStatus();
}

void MainWindow::SetLastSetId(std::string_view set_id) { menu_->SetLastSetId(Utf8(set_id)); }

void MainWindow::showEvent(QShowEvent* event) {
    // A window brought back from the taskbar is not shown anew: what was copied stays.
    if (!event->spontaneous()) CopyToClipboard(QString());
    QWidget::showEvent(event);
}

void MainWindow::ShowPrologue() {
    PlaySe(s_.audio, "4.wav");
    s_.dialogs.Inform(kPrologue);
    PlaySe(s_.audio, "1.wav");
}

void MainWindow::OpenChatPage() {
    PlaySe(s_.audio, "3.wav");
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString((s_.folder.root / "chat.html").string())));
}

void MainWindow::OpenDeveloperPanel() { ShowPanel(Panel::Developer); }

}  // namespace kestra
