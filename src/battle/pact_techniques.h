#pragma once
// The status family's pacts and transfers: contracts with gods and devils, and statuses moved across.
#include "duel/duel_context.h"

namespace kestra {

// 審判 (key 45): for MP, the attacker contracts with a god (<神格>), or with a god and a devil too.
void Judgement(DuelContext& ctx);
// 契約 (key 46): for LV, the target is bound by <契約>; on a low digit the attacker binds itself.
void Contract(DuelContext& ctx);
// ユージュアル (key 51): each own bad status goes to the card across, or vanishes when it is dead.
void Usual(DuelContext& ctx);
// ユージュアル２ (key 66): each good status across comes to the own card, or vanishes when it is dead.
void UsualTwo(DuelContext& ctx);

}  // namespace kestra
