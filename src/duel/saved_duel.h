#pragma once
// A saved duel record (records/*.txt): the duel kind, both warrior numbers and one BATTLE NUMBER a
// line, with '#' comment lines for people (date, kind, set IDs, check codes). `kestra-cli replay`
// and the view mode read the same text; a record pasted from a chat reads the same way.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestra {

// The most lines a record may have: a duel of 400 phases with its check codes fits well below.
inline constexpr size_t kSavedDuelMaxLines = 2000;

struct SavedDuel {
    int32_t duel_kind = 0;
    std::string applicant_number;              // the digits the applicant pasted out
    std::string receiver_number;
    std::vector<std::string> battle_numbers;   // eight digits each, in the order they were played
    std::vector<std::string> checks;           // after the duel start, then after each phase
    std::optional<int32_t> applicant_set_id;   // both set IDs once the duel reached them
    std::optional<int32_t> receiver_set_id;
    bool aborted = false;                      // the window was closed before the set IDs
    std::string stamp;                         // "2026-12-07 20:15:03", local time
    std::vector<int32_t> source_lines;         // read records: the text line of the kind, both
                                               // numbers and each BATTLE NUMBER, for messages

    bool operator==(const SavedDuel&) const = default;
};

// The name of a duel kind 0..18 as the record's comment gives it.
std::string_view DuelKindName(int32_t duel_kind);

// The record as text, LF line ends.
std::string WriteSavedDuel(const SavedDuel& duel);

// What reading a record came to: the duel, or the first line that stopped it and why.
struct SavedDuelRead {
    std::optional<SavedDuel> duel;
    int32_t line = 0;     // 1-based line of the text that stopped the reading; 0 for the whole text
    std::string message;  // the viewer's message, empty on success
};

// Read a record: UTF-8 byte-order mark and CR line ends are fine; an empty text, bytes that are not
// text, more than kSavedDuelMaxLines lines, or a line that is neither a warrior number nor a BATTLE
// NUMBER where one belongs stop it. The numbers are only shaped here; the duel judges them.
SavedDuelRead ReadSavedDuel(std::string_view text);

// The eight digits of a BATTLE NUMBER line or field: the digits alone or the whole "ﾀｰﾝ1/BN：…".
std::optional<std::string> BattleNumberDigits(std::string_view line);

// The message for a number the duel itself refused at this line of the record.
std::string RefusedLineMessage(int32_t line);

}  // namespace kestra
