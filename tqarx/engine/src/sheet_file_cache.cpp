#include "engine/sheet_file_cache.h"

#include "engine/file_write_time.h"

#include <map>

#include "win/files.h"

namespace {

constexpr std::size_t kMaxFiles = 64;
constexpr std::uint64_t kMaxBytes = 64ull * 1024 * 1024;

struct Entry {
    std::uint64_t size = 0;
    FILETIME written;
    std::shared_ptr<const std::string> bytes;
};

struct Cache {
    std::map<std::wstring, Entry> files;
    std::uint64_t bytes = 0;
    std::size_t reads = 0;
};

Cache& cache() {
    static Cache c;
    return c;
}

}  // namespace

std::shared_ptr<const std::string> readSheetFileBytes(const std::wstring& path, std::uint64_t maxBytes) {
    if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return nullptr;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return nullptr;
    FindClose(find);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return nullptr;
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (size > maxBytes) return nullptr;

    Cache& c = cache();
    const auto it = c.files.find(path);
    if (it != c.files.end()) {
        if (it->second.size == size && CompareFileTime(&it->second.written, &data.ftLastWriteTime) == 0)
            return it->second.bytes;
        c.bytes -= it->second.bytes->size();
        c.files.erase(it);
    }
    auto bytes = std::make_shared<std::string>();
    if (!ReadFileBytes(path, *bytes, maxBytes)) return nullptr;
    ++c.reads;
    // Kept only when the read saw the file as found (it did not change in between) and
    // its write time is old enough to tell a later change by.
    if (bytes->size() == size && writeTimeIsSettled(data.ftLastWriteTime) && size <= kMaxBytes) {
        if (c.files.size() >= kMaxFiles || c.bytes + size > kMaxBytes) clearSheetFileCache();
        c.files[path] = Entry{size, data.ftLastWriteTime, bytes};
        c.bytes += size;
    }
    return bytes;
}

std::size_t sheetFileReads() { return cache().reads; }

void clearSheetFileCache() {
    cache().files.clear();
    cache().bytes = 0;
}
