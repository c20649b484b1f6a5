#pragma once
// Every wave file the game plays from dat/, one name per sound cue.
#include <array>
#include <string_view>

namespace kestra {

inline constexpr std::array<std::string_view, 69> kWaveNames = {
    "1.wav",       "2.wav",       "3.wav",       "4.wav",       "at1.wav",     "at2.wav",     "at_st.wav",
    "awa.wav",     "baki.wav",    "baku.wav",    "bara.wav",    "baria.wav",   "battle.wav",  "bli.wav",
    "blood.wav",   "card.wav",    "cat.wav",     "coin.wav",    "d.wav",       "death.wav",   "do.wav",
    "down.wav",    "ep.wav",      "fusion.wav",  "gun.wav",     "gya.wav",     "icon.wav",    "in.wav",
    "item.wav",    "item_get.wav", "itemuse.wav", "iyasi.wav",  "j.wav",       "kaifuku.wav", "kaijyo.wav",
    "katan.wav",   "ken.wav",     "key.wav",     "key2.wav",    "key3.wav",    "lazer.wav",   "live.wav",
    "m_get.wav",   "ma.wav",      "ma2.wav",     "ma_up.wav",   "magic.wav",   "no.wav",      "noroi.wav",
    "ok.wav",      "over.wav",    "pi.wav",      "punch.wav",   "push.wav",    "ryu.wav",     "set.wav",
    "sleep.wav",   "song.wav",    "soubi.wav",   "syoukan.wav", "talk.wav",    "tenka.wav",   "time_wav.wav",
    "turn.wav",    "turn2.wav",   "up.wav",      "win.wav",     "yakusoku.wav", "zoku.wav",
};

// The opening theme; the duel pieces are "<n>.mid" for n in 0..45.
inline constexpr std::string_view kOpeningMusic = "lorpe.mid";

// Pictures outside the per-card ones.
inline constexpr std::array<std::string_view, 7> kFixedPictures = {
    "cg/char-1.bmp", "cg/god.bmp", "cg/hades.bmp", "cg/car.bmp", "cg/t1.jpg", "cg/t2.jpg", "cg/t10.jpg",
};

}  // namespace kestra
