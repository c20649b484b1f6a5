#pragma once
// Transplanting a stocked technique into a card number ("MAGIC →"), for a fee in 円. Technique 0
// ("解") lowers the card's level instead and leaves its technique as it was.
#include <cstdint>
#include <string>

#include "catalogue/catalogue.h"
#include "player/tmy.h"

namespace kestra {

// Whether the panel may open for this card: a number of the catalogue with a name.
bool CanTransplantInto(const Catalogue& cat, int32_t card);

// Row k of the transplant list: the short name while at least one is held, else "??????".
std::string TransplantRow(const Catalogue& cat, const tmy& my, int32_t k);

// The fee in 円: price of k in Ark div 3 + class of card n.
int32_t TransplantFee(const Catalogue& cat, int32_t k, int32_t card);

// The technique with its stock and "移植費用：" + fee + "円"; empty for a technique without a name.
std::string TransplantInfo(const Catalogue& cat, const tmy& my, int32_t k, int32_t card);

enum class TransplantOutcome {
    Done,      // fee paid, one taken from stock, the card changed
    Nothing,   // no row or a technique without a name: the texts clear
    Refused,   // the fee is above the purse, or none is held: "no.wav"
};

struct TransplantResult {
    TransplantOutcome outcome = TransplantOutcome::Nothing;
    std::string message;
};

// "移植" of technique k (-1 none) into card n; a refusal changes nothing.
TransplantResult Transplant(const Catalogue& cat, tmy& my, int32_t k, int32_t card);

}  // namespace kestra
