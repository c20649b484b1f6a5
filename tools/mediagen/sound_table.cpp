#include "sound_table.h"

#include <array>

#include "sound_recipes.h"
#include "wave_writer.h"

namespace mediagen {

namespace {
using namespace recipes;

// name, use, seconds, peak, recipe
constexpr std::array kSounds = {
    SoundRecipe{"1", "back, confirm", 0.14, 0.6, back},
    SoundRecipe{"2", "dialog opened, request accepted", 0.32, 0.6, dialog},
    SoundRecipe{"3", "back with save", 0.42, 0.6, back_save},
    SoundRecipe{"4", "panel opened", 0.25, 0.55, panel},
    SoundRecipe{"at1", "card into the deck", 0.16, 0.7, card_in},
    SoundRecipe{"at2", "card out of the deck, icon removed", 0.18, 0.7, card_out},
    SoundRecipe{"at_st", "attack announced", 0.3, 0.7, attack_start},
    SoundRecipe{"awa", "bubbles", 0.9, 0.6, bubbles},
    SoundRecipe{"baki", "glass shatter", 0.8, 0.8, glass},
    SoundRecipe{"baku", "explosion", 1.2, 0.9, explosion},
    SoundRecipe{"bara", "body crumbles to pieces", 0.9, 0.8, crumble},
    SoundRecipe{"baria", "barrier raised", 0.9, 0.6, barrier},
    SoundRecipe{"battle", "battle phase begins", 0.8, 0.8, battle},
    SoundRecipe{"bli", "frozen solid", 0.8, 0.6, freeze},
    SoundRecipe{"blood", "bleeding hit", 0.5, 0.8, blood},
    SoundRecipe{"card", "card drawn", 0.2, 0.6, card},
    SoundRecipe{"cat", "cat cry", 0.6, 0.6, cat},
    SoundRecipe{"coin", "coin clink", 0.6, 0.6, coin},
    SoundRecipe{"d", "duel start", 1.2, 0.8, duel_start},
    SoundRecipe{"death", "card dies", 1.3, 0.8, death},
    SoundRecipe{"do", "heavy impact", 0.5, 0.9, impact},
    SoundRecipe{"down", "status lowered", 0.6, 0.6, down},
    SoundRecipe{"ep", "experience, new card", 0.9, 0.6, experience},
    SoundRecipe{"fusion", "fusion", 1.4, 0.7, fusion},
    SoundRecipe{"gun", "gunshot", 0.5, 0.9, gun},
    SoundRecipe{"gya", "rampage, theft", 0.6, 0.7, scream},
    SoundRecipe{"icon", "icon won or removed", 0.5, 0.6, icon},
    SoundRecipe{"in", "technique transplanted", 0.6, 0.6, transplant},
    SoundRecipe{"item", "item panel", 0.25, 0.6, item},
    SoundRecipe{"item_get", "item won", 0.7, 0.6, item_get},
    SoundRecipe{"itemuse", "item used", 0.4, 0.6, item_use},
    SoundRecipe{"iyasi", "soft heal", 1.0, 0.55, soft_heal},
    SoundRecipe{"j", "ID verified", 0.6, 0.55, verify},
    SoundRecipe{"kaifuku", "heal, rising chimes", 1.2, 0.6, heal},
    SoundRecipe{"kaijyo", "status released", 0.8, 0.6, release},
    SoundRecipe{"katan", "purchase, sale, synthesis", 0.35, 0.65, purchase},
    SoundRecipe{"ken", "sword", 0.5, 0.75, sword},
    SoundRecipe{"key", "list select", 0.06, 0.5, key},
    SoundRecipe{"key2", "list select", 0.07, 0.5, key2},
    SoundRecipe{"key3", "list select", 0.09, 0.5, key3},
    SoundRecipe{"lazer", "laser", 0.6, 0.6, laser},
    SoundRecipe{"live", "revived", 1.0, 0.6, revive},
    SoundRecipe{"m_get", "deck registered, money got", 0.8, 0.6, money_get},
    SoundRecipe{"ma", "magic", 0.6, 0.6, magic_cast},
    SoundRecipe{"ma2", "dark magic", 0.7, 0.65, magic_dark},
    SoundRecipe{"ma_up", "magic power up", 0.8, 0.6, magic_up},
    SoundRecipe{"magic", "magic circle", 0.9, 0.6, magic_circle},
    SoundRecipe{"no", "refused, low buzz", 0.35, 0.6, refuse},
    SoundRecipe{"noroi", "curse", 1.2, 0.7, curse},
    SoundRecipe{"ok", "accepted", 0.3, 0.6, ok},
    SoundRecipe{"over", "duel lost", 1.5, 0.6, over},
    SoundRecipe{"pi", "beep", 0.1, 0.5, pi},
    SoundRecipe{"punch", "punch, dry thud", 0.25, 0.9, punch},
    SoundRecipe{"push", "rule button", 0.1, 0.55, push},
    SoundRecipe{"ryu", "dragon roar", 1.4, 0.85, dragon},
    SoundRecipe{"set", "deck registered", 0.3, 0.6, set},
    SoundRecipe{"sleep", "put to sleep", 1.0, 0.55, sleep},
    SoundRecipe{"song", "mermaid song", 1.4, 0.55, song},
    SoundRecipe{"soubi", "equip, quiz set", 0.45, 0.6, equip},
    SoundRecipe{"syoukan", "summon", 1.4, 0.75, summon},
    SoundRecipe{"talk", "speech", 0.3, 0.55, talk},
    SoundRecipe{"tenka", "life turned to power", 1.0, 0.7, sacrifice},
    SoundRecipe{"time_wav", "clock, time trap", 1.2, 0.6, clock},
    SoundRecipe{"turn", "our turn", 0.4, 0.55, turn},
    SoundRecipe{"turn2", "their turn", 0.4, 0.55, turn2},
    SoundRecipe{"up", "status raised", 0.6, 0.6, up},
    SoundRecipe{"win", "duel won", 1.5, 0.65, win},
    SoundRecipe{"yakusoku", "promise", 1.0, 0.6, promise},
    SoundRecipe{"zoku", "risen as a zombie", 1.0, 0.7, zombie},
};
}  // namespace

// The whole table as a span, for the writer, the tests and the game's tools.
std::span<const SoundRecipe> sound_recipes() { return kSounds; }

// Linear search is fine for 69 rows.
const SoundRecipe* find_sound(std::string_view name) {
    for (const SoundRecipe& r : kSounds)
        if (name == r.name) return &r;
    return nullptr;
}

// Each effect gets its own noise stream, seeded by its name.
std::vector<std::int16_t> render_sound(const SoundRecipe& recipe) {
    Synth synth(recipe.seconds, hash_name(recipe.name), kSampleRate);
    recipe.render(synth);
    return synth.finish(recipe.peak);
}

}  // namespace mediagen
