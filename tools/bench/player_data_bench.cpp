// Load and save of the player data with the catalogue, as the game does at start-up and after every change.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "player/player_files.h"

namespace fs = std::filesystem;
using namespace kestra;

namespace {

// A scratch game folder with the shipped data files and a new player's save.
GameFolder ScratchGame() {
    static const fs::path root = [] {
        const fs::path dir = fs::temp_directory_path() / "kestra-bench";
        fs::remove_all(dir);
        fs::create_directories(dir / "dat");
        for (const char* f : {"card.dat", "icon.dat", "name.dat"})
            fs::copy_file(fs::path(KESTRA_BENCH_GAME_DIR) / "dat" / f, dir / "dat" / f);
        Rng rng(1);
        CreateSaveIfMissing(GameFolder{dir}, rng);
        return dir;
    }();
    return GameFolder{root};
}

// LoadPlayerData: my.dat, name.dat, card.dat, icon.dat and the compiled-in rows.
void BM_LoadPlayerData(benchmark::State& state) {
    const GameFolder game = ScratchGame();
    for (auto _ : state) benchmark::DoNotOptimize(LoadPlayerData(game));
}
BENCHMARK(BM_LoadPlayerData)->Unit(benchmark::kMillisecond);

// SavePlayerData: both files written, synced and renamed into place.
void BM_SavePlayerData(benchmark::State& state) {
    const GameFolder game = ScratchGame();
    tmy m = LoadPlayerData(game).my;
    for (auto _ : state) benchmark::DoNotOptimize(SavePlayerData(game, m));
}
BENCHMARK(BM_SavePlayerData)->Unit(benchmark::kMillisecond);

// Rendering my.dat alone, without touching the disk.
void BM_RenderMyDat(benchmark::State& state) {
    tmy m = LoadPlayerData(ScratchGame()).my;
    for (auto _ : state) benchmark::DoNotOptimize(RenderMyDat(m));
}
BENCHMARK(BM_RenderMyDat)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
