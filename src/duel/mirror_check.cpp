#include "duel/mirror_check.h"

namespace kestra {

namespace {

// A card in words, for the report.
std::string Describe(const tchar& c) {
    return "{" + c.name + " no=" + std::to_string(c.card_no) + " orig=" + std::to_string(c.orig_no) +
           " hp=" + std::to_string(c.hp) + " mp=" + std::to_string(c.mp) + " lv=" + std::to_string(c.lv) +
           " st=" + std::to_string(c.status1) + "/" + std::to_string(c.status2) + " el=" + std::to_string(c.element) +
           " waza=" + std::to_string(c.waza) + "}";
}

// Compare two cards that must be the same card.
std::string SameCard(const tchar& x, const tchar& y, const std::string& where) {
    if (x.name == y.name && x.orig_no == y.orig_no && x.waza == y.waza && x.status1 == y.status1 &&
        x.status2 == y.status2 && x.element == y.element && x.card_no == y.card_no && x.hp == y.hp && x.mp == y.mp &&
        x.lv == y.lv && x.rarity == y.rarity)
        return {};
    return where + ": " + Describe(x) + " vs " + Describe(y);
}

// Compare two shared numbers.
std::string Same(int64_t x, int64_t y, const char* what) {
    return x == y ? std::string() : std::string(what) + ": " + std::to_string(x) + " vs " + std::to_string(y);
}

}  // namespace

std::string MirrorMismatch(const DuelRecord& a, const DuelRecord& b, bool compare_icons) {
    for (size_t i = 1; i <= 3; ++i) {
        if (auto m = SameCard(a.chara[i], b.chara[i + 3], "slot " + std::to_string(i)); !m.empty()) return m;
        if (auto m = SameCard(a.chara[i + 3], b.chara[i], "slot " + std::to_string(i + 3)); !m.empty()) return m;
    }
    for (size_t k = 0; k < 10; ++k) {
        if (auto m = SameCard(a.my_dekki[k], b.e_dekki[k], "deck " + std::to_string(k)); !m.empty()) return m;
        if (auto m = SameCard(a.e_dekki[k], b.my_dekki[k], "opponent deck " + std::to_string(k)); !m.empty()) return m;
    }
    const std::pair<std::string, bool> checks[] = {
        {Same(a.turn, b.turn, "turn"), true},
        {Same(a.battle_type, b.battle_type, "battle_type"), true},
        {Same(a.duel_kind, b.duel_kind, "duel_kind"), true},
        {Same(a.turn_base, b.turn_base, "turn_base"), true},
        {Same(a.my_icon1, b.e_icon1, "my_icon1/e_icon1"), compare_icons},
        {Same(a.my_icon2, b.e_icon2, "my_icon2/e_icon2"), compare_icons},
        {Same(a.e_icon1, b.my_icon1, "e_icon1/my_icon1"), compare_icons},
        {Same(a.e_icon2, b.my_icon2, "e_icon2/my_icon2"), compare_icons},
        {Same(a.my_id, b.aite_id, "my_id/aite_id"), true},
        {Same(a.aite_id, b.my_id, "aite_id/my_id"), true},
        {Same(a.luck, b.luck, "luck"), true},
        {Same(a.waza_kind * 10 + a.waza_arg1, b.waza_kind * 10 + b.waza_arg1, "technique key"), true},
    };
    for (const auto& [m, wanted] : checks)
        if (wanted && !m.empty()) return m;
    return {};
}

}  // namespace kestra
