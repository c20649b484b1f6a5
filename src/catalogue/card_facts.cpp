#include "catalogue/card_facts.h"

#include <array>

namespace kestra {

int32_t ElementOf(int32_t card_no) { return card_no % 5; }

std::string_view ElementText(int32_t element) {
    static constexpr std::array<std::string_view, 5> kTexts = {"<無>", "<光>", "<闇>", "<火>", "<水>"};
    if (element < 0 || element >= 5) return {};
    return kTexts[static_cast<size_t>(element)];
}

std::string_view RarityName(int32_t rarity) {
    static constexpr std::array<std::string_view, 20> kNames = {
        "楽", "普", "中", "上", "激", "極", "幻", "神", "無", "ファントム",
        "？", "魔", "未", "売", "合成", "禁", "秘", "ろあ", "精霊", "パクント"};
    if (rarity < 0 || rarity >= 20) return "？";
    return kNames[static_cast<size_t>(rarity)];
}

std::string CardPicturePath(int32_t card_no) { return "cg/unit" + std::to_string(card_no) + ".bmp"; }

int32_t WithLevelBonus(int32_t base, int32_t level) { return base + level / 3; }

}  // namespace kestra
