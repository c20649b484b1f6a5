#pragma once
// The boxes of a test's program: every text shown is kept, every Yes/No question is answered from
// a queue, then with a fixed answer once the queue is empty.
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialogs.h"

namespace kestra::test {

struct ScriptedDialogs : Dialogs {
    std::vector<std::string> informed;
    std::vector<std::string> asked;
    std::deque<bool> answers;
    bool answer = true;  // once `answers` is used up
    std::optional<std::filesystem::path> record_file;  // what the record-file dialog returns
    std::vector<std::filesystem::path> record_folders;  // where it was opened

    void Inform(std::string_view text) override { informed.emplace_back(text); }
    bool AskYesNo(std::string_view question) override {
        asked.emplace_back(question);
        if (answers.empty()) return answer;
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }
    std::optional<std::filesystem::path> ChooseRecordFile(const std::filesystem::path& folder) override {
        record_folders.push_back(folder);
        return record_file;
    }
};

}  // namespace kestra::test
