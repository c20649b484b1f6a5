#pragma once
// A label that answers a mouse click, like the title picture and the quiz's "☆".
#include <QLabel>

namespace kestra {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    // A left click on the label.
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kestra
