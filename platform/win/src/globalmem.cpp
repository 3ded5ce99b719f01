// Global memory blocks. A moveable block's handle is a token distinct from its memory; a
// fixed block's handle is its memory, as on Win32.
#include "win/globalmem.h"

#include <cstring>
#include <unordered_map>
#include <memory>
#include <mutex>
#include <new>

namespace {

struct Block {
    std::unique_ptr<unsigned char[]> data;
    SIZE_T size = 0;
    UINT flags = 0;
    int locks = 0;
};

std::mutex gMutex;
std::unordered_map<HGLOBAL, std::unique_ptr<Block>> gBlocks;
int gFailCount = 0;

bool ShouldFail() {
    if (gFailCount > 0) {
        --gFailCount;
        return true;
    }
    return false;
}

std::unique_ptr<unsigned char[]> NewBytes(SIZE_T bytes) {
    // At least one byte, so that a block of size 0 still has a distinct address.
    return std::unique_ptr<unsigned char[]>(new (std::nothrow) unsigned char[bytes ? bytes : 1]);
}

Block* Find(HGLOBAL mem) {
    const auto it = gBlocks.find(mem);
    return it == gBlocks.end() ? nullptr : it->second.get();
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (ShouldFail()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->data = NewBytes(bytes);
    if (!block->data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    block->size = bytes;
    block->flags = flags;
    std::memset(block->data.get(), (flags & GMEM_ZEROINIT) ? 0 : 0xCD, bytes ? bytes : 1);
    HGLOBAL handle = (flags & GMEM_MOVEABLE) ? static_cast<HGLOBAL>(block.get())
                                              : static_cast<HGLOBAL>(block->data.get());
    gBlocks.emplace(handle, std::move(block));
    SetLastError(ERROR_SUCCESS);
    return handle;
}

HGLOBAL GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags) {
    std::lock_guard<std::mutex> lock(gMutex);
    Block* block = Find(mem);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (ShouldFail()) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    auto data = NewBytes(bytes);
    if (!data) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    const SIZE_T keep = bytes < block->size ? bytes : block->size;
    std::memcpy(data.get(), block->data.get(), keep);
    if (bytes > keep) std::memset(data.get() + keep, (flags & GMEM_ZEROINIT) ? 0 : 0xCD, bytes - keep);
    const bool moveable = (block->flags & GMEM_MOVEABLE) != 0;
    block->data = std::move(data);
    block->size = bytes;
    HGLOBAL handle = mem;
    if (!moveable) {
        // A fixed block's handle is its address, which has changed.
        auto owned = std::move(gBlocks[mem]);
        gBlocks.erase(mem);
        handle = owned->data.get();
        gBlocks.emplace(handle, std::move(owned));
    }
    SetLastError(ERROR_SUCCESS);
    return handle;
}

LPVOID GlobalLock(HGLOBAL mem) {
    std::lock_guard<std::mutex> lock(gMutex);
    Block* block = Find(mem);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (block->flags & GMEM_MOVEABLE) ++block->locks;
    return block->data.get();
}

BOOL GlobalUnlock(HGLOBAL mem) {
    std::lock_guard<std::mutex> lock(gMutex);
    Block* block = Find(mem);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (block->locks > 0) --block->locks;
    SetLastError(ERROR_SUCCESS);
    return block->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL mem) {
    std::lock_guard<std::mutex> lock(gMutex);
    if (!mem) return nullptr;
    if (gBlocks.erase(mem) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return mem;
    }
    return nullptr;
}

SIZE_T GlobalSize(HGLOBAL mem) {
    std::lock_guard<std::mutex> lock(gMutex);
    Block* block = Find(mem);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return block->size;
}

namespace win {

void FailNextGlobalAlloc(int count) {
    std::lock_guard<std::mutex> lock(gMutex);
    gFailCount = count;
}

std::size_t GlobalBlocksInUse() {
    std::lock_guard<std::mutex> lock(gMutex);
    return gBlocks.size();
}

}  // namespace win
