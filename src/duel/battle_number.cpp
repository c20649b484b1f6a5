#include "duel/battle_number.h"

namespace kestra {

namespace {

// A one-digit field, clamped to what a digit can say.
char Digit(int32_t v) { return static_cast<char>('0' + (v < 0 ? 0 : v > 9 ? 9 : v)); }

// The turn as two digits: "01".."99", and "99" from turn 100 on.
std::string TurnDigits(int32_t turn) {
    if (turn >= 99) return "99";
    if (turn < 0) turn = 0;
    return std::string(1, Digit(turn / 10)) + Digit(turn % 10);
}

}  // namespace

std::string BattleNumberDigits(const DuelRecord& d) {
    std::string s = TurnDigits(d.turn);
    s += Digit(d.atk_no);
    s += Digit(d.tgt_no);
    s += Digit(d.waza_kind);
    s += Digit(d.luck);
    s += Digit(d.waza_arg1);
    s += Digit(d.waza_arg2);
    return s;
}

std::string BattleNumberText(const DuelRecord& d) {
    return "ﾀｰﾝ" + std::to_string(d.turn) + "/BN：" + BattleNumberDigits(d);
}

std::string_view PastedBattleDigits(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    constexpr std::string_view kTurn = "ﾀｰﾝ", kTag = "/BN：";
    if (text.substr(0, kTurn.size()) != kTurn) return text;
    const size_t tag = text.find(kTag);
    if (tag == std::string_view::npos) return text;
    for (const char c : text.substr(kTurn.size(), tag - kTurn.size()))
        if (c < '0' || c > '9') return text;
    return text.substr(tag + kTag.size());
}

BattleNumberRead ReadBattleNumberDigits(const DuelRecord& d, std::string_view text, bool mirror) {
    BattleNumberRead read;
    text = PastedBattleDigits(text);
    if (text.size() != 8) return read;
    for (const char c : text)
        if (c < '0' || c > '9') return read;
    auto at = [&](size_t i) { return static_cast<int32_t>(text[i] - '0'); };
    if (at(0) * 10 + at(1) != (d.turn >= 99 ? 99 : d.turn)) {
        read.error = BattleNumberError::WrongTurn;
        return read;
    }
    BattleNumberFields f{at(2), at(3), at(4), at(5), at(6), at(7)};
    if (mirror) {
        f.atk_no += 3;
        f.tgt_no -= 3;
    }
    const bool atk_ok = mirror ? f.atk_no >= 4 && f.atk_no <= 6 : f.atk_no >= 1 && f.atk_no <= 3;
    const bool tgt_ok = mirror ? f.tgt_no >= 1 && f.tgt_no <= 3 : f.tgt_no >= 4 && f.tgt_no <= 6;
    if (!atk_ok || !tgt_ok || !SlotAlive(d, f.atk_no) || !SlotAlive(d, f.tgt_no) || f.waza_arg1 > 8) return read;
    read.error = BattleNumberError::None;
    read.fields = f;
    return read;
}

}  // namespace kestra
