// SPDX-License-Identifier: MIT
#include "game/shell/LargeBlocks.h"

#include <SDL.h>
#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace qv {

#if !defined(__SANITIZE_ADDRESS__)
namespace {

// Every block starts with this, which keeps what follows aligned as malloc
// would. mapped is the length of the block's own mapping, 0 for a block from
// malloc.
struct alignas(16) Header {
    std::size_t size;
    std::size_t mapped;
};

constexpr std::size_t largeBlock = std::size_t{1} << 20;
constexpr std::size_t largest = std::numeric_limits<std::size_t>::max() - sizeof(Header);

Header* headerOf(void* block) {
    return static_cast<Header*>(block) - 1;
}

// A zeroed block of its own mapping, or null.
void* mapBlock(std::size_t size) {
    const std::size_t total = size + sizeof(Header);
    void* mapping =
        mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) {
        return nullptr;
    }
    // Only a hint: without huge pages the block is an ordinary mapping.
    madvise(mapping, total, MADV_HUGEPAGE);
    auto* header = static_cast<Header*>(mapping);
    header->size = size;
    header->mapped = total;
    return header + 1;
}

void* fromMalloc(void* raw, std::size_t size) {
    if (raw == nullptr) {
        return nullptr;
    }
    auto* header = static_cast<Header*>(raw);
    header->size = size;
    header->mapped = 0;
    return header + 1;
}

void* blockMalloc(std::size_t size) {
    if (size > largest) {
        return nullptr;
    }
    if (size >= largeBlock) {
        if (void* block = mapBlock(size)) {
            return block;
        }
    }
    return fromMalloc(std::malloc(size + sizeof(Header)), size);
}

void* blockCalloc(std::size_t count, std::size_t size) {
    if (size != 0 && count > largest / size) {
        return nullptr;
    }
    const std::size_t total = count * size;
    if (total >= largeBlock) {
        if (void* block = mapBlock(total)) {
            return block;
        }
    }
    return fromMalloc(std::calloc(1, total + sizeof(Header)), total);
}

void blockFree(void* block) {
    if (block == nullptr) {
        return;
    }
    Header* header = headerOf(block);
    if (header->mapped != 0) {
        munmap(header, header->mapped);
    } else {
        std::free(header);
    }
}

void* blockRealloc(void* block, std::size_t size) {
    if (block == nullptr) {
        return blockMalloc(size);
    }
    if (size > largest) {
        return nullptr;
    }
    Header* header = headerOf(block);
    if (header->mapped == 0 && size < largeBlock) {
        return fromMalloc(std::realloc(header, size + sizeof(Header)), size);
    }
    void* moved = blockMalloc(size);
    if (moved == nullptr) {
        return nullptr;
    }
    std::memcpy(moved, block, header->size < size ? header->size : size);
    blockFree(block);
    return moved;
}

} // namespace
#endif

bool useLargeBlocksForSdl() {
#if defined(__SANITIZE_ADDRESS__)
    // Under AddressSanitizer SDL keeps malloc, whose blocks it checks.
    return false;
#else
    if (SDL_GetNumAllocations() != 0) {
        return false;
    }
    return SDL_SetMemoryFunctions(&blockMalloc, &blockCalloc, &blockRealloc, &blockFree) == 0;
#endif
}

} // namespace qv
