#include "app/dialogs.h"

#include <QApplication>
#include <QMessageBox>

namespace kestra {

namespace {

// The caption every box of the game carries.
QString BoxCaption() { return QString::fromUtf8("KESTRA 天"); }

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

void BoxDialogs::Inform(std::string_view text) {
    QMessageBox::information(QApplication::activeWindow(), BoxCaption(), Text(text));
}

bool BoxDialogs::AskYesNo(std::string_view question) {
    return QMessageBox::question(QApplication::activeWindow(), BoxCaption(), Text(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace kestra
