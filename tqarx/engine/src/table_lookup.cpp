#include "engine/table_lookup.h"

#include <map>
#include <memory>

#include "engine/file_write_time.h"
#include "host/settings.h"
#include "win/encoding.h"
#include "win/files.h"

namespace {

struct CachedFile {
    std::uint64_t size = 0;
    FILETIME written;
    Zk_String text;
    std::shared_ptr<const KmTableRows> rows;  // parsed on first use as a table
};

// Kept texts by path (as given, Windows form). Bounded so that a long session reading
// many files does not grow without end.
std::map<std::wstring, CachedFile>& fileCache() {
    static std::map<std::wstring, CachedFile> cache;
    return cache;
}
constexpr std::size_t kMaxCachedFiles = 64;

Zk_String libraryPath(const wchar_t* sub, const Zk_String& name) {
    Zk_String path = gSettings.libDir;
    if (!path.isEmpty() && !path.endsWith(L"\\") && !path.endsWith(L"/")) path += L'\\';
    path += sub;
    return path + name;
}

bool findEntry(const Zk_String& path, WIN32_FIND_DATAW& data) {
    if (path.isEmpty()) return false;
    HANDLE h = FindFirstFileW(path.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

void setError(Zk_String* error, const Zk_String& text) {
    if (error) *error = text;
}

}  // namespace

bool pathExists(const Zk_String& path) {
    WIN32_FIND_DATAW data;
    return findEntry(path, data);
}

bool locateDataFile(const Zk_String& name, Zk_String& path) {
    if (name.isEmpty()) return false;
    const Zk_String candidates[] = {
        name,
        libraryPath(L"Connection Standards\\Data\\", name),
        libraryPath(L"Connection Standards\\", name),
        libraryPath(L"", name),
    };
    for (const Zk_String& c : candidates) {
        if (pathExists(c)) {
            path = c;
            return true;
        }
    }
    return false;
}

namespace {

CachedFile* loadDataFile(const Zk_String& path, Zk_String* error) {
    WIN32_FIND_DATAW data;
    if (!findEntry(path, data)) {
        setError(error, Zk_String(L"File not found: ") + path);
        return nullptr;
    }
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        setError(error, Zk_String(L"Not a file: ") + path);
        return nullptr;
    }
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (size > kMaxDataFileBytes) {
        setError(error, Zk_String(L"File too large: ") + path);
        return nullptr;
    }
    auto& cache = fileCache();
    auto it = cache.find(path.wstr());
    if (it != cache.end() && it->second.size == size &&
        CompareFileTime(&it->second.written, &data.ftLastWriteTime) == 0) {
        return &it->second;
    }
    std::string bytes;
    if (!ReadFileBytes(path.wstr(), bytes, kMaxDataFileBytes)) {
        // Too large here: the file grew between the search and the read.
        setError(error, Zk_String(GetLastError() == static_cast<DWORD>(ERROR_FILE_TOO_LARGE) ? L"File too large: "
                                                                                         : L"File cannot be read: ") +
                            path);
        return nullptr;
    }
    if (bytes.find('\0') != std::string::npos) {
        setError(error, Zk_String(L"Not a text file: ") + path);
        return nullptr;
    }
    if (cache.size() >= kMaxCachedFiles) cache.clear();
    CachedFile& entry = cache[path.wstr()];
    // A file that changed between the search and the read, or was written too recently
    // to tell a later change by, is read again next time.
    entry.size = bytes.size() == size && writeTimeIsSettled(data.ftLastWriteTime) ? size
                                                                                  : static_cast<std::uint64_t>(-1);
    entry.written = data.ftLastWriteTime;
    entry.text = Zk_String(WideFromUtf8(bytes));
    entry.rows.reset();
    return &entry;
}

}  // namespace

bool readDataFileText(const Zk_String& path, Zk_String& text, Zk_String* error) {
    const CachedFile* file = loadDataFile(path, error);
    if (!file) return false;
    text = file->text;
    return true;
}

bool readTableFile(const Zk_String& path, std::shared_ptr<const KmTableRows>& rows, Zk_String* error) {
    CachedFile* file = loadDataFile(path, error);
    if (!file) return false;
    if (!file->rows) file->rows = std::make_shared<const KmTableRows>(parseTableText(file->text));
    if (file->rows->empty()) {
        setError(error, Zk_String(L"Table has no rows: ") + path);
        return false;
    }
    rows = file->rows;
    return true;
}

void clearDataFileCache() { fileCache().clear(); }

KmTableRows parseTableText(const Zk_String& text) {
    KmTableRows rows;
    const std::wstring& all = text.wstr();
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t eol = all.find(L'\n', start);
        if (eol == std::wstring::npos) eol = all.size();
        std::wstring_view line(all.data() + start, eol - start);
        start = eol + 1;
        const std::size_t comment = line.find(L"//");
        if (comment != std::wstring_view::npos) line = line.substr(0, comment);
        while (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        if (line.empty()) continue;
        Zk_StringArray fields;
        std::size_t from = 0;
        for (;;) {
            const std::size_t tab = line.find(L'\t', from);
            fields.append(Zk_String(line.substr(from, tab == std::wstring_view::npos ? line.npos : tab - from)));
            if (tab == std::wstring_view::npos) break;
            from = tab + 1;
        }
        rows.push_back(std::move(fields));
    }
    return rows;
}

Zk_String buildTableKey(const std::vector<KmTableKeyPart>& parts) {
    Zk_String key;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) key += L';';
        key += parts[i].isNumber ? Zk_String(parts[i].number, 6) : parts[i].text;
    }
    return key;
}

bool lookupTableValue(const KmTableRows& rows, const Zk_String& key, Zk_String& value,
                      const std::function<Zk_String(const Zk_String&)>& translateKey) {
    for (const Zk_StringArray& row : rows) {
        if (row.isEmpty()) continue;
        const Zk_String first = translateKey ? translateKey(row[0]) : row[0];
        if (first != key) continue;
        if (row.length() < 2) return false;
        value = row[1];
        return true;
    }
    return false;
}
