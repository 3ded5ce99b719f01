#include "engine/table_lookup.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <unordered_map>

#include "engine/file_write_time.h"
#include "host/settings.h"
#include "win/change_notify.h"
#include "win/encoding.h"
#include "win/files.h"
#include "win/paths.h"

namespace {

struct CachedFile {
    std::uint64_t size = 0;
    FILETIME written;
    Zk_String text;
    std::shared_ptr<const KmTableRows> rows;  // parsed on first use as a table
    std::shared_ptr<const Zk_String> shared;  // text, made on first use by name
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

namespace {

// Where a name was found, kept while none of the folders searched for it changes: each
// candidate's folder up to the one holding the file (for a missing folder, the nearest
// one above it that exists), watched for changes. A change in one of them (an entry
// made, removed, renamed or written) searches again. Folders on shares may not report
// changes, so an entry is also searched again once it is a second old.
struct Located {
    Zk_String path;
    std::vector<HANDLE> watches;
    std::chrono::steady_clock::time_point found;
    std::shared_ptr<const KmTableRows> rows;  // the file's rows once read as a table and kept
    std::shared_ptr<const Zk_String> text;    // the file's text once read by name and kept
    std::uint64_t quietIn = 0;                // the snapshot its folders were last found quiet in
};

// The snapshot under way (KmDataFileSnapshot): its number, 0 when none is.
int gSnapshotDepth = 0;
std::uint64_t gSnapshotCount = 0;
std::uint64_t currentSnapshot() { return gSnapshotDepth > 0 ? gSnapshotCount : 0; }

constexpr auto kMaxLocatedAge = std::chrono::seconds(1);
constexpr std::size_t kMaxLocated = 64;

void closeWatches(Located& l) {
    for (HANDLE h : l.watches) FindCloseChangeNotification(h);
    l.watches.clear();
}

struct LocatedFiles {
    std::map<std::wstring, Located> byKey;  // library folder and name
    ~LocatedFiles() { clear(); }
    void clear() {
        for (auto& [key, l] : byKey) closeWatches(l);
        byKey.clear();
    }
};

LocatedFiles& locatedFiles() {
    static LocatedFiles files;
    return files;
}

// A name as given is searched for in the current folder too; a program changing its
// current folder sees that within the entry's age limit.
// The key is made in one string kept for the next call (its holders call nothing that
// makes another); the name comes first so that keys of one library differ early.
const std::wstring& locatedKey(const Zk_String& name) {
    static std::wstring key;
    key.assign(name.view());
    key += L'\n';
    key += gSettings.libDir.view();
    return key;
}

// The folder holding a candidate, or the nearest existing one above it, as a watch.
HANDLE watchFolderOf(const Zk_String& candidate) {
    std::wstring folder = win::DirectoryPart(candidate.wstr());
    if (folder.empty()) folder = L".";
    for (int depth = 0; depth < 64; ++depth) {
        HANDLE h = FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                                FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                                    FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
        if (h != INVALID_HANDLE_VALUE) return h;
        while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
        const std::wstring up = win::DirectoryPart(folder);
        if (up.empty() || up == folder) return INVALID_HANDLE_VALUE;
        folder = up;
    }
    return INVALID_HANDLE_VALUE;
}

bool youngEnough(const Located& l, std::chrono::steady_clock::time_point now) { return now - l.found <= kMaxLocatedAge; }

// Once per snapshot, at its first check: the folders of every kept entry asked at once
// (one look at the change queue instead of one per entry and folder). When none changed,
// every entry young enough counts as checked in this snapshot; otherwise each is checked
// on its own when asked for.
void checkAllKept(std::uint64_t snapshot, std::chrono::steady_clock::time_point now) {
    static std::uint64_t checkedIn = 0;
    if (checkedIn == snapshot) return;
    checkedIn = snapshot;
    static std::vector<Located*> entries;
    static std::vector<HANDLE> handles;
    entries.clear();
    handles.clear();
    for (auto& [key, l] : locatedFiles().byKey) {
        if (l.quietIn == snapshot || !youngEnough(l, now)) continue;
        entries.push_back(&l);
        handles.insert(handles.end(), l.watches.begin(), l.watches.end());
    }
    for (std::size_t at = 0; at < handles.size(); at += MAXIMUM_WAIT_OBJECTS) {
        const DWORD count = static_cast<DWORD>(std::min<std::size_t>(MAXIMUM_WAIT_OBJECTS, handles.size() - at));
        if (WaitForMultipleObjects(count, handles.data() + at, FALSE, 0) != WAIT_TIMEOUT) return;
    }
    for (Located* l : entries) l->quietIn = snapshot;
}

bool quiet(Located& l) {
    const std::uint64_t snapshot = currentSnapshot();
    // Checked in this snapshot: holds for the rest of it, whatever its age by now.
    if (snapshot != 0 && l.quietIn == snapshot) return true;
    const auto now = std::chrono::steady_clock::now();
    if (!youngEnough(l, now)) return false;
    if (snapshot != 0) {
        checkAllKept(snapshot, now);
        if (l.quietIn == snapshot) return true;
    }
    for (HANDLE h : l.watches)
        if (WaitForSingleObject(h, 0) != WAIT_TIMEOUT) return false;
    l.quietIn = snapshot;
    return true;
}

// The kept entry for name when it still holds, else null.
Located* keptLocation(const std::wstring& key) {
    auto& files = locatedFiles().byKey;
    const auto it = files.find(key);
    if (it == files.end()) return nullptr;
    if (quiet(it->second)) return &it->second;
    closeWatches(it->second);
    files.erase(it);
    return nullptr;
}

std::vector<Zk_String> dataFileCandidates(const Zk_String& name) {
    return {
        name,
        libraryPath(L"Connection Standards\\Data\\", name),
        libraryPath(L"Connection Standards\\", name),
        libraryPath(L"", name),
    };
}

bool searchFirstExisting(const std::vector<Zk_String>& candidates, Zk_String& path, std::vector<Zk_String>* searched) {
    for (const Zk_String& c : candidates) {
        if (searched) searched->push_back(c);
        if (pathExists(c)) {
            path = c;
            return true;
        }
    }
    return false;
}

bool searchDataFile(const Zk_String& name, Zk_String& path, std::vector<Zk_String>* searched) {
    return searchFirstExisting(dataFileCandidates(name), path, searched);
}

// Searches the candidates and keeps where the first existing one was found, with watches
// on the searched folders.
Located* locateAndKeep(const std::wstring& key, const std::vector<Zk_String>& candidates) {
    std::vector<Zk_String> searched;
    Located l;
    l.found = std::chrono::steady_clock::now();
    l.quietIn = currentSnapshot();  // found now: as good as checked
    if (!searchFirstExisting(candidates, l.path, &searched)) return nullptr;
    for (const Zk_String& c : searched) {
        HANDLE h = watchFolderOf(c);
        if (h == INVALID_HANDLE_VALUE) {
            closeWatches(l);
            return nullptr;  // cannot tell a change: not kept
        }
        l.watches.push_back(h);
    }
    auto& files = locatedFiles();
    if (files.byKey.size() >= kMaxLocated) files.clear();
    return &(files.byKey[key] = std::move(l));
}

Located* locateAndKeep(const std::wstring& key, const Zk_String& name) {
    return locateAndKeep(key, dataFileCandidates(name));
}

}  // namespace

KmDataFileSnapshot::KmDataFileSnapshot() {
    if (gSnapshotDepth++ == 0) ++gSnapshotCount;
}
KmDataFileSnapshot::~KmDataFileSnapshot() { --gSnapshotDepth; }

bool locateFirstExisting(const std::wstring& key, const std::function<std::vector<Zk_String>()>& makeCandidates,
                         Zk_String& path) {
    if (const Located* kept = keptLocation(key)) {
        path = kept->path;
        return true;
    }
    const std::vector<Zk_String> candidates = makeCandidates();
    if (const Located* found = locateAndKeep(key, candidates)) {
        path = found->path;
        return true;
    }
    return searchFirstExisting(candidates, path, nullptr);
}

bool locateDataFile(const Zk_String& name, Zk_String& path) {
    if (name.isEmpty()) return false;
    const std::wstring& key = locatedKey(name);
    if (const Located* kept = keptLocation(key)) {
        path = kept->path;
        return true;
    }
    if (const Located* found = locateAndKeep(key, name)) {
        path = found->path;
        return true;
    }
    return searchDataFile(name, path, nullptr);
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
    entry.shared.reset();
    return &entry;
}

}  // namespace

bool readDataFileText(const Zk_String& path, Zk_String& text, Zk_String* error) {
    const CachedFile* file = loadDataFile(path, error);
    if (!file) return false;
    text = file->text;
    return true;
}

namespace {

// The rows of a read file, parsed on first use; a file without rows fails.
bool tableRowsOf(CachedFile& file, const Zk_String& path, std::shared_ptr<const KmTableRows>& rows, Zk_String* error) {
    if (!file.rows) file.rows = std::make_shared<const KmTableRows>(parseTableText(file.text));
    if (file.rows->empty()) {
        setError(error, Zk_String(L"Table has no rows: ") + path);
        return false;
    }
    rows = file.rows;
    return true;
}

}  // namespace

bool readTableFile(const Zk_String& path, std::shared_ptr<const KmTableRows>& rows, Zk_String* error) {
    CachedFile* file = loadDataFile(path, error);
    return file && tableRowsOf(*file, path, rows, error);
}

void clearDataFileCache() {
    fileCache().clear();
    locatedFiles().clear();
}

namespace {

// A data file named by a product function, read (from the cache when unchanged).
struct NamedFile {
    Zk_String path;
    CachedFile* file = nullptr;
    // Where to keep what is derived from the file (rows, text): null when the location cannot
    // be kept, or the file was read as it was being written or too recently to tell a change
    // of the same size by.
    Located* keep = nullptr;
};

// located: the kept location of name under key when there is one.
bool readNamedFile(const std::wstring& key, const Zk_String& name, Located* located, NamedFile& out, Zk_String* error) {
    if (!located) located = locateAndKeep(key, name);
    if (located) {
        out.path = located->path;
    } else if (!searchDataFile(name, out.path, nullptr)) {
        setError(error, Zk_String(L"File not found: ") + name);
        return false;
    }
    out.file = loadDataFile(out.path, error);
    if (!out.file) return false;
    out.keep = located && out.file->size != static_cast<std::uint64_t>(-1) ? located : nullptr;
    return true;
}

}  // namespace

bool readDataTable(const Zk_String& name, std::shared_ptr<const KmTableRows>& rows, Zk_String* error) {
    if (name.isEmpty()) return false;
    const std::wstring& key = locatedKey(name);
    Located* located = keptLocation(key);
    if (located && located->rows) {
        rows = located->rows;
        return true;
    }
    NamedFile named;
    if (!readNamedFile(key, name, located, named, error) || !tableRowsOf(*named.file, named.path, rows, error))
        return false;
    if (named.keep) named.keep->rows = rows;
    return true;
}

bool readDataFileByName(const Zk_String& name, Zk_String& path, std::shared_ptr<const Zk_String>& text) {
    if (name.isEmpty()) return false;
    const std::wstring& key = locatedKey(name);
    Located* located = keptLocation(key);
    if (located && located->text) {
        path = located->path;
        text = located->text;
        return true;
    }
    NamedFile named;
    if (!readNamedFile(key, name, located, named, nullptr)) return false;
    path = named.path;
    if (!named.file->shared) named.file->shared = std::make_shared<const Zk_String>(named.file->text);
    text = named.file->shared;
    if (named.keep) named.keep->text = text;
    return true;
}

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

void appendTableKeyPart(Zk_String& key, bool first, double number) {
    appendTableKeyPart(key, first, Zk_String(number, 6).view());
}

void appendTableKeyPart(Zk_String& key, bool first, std::wstring_view text) {
    if (!first) key.append(L';');
    key.append(text);
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

namespace {

// Per kept table: the first row of each key. The rows are held, so their identity
// cannot be reused while the index is kept.
struct KeyIndex {
    std::shared_ptr<const KmTableRows> rows;
    std::unordered_map<std::wstring, std::size_t> firstRow;
    std::uint64_t lastUse = 0;
};

constexpr std::size_t kMaxKeyIndexes = 16;

std::vector<KeyIndex>& keyIndexes() {
    static std::vector<KeyIndex> indexes;
    return indexes;
}

const KeyIndex& keyIndexOf(const std::shared_ptr<const KmTableRows>& rows) {
    static std::uint64_t uses = 0;
    auto& indexes = keyIndexes();
    for (KeyIndex& index : indexes) {
        if (index.rows != rows) continue;
        index.lastUse = ++uses;
        return index;
    }
    // Tables nobody else holds any more (their file changed) are never asked for again.
    indexes.erase(std::remove_if(indexes.begin(), indexes.end(),
                                 [](const KeyIndex& k) { return k.rows.use_count() == 1; }),
                  indexes.end());
    if (indexes.size() >= kMaxKeyIndexes)  // the least recently used gives way
        indexes.erase(std::min_element(indexes.begin(), indexes.end(), [](const KeyIndex& a, const KeyIndex& b) {
            return a.lastUse < b.lastUse;
        }));
    KeyIndex& index = indexes.emplace_back();
    index.rows = rows;
    index.lastUse = ++uses;
    index.firstRow.reserve(rows->size());
    for (std::size_t r = 0; r < rows->size(); ++r)
        if (!(*rows)[r].isEmpty()) index.firstRow.emplace((*rows)[r][0].wstr(), r);  // the first row wins
    return index;
}

}  // namespace

bool lookupKeptTableValue(const std::shared_ptr<const KmTableRows>& rows, const Zk_String& key, Zk_String& value) {
    const Zk_String* found = findKeptTableValue(rows, key);
    if (found) value = *found;
    return found != nullptr;
}

const Zk_String* findKeptTableValue(const std::shared_ptr<const KmTableRows>& rows, const Zk_String& key) {
    if (!rows) return nullptr;
    const KeyIndex& index = keyIndexOf(rows);
    const auto it = index.firstRow.find(key.wstr());
    if (it == index.firstRow.end()) return nullptr;
    const Zk_StringArray& row = (*rows)[it->second];
    return row.length() < 2 ? nullptr : &row.at(1);
}
