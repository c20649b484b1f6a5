#pragma once
// The records/ folder: each finished or aborted duel as one text file named by its date and time,
// written atomically beside the others and never over one; the oldest go once there are too many.
#include <cstdint>
#include <filesystem>
#include <string>

#include "player/atomic_file.h"

namespace kestra {

inline constexpr size_t kKeptRecords = 200;

// A wall-clock moment, local time, handed in by whoever owns the clock.
struct RecordTime {
    int32_t year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// "2026-12-07 20:15:03", for the record's date line.
std::string RecordStamp(const RecordTime& t);

// Where a record written now goes: "20261207-201503.txt", or "20261207-201503_2.txt" and on when
// that name is taken.
std::filesystem::path FreeRecordPath(const std::filesystem::path& folder, const RecordTime& t);

// What saving a record came to: the file written, or the failure.
struct RecordSaved {
    WriteResult result;
    std::filesystem::path file;
};

// Write the text into the folder (made when missing) under a free name, then remove the oldest
// records beyond `keep`. Only files named the way this folder names them are ever removed.
RecordSaved SaveRecord(const std::filesystem::path& folder, const RecordTime& t, const std::string& text,
                       size_t keep = kKeptRecords);

}  // namespace kestra
