#include "app/game_session.h"

#include <chrono>
#include <ctime>

namespace kestra {

int64_t SystemClock::NowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {

// The broken-down local time of this machine now.
std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace

RecordTime SystemClock::LocalTime() const {
    const std::tm t = LocalNow();
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

CalendarDate SystemClock::Today() const {
    const std::tm local = LocalNow();
    return CalendarDate{local.tm_mon + 1, local.tm_mday};
}

SaveOutcome GameSession::Save() {
    SaveOutcome out = SavePlayerData(folder, game.my, gate);
    if (!out.ok) dialogs.Inform(out.message);
    return out;
}

}  // namespace kestra
