// The authored tables the generator reads: card classes, music groups and the summon beings' pictures.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mediagen {

constexpr int kCardCount = 327;   // card pictures unit0..unit326
constexpr int kPieceCount = 46;   // pieces 0..45

// One summoned being's picture: its file below the game folder, figure family and glow.
struct SummonArt {
    std::string picture;  // cg/<name>.bmp
    int figure = 0;       // index in kSummonFigures
    int glow = 0;         // index in kSummonGlows
};

// What the pictures and the music need from the content folder.
struct ContentTables {
    std::array<int, kCardCount> card_class{};  // 0..19, 0 when unknown
    std::array<int, kPieceCount> piece_group{};  // 0..8
    std::vector<SummonArt> summons;             // none without the summon table
    std::vector<SummonArt> reshapes;            // fusions and hidden identities; none without their table
    std::vector<std::string> warnings;          // rows we could not use
};

// Tables with the fallbacks only: class 0 for every card, group = piece mod 9.
ContentTables default_tables();

// Reads the `class` column of a cards table (header "no name hp mp class note").
void read_card_classes(const std::string& text, ContentTables& tables);

// Reads the `group` column of a music table (header "no title group").
void read_piece_groups(const std::string& text, ContentTables& tables);

// Reads the `picture`, `figure` and `flash` columns of the summon-being table.
void read_summon_pictures(const std::string& text, ContentTables& tables);

// Reads the `picture`, `figure` and `glow` columns of the reshaping table (rows with figure - are drawn
// elsewhere and skipped).
void read_reshape_pictures(const std::string& text, ContentTables& tables);

// Loads the files that exist; a missing file keeps the fallbacks (an empty path is not looked for).
ContentTables load_tables(const std::string& cards_path, const std::string& music_path,
                          const std::string& summons_path = "", const std::string& reshapings_path = "");

}  // namespace mediagen
