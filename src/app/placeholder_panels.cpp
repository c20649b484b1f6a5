#include "app/placeholder_panels.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestra {

PlaceholderPanel::PlaceholderPanel(const QString& caption, const QString& name, QWidget* parent)
    : QGroupBox(caption, parent) {
    setObjectName(name);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(6, 6, 6, 6);
    layout_->addStretch(1);
    auto* back = new QPushButton(QStringLiteral("BACK"), this);
    back->setObjectName(name + QStringLiteral("_back_b"));
    back->setAutoDefault(false);
    connect(back, &QPushButton::clicked, this, &PlaceholderPanel::backClicked);
    layout_->addWidget(back);
}

QPushButton* PlaceholderPanel::AddButton(const QString& caption, const QString& name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    layout_->insertWidget(layout_->count() - 1, b);
    return b;
}

QListWidget* PlaceholderPanel::AddList(const QString& name) {
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    layout_->insertWidget(0, list, 1);
    return list;
}

}  // namespace kestra
