#include "battle/technique.h"

namespace kestra {

// The blow family's rows; filled as its members are built.
std::span<const TechniqueRow> AttackTechniqueRows() { return {}; }

}  // namespace kestra
