#pragma once
// The item effects by family, and the steps they share: the doubling rule, the endings, the
// acting side. Every effect reads the user (atk_no) and target (tgt_no) of this phase.
#include <cstdint>
#include <string>
#include <string_view>

#include "duel/duel_context.h"
#include "duel/presenter.h"

namespace kestra::item {

// One use of an item: the context and the row's amount.
struct Use {
    DuelContext& ctx;
    int32_t amount;

    tchar& user() const;
    tchar& target() const;
    // The acting side is the local player's (the user stands in slots 1 to 3).
    bool local_acts() const;
};

// Icon 256 worn anywhere, or the user bears the name of card 307.
bool Doubles(const DuelContext& ctx);
// n doubled when the doubling rule holds (32-bit wrap), else n.
int32_t Doubled(const DuelContext& ctx, int32_t n);

// A sound, then a flash on the slot.
void Cue(DuelContext& ctx, std::string_view wave, int32_t channel, FlashColour colour, int32_t slot);

// The effects; each returns false when its code is not of its family.
bool RunRecovery(const Use& u, int32_t code);  // 1-4, 6-10, 43
bool RunStatus(const Use& u, int32_t code);    // 11-26, 28-36, 44, 45, 47, 49, 50, 52, 53, 57, 58, 61
bool RunHarm(const Use& u, int32_t code);      // 37-40, 42, 46, 48, 54, 60
bool RunSide(const Use& u, int32_t code);      // 5, 27, 41, 51, 55, 56, 59

}  // namespace kestra::item
