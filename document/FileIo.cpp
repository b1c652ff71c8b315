#include "document/FileIo.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return std::move(bytes).str();
}

namespace {

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Creates a new, empty file ".NAME.xxxxxx" in `folder` and returns its
// descriptor (-1 on failure) and its path. Unlike mkstemp, which makes the
// file owner-only, it asks for 0666 and lets the kernel take the umask off,
// so the umask never has to be found out by changing it. O_EXCL makes sure
// the file is a new one of our own.
int CreateTempFile(const std::filesystem::path& folder, const std::string& name, std::string& tempPath)
{
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<std::uint64_t> counter = 0;
    std::uint64_t seed =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
        (static_cast<std::uint64_t>(::getpid()) << 32);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t mix = seed + 0x9E3779B97F4A7C15ULL * ++counter;
        std::string path = (folder / ".").string();
        path += name;
        path += '.';
        for (int i = 0; i < 6; ++i) {
            path += kLetters[mix % kLetters.size()];
            mix /= kLetters.size();
        }
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            tempPath = std::move(path);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
        seed ^= mix;
    }
    return -1;
}

// The replacement keeps the replaced file's owner, group and rights. Only
// its owner or root may hand a file to someone else: when that fails the
// new file is the saver's, as any new file would be.
bool TakeOverAttributes(int fd, const std::string& path)
{
    struct stat old = {};
    if (::stat(path.c_str(), &old) != 0) {
        return true; // a new file: 0666 less the umask
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not ours to give away; the group alone may still be ours to keep.
        [[maybe_unused]] const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

} // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string temp;
    const int fd = CreateTempFile(folder, target.filename().string(), temp);
    if (fd < 0) {
        return false;
    }
    bool ok = TakeOverAttributes(fd, path) && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) {
        ok = std::rename(temp.c_str(), path.c_str()) == 0;
    }
    if (!ok) {
        std::remove(temp.c_str());
        return false;
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}
