#pragma once
// The generic effect tags of icons whose rule is not coded by number or name:
// "open:ally:elem=3:hp=+6:lv=+1" = at duel start the wearer's fire cards get HP+6 and LV+1.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kestra {

enum class TagTrigger { Open, Turn };
enum class TagSide { Ally, Foe, All };
enum class TagFilter { Any, Element, Class, Slot };
enum class TagField { Hp, Mp, Lv, Status1, Status2 };

// One change: add `amount` to HP, MP or LV, or set a status code.
struct TagChange {
    TagField field;
    int32_t amount;
};

struct IconTag {
    TagTrigger trigger;
    TagSide side;
    TagFilter filter;
    int32_t filter_value = 0;  // element 0..4, class 0..19 or slot 1..3
    std::vector<TagChange> changes;
};

// Parse a generic tag; nothing for "", "named", "summon" or anything malformed or out of range.
std::optional<IconTag> ParseIconTag(std::string_view tag);

}  // namespace kestra
