#include "app/game_session.h"

#include <chrono>
#include <ctime>

namespace kestra {

int64_t SystemClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

CalendarDate SystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CalendarDate{local.tm_mon + 1, local.tm_mday};
}

SaveOutcome GameSession::Save() {
    SaveOutcome out = SavePlayerData(folder, game.my, gate);
    if (!out.ok) dialogs.Inform(out.message);
    return out;
}

}  // namespace kestra
