#include "player/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kestra {

namespace {

// Describe the failed step for the player, with the system's reason.
WriteResult Fail(const std::filesystem::path& target, const char* step, int err) {
    return {false, target.filename().string() + " の" + step + "に失敗しました (" + std::strerror(err) + ")"};
}

// Write all bytes, honouring an injected failure point.
bool WriteAll(int fd, const std::string& bytes, const WriteFaults& faults, int& err) {
    size_t limit = bytes.size();
    const bool injected = faults.fail_after_bytes >= 0 && static_cast<size_t>(faults.fail_after_bytes) < limit;
    if (injected) limit = static_cast<size_t>(faults.fail_after_bytes);
    size_t done = 0;
    while (done < limit) {
        const ssize_t n = ::write(fd, bytes.data() + done, limit - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (injected) {
        err = ENOSPC;
        return false;
    }
    return true;
}

// Make the rename itself durable by syncing the folder.
void SyncFolder(const std::filesystem::path& folder) {
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd < 0) return;
    ::fsync(dfd);
    ::close(dfd);
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes,
                                const WriteFaults& faults) {
    std::filesystem::path temp = target;
    temp += ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return Fail(target, "書き込み準備", errno);
    int err = 0;
    bool ok = WriteAll(fd, bytes, faults, err);
    if (ok && (faults.fail_sync || ::fsync(fd) != 0)) {
        err = faults.fail_sync ? EIO : errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        return Fail(target, "書き込み", err);
    }
    if (faults.fail_rename || ::rename(temp.c_str(), target.c_str()) != 0) {
        err = faults.fail_rename ? EIO : errno;
        ::unlink(temp.c_str());
        return Fail(target, "置き換え", err);
    }
    SyncFolder(target.parent_path());
    return {};
}

}  // namespace kestra
