#pragma once
// The line layout of my.dat, walked once for reading and once for writing.
#include "player/tmy.h"

namespace kestra {

inline constexpr int kMyDatLines = 2483;

// Walk the record in file order. The visitor offers Num(int32_t&), Text(std::string&)
// and Checksum(tmy&): line 280, which the writer recomputes before writing.
template <class V>
void WalkMyDat(tmy& m, V& v) {
    v.Num(m.wins);
    v.Num(m.reserved_num[0]);
    v.Num(m.checksum);  // line 3: a stale copy; line 280 overwrites it on reading
    v.Num(m.reserved_num[1]);
    v.Num(m.money);
    v.Num(m.reserved_num[2]);
    v.Num(m.duels);
    v.Num(m.rank_points_copy);
    v.Text(m.reserved_text[0]);
    v.Num(m.reserved_num[3]);
    for (int i = 1; i < 4; ++i) v.Text(m.reserved_text[i]);
    for (auto& d : m.deck) v.Num(d);
    for (int n = 0; n < 255; ++n) v.Num(m.card_count[n]);
    v.Num(m.merit);
    v.Checksum(m);
    for (auto& r : m.reserved_block20) v.Num(r);
    for (int n = 0; n < 255; ++n) v.Num(m.icon_count[n]);
    v.Num(m.icon_slot1);
    v.Num(m.icon_slot2);
    for (int n = 0; n < 255; ++n) v.Num(m.card_level[n]);
    for (int n = 0; n < 255; ++n) v.Num(m.card_exp[n]);
    v.Num(m.ark);
    for (auto& c : m.magic_count) v.Num(c);
    for (int n = 0; n < 255; ++n) v.Num(m.card_magic[n]);
    for (int r = 0; r < 100; ++r) v.Num(m.item_count[r]);
    v.Num(m.rank_points);
    for (auto& r : m.reserved_block40) v.Num(r);
    for (int n = 255; n < 355; ++n) v.Num(m.card_count[n]);
    for (int n = 255; n < 355; ++n) v.Num(m.card_level[n]);
    for (int n = 255; n < 355; ++n) v.Num(m.card_exp[n]);
    for (int n = 255; n < 355; ++n) v.Num(m.card_magic[n]);
    v.Num(m.win_streak);
    v.Num(m.loss_streak);
    v.Num(m.quiz_pick);
    for (int n = 255; n < 355; ++n) v.Num(m.icon_count[n]);
    v.Num(m.reserved_num[4]);
    for (auto& t : m.touroku) {
        v.Text(t.name);
        for (auto& c : t.cards) v.Num(c);
        for (auto& i : t.icons) v.Num(i);
    }
}

}  // namespace kestra
