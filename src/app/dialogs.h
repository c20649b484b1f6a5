#pragma once
// Modal boxes of both windows, injected so the widget tests can answer them and read them.
#include <string_view>

#include "duel/duel_context.h"

namespace kestra {

// A refusal or notice in a modal message box, and the platform's Yes/No confirmation.
struct Dialogs : Questions {
    virtual void Inform(std::string_view text) = 0;
};

// The real boxes (QMessageBox), parented to the active window.
class BoxDialogs : public Dialogs {
public:
    void Inform(std::string_view text) override;
    bool AskYesNo(std::string_view question) override;
};

}  // namespace kestra
