#include "app/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kestra {

namespace {

// The caption every box of the game carries.
QString BoxCaption() { return QString::fromUtf8("KESTRA 天"); }

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A box of the game with its buttons named in Japanese, whatever translations are installed.
std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, QMessageBox::Icon icon, std::string_view text,
                                     QMessageBox::StandardButtons buttons) {
    auto box = std::make_unique<QMessageBox>(icon, BoxCaption(), Text(text), buttons, parent);
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Yes, "はい"}, {QMessageBox::No, "いいえ"}, {QMessageBox::Ok, "OK"}};
    for (const auto& [which, name] : names)
        if (QAbstractButton* b = box->button(which)) b->setText(QString::fromUtf8(name));
    return box;
}

}  // namespace

std::unique_ptr<QMessageBox> MakeInformBox(QWidget* parent, std::string_view text, QMessageBox::Icon icon) {
    return MakeBox(parent, icon, text, QMessageBox::Ok);
}

std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* parent, std::string_view question) {
    auto box = MakeBox(parent, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
    return box;
}

bool InstallJapaneseTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void BoxDialogs::Inform(std::string_view text) { MakeInformBox(QApplication::activeWindow(), text)->exec(); }

bool BoxDialogs::AskYesNo(std::string_view question) {
    return MakeQuestionBox(QApplication::activeWindow(), question)->exec() == QMessageBox::Yes;
}

}  // namespace kestra

namespace kestra {

std::optional<std::filesystem::path> BoxDialogs::ChooseRecordFile(const std::filesystem::path& folder) {
    const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString::fromUtf8("記録ファイルを開く"),
                                                      QString::fromStdU16String(folder.u16string()),
                                                      QString::fromUtf8("対戦記録 (*.txt);;すべてのファイル (*)"));
    if (file.isEmpty()) return std::nullopt;
    return std::filesystem::path(file.toStdU16String());
}

}  // namespace kestra
