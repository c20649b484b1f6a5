#include "duel/verification.h"

namespace kestra {

namespace {

// 32-bit wrapping helpers: both programs wrap identically, and the sanitizers stay quiet.
int32_t Add(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
int32_t Mul(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }

// What every duel kind adds to both IDs.
int32_t KindAddition(int32_t kind) {
    switch (kind) {
        case 1: return 5;
        case 2: return 2;
        case 3: return 4;
        case 4: return 6;
        case 5: return 7;
        case 7:
        case 8:
        case 9: return 8;
        default: return kind >= 10 && kind <= 18 ? kind - 1 : 0;
    }
}

// Ordinary duel: (5R + S + icons) x R + L.
int32_t OrdinaryId(int32_t role, int32_t s, int32_t l, int32_t icon1, int32_t icon2) {
    return Add(Mul(Add(Add(Add(5 * role, s), icon1), icon2), role), l);
}

// Sudden death: R x icons + 2R + T.
int32_t SuddenId(int32_t role, int32_t t, int32_t icon1, int32_t icon2) {
    return Add(Add(Mul(role, Add(icon1, icon2)), 2 * role), t);
}

}  // namespace

void ComputeVerificationIds(DuelRecord& d) {
    const int32_t r = d.duel_role, r2 = OtherRole(d.duel_role);
    if (d.duel_kind == kSuddenDeath) {
        int32_t t = 0;
        for (size_t i = 1; i <= 6; ++i) t = Add(t, Add(d.chara[i].hp, d.chara[i].mp));
        for (size_t k = 3; k <= 9; ++k) {
            t = Add(t, Add(d.my_dekki[k].hp, d.my_dekki[k].mp));
            t = Add(t, Add(d.e_dekki[k].hp, d.e_dekki[k].mp));
        }
        d.my_id = SuddenId(r, t, d.my_icon1, d.my_icon2);
        d.aite_id = SuddenId(r2, t, d.e_icon1, d.e_icon2);
    } else {
        int32_t s = 0, l = 0;
        for (size_t i = 1; i <= 6; ++i) {
            s = Add(s, Mul(d.chara[i].hp, Add(d.chara[i].mp, 1)));
            l = Add(l, Add(d.chara[i].lv, d.chara[i].waza));
        }
        d.my_id = OrdinaryId(r, s, l, d.my_icon1, d.my_icon2);
        d.aite_id = OrdinaryId(r2, s, l, d.e_icon1, d.e_icon2);
    }
    d.my_id = Add(d.my_id, KindAddition(d.duel_kind));
    d.aite_id = Add(d.aite_id, KindAddition(d.duel_kind));
}

int32_t SetIdFor(const DuelRecord& d, int32_t role) {
    int32_t s = 0;
    for (size_t i = 1; i <= 6; ++i) s = Add(s, Mul(Add(d.chara[i].hp, 1), Add(d.chara[i].mp, 1)));
    return Mul(Mul(Add(3 * role, s), role), role);
}

void ComputeSetIds(DuelRecord& d) {
    d.my_id = SetIdFor(d, d.duel_role);
    d.aite_id = SetIdFor(d, OtherRole(d.duel_role));
}

bool IdAccepted(std::string_view text, int32_t expected, std::string_view prefix) {
    const std::string x = std::to_string(expected);
    for (const std::string_view head : {std::string_view(), prefix})
        for (const std::string_view tail : {std::string_view(), std::string_view(" "), std::string_view("　")})
            if (text == std::string(head) + x + std::string(tail)) return true;
    return false;
}

std::string VerificationChatLine(const DuelRecord& d, std::string_view situation, std::string_view applied_deck) {
    std::string line = std::string(kVerifyPrefix) + std::to_string(d.my_id) + " お願いします";
    line += d.duel_role != kReceiver ? "(申込側)" : "(受け側)";
    line += " 【" + std::string(situation) + "】";
    if (!applied_deck.empty()) line += "--〔" + std::string(applied_deck) + "〕";
    return line;
}

}  // namespace kestra
