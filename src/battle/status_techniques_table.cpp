#include "battle/technique.h"

namespace kestra {

// The status family's rows; filled as their members are built.
std::span<const TechniqueRow> StatusTechniqueRows() { return {}; }

}  // namespace kestra
