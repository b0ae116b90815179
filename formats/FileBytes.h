#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace bestitem {

// The whole content of a file, read once into memory that this object owns.
class FileBytes {
public:
    FileBytes() = default;
    FileBytes(FileBytes&& other) noexcept;
    FileBytes& operator=(FileBytes&& other) noexcept;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;
    ~FileBytes();

    // Empty on any failure: missing file, a folder, no access, a read error.
    static FileBytes readWhole(const std::string& path);

    std::span<const char> bytes() const { return {data_, size_}; }
    std::size_t size() const { return size_; }

private:
    void release();
    bool allocate(std::size_t size);

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace bestitem
