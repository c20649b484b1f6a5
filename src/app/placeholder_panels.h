#pragma once
// The panels whose contents come later (shop, synthesis, technique shop, transplant, icons,
// items, rule and field duels, deck registration): their caption, room for their contents,
// and BACK, so the main window's layout is already the final one.
#include <QGroupBox>

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace kestra {

class PlaceholderPanel : public QGroupBox {
    Q_OBJECT
public:
    // A panel with this caption and object name; BACK is named name + "_back_b".
    PlaceholderPanel(const QString& caption, const QString& name, QWidget* parent);

    // An extra button above BACK (the rule panels' "デッキ構築").
    QPushButton* AddButton(const QString& caption, const QString& name);
    // A list in the panel's body (the icon panel's list, prepared at start-up).
    QListWidget* AddList(const QString& name);

signals:
    void backClicked();

private:
    QVBoxLayout* layout_ = nullptr;
};

}  // namespace kestra
