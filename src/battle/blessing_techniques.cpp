#include "battle/blessing_techniques.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "base/int_text.h"
#include "duel/side_rules.h"
#include "battle/status_family.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"

namespace kestra {

namespace {

using namespace kit;
using status::Of;

constexpr int32_t kCloudTechnique = 35;  // the transplanted 雲
constexpr int32_t kCloud = 4;            // <雲>

// Calls visit(slot, card) for each living card of the attacker's side, first to last.
template <class Visit>
void EachOwn(DuelContext& ctx, Visit visit) {
    const SlotRange own = OwnSide(ctx.d);
    for (int32_t s = own.first; s <= own.last; ++s)
        if (Slot(ctx.d, s).alive()) visit(s, Slot(ctx.d, s));
}

// "ブルーセンシティブ" counts whichever side wears it.
bool BlueSensitive(const DuelContext& ctx) {
    return SideWearsNamed(ctx.d, ctx.cat, 1, "ブルーセンシティブ") ||
           SideWearsNamed(ctx.d, ctx.cat, 4, "ブルーセンシティブ");
}

// The side-wide mercy: each card but the one the chance digit passes over.
void Cherish(DuelContext& ctx) {
    Title(ctx, "いつくしむ心");
    const status::Figures& f = Of<5>();
    const bool blue = BlueSensitive(ctx);
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        if (ctx.d.luck == f.low + 3 * (s - FirstSlotOf(s))) {
            Line(ctx, c.name + "には届かなかった....");
            return;
        }
        Flash(ctx, FlashColour::Blue, s);
        ctx.screen().PlaySe("iyasi.wav", kSe);
        c.status2 = 7;
        if (blue) c.hp = WrapAdd(c.hp, f.amount);
        Line(ctx, c.name + "は慈愛の精神に包まれた！" + (blue ? " HP+" + std::to_string(f.amount) : ""));
    });
}

// One song: its title, its line and what it does to each card.
struct Song {
    std::string_view title, line;
    void (*sing)(tchar&, int32_t amount);
};

// Healing, nobility, heart, mystery, nature: HP, <↑>, MP, <魔力>, and a clean bill of health.
constexpr std::array<Song, 5> kSongs = {{
    {"癒しの歌", "は癒された", [](tchar& c, int32_t n) { c.hp = WrapAdd(c.hp, n); }},
    {"気高きの歌", "は奮い立った", [](tchar& c, int32_t) { c.status2 = 2; }},
    {"心の歌", "は精神が研ぎ澄まされた", [](tchar& c, int32_t n) { c.mp = WrapAdd(c.mp, n); }},
    {"神秘の歌", "は神秘的な力に包まれた", [](tchar& c, int32_t) { c.status2 = 10; }},
    {"自然の歌", "は自然と一体になった", [](tchar& c, int32_t) { c.status1 = 0; }},
}};

}  // namespace

// Alone, the attacker takes <慈愛>; "救急箱" on its side spreads the mercy over the side instead.
void Nightingale(DuelContext& ctx) {
    if (SideWearsNamed(ctx.d, ctx.cat, ctx.d.atk_no, "救急箱")) {
        Cherish(ctx);
        return;
    }
    Title(ctx, "ナイチンゲール");
    tchar& a = Attacker(ctx);
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    ctx.screen().PlaySe("iyasi.wav", kSe);
    a.status2 = 7;
    Line(ctx, "慈愛の精神に包まれた！");
    if (!BlueSensitive(ctx)) return;
    a.hp = WrapAdd(a.hp, Of<5>().amount);
    Line(ctx, "HP+" + std::to_string(Of<5>().amount));
}

// The wall is dear: its MP keeps it from being the answer to everything.
void LightMirror(DuelContext& ctx) {
    const status::Figures& f = Of<32>();
    Title(ctx, "パルテナ鏡 (MP -" + std::to_string(f.cost) + ")");
    if (!PayMp(ctx, f.cost)) return;
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        Flash(ctx, FlashColour::Blue, s);
        ctx.screen().PlaySe("baria.wav", kSe);
        c.status2 = 3;
        c.hp = WrapAdd(c.hp, f.amount);
        Line(ctx, c.name + "は光の壁に包まれた！ HP+" + std::to_string(f.amount));
    });
}

