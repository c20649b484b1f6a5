#include "app/duel_screen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPixmap>

namespace kestra {

using namespace duel_ui;

namespace {

constexpr int kPicture = 64;
constexpr int kSummonPicture = 128;  // a summoned being, twice a card

}  // namespace

DuelScreen::DuelScreen(QWidget* window, DuelLayout& ui, SlotCues& cues, GameSession& session)
    : window_(window), ui_(ui), cues_(cues), session_(session) {}

void DuelScreen::ReleaseWait() {
    if (loop_) loop_->quit();
}

void DuelScreen::ShowMessage(std::string_view text) { ui_.message->setText(Utf8(text)); }

void DuelScreen::AddMessage(std::string_view text) {
    ui_.message->setText(ui_.message->text() + QLatin1Char('\n') + Utf8(text));
}

// The click mark drops from 382 to 387, then the window lives on in a nested loop until the
// pause ends: timers and clicks keep working meanwhile.
void DuelScreen::WaitClick() {
    ui_.click_mark->move(4, 382);
    ui_.click_mark->show();
    ui_.click_mark->raise();
    ui_.click_mark->move(4, 387);
    QEventLoop loop;
    QEventLoop* outer = loop_;
    loop_ = &loop;
    while (msg_ && msg_->pause() == MessagePlayer::kWaiting && window_->isVisible()) loop.exec();
    loop_ = outer;
    ui_.click_mark->hide();
}

bool DuelScreen::Visible() const { return window_->isVisible(); }

void DuelScreen::FlashSlot(FlashColour colour, int32_t slot) { cues_.Flash(colour, slot, window_); }

void DuelScreen::ShowActionMarkers(int32_t attacker_slot, int32_t target_slot) {
    cues_.ShowMarkers(attacker_slot, target_slot);
}

void DuelScreen::HideActionMarkers() { cues_.HideMarkers(); }

void DuelScreen::PlaySe(std::string_view wave, int32_t channel) {
    if (!silenced_) session_.audio.PlaySe(wave, channel);
}

void DuelScreen::PlayBgm(std::string_view piece) {
    if (!silenced_ || piece == "not") session_.audio.PlayBgm(piece);
}

QPixmap DuelScreen::Picture(std::string_view path) const {
    if (path.empty()) {
        QPixmap black(kPicture, kPicture);
        black.fill(Qt::black);
        return black;
    }
    QPixmap picture(QString::fromStdString(session_.folder.File(path).string()));
    if (picture.isNull()) return QPixmap();
    return picture.scaled(kPicture, kPicture);
}

void DuelScreen::SetSlotPicture(int32_t slot, std::string_view picture) {
    if (slot < 1 || slot > 6) return;
    CardBox& box = slot <= 3 ? ui_.you : ui_.enemy;
    box.picture[static_cast<size_t>((slot - 1) % 3)]->setPixmap(Picture(picture));
}

// The being's picture in the summon panel, raised over the boxes; "" hides the panel.
void DuelScreen::ShowSummon(std::string_view picture) {
    if (picture.empty()) {
        ui_.summon_form->hide();
        ui_.summon_picture->clear();
        return;
    }
    QPixmap being(QString::fromStdString(session_.folder.File(picture).string()));
    if (!being.isNull()) being = being.scaled(kSummonPicture, kSummonPicture);
    ui_.summon_picture->setPixmap(being);
    ui_.summon_form->show();
    ui_.summon_form->raise();
    window_->repaint();
}

void DuelScreen::SetTimeLabel(std::string_view text) { ui_.time_label->setText(Utf8(text)); }

void DuelScreen::SetDisasterLabel(std::string_view text) { ui_.disaster->setText(Utf8(text)); }

void DuelScreen::SetHint(std::string_view text) { ui_.hint->setText(Utf8(text)); }

void DuelScreen::SetCaption(std::string_view text) { window_->setWindowTitle(Utf8(text)); }

void DuelScreen::CopyToClipboard(std::string_view text) { QGuiApplication::clipboard()->setText(Utf8(text)); }

// The ENDING box shows the card that rose a level and waits for the player's click.
void DuelScreen::ShowLevelUp(const LevelUp& up) {
    ui_.ending_picture->setPixmap(Picture(up.picture));
    ui_.new_card->hide();
    ui_.ending_panel->setText(Utf8(up.panel));
    ui_.ending_headline->setText(Utf8(up.headline));
    ui_.ending_box->show();
    ui_.ending_box->raise();
    if (msg_) msg_->WaitClick();
}

void DuelScreen::MessageBox(std::string_view text) { session_.dialogs.Inform(text); }

void DuelScreen::ReturnToMain() {
    ui_.ending_box->hide();
    window_->hide();
    session_.gate.duel_window_visible = false;
}

}  // namespace kestra
