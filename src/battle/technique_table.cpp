#include "battle/technique.h"

namespace kestra {

TechniqueFn FindTechnique(int32_t /*key*/) { return nullptr; }

void MissTail(DuelContext&) {}

void PetrifyTrap(DuelContext&) {}

}  // namespace kestra
