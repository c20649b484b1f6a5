#pragma once
// The generic "open" tags of icons (content/icon_effects.md): at the duel start the matching cards get
// the tag's changes, each with its flash, sound and line.
#include <cstdint>
#include <vector>

#include "duel/duel_context.h"
#include "effects/icon_tags.h"
#include "effects/start_report.h"

namespace kestra::opening {

// The icon worn in one of the side's slots acts by its "open" tag when the tag's side is `side`;
// nothing for any other icon.
void ApplyOpeningTag(DuelContext& ctx, StartReport& report, bool local_side, int32_t icon, TagSide side);

// The icons whose tag in the compiled-in icons.tsv is an "open" tag, in number order.
const std::vector<int32_t>& OpeningTagIcons();

}  // namespace kestra::opening
