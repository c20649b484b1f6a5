#include "app/duel_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QTimer>

#include "app/duel_closing.h"
#include "app/duel_exchange.h"
#include "app/duel_input.h"
#include "app/duel_options.h"
#include "app/duel_parts.h"
#include "app/duel_refresh.h"
#include "app/view_mode_box.h"

namespace kestra {

namespace {

constexpr int kRefreshMs = 50;
constexpr int kTimeLimitMs = 250;

}  // namespace

DuelParts::DuelParts(GameSession& s, QWidget* w)
    : session(s),
      window(w),
      ui(BuildDuelLayout(w)),
      view(BuildViewModeBox(w)),
      cues(ui.you, ui.enemy),
      screen(w, ui, cues, s),
      msg(screen, d),
      content(LoadBattleContent(s.cat())),
      ctx{d, s.cat(), s.my(), s.session, msg, s.rng, s.clock, s.dialogs, &content} {
    screen.Bind(&msg);
}

DuelWindow::DuelWindow(GameSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), parts_(std::make_unique<DuelParts>(session, this)) {
    DuelParts& p = *parts_;
    WireExchange(p);
    WireTurnInput(p);
    WireOptions(p);
    WireEnding(p);
    WireViewMode(p);
    for (QWidget* bound : {static_cast<QWidget*>(p.ui.message), static_cast<QWidget*>(p.ui.you.box),
                           static_cast<QWidget*>(p.ui.enemy.box), static_cast<QWidget*>(p.ui.option_box),
                           static_cast<QWidget*>(p.ui.ending_box)})
        bound->installEventFilter(this);
    ResetDuelWidgets(p);
    p.ui.input_box->hide();
    refresh_timer_ = new QTimer(this);
    connect(refresh_timer_, &QTimer::timeout, this, [this] { Refresh(); });
    refresh_timer_->start(kRefreshMs);
    time_timer_ = new QTimer(this);
    connect(time_timer_, &QTimer::timeout, this, [this] { TimeTick(); });
    time_timer_->start(kTimeLimitMs);
}

DuelWindow::~DuelWindow() = default;

void DuelWindow::SetHost(MainHost* host) { parts_->host = host; }

const DuelRecord& DuelWindow::record() const { return parts_->d; }

void DuelWindow::ResetForRequest() {
    parts_->d.battle_type = 0;
    parts_->d.e_icon1 = parts_->d.e_icon2 = -1;
}

void DuelWindow::OpenDuel(int32_t duel_kind, int32_t duel_role) { OpenPlayedDuel(*parts_, duel_kind, duel_role); }

void DuelWindow::OpenViewMode() { OpenViewing(*parts_); }

bool DuelWindow::Paused() const { return parts_->msg.pause() == MessagePlayer::kWaiting && parts_->screen.Waiting(); }

bool DuelWindow::DuelOpen() const { return parts_->stage != DuelStage::kIdle; }

void DuelWindow::TimeTick() {
    if (isVisible()) RunTimeTick(*parts_);
}

void DuelWindow::Refresh() {
    if (isVisible()) RefreshDuelWindow(*parts_);
}

void DuelWindow::SetFrameStep(SlotCues::FrameStep step) { parts_->cues.SetFrameStep(std::move(step)); }

void DuelWindow::MessageAreaClicked() {
    DuelParts& p = *parts_;
    if (p.stage != DuelStage::kIdle) ShowSituation(p);
    if (p.msg.pause() == MessagePlayer::kWaiting) p.screen.PlaySe("1.wav", 2 + p.click_rng.Random(2));
    p.msg.Click();
    p.ui.click_mark->hide();
    p.screen.ReleaseWait();
}

void DuelWindow::closeEvent(QCloseEvent* event) {
    CloseMidDuel(*parts_);
    parts_->screen.ReleaseWait();  // a pause of a finished duel's level-ups ends with the window
    event->accept();
}

void DuelWindow::mousePressEvent(QMouseEvent* event) {
    MessageAreaClicked();
    event->accept();
}

bool DuelWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress) return QWidget::eventFilter(watched, event);
    MessageAreaClicked();
    return true;  // taken here, so it does not reach the window's background as a second click
}

}  // namespace kestra
