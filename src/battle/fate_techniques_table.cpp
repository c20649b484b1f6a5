#include "battle/technique.h"

namespace kestra {

// The fate family's rows; filled as their members are built.
std::span<const TechniqueRow> FateTechniqueRows() { return {}; }

}  // namespace kestra
