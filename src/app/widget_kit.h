#pragma once
// Small pieces every main-window panel builds with.
#include <QPushButton>
#include <QString>
#include <string_view>

namespace kestra {

// Text for a widget from UTF-8.
inline QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A panel button with its caption and the name the window and the tests find it by; it never
// becomes the default button, so Enter in a list does not press it.
inline QPushButton* PanelButton(const char* caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace kestra
