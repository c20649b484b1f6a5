#pragma once
// Modal boxes of both windows, injected so the widget tests can answer them and read them.
#include <QCoreApplication>
#include <QMessageBox>

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// A refusal or notice in a modal message box, and the platform's Yes/No confirmation.
struct Dialogs : Questions {
    virtual void Inform(std::string_view text) = 0;
    // The file dialog for a saved duel record, opened in this folder; nothing when cancelled.
    virtual std::optional<std::filesystem::path> ChooseRecordFile(const std::filesystem::path& folder) {
        (void)folder;
        return std::nullopt;
    }
};

// A notice box and a Yes/No box of the game: caption "KESTRA 天", buttons "OK", "はい", "いいえ".
std::unique_ptr<QMessageBox> MakeInformBox(QWidget* parent, std::string_view text,
                                           QMessageBox::Icon icon = QMessageBox::Information);
std::unique_ptr<QMessageBox> MakeQuestionBox(QWidget* parent, std::string_view question);

// Qt's own Japanese texts for the standard dialogs, when the system has them; false when not.
bool InstallJapaneseTranslations(QCoreApplication& app);

// The real boxes, parented to the active window.
class BoxDialogs : public Dialogs {
public:
    void Inform(std::string_view text) override;
    bool AskYesNo(std::string_view question) override;
    std::optional<std::filesystem::path> ChooseRecordFile(const std::filesystem::path& folder) override;
};

}  // namespace kestra
