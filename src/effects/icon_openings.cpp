#include "effects/icon_openings.h"

#include <vector>

#include "effects/opening_steps.h"

namespace kestra {

void IconOpenings(DuelContext& ctx, StartReport& report) {
    opening::ElementStage(ctx, report);
    opening::OpeningTable(ctx, report);
}

std::span<const std::string_view> IconRuleNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const auto* part : {&opening::TechniqueNames(), &opening::DarknessNames(),
                                 &opening::ElementNames(), &opening::TableNames()})
            out.insert(out.end(), part->begin(), part->end());
        return out;
    }();
    return names;
}

}  // namespace kestra
