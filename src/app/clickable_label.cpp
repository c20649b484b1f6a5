#include "app/clickable_label.h"

#include <QMouseEvent>

namespace kestra {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
}

}  // namespace kestra
