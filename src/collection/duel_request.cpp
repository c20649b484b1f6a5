#include "collection/duel_request.h"

#include <algorithm>

#include "collection/duel_kinds.h"
#include "player/checksum.h"
#include "player/cp932.h"

namespace kestra {

namespace {


constexpr std::string_view kRequestPhrase = "さぁ聞こう、知の囁き！";
constexpr std::string_view kAcceptPhrase = "星降る天よ、我を誘え。";

constexpr size_t kTagFirstByte = 10;  // the 11th byte of the caption
constexpr size_t kTagBytes = 7;

constexpr int32_t kGroupPrize = 50;
constexpr int32_t kStreakNoted = 2;  // streaks show from two in a row

// The group a valid piece belongs to, -1 for a piece outside the music list.
int32_t GroupOf(const Catalogue& cat, int32_t piece) {
    if (piece < 0 || piece >= kMusicRows) return -1;
    return cat.music[static_cast<size_t>(piece)].group;
}

// The name of a group 0..8, empty for any other number.
std::string GroupName(const Catalogue& cat, int32_t group) {
    if (group < 0 || group >= kMusicGroups) return {};
    return cat.music_group[static_cast<size_t>(group)];
}

// The title of a piece, empty outside the music list.
std::string PieceTitle(const Catalogue& cat, int32_t piece) {
    if (piece < 0 || piece >= kMusicRows) return {};
    return cat.music[static_cast<size_t>(piece)].title;
}

// The cut bytes back in UTF-8; a cut through a double-byte character loses its lone lead byte.
std::string CutToUtf8(std::string cut) {
    while (!cut.empty()) {
        if (auto utf8 = Cp932ToUtf8(cut)) return *utf8;
        cut.pop_back();
    }
    return {};
}

// A purse less a fee, taking at most what it holds: a fee never pushes it below zero,
// and a purse already below zero is left alone.
int32_t LessFee(int32_t purse, int32_t fee) {
    if (purse <= 0) return purse;
    return purse - std::min(purse, fee);
}

}  // namespace

std::string VersionTag(std::string_view caption_utf8) {
    const std::optional<std::string> bytes = Utf8ToCp932(caption_utf8);
    if (!bytes || bytes->size() <= kTagFirstByte) return {};
    return CutToUtf8(bytes->substr(kTagFirstByte, kTagBytes));
}

std::string RequestRefusal(const tmy& my, bool save_intact) {
    const bool deck_short = std::any_of(my.deck.begin(), my.deck.end(), [](int32_t c) { return c < 0; });
    if (deck_short) return std::string(kDeckShort);
    if (!save_intact) return std::string(kDataBroken);
    return {};
}

DuelPanelTexts OrdinaryDuelTexts(int32_t duel_role, std::string_view caption_utf8) {
    DuelPanelTexts t;
    const std::string tag = VersionTag(caption_utf8);
    if (duel_role == kRoleApplicant) {
        t.caption = "デュエルを申しこむ";
        t.instruction = "２、相手から【" + std::string(kAcceptPhrase) +
                        "】という言葉が返って来ればスタートを、返ってこなければキャンセルを押してください";
        t.incantation = std::string(kRequestPhrase) + tag;
    } else if (duel_role == kRoleReceiver) {
        t.caption = "デュエルを受ける";
        t.instruction = "上記の言葉は、相手から【" + std::string(kRequestPhrase) +
                        "】という言葉を申しこまれた時に、デュエルを受諾する際に詠唱して下さい。";
        t.incantation = std::string(kAcceptPhrase) + tag;
    }
    return t;
}

std::string IncantationWithStreaks(std::string_view incantation, const tmy& my) {
    std::string out(incantation);
    if (my.win_streak >= kStreakNoted) out += " ≪" + std::to_string(my.win_streak) + "連勝中≫";
    if (my.loss_streak >= kStreakNoted) out += " ～" + std::to_string(my.loss_streak) + "連敗中～";
    return out;
}

std::vector<int32_t> QuizPieces(const Catalogue& cat) {
    std::vector<int32_t> pieces;
    for (int32_t p = 0; p < kMusicRows; ++p)
        if (!cat.music[static_cast<size_t>(p)].title.empty()) pieces.push_back(p);
    return pieces;
}

int32_t QuizGroupPrize(const Catalogue& cat, int32_t piece) {
    const int32_t group = GroupOf(cat, piece);
    if (group < 0) return 0;  // a pick outside the music list wins nothing, as in the duel's payout
    int32_t n = 0;
    for (const tmusic& m : cat.music) n += (m.group == group && !m.title.empty()) ? 1 : 0;
    return n == 0 ? kGroupPrize : kGroupPrize / n;
}

std::string QuizLabel(const Catalogue& cat, int32_t piece) {
    const int32_t g = QuizGroupPrize(cat, piece);
    return "現在予想中の楽曲 > \n単曲【" + PieceTitle(cat, piece) + "】賞100円\nｸﾞﾙｰﾌﾟ【" +
           GroupName(cat, GroupOf(cat, piece)) + "】賞" + std::to_string(2 * g) + "円," + std::to_string(g) + "Ark";
}

EntryCost EntryCostOf(int32_t duel_kind) {
    const DuelKind* kind = FindDuelKind(duel_kind);
    if (kind == nullptr) return {};
    return {kind->fee_yen, kind->fee_ark};
}

void ChargeEntryCost(tmy& my, int32_t duel_kind) {
    const EntryCost cost = EntryCostOf(duel_kind);
    ChangeSealed(my, [&cost](tmy& m) {
        m.money = LessFee(m.money, cost.yen);
        m.ark = LessFee(m.ark, cost.ark);
    });
}

}  // namespace kestra
