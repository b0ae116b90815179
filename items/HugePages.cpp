#include "items/HugePages.h"

#include <sys/mman.h>

#include <cstdlib>

namespace bestitem {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t mappedSize(std::size_t bytes) {
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

}  // namespace

void* allocateLarge(std::size_t bytes) {
    if (bytes < kHugePage) {
        return std::malloc(bytes == 0 ? 1 : bytes);
    }
    void* block = ::mmap(nullptr, mappedSize(bytes), PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        return nullptr;
    }
    ::madvise(block, mappedSize(bytes), MADV_HUGEPAGE);  // a hint; small pages work too
    return block;
}

void releaseLarge(void* block, std::size_t bytes) {
    if (block == nullptr) {
        return;
    }
    if (bytes < kHugePage) {
        std::free(block);
    } else {
        ::munmap(block, mappedSize(bytes));
    }
}

}  // namespace bestitem
