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

namespace {

// The file's entry as the file system reports it; false for a missing file, a folder or
// one larger than maxBytes.
bool findFile(const std::wstring& path, std::uint64_t maxBytes, WIN32_FILE_ATTRIBUTE_DATA& data, std::uint64_t& size) {
    if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos) return false;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size <= maxBytes;
}

// The kept entry of path when the file is unchanged since it was kept; a changed file's
// entry is dropped.
const Entry* unchangedEntry(const std::wstring& path, std::uint64_t size, const WIN32_FILE_ATTRIBUTE_DATA& data) {
    Cache& c = cache();
    const auto it = c.files.find(path);
    if (it == c.files.end()) return nullptr;
    if (it->second.size == size && CompareFileTime(&it->second.written, &data.ftLastWriteTime) == 0)
        return &it->second;
    c.bytes -= it->second.bytes->size();
    c.files.erase(it);
    return nullptr;
}

}  // namespace

std::shared_ptr<const std::string> keptSheetFileBytes(const std::wstring& path, std::uint64_t maxBytes) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    std::uint64_t size = 0;
    if (!findFile(path, maxBytes, data, size)) return nullptr;
    const Entry* kept = unchangedEntry(path, size, data);
    return kept ? kept->bytes : nullptr;
}

std::shared_ptr<const std::string> readSheetFileBytes(const std::wstring& path, std::uint64_t maxBytes) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    std::uint64_t size = 0;
    if (!findFile(path, maxBytes, data, size)) return nullptr;
    if (const Entry* kept = unchangedEntry(path, size, data)) return kept->bytes;

    Cache& c = cache();
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

bool sheetFileBytesKept(const std::shared_ptr<const std::string>& bytes) {
    if (!bytes) return false;
    for (const auto& [path, entry] : cache().files)
        if (entry.bytes == bytes) return true;
    return false;
}

std::size_t sheetFileReads() { return cache().reads; }

void clearSheetFileCache() {
    cache().files.clear();
    cache().bytes = 0;
}
