// The two authored tables the generator reads: card classes and music groups.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace mediagen {

constexpr int kCardCount = 327;   // card pictures unit0..unit326
constexpr int kPieceCount = 46;   // pieces 0..45

// What the pictures and the music need from the content folder.
struct ContentTables {
    std::array<int, kCardCount> card_class{};  // 0..19, 0 when unknown
    std::array<int, kPieceCount> piece_group{};  // 0..8
    std::vector<std::string> warnings;          // rows we could not use
};

// Tables with the fallbacks only: class 0 for every card, group = piece mod 9.
ContentTables default_tables();

// Reads the `class` column of a cards table (header "no name hp mp class note").
void read_card_classes(const std::string& text, ContentTables& tables);

// Reads the `group` column of a music table (header "no title group").
void read_piece_groups(const std::string& text, ContentTables& tables);

// Loads both files when they exist; a missing file keeps the fallbacks.
ContentTables load_tables(const std::string& cards_path, const std::string& music_path);

}  // namespace mediagen
