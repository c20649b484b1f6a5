#pragma once
// The few small widgets the duel window draws with: a label that reports clicks, the attacker
// frame drawn as an outline, and the flash square drawn filled.
#include <QColor>
#include <QLabel>
#include <QWidget>

#include <functional>

namespace kestra {

// A label the player clicks: card pictures, "PASTE" and "貼".
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) {}
    std::function<void()> on_click;

protected:
    // Take the press so it does not reach the box behind, and report it.
    void mousePressEvent(QMouseEvent* event) override;
};

// A 65x65 outline with a clear inside: the attacker frame.
class OutlineBox : public QWidget {
public:
    OutlineBox(QColor pen, int pen_width, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor pen_;
    int pen_width_;
};

// A filled square without outline: the flash; its colour changes with every flash.
class FillBox : public QWidget {
public:
    explicit FillBox(QWidget* parent);
    void SetColour(QColor colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// A colour value written the Windows way, 0x00BBGGRR.
QColor WindowsColour(uint32_t bbggrr);

}  // namespace kestra
