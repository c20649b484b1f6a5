#include "duel/saved_duel.h"

#include <array>

#include "base/int_text.h"
#include "duel/warrior_number.h"

namespace kestra {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kBattleTag = "BN：";
constexpr size_t kLongestLine = 200;

// True for bytes a text record never holds: NUL and the other control characters but tab.
bool HasBinaryBytes(std::string_view text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0x7F || (b < 0x20 && b != '\t' && b != '\n' && b != '\r')) return true;
    }
    return false;
}

// Blanks (ASCII and full-width) trimmed from both ends.
std::string_view Trimmed(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
        else if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
        else if (s.starts_with("　")) s.remove_prefix(3);
        else if (s.ends_with("　")) s.remove_suffix(3);
        else return s;
    }
}

// True for a non-empty run of ASCII digits.
bool AllDigits(std::string_view s) {
    if (s.empty()) return false;
    for (const char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The digits of a warrior-number line: the digits alone or the whole line the program showed.
std::optional<std::string> WarriorDigitsOf(std::string_view line) {
    const std::string_view digits = PastedWarriorDigits(line);
    if (!AllDigits(digits) || digits.size() > kLongestLine) return std::nullopt;
    return std::string(digits);
}

// A comment line's "key=value", read into the record when the key is one the writer uses.
void ReadComment(std::string_view line, SavedDuel& duel) {
    line = Trimmed(line.substr(1));
    if (line.starts_with("check=")) duel.checks.emplace_back(line.substr(6));
    if (line == "aborted") duel.aborted = true;
    if (line.starts_with("date=")) duel.stamp = std::string(line.substr(5));
    if (!line.starts_with("set_ids=")) return;
    const std::string_view ids = line.substr(8);
    const size_t comma = ids.find(',');
    if (comma == std::string_view::npos) return;
    duel.applicant_set_id = ParseInt32(ids.substr(0, comma));
    duel.receiver_set_id = ParseInt32(ids.substr(comma + 1));
}

// A stop at this line with this message.
SavedDuelRead Stop(int32_t line, std::string message) { return {std::nullopt, line, std::move(message)}; }

// The message for a line that is not the number its place in the record wants.
std::string WrongLineMessage(int32_t line, size_t place) {
    const std::string where = std::to_string(line) + "行目";
    if (place == 0) return where + "がデュエルの種類（0から18）として読めません";
    if (place <= 2) return where + "が" + (place == 1 ? "申込側" : "受け側") + "の戦士ナンバーとして読めません";
    return where + "がBATTLE NUMBER（８ケタの数字）として読めません";
}

// Put one meaningful line into its place: kind, the two warrior numbers, then BATTLE NUMBERs.
bool TakeLine(std::string_view line, size_t place, SavedDuel& duel) {
    if (place == 0) {
        const auto kind = ParseInt32(line);
        if (!kind || *kind < 0 || *kind > 18) return false;
        duel.duel_kind = *kind;
        return true;
    }
    if (place <= 2) {
        const auto digits = WarriorDigitsOf(line);
        if (digits) (place == 1 ? duel.applicant_number : duel.receiver_number) = *digits;
        return digits.has_value();
    }
    const auto digits = BattleNumberDigits(line);
    if (digits) duel.battle_numbers.push_back(*digits);
    return digits.has_value();
}

}  // namespace

std::string_view DuelKindName(int32_t duel_kind) {
    static constexpr std::array<std::string_view, 19> kNames = {
        "ノーマル", "アイコン", "イージー", "ミドル", "レア", "マックス", "サドンデス", "ランダム", "サヨナラ", "８０１",
        "訓練",     "傭兵",     "海",       "火山",   "ヘル", "ヘヴン",   "宇宙",       "次元",     "デス",
    };
    return duel_kind >= 0 && duel_kind < 19 ? kNames[static_cast<size_t>(duel_kind)] : std::string_view("?");
}

std::string WriteSavedDuel(const SavedDuel& duel) {
    std::string out = "# KESTRA 天 対戦記録\n";
    out += "# date=" + duel.stamp + "\n";
    out += "# kind=" + std::to_string(duel.duel_kind) + " " + std::string(DuelKindName(duel.duel_kind)) + "\n";
    if (duel.aborted) out += "# aborted\n";
    out += std::to_string(duel.duel_kind) + "\n" + duel.applicant_number + "\n" + duel.receiver_number + "\n";
    for (size_t k = 0; k <= duel.battle_numbers.size(); ++k) {
        if (k > 0) out += duel.battle_numbers[k - 1] + "\n";
        if (k < duel.checks.size()) out += "# check=" + duel.checks[k] + "\n";
    }
    if (duel.applicant_set_id && duel.receiver_set_id)
        out += "# set_ids=" + std::to_string(*duel.applicant_set_id) + "," + std::to_string(*duel.receiver_set_id) + "\n";
    return out;
}

SavedDuelRead ReadSavedDuel(std::string_view text) {
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    if (HasBinaryBytes(text)) return Stop(0, "記録ファイルとして読めません（文字以外のデータが含まれています）");
    SavedDuel duel;
    size_t place = 0;
    int32_t line_no = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (++line_no > static_cast<int32_t>(kSavedDuelMaxLines))
            return Stop(line_no, "記録が長すぎます（" + std::to_string(kSavedDuelMaxLines) + "行まで）");
        if (line.ends_with('\r')) line.remove_suffix(1);
        line = Trimmed(line);
        if (line.empty()) continue;
        if (line.front() == '#') {
            ReadComment(line, duel);
            continue;
        }
        if (line.size() > kLongestLine || !TakeLine(line, place, duel)) return Stop(line_no, WrongLineMessage(line_no, place));
        duel.source_lines.push_back(line_no);
        ++place;
    }
    if (place < 3) return Stop(0, place == 0 ? "記録が空です" : "記録に戦士ナンバーが二つそろっていません");
    return {std::move(duel), 0, {}};
}

std::optional<std::string> BattleNumberDigits(std::string_view line) {
    if (const size_t at = line.rfind(kBattleTag); at != std::string_view::npos) line.remove_prefix(at + kBattleTag.size());
    if (line.size() != 8 || !AllDigits(line)) return std::nullopt;
    return std::string(line);
}

std::string RefusedLineMessage(int32_t line) {
    return std::to_string(line) + "行目の数字はこのデュエルのものではありません（別のデュエルの記録の可能性があります）";
}

}  // namespace kestra
