// kestra-cli: the engine's command-line front end.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue_dump.h"
#include "codes_command.h"
#include "duel_json.h"
#include "replay_command.h"
#include "simulate_command.h"
#include "start_command.h"
#include <fstream>
#include "base/int_text.h"
#include "collection/duel_kinds.h"
#include "player/catalogue_files.h"
#include "player/text_lines.h"
#include "save_commands.h"

namespace fs = std::filesystem;
using namespace kestra;

namespace {

constexpr const char* kUsage =
    "usage: kestra-cli catalogue cards|icons|items|magic|music|roles [--dir GAME_DIR]\n"
    "       kestra-cli save check GAME_DIR\n"
    "       kestra-cli save new GAME_DIR --seed N\n"
    "       kestra-cli codes [--dir GAME_DIR] < record.json\n"
    "       kestra-cli phase --bn DIGITS [--side own|opponent] [--dir GAME_DIR] < record.json\n"
    "       kestra-cli simulate --duels N --seed S [--kind K] [--log DIR] [--signature] [--coverage]\n"
    "                  [--dir GAME_DIR]\n"
    "       kestra-cli replay FILE [--dir GAME_DIR]\n"
    "       kestra-cli start [--dir GAME_DIR] < record.json\n";

// The game folder that holds this program, the default for catalogue dumps.
fs::path ProgramFolder(const char* argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
    return fs::absolute(argv0).parent_path();
}

// Value of "--name VALUE" in args, or fallback.
std::string Option(const std::vector<std::string>& args, const std::string& name, const std::string& fallback) {
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == name) return args[i + 1];
    return fallback;
}

// catalogue TABLE [--dir DIR]
int DumpCatalogueCommand(const std::vector<std::string>& args, const char* argv0) {
    if (args.size() < 2) return std::cerr << kUsage, 2;
    const GameFolder folder{Option(args, "--dir", ProgramFolder(argv0).string())};
    try {
        const kestra::Catalogue cat = BuildCatalogue(folder.dat());
        if (!cli::DumpCatalogue(cat, args[1], std::cout)) return std::cerr << kUsage, 2;
        return 0;
    } catch (const DataFileError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    }
}

// save check DIR | save new DIR --seed N
int Save(const std::vector<std::string>& args) {
    if (args.size() < 3) return std::cerr << kUsage, 2;
    const GameFolder folder{args[2]};
    if (args[1] == "check") return cli::SaveCheck(folder, std::cout, std::cerr);
    if (args[1] == "new") {
        const std::string seed = Option(args, "--seed", "");
        if (seed.empty()) return std::cerr << kUsage, 2;
        return cli::SaveNew(folder, std::strtoull(seed.c_str(), nullptr, 10), std::cout, std::cerr);
    }
    return std::cerr << kUsage, 2;
}

// The catalogue of the game folder that holds this program (or --dir), or nothing after an error.
std::optional<kestra::Catalogue> LoadCatalogue(const std::vector<std::string>& args, const char* argv0) {
    const GameFolder folder{Option(args, "--dir", ProgramFolder(argv0).string())};
    try {
        return BuildCatalogue(folder.dat());
    } catch (const DataFileError& e) {
        std::cerr << e.what() << "\n";
        return std::nullopt;
    }
}

// codes < record.json
int CodesCommand(const std::vector<std::string>& args, const char* argv0) {
    const auto cat = LoadCatalogue(args, argv0);
    if (!cat) return 2;
    std::ostringstream in;
    in << std::cin.rdbuf();
    std::string error;
    const auto d = cli::DuelFromJson(in.str(), &error);
    if (!d) {
        std::cerr << "codes: " << error << "\n";
        return 2;
    }
    cli::PrintCodes(*d, *cat, std::cout);
    return 0;
}

// True when the flag appears in args.
bool Flag(const std::vector<std::string>& args, const std::string& name) {
    for (const auto& a : args)
        if (a == name) return true;
    return false;
}

// phase --bn DIGITS [--side own|opponent] < record.json
int PhaseCommand(const std::vector<std::string>& args, const char* argv0) {
    const std::string digits = Option(args, "--bn", "");
    const std::string side = Option(args, "--side", "own");
    if (digits.empty() || (side != "own" && side != "opponent")) return std::cerr << kUsage, 2;
    const auto cat = LoadCatalogue(args, argv0);
    if (!cat) return 2;
    std::ostringstream in;
    in << std::cin.rdbuf();
    return cli::Phase(*cat, in.str(), digits, side == "own", std::cout, std::cerr);
}

// start < record.json
int StartCommand(const std::vector<std::string>& args, const char* argv0) {
    const auto cat = LoadCatalogue(args, argv0);
    if (!cat) return 2;
    std::ostringstream in;
    in << std::cin.rdbuf();
    return cli::Start(*cat, in.str(), std::cout, std::cerr);
}

// simulate --duels N --seed S [--kind K] [--log DIR] [--signature] [--coverage]
int SimulateCommand(const std::vector<std::string>& args, const char* argv0) {
    cli::SimulateOptions options;
    const auto duels = ParseInt32(Option(args, "--duels", "1"));
    const auto seed = ParseInt32(Option(args, "--seed", "1"));
    if (!duels || *duels < 0 || !seed) return std::cerr << kUsage, 2;
    options.duels = *duels;
    options.seed = static_cast<uint64_t>(static_cast<uint32_t>(*seed));
    const std::string kind = Option(args, "--kind", "");
    if (!kind.empty()) {
        const auto k = ParseInt32(kind);
        if (!k || *k < 0 || *k > kLastFieldKind) return std::cerr << kUsage, 2;
        options.kind = *k;
    }
    options.log_dir = Option(args, "--log", "");
    options.signature = Flag(args, "--signature");
    options.coverage = Flag(args, "--coverage");
    const auto cat = LoadCatalogue(args, argv0);
    if (!cat) return 2;
    return cli::Simulate(*cat, options, std::cout);
}

// replay FILE
int ReplayCommand(const std::vector<std::string>& args, const char* argv0) {
    if (args.size() < 2) return std::cerr << kUsage, 2;
    std::ifstream file(args[1], std::ios::binary);
    if (!file) {
        std::cerr << "replay: cannot read " << args[1] << "\n";
        return 2;
    }
    const auto cat = LoadCatalogue(args, argv0);
    if (!cat) return 2;
    return cli::Replay(*cat, file, std::cout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return std::cerr << kUsage, 2;
    if (args[0] == "catalogue") return DumpCatalogueCommand(args, argv[0]);
    if (args[0] == "save") return Save(args);
    if (args[0] == "codes") return CodesCommand(args, argv[0]);
    if (args[0] == "phase") return PhaseCommand(args, argv[0]);
    if (args[0] == "start") return StartCommand(args, argv[0]);
    if (args[0] == "simulate") return SimulateCommand(args, argv[0]);
    if (args[0] == "replay") return ReplayCommand(args, argv[0]);
    std::cerr << kUsage;
    return 2;
}
