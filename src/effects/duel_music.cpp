#include "effects/duel_music.h"

#include "base/int_text.h"
#include "player/checksum.h"

namespace kestra {

namespace {

constexpr int32_t kPieceHitMoney = 100;
constexpr int32_t kGroupPrize = 50;

// Titled entries of the music list in a group: the quiz splits the group prize among them.
int32_t TitledInGroup(const Catalogue& cat, int32_t group) {
    int32_t c = 0;
    for (const tmusic& m : cat.music) c += (m.group == group && !m.title.empty()) ? 1 : 0;
    return c;
}

}  // namespace

int32_t DuelMusicPiece(const DuelRecord& d) {
    int32_t sum = 0;
    for (size_t s = 1; s <= 6; ++s) sum = WrapAdd(WrapAdd(sum, d.chara[s].hp), d.chara[s].mp);
    const int32_t piece = sum % kMusicPieces;
    return piece < 0 ? piece + kMusicPieces : piece;
}

std::string DuelMusicFile(int32_t piece) { return std::to_string(piece) + ".mid"; }

QuizPayout MusicQuizPayout(const Catalogue& cat, int32_t guess, int32_t piece) {
    QuizPayout out;
    if (guess < 0 || guess >= kMusicRows || piece < 0 || piece >= kMusicRows) return out;
    if (guess == piece) {
        out.piece_hit = true;
        out.money += kPieceHitMoney;
    }
    const int32_t group = cat.music[static_cast<size_t>(guess)].group;
    if (group == cat.music[static_cast<size_t>(piece)].group) {
        out.group_hit = true;
        const int32_t c = TitledInGroup(cat, group);
        const int32_t g = c == 0 ? kGroupPrize : kGroupPrize / c;
        out.ark += g;
        out.money += 2 * g;
    }
    return out;
}

DuelMusicStart StartDuelMusic(DuelContext& ctx, bool music_on) {
    DuelMusicStart out;
    out.piece = DuelMusicPiece(ctx.d);
    if (music_on) ctx.screen().PlayBgm(DuelMusicFile(out.piece));
    if (ctx.d.look_mode) return out;
    out.payout = MusicQuizPayout(ctx.cat, ctx.my.quiz_pick, out.piece);
    if (out.payout.piece_hit) {
        ctx.screen().PlaySe("coin.wav", 0);
        out.bingo_ticks = kBingoTicks;
    }
    if (out.payout.group_hit) {
        ctx.screen().PlaySe("coin.wav", 0);
        out.bingo_group_ticks = kBingoTicks;
    }
    ChangeSealed(ctx.my, [&out](tmy& m) {
        m.money = WrapAdd(m.money, out.payout.money);
        m.ark = WrapAdd(m.ark, out.payout.ark);
    });
    return out;
}

}  // namespace kestra
