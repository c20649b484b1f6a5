#pragma once
// Whole-file replacement that never leaves a half-written file behind.
#include <filesystem>
#include <string>

namespace kestra {

// Points where a test can make the write fail, as a full disk or a crash would.
struct WriteFaults {
    long fail_after_bytes = -1;  // the write stops with an error after this many bytes
    bool fail_sync = false;
    bool fail_rename = false;
};

// Outcome of a save; message is empty on success.
struct WriteResult {
    bool ok = true;
    std::string message;
};

// Write a temporary file beside the target, flush and sync it, then rename it over the target.
// On any failure the target keeps its previous contents and the temporary file is removed.
WriteResult WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes,
                                const WriteFaults& faults = {});

}  // namespace kestra
