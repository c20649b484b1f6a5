#pragma once
// The numbers the players exchange before the first turn: the opening with this side's warrior
// number, the opponent's warrior number, the verification IDs, and the duel start.
#include <QLineEdit>

#include <cstdint>

#include "app/duel_parts.h"

namespace kestra {

// Connect the NUMBER box, the ID fields with their "PASTE" labels, and "OK".
void WireExchange(DuelParts& p);

// "スタート": a fresh record, the opening with the draw, this side's number shown and copied.
void OpenPlayedDuel(DuelParts& p, int32_t duel_kind, int32_t duel_role);

// Every widget as a fresh duel finds it: the "YOU" and INPUT boxes, nothing else of the duel.
void ResetDuelWidgets(DuelParts& p);

// The IDs matched: the duel start up to the first turn's input.
void BeginDuel(DuelParts& p);

// A "PASTE" label: the field is emptied and the clipboard pasted into it.
void PasteInto(QLineEdit* field);

// The situation texts for onlookers, rebuilt from the record.
void ShowSituation(DuelParts& p);

// The text of a field as the rules read it.
std::string FieldText(const QLineEdit* field);

}  // namespace kestra
