#include "player/atomic_file.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kestra {

namespace {

using Path = std::filesystem::path;

#ifdef _WIN32
// Create or truncate a file for binary writing.
int OpenForWrite(const Path& p) { return ::_wopen(p.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY, _S_IREAD | _S_IWRITE); }
// Write up to n bytes; the count written or -1.
long long WriteSome(int fd, const char* data, size_t n) { return ::_write(fd, data, static_cast<unsigned>(n)); }
// Flush the file to the disk.
int SyncFile(int fd) { return ::_commit(fd); }
int CloseFile(int fd) { return ::_close(fd); }
// Replace the target in one step, through to the disk.
bool ReplaceFile(const Path& from, const Path& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
void RemoveFile(const Path& p) { ::_wunlink(p.c_str()); }
// Windows makes the rename durable with MOVEFILE_WRITE_THROUGH.
void SyncFolder(const Path&) {}
#else
int OpenForWrite(const Path& p) { return ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644); }
long long WriteSome(int fd, const char* data, size_t n) { return ::write(fd, data, n); }
int SyncFile(int fd) { return ::fsync(fd); }
int CloseFile(int fd) { return ::close(fd); }
bool ReplaceFile(const Path& from, const Path& to) { return ::rename(from.c_str(), to.c_str()) == 0; }
void RemoveFile(const Path& p) { ::unlink(p.c_str()); }
// Make the rename itself durable by syncing the folder.
void SyncFolder(const Path& folder) {
    const int dfd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd < 0) return;
    ::fsync(dfd);
    ::close(dfd);
}
#endif

// Describe the failed step for the player, with the system's reason.
WriteResult Fail(const Path& target, const char* step, int err) {
    return {false, target.filename().string() + " の" + step + "に失敗しました (" + std::strerror(err) + ")"};
}

// Write all bytes, honouring an injected failure point.
bool WriteAll(int fd, const std::string& bytes, const WriteFaults& faults, int& err) {
    size_t limit = bytes.size();
    const bool injected = faults.fail_after_bytes >= 0 && static_cast<size_t>(faults.fail_after_bytes) < limit;
    if (injected) limit = static_cast<size_t>(faults.fail_after_bytes);
    size_t done = 0;
    while (done < limit) {
        const long long n = WriteSome(fd, bytes.data() + done, limit - done);
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

}  // namespace

WriteResult WriteFileAtomically(const Path& target, const std::string& bytes, const WriteFaults& faults) {
    Path temp = target;
    temp += ".tmp";
    const int fd = OpenForWrite(temp);
    if (fd < 0) return Fail(target, "書き込み準備", errno);
    int err = 0;
    bool ok = WriteAll(fd, bytes, faults, err);
    if (ok && (faults.fail_sync || SyncFile(fd) != 0)) {
        err = faults.fail_sync ? EIO : errno;
        ok = false;
    }
    if (CloseFile(fd) != 0 && ok) {
        err = errno;
        ok = false;
    }
    if (!ok) {
        RemoveFile(temp);
        return Fail(target, "書き込み", err);
    }
    if (faults.fail_rename || !ReplaceFile(temp, target)) {
        err = faults.fail_rename ? EIO : (errno != 0 ? errno : EIO);
        RemoveFile(temp);
        return Fail(target, "置き換え", err);
    }
    SyncFolder(target.parent_path());
    return {};
}

}  // namespace kestra
