#pragma once

#include <cstddef>
#include <new>
#include <vector>

namespace bestitem {

// Memory for big lists and file contents. Blocks of 2 MiB and more are mapped
// with a hint for transparent huge pages: on virtual machines every first touch
// of a fresh small page costs far more than filling it, and a million-row load
// touches tens of megabytes at once.
void* allocateLarge(std::size_t bytes);  // nullptr when out of memory
void releaseLarge(void* block, std::size_t bytes);

template <class T>
struct HugePageAllocator {
    using value_type = T;

    HugePageAllocator() = default;
    template <class U>
    HugePageAllocator(const HugePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        void* block = allocateLarge(count * sizeof(T));
        if (block == nullptr) {
            throw std::bad_alloc();
        }
        return static_cast<T*>(block);
    }
    void deallocate(T* block, std::size_t count) noexcept {
        releaseLarge(block, count * sizeof(T));
    }

    template <class U>
    bool operator==(const HugePageAllocator<U>&) const noexcept {
        return true;
    }
};

template <class T>
using LargeVector = std::vector<T, HugePageAllocator<T>>;

}  // namespace bestitem
