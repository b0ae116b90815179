#include "formats/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

namespace bestitem {
namespace {

int writeAll(int fd, TextView text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t got = ::write(fd, text.data() + written, text.size() - written);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got < 0 ? errno : EIO;
        }
        written += static_cast<std::size_t>(got);
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

// Writes, flushes and closes; the first error wins.
int writeAndClose(int fd, TextView text) {
    int error = writeAll(fd, text);
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
        }
    }
    return 022;
}

// The file a path names, symbolic links followed, so that replacing it keeps the link.
std::string resolvedTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

WriteResult failure(int error) {
    return WriteResult{false, error};
}

WriteResult writeInPlace(const std::string& target, TextView text) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return failure(errno);
    }
    const int error = writeAndClose(fd, text);
    return error == 0 ? WriteResult{true, 0} : failure(error);
}

}  // namespace

WriteResult writeTextFile(const std::string& path, TextView text) {
    if (path.empty()) {
        return failure(ENOENT);
    }
    const std::string target = resolvedTarget(path);
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    if (base.empty()) {
        return failure(EISDIR);
    }

    std::string temporary = folder + (slash == std::string::npos ? "/." : ".") + base + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        const bool folderRefuses = error == EACCES || error == EPERM;
        if (folderRefuses && ::access(target.c_str(), W_OK) == 0) {
            return writeInPlace(target, text);
        }
        return failure(error);
    }

    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            ::close(fd);
            ::unlink(temporary.c_str());
            return failure(EISDIR);
        }
        ::fchmod(fd, existing.st_mode & 07777);
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    } else {
        ::fchmod(fd, 0666 & ~currentUmask());
    }

    int error = writeAndClose(fd, text);
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(error);
    }
    syncFolder(folder);
    return WriteResult{true, 0};
}

}  // namespace bestitem
