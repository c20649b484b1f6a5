#pragma once
// The per-card technique lists (step 3 of the offered buttons), read from content/technique_lists.tsv.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"  // kListedCards: orig_no 0..326 each name a list

namespace kestra {

// One entry of a list: a button, the caption it shows (empty: its own) and the name the acting card
// must bear for the entry to show (empty: any card of the list).
struct ListEntry {
    std::string button;
    std::string caption;
    std::string only_name;
};

// Every list by id, and the list id of each card number.
struct TechniqueLists {
    std::map<std::string, std::vector<ListEntry>, std::less<>> lists;
    std::vector<std::string> list_of_card;  // kListedCards ids, "" where no row names the card
};

// The outcome of reading a table: the lists, or the first fault with its line.
struct TechniqueListLoad {
    TechniqueLists lists;
    std::string error;
};

// Read a table of list rows and card rows; every button named must be a button of the panel.
TechniqueListLoad LoadTechniqueLists(std::string_view text);

// The compiled-in table, read once.
const TechniqueLists& EmbeddedTechniqueLists();

// The entries of the card's list (empty for numbers outside 0..326 or without a list).
const std::vector<ListEntry>& TechniqueListOf(const TechniqueLists& lists, int32_t orig_no);

}  // namespace kestra
