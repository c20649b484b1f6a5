#pragma once
// The help panel ("HELP"): a fixed read-only text about the menus, and BACK to the start menu.
#include <QGroupBox>

namespace kestra {

class HelpPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit HelpPanel(QWidget* parent);

signals:
    void backClicked();
};

}  // namespace kestra
