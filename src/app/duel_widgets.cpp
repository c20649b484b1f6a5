#include "app/duel_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestra {

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (on_click) on_click();
}

OutlineBox::OutlineBox(QColor pen, int pen_width, QWidget* parent)
    : QWidget(parent), pen_(pen), pen_width_(pen_width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// The outline only: pen inside the 65x65 square, nothing filled.
void OutlineBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(pen_);
    pen.setWidth(pen_width_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const int half = pen_width_ / 2;
    p.drawRect(rect().adjusted(half, half, -half - 1 + pen_width_ % 2, -half - 1 + pen_width_ % 2));
}

FillBox::FillBox(QWidget* parent) : QWidget(parent), colour_(Qt::red) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FillBox::SetColour(QColor colour) {
    colour_ = colour;
    update();
}

// The whole square in the flash colour.
void FillBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), colour_);
}

QColor WindowsColour(uint32_t bbggrr) {
    return QColor(static_cast<int>(bbggrr & 0xFFu), static_cast<int>((bbggrr >> 8) & 0xFFu),
                  static_cast<int>((bbggrr >> 16) & 0xFFu));
}

}  // namespace kestra
