#pragma once
// View mode from a saved duel record: "記録ファイル…" opens one (records/ first), and a whole record
// pasted into the view-mode box reads the same way. The record is played as if the viewer had
// typed each number: the rule, both warrior numbers, the receiver's ID, every BATTLE NUMBER.
#include <QLineEdit>

#include <string_view>

#include "app/duel_parts.h"

namespace kestra {

// The most bytes a record file is read with: far above 2,000 lines of numbers.
inline constexpr size_t kRecordFileMaxBytes = 512 * 1024;

// "記録ファイル…": the file dialog in records/, then the record played.
void OpenRecordFile(DuelParts& p);

// A view-mode "PASTE": a clipboard of several lines is a record and is played; one line fills the field.
void PasteViewField(DuelParts& p, QLineEdit* field);

// Ctrl+V (the platform's paste keys) in the two warrior-number fields: a record on the clipboard is
// played as "PASTE" plays it; a single line pastes as usual.
void CatchRecordPastes(DuelParts& p);

// Play a record's text; at the first line that does not read, or that the duel refuses, the message
// area says which line and why, and the viewer stays where that line left off. Never saves.
void PlayRecordText(DuelParts& p, std::string_view text);

}  // namespace kestra
