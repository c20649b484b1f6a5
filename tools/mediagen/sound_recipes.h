// Recipe functions behind the sound table, grouped by where the game plays them.
#pragma once

#include "synth.h"

namespace mediagen::recipes {

// Menus, deck building, shop, results.
void back(Synth&); void dialog(Synth&); void back_save(Synth&); void panel(Synth&);
void card_in(Synth&); void card_out(Synth&); void card(Synth&); void coin(Synth&);
void duel_start(Synth&); void icon(Synth&); void transplant(Synth&); void item(Synth&);
void item_get(Synth&); void item_use(Synth&); void purchase(Synth&); void key(Synth&);
void key2(Synth&); void key3(Synth&); void money_get(Synth&); void refuse(Synth&);
void ok(Synth&); void pi(Synth&); void push(Synth&); void set(Synth&); void equip(Synth&);
void talk(Synth&); void turn(Synth&); void turn2(Synth&); void verify(Synth&);
void experience(Synth&); void win(Synth&); void over(Synth&);

// Blows, weapons, creatures, deaths.
void attack_start(Synth&); void glass(Synth&); void explosion(Synth&); void crumble(Synth&);
void battle(Synth&); void blood(Synth&); void cat(Synth&); void death(Synth&); void impact(Synth&);
void down(Synth&); void gun(Synth&); void scream(Synth&); void sword(Synth&); void laser(Synth&);
void punch(Synth&); void dragon(Synth&); void clock(Synth&); void zombie(Synth&);

// Statuses, spells, summons.
void bubbles(Synth&); void barrier(Synth&); void freeze(Synth&); void fusion(Synth&);
void soft_heal(Synth&); void heal(Synth&); void release(Synth&); void magic_cast(Synth&);
void magic_dark(Synth&); void magic_up(Synth&); void magic_circle(Synth&); void curse(Synth&);
void sleep(Synth&); void song(Synth&); void summon(Synth&); void sacrifice(Synth&);
void up(Synth&); void promise(Synth&); void revive(Synth&);

}  // namespace mediagen::recipes
