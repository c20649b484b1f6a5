#pragma once
// A sample player in a scratch copy of the built game folder, with quiet boxes and no sound,
// for staging windows in screenshots.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/game_session.h"

namespace kestra::shots {

// Message boxes that only remember what they would have said; every question is answered No.
struct SilentDialogs : Dialogs {
    std::vector<std::string> informed;
    void Inform(std::string_view text) override { informed.emplace_back(text); }
    bool AskYesNo(std::string_view) override { return false; }
};

// A fixed evening in late autumn.
struct SampleClock : Clock {
    int64_t NowMs() const override { return 0; }
    CalendarDate Today() const override { return CalendarDate{11, 3}; }
};

class SampleGame {
public:
    // Copies dat/ and cg/ of the built game into a scratch folder and writes a seasoned player.
    // name: the scratch folder below the temporary folder; two samples alive at once need two.
    explicit SampleGame(const std::filesystem::path& built_game, const std::string& name = "player");
    ~SampleGame();
    SampleGame(const SampleGame&) = delete;
    SampleGame& operator=(const SampleGame&) = delete;

    GameSession& session() { return *session_; }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    RecordingAudio audio_;
    SampleClock clock_;
    SilentDialogs dialogs_;
    std::unique_ptr<GameSession> session_;
};

}  // namespace kestra::shots
