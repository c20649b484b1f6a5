#include "app/slot_cues.h"

#include <QThread>

namespace kestra {

using namespace duel_ui;

namespace {

constexpr int kPictureLeft = 8;
constexpr int kMarkerLeft = 32;
constexpr int kCueSize = 65;
constexpr uint32_t kFrameColour = 0x8000FF;  // 0x00BBGGRR: RGB(255, 0, 128)
constexpr int kBlinks = 8;
constexpr unsigned long kBlinkPauseMs = 10;

// 0 for slots 1..3 ("YOU"), 1 for slots 4..6 ("ENEMY").
int SideOf(int32_t slot) { return slot >= 4 ? 1 : 0; }

// The game's frame: painted now, then held for the blink's pause.
void ShowAndHold(QWidget* window) {
    window->repaint();
    QThread::msleep(kBlinkPauseMs);
}

}  // namespace

int SlotTop(int32_t slot) { return 20 + 68 * ((slot - 1) % 3); }

SlotCues::SlotCues(CardBox& you, CardBox& enemy) : frame_step_(ShowAndHold) {
    const char* marks[2] = {"mark_l", "mark_l2"};
    const char* frames[2] = {"squea_l", "squea_l2"};
    const char* squares[2] = {"red_l", "red_l2"};
    QGroupBox* boxes[2] = {you.box, enemy.box};
    for (int side = 0; side < 2; ++side) {
        square_[side] = new FillBox(boxes[side]);
        square_[side]->setObjectName(QString::fromLatin1(squares[side]));
        square_[side]->resize(kCueSize, kCueSize);
        frame_[side] = new OutlineBox(WindowsColour(kFrameColour), 2, boxes[side]);
        frame_[side]->setObjectName(QString::fromLatin1(frames[side]));
        frame_[side]->resize(kCueSize, kCueSize);
        mark_[side] = MakeLabel(boxes[side], marks[side], Utf8("▼"), QRect(kMarkerLeft, 24, 20, 18), 16);
        mark_[side]->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark_[side]->setAttribute(Qt::WA_TranslucentBackground);
        mark_[side]->setStyleSheet(QStringLiteral("color: #3000a0; background: transparent;"));
        square_[side]->hide();
        frame_[side]->hide();
        mark_[side]->hide();
    }
}

void SlotCues::ShowMarkers(int32_t attacker_slot, int32_t target_slot) {
    const int target_side = SideOf(target_slot), attacker_side = SideOf(attacker_slot);
    mark_[target_side]->move(kMarkerLeft, SlotTop(target_slot) + 4);
    mark_[target_side]->setText(Utf8("▼"));
    mark_[target_side]->show();
    mark_[target_side]->raise();
    mark_[1 - target_side]->hide();
    frame_[attacker_side]->move(kPictureLeft, SlotTop(attacker_slot));
    frame_[attacker_side]->show();
    frame_[attacker_side]->raise();
    frame_[1 - attacker_side]->hide();
}

void SlotCues::HideMarkers() {
    for (int side = 0; side < 2; ++side) {
        mark_[side]->hide();
        frame_[side]->hide();
    }
}

void SlotCues::Flash(FlashColour colour, int32_t slot, QWidget* window) {
    if (slot < 1 || slot > 6) return;
    const QColor fill = WindowsColour(FlashColourValue(colour));
    square_[0]->SetColour(fill);
    square_[1]->SetColour(fill);
    const int side = SideOf(slot);
    FillBox* square = square_[side];
    square->move(kPictureLeft, SlotTop(slot));
    square->raise();
    square_[1 - side]->hide();
    for (int k = 0; k < kBlinks; ++k) {
        square->show();
        frame_step_(window);
        square->hide();
        frame_step_(window);
    }
}

void SlotCues::Blink() {
    for (QLabel* mark : mark_) {
        if (mark->isHidden()) continue;
        mark->setText(mark->text().isEmpty() ? Utf8("▼") : QString());
    }
}

}  // namespace kestra