// <魔道> turns flicks away only from cards whose MP exceeds their HP.
void MagicCircle(DuelContext& ctx) {
    const status::Figures& f = Of<35>();
    Title(ctx, "魔方陣 (MP -" + std::to_string(f.cost) + ")");
    if (!PayMp(ctx, f.cost)) return;
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        Flash(ctx, FlashColour::White, s);
        ctx.screen().PlaySe("up.wav", kSe);
        c.status2 = 8;
        Line(ctx, c.name + "は魔道の光に包まれた！");
    });
}

// The transplanted 雲, or a cloud (<雲>) already about the attacker, thickens the mist: one more MP,
// and the side shakes off its bad statuses except those the mist cannot lift.
void OortCloud(DuelContext& ctx) {
    Title(ctx, "オールト雲");
    const status::Figures& f = Of<42>();
    tchar& a = Attacker(ctx);
    const bool cloud = a.waza == kCloudTechnique || a.status2 == kCloud;
    const int32_t gain = cloud ? f.extra : f.amount;
    Flash(ctx, FlashColour::Black, ctx.d.atk_no);
    ctx.screen().PlaySe("magic.wav", kSe);
    a.mp = WrapAdd(a.mp, gain);
    Line(ctx, "黒い霧に包まれた！ MP+" + std::to_string(gain));
    if (!cloud) return;
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        if (c.status1 == 0 || status::Unliftable(c.status1)) return;
        Flash(ctx, FlashColour::Blue, s);
        c.status1 = 0;
        Line(ctx, c.name + "は状態異常から回復した!!");
    });
}

// The chance digit picks the song, two digits to each.
void MermaidSong(DuelContext& ctx) {
    const status::Figures& f = Of<61>();
    const Song& song = kSongs[static_cast<size_t>(std::clamp(ctx.d.luck / f.extra, 0, 4))];
    Title(ctx, song.title);
    ctx.screen().PlaySe("song.wav", kSe);
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        Flash(ctx, FlashColour::Blue, s);
        song.sing(c, f.amount);
        Line(ctx, c.name + std::string(song.line));
    });
}

// A second life is bought with MP.
void Promise(DuelContext& ctx) {
    const status::Figures& f = Of<62>();
    Title(ctx, "約束 (MP -" + std::to_string(f.cost) + ")");
    if (!PayMp(ctx, f.cost)) return;
    Flash(ctx, FlashColour::Blue, ctx.d.atk_no);
    ctx.screen().PlaySe("yakusoku.wav", kSe);
    Attacker(ctx).status2 = 5;
    Line(ctx, Attacker(ctx).name + "は復活が約束された！");
}

// A stronger gust on a higher digit.
void HealingWind(DuelContext& ctx) {
    Title(ctx, "癒しの風");
    const status::Figures& f = Of<81>();
    const int32_t heal = f.amount + ctx.d.luck / f.extra;
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        Flash(ctx, FlashColour::Blue, s);
        ctx.screen().PlaySe("iyasi.wav", kSe);
        c.hp = WrapAdd(c.hp, heal);
        Line(ctx, c.name + "は癒された！ HP+" + std::to_string(heal));
    });
}

// On a high digit the god takes the attacker itself; otherwise it shares its strength, most with the
// caller.
void BeastGod(DuelContext& ctx) {
    Title(ctx, "獣神イリューガー");
    const status::Figures& f = Of<91>();
    if (ctx.d.luck >= f.high) {
        Flash(ctx, FlashColour::Yellow, ctx.d.atk_no);
        ctx.screen().PlaySe("up.wav", kSe);
        Attacker(ctx).status2 = 2;
        Line(ctx, Attacker(ctx).name + "に獣神が宿った！");
        return;
    }
    EachOwn(ctx, [&](int32_t s, tchar& c) {
        const int32_t gain = s == ctx.d.atk_no ? f.amount : f.extra;
        Flash(ctx, FlashColour::Blue, s);
        ctx.screen().PlaySe("kaifuku.wav", kSe);
        c.hp = WrapAdd(c.hp, gain);
        Line(ctx, c.name + "は獣神の力をもらった!! HP +" + std::to_string(gain));
    });
}

}  // namespace kestra
