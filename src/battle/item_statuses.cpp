// Items that give, take, move or cure statuses.
#include <array>
#include <string>

#include "base/int_text.h"
#include "battle/item_effects.h"
#include "battle/technique_kit.h"
#include "duel/flash.h"
#include "duel/side_rules.h"
#include "effects/statuses.h"

namespace kestra::item {

namespace {

using namespace status;
using effect_kit::Line;
using std::to_string;

// A field an item leaves as it is.
constexpr int32_t kKeep = -1;

// An item that sets statuses on the user or the target. Columns: the effect code, whether it acts on
// the target, the bad and good status it sets (kKeep leaves one), the sound (channel 3), the flash,
// a second flash after it (or the same colour for none), and the words after the card's name.
struct Setting {
    int32_t code;
    bool on_target;
    int32_t bad, good;
    std::string_view wave;
    FlashColour colour, second;
    std::string_view words;
};

using FC = FlashColour;
// clang-format off
constexpr std::array<Setting, 17> kSettings = {{
    {11, false, kKeep,           kGoodPromise,     "yakusoku.wav", FC::White, FC::White, "は復活が約束された！"},
    {12, false, kKeep,           kGoodStrengthened, "up.wav",      FC::White, FC::White, "に獣神が宿った！"},
    {13, true,  kBadWeakened,    kKeep,            "down.wav",     FC::White, FC::White, "は妖精達に見放された！"},
    {14, false, kKeep,           kGoodShield,      "baria.wav",    FC::White, FC::White, "は<盾>化した！"},
    {15, false, kKeep,           kGoodCloud,       "baria.wav",    FC::White, FC::White, "は<雲>化した！"},
    {16, true,  kBadSleep,       kKeep,            "sleep.wav",    FC::White, FC::White, "を眠らせた！"},
    {17, true,  kBadStone,       kKeep,            "sleep.wav",    FC::White, FC::White, "を石化させた！"},
    {18, true,  kBadJail,        kKeep,            "sleep.wav",    FC::White, FC::White, "を<牢>化させた！"},
    {19, true,  kBadPoison,      kKeep,            "awa.wav",      FC::Green, FC::Green, "を<毒>化させた！"},
    {20, true,  kBadStrongPoison, kKeep,           "awa.wav",      FC::Green, FC::Green, "を<猛毒>化させた！"},
    {22, false, kBadNone,        kKeep,            "kaijyo.wav",   FC::White, FC::White, "のBADｽﾃｰﾀｽを解除させた！"},
    {23, true,  kKeep,           kGoodNone,        "kaijyo.wav",   FC::White, FC::White, "のGOODｽﾃｰﾀｽを解除させた！"},
    {25, false, kKeep,           kGoodHealing,     "iyasi.wav",    FC::Blue,  FC::Blue,  "は<癒>化した！"},
    {26, false, kKeep,           kGoodCure,        "iyasi.wav",    FC::Blue,  FC::Blue,  "は<治>化した！"},
    {47, false, kKeep,           kGoodMagicPath,   "ma.wav",       FC::White, FC::White, "は<魔道>化した！"},
    {50, false, kKeep,           kGoodRelease,     "iyasi.wav",    FC::Blue,  FC::Blue,  "は<解>化した！"},
    {53, false, kBadSuspended,   kGoodDivinity,    "up.wav",       FC::White, FC::Black, "は<神格><仮死>化した！"},
}};
// clang-format on

// An item that lifts a status and then heals the user or hurts the target. Columns: the effect code,
// whether it acts on the target, the status it needs, the HP it gives (negative: takes), and the words
// between the card's name and the amount, and after it.
struct Cure {
    int32_t code;
    bool on_target;
    RequiredStatus needs;
    int32_t hp;
    std::string_view before, after;
};

constexpr RequiredStatus Bad(int32_t c) { return {StatusField::Bad, StatusGroup::One, c}; }
constexpr RequiredStatus Good(int32_t c) { return {StatusField::Good, StatusGroup::One, c}; }
// clang-format off
constexpr std::array<Cure, 10> kCures = {{
    {28, false, {StatusField::Bad, StatusGroup::Poison, 0},   3, "の<毒>を解除し、HPを ", "回復させた！"},
    {29, false, Bad(kBadConfusion),                          1, "の<混乱>を解除し、HPを ", "回復させた！"},
    {30, false, Bad(kBadWeakened),                           1, "の<↓>を解除し、HPを ", "回復させた！"},
    {31, false, {StatusField::Bad, StatusGroup::Timer, 0},    1, "の体内から時限爆弾を排除し、HPを ", "回復させた！"},
    {32, false, Bad(kBadBomb),                               1, "の<爆弾>を解除し、HPを ", "回復させた！"},
    {35, false, Bad(kBadCurse),                              3, "の<呪>を解除し、HPを ", "回復させた！"},
    {33, true,  Good(kGoodMagicPath),                       -3, "の<魔道>を解除し、HPを ", "+減少させた！"},
    {34, true,  {StatusField::Good, StatusGroup::Healing, 0}, -4, "の治癒状態を解除し、HPを ", "減少させた！"},
    {36, true,  Good(kGoodRampage),                         -3, "の<暴走>を解除し、HPを ", "減少させた！"},
    {49, true,  Good(kGoodPromise),                         -2, "の<約>を解除し、HPを ", "減少させた！"},
}};
// clang-format on

// The slot an item acts on.
int32_t SlotFor(const Use& u, bool on_target) { return on_target ? u.ctx.d.tgt_no : u.ctx.d.atk_no; }

// Sets the row's statuses, with its sound, flashes and line.
void Set(const Use& u, const Setting& s) {
    const int32_t slot = SlotFor(u, s.on_target);
    tchar& c = Slot(u.ctx.d, slot);
    if (s.bad != kKeep) c.status1 = s.bad;
    if (s.good != kKeep) c.status2 = s.good;
    Cue(u.ctx, s.wave, kit::kSe, s.colour, slot);
    if (s.second != s.colour) Flash(u.ctx, s.second, slot);
    Line(u.ctx, c.name + std::string(s.words));
}

// Lifts the row's status and heals (blue flash on the user) or hurts (white flash on the target);
// "何も起きなかった...." when the card does not hold it.
void Lift(const Use& u, const Cure& cure) {
    ClearRequiredStatus(u.ctx, SlotFor(u, cure.on_target), cure.needs, [&cure](DuelContext& ctx, int32_t slot) {
        tchar& c = Slot(ctx.d, slot);
        const int32_t n = Doubled(ctx, cure.hp < 0 ? -cure.hp : cure.hp);
        c.hp = cure.hp < 0 ? kit::LoseDownToZero(c.hp, n) : WrapAdd(c.hp, n);
        Cue(ctx, "kaijyo.wav", kit::kSe, cure.hp < 0 ? FlashColour::White : FlashColour::Blue, slot);
        Line(ctx, c.name + std::string(cure.before) + to_string(n) + std::string(cure.after));
    });
}

// Effects 58 and 61: a bad status on both cards, with "noroi.wav" on channel 2 and black flashes.
void BindBoth(const Use& u, int32_t bad, bool user_first, std::string_view words) {
    const int32_t user = u.ctx.d.atk_no, target = u.ctx.d.tgt_no;
    u.user().status1 = bad;
    u.target().status1 = bad;
    Cue(u.ctx, "noroi.wav", 2, FlashColour::Black, user_first ? user : target);
    Flash(u.ctx, FlashColour::Black, user_first ? target : user);
    Line(u.ctx, u.target().name + "と" + u.user().name + std::string(words));
}

// The helper that tells a status rule's story for the effect, if it has one.
bool RunShared(const Use& u, int32_t code) {
    const int32_t user = u.ctx.d.atk_no, target = u.ctx.d.tgt_no;
    switch (code) {
        case 21: PassBadStatus(u.ctx, user, target); return true;
        case 24: TakeGoodStatus(u.ctx, user, target); return true;
        case 44: GiveRandomBadStatus(u.ctx, target); return true;
        case 45: GiveRandomGoodStatus(u.ctx, user); return true;
        case 52: DriveMad(u.ctx, target); return true;
        case 57: ShortenLife(u.ctx, target); return true;
        case 58: BindBoth(u, kBadContract, true, "は血の契約を交わした！"); return true;
        case 61: BindBoth(u, kBadSuspended, false, "は終末を受け入れた"); return true;
        default: return false;
    }
}

}  // namespace

bool RunStatus(const Use& u, int32_t code) {
    for (const Setting& s : kSettings)
        if (s.code == code) {
            Set(u, s);
            return true;
        }
    for (const Cure& c : kCures)
        if (c.code == code) {
            Lift(u, c);
            return true;
        }
    return RunShared(u, code);
}

}  // namespace kestra::item
