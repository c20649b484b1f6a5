#include "battle/technique.h"

namespace kestra {

// The other families' rows; filled as their members are built.
std::span<const TechniqueRow> OtherTechniqueRows() { return {}; }

}  // namespace kestra
