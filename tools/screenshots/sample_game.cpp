#include "sample_game.h"

#include "player/player_files.h"

namespace kestra::shots {

namespace {

// A fresh scratch folder for each sample, at a fixed place, so the pictures that show the
// game folder come out the same on every run.
std::filesystem::path ScratchFolder(const std::string& name) {
    const auto path = std::filesystem::temp_directory_path() / "kestra-screenshots" / name;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
    std::filesystem::create_directories(path);
    return path;
}

// A player some twenty duels in: a full deck, a streak, the rule and field doors open.
void Season(tmy& my) {
    my.duels = 24;
    my.wins = 14;
    my.rank_points = 36;
    my.money = 870;
    my.ark = 12;
    my.win_streak = 2;
    my.quiz_pick = 4;
    for (int32_t card = 0; card < 60; ++card) my.card_count[static_cast<size_t>(card)] += 1;
    const int32_t deck[kDeckSize] = {3, 7, 12, 18, 21, 26, 33, 40, 47, 55};
    for (int32_t slot = 0; slot < kDeckSize; ++slot) {
        my.deck[static_cast<size_t>(slot)] = deck[slot];
        my.card_count[static_cast<size_t>(deck[slot])] -= 1;
    }
    my.card_level[7] = 4;
    my.card_exp[7] = 6;
}

}  // namespace

SampleGame::SampleGame(const std::filesystem::path& built_game, const std::string& name)
    : folder_(ScratchFolder(name)) {
    using std::filesystem::copy_options;
    for (const char* sub : {"dat", "cg"})
        std::filesystem::copy(built_game / sub, folder_ / sub, copy_options::recursive | copy_options::overwrite_existing);
    const GameFolder game{folder_};
    std::filesystem::remove(game.my_dat());
    Rng rng(2024);
    CreateSaveIfMissing(game, rng);
    LoadedGame loaded = LoadPlayerData(game);
    Season(loaded.my);
    SavePlayerData(game, loaded.my);
    session_ = std::make_unique<GameSession>(game, LoadPlayerData(game), audio_, clock_, dialogs_, 2024);
}

SampleGame::~SampleGame() {
    session_.reset();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

}  // namespace kestra::shots
