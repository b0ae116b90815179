#include "formats/FileBytes.h"

#include "items/HugePages.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace bestitem {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

FileBytes::FileBytes(FileBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

FileBytes& FileBytes::operator=(FileBytes&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
    }
    return *this;
}

FileBytes::~FileBytes() {
    release();
}

void FileBytes::release() {
    releaseLarge(data_, capacity_);
    data_ = nullptr;
    size_ = 0;
    capacity_ = 0;
}

bool FileBytes::allocate(std::size_t size) {
    data_ = static_cast<char*>(allocateLarge(size));
    capacity_ = data_ != nullptr ? size : 0;
    return data_ != nullptr;
}

FileBytes FileBytes::readWhole(const std::string& path) {
    FileBytes result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat status {};
    if (fd.get() < 0 || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size <= 0) {
        return result;
    }
    const auto length = static_cast<std::size_t>(status.st_size);
    if (!result.allocate(length)) {
        return FileBytes();
    }
    // Only the length taken at the start is read; a file that shrinks meanwhile
    // gives the bytes that were there.
    std::size_t filled = 0;
    while (filled < length) {
        const ssize_t got = ::read(fd.get(), result.data_ + filled, length - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return FileBytes();
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    result.size_ = filled;
    return result;
}

}  // namespace bestitem
