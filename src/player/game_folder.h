#pragma once
// The game folder: the program with its cg/ and dat/ folders, 記録.txt beside the program, and
// records/ with the saved duels.
#include <filesystem>

namespace kestra {

struct GameFolder {
    std::filesystem::path root;

    std::filesystem::path dat() const { return root / "dat"; }
    std::filesystem::path cg() const { return root / "cg"; }
    std::filesystem::path my_dat() const { return dat() / "my.dat"; }
    std::filesystem::path record_txt() const { return root / "記録.txt"; }
    // The saved duel records, one text file a duel.
    std::filesystem::path records() const { return root / "records"; }
    // A game file named the Windows way ("\cg\unit5.bmp" or "cg/unit5.bmp").
    std::filesystem::path File(std::string_view relative) const;
};

}  // namespace kestra
