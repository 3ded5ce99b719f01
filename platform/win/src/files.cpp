// Pattern search, attributes, copy, delete, directories and file times.
#include "win/files.h"

#include "host_fs.h"
#include "win/encoding.h"
#include "win/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr std::uint64_t kEpochDifference = 11644473600ULL;  // seconds from 1601 to 1970

struct Entry {
    std::string name;  // host bytes
    std::wstring wideName;
    struct stat st {};
};

struct FindState {
    std::vector<Entry> entries;
    std::size_t next = 0;
};

std::mutex gFindMutex;
std::map<HANDLE, std::unique_ptr<FindState>> gFinds;

// "*" any run, "?" one character; folded comparison.
bool WildcardMatch(std::wstring_view pattern, std::wstring_view name) {
    std::size_t p = 0, n = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == L'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

bool PatternMatches(std::wstring_view pattern, std::wstring_view name) {
    if (pattern == L"*.*" || pattern == L"*") return true;
    return WildcardMatch(pattern, name);
}

bool HasWildcard(std::wstring_view s) { return s.find_first_of(L"*?") != std::wstring_view::npos; }

bool StatEntry(const std::string& path, struct stat& st) {
    if (::stat(path.c_str(), &st) == 0) return true;
    return ::lstat(path.c_str(), &st) == 0;  // dangling link: report the link itself
}

std::string JoinHost(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir == ".") return name;
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

bool LessNoCase(const Entry& a, const Entry& b) {
    const auto rank = [](const std::string& n) { return n == "." ? 0 : n == ".." ? 1 : 2; };
    if (rank(a.name) != rank(b.name)) return rank(a.name) < rank(b.name);
    const std::size_t len = std::min(a.wideName.size(), b.wideName.size());
    for (std::size_t i = 0; i < len; ++i) {
        const wchar_t x = FoldCase(a.wideName[i]), y = FoldCase(b.wideName[i]);
        if (x != y) return x < y;
    }
    if (a.wideName.size() != b.wideName.size()) return a.wideName.size() < b.wideName.size();
    return a.name < b.name;
}

// Entries of hostDir matching pattern, sorted. False when hostDir cannot be listed.
bool ListMatches(const std::string& hostDir, std::wstring_view pattern, bool withDots,
                 std::vector<Entry>& out) {
    const auto names = win::detail::DirectoryNames(hostDir);
    if (!names) return false;
    auto consider = [&](const std::string& name) {
        Entry entry;
        entry.name = name;
        entry.wideName = WideFromUtf8(entry.name);
        if (!PatternMatches(pattern, entry.wideName)) return;
        if (!StatEntry(JoinHost(hostDir.empty() ? "." : hostDir, entry.name), entry.st)) return;
        out.push_back(std::move(entry));
    };
    if (withDots) {
        consider(".");
        consider("..");
    }
    for (const std::string& name : *names) consider(name);
    std::sort(out.begin(), out.end(), LessNoCase);
    return true;
}

DWORD AttributesOf(const std::string& name, const struct stat& st) {
    DWORD attrs = 0;
    if (S_ISDIR(st.st_mode)) attrs |= FILE_ATTRIBUTE_DIRECTORY;
    else attrs |= FILE_ATTRIBUTE_ARCHIVE;
    if (!(st.st_mode & S_IWUSR)) attrs |= FILE_ATTRIBUTE_READONLY;
    if (name.size() > 1 && name[0] == '.' && name != "..") attrs |= FILE_ATTRIBUTE_HIDDEN;
    return attrs;
}

// Attributes, times and size of an entry named name, as the file system reports it in st.
template <typename Data>
void FillAttributeData(const std::string& name, const struct stat& st, Data& data) {
    data.dwFileAttributes = AttributesOf(name, st);
    data.ftCreationTime = win::detail::FileTimeFromTimespec(st.st_ctim);
    data.ftLastAccessTime = win::detail::FileTimeFromTimespec(st.st_atim);
    data.ftLastWriteTime = win::detail::FileTimeFromTimespec(st.st_mtim);
    const auto size = S_ISDIR(st.st_mode) ? std::uint64_t{0} : static_cast<std::uint64_t>(st.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFFu);
}

template <typename Data>
void FillCommon(const Entry& e, Data& data) {
    FillAttributeData(e.name, e.st, data);
    data.dwReserved0 = data.dwReserved1 = 0;
    data.cAlternateFileName[0] = 0;
}

void Fill(const Entry& e, WIN32_FIND_DATAW& data) {
    FillCommon(e, data);
    std::copy(e.wideName.begin(), e.wideName.end(), data.cFileName);
    data.cFileName[e.wideName.size()] = 0;
}

void Fill(const Entry& e, WIN32_FIND_DATAA& data) {
    FillCommon(e, data);
    std::memcpy(data.cFileName, e.name.data(), e.name.size());
    data.cFileName[e.name.size()] = 0;
}

bool Fits(const Entry& e, const WIN32_FIND_DATAW*) { return e.wideName.size() < MAX_PATH; }
bool Fits(const Entry& e, const WIN32_FIND_DATAA*) { return e.name.size() < MAX_PATH; }

// The name part of a narrow pattern, as FindFirst splits the wide one: after the last
// separator, or after the drive of "C:name".
std::string NarrowNamePart(const std::string& pattern) {
    const auto pos = pattern.find_last_of("\\/");
    if (pos != std::string::npos) return pattern.substr(pos + 1);
    if (pattern.size() >= 2 && pattern[1] == ':') return pattern.substr(2);
    return pattern;
}

bool IsDriveRootDir(std::wstring_view dirPart) {
    if (dirPart == L"\\" || dirPart == L"/") return true;
    return dirPart.size() == 3 && dirPart[1] == L':' && (dirPart[2] == L'\\' || dirPart[2] == L'/');
}

// Pattern is split at its last separator: the directory is mapped like any path, the
// name part is matched against the directory's entries.
// narrow: the pattern as host bytes, for the ...A calls, so the directory part keeps its
// bytes exactly (the wide form would re-encode bytes that are not UTF-8).
template <typename Data>
HANDLE FindFirst(std::wstring_view pattern, const std::string* narrow, Data* data) {
    if (!data || pattern.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::wstring dirPart = win::DirectoryPart(pattern);
    std::wstring namePart = win::FileNamePart(pattern);
    if (dirPart.empty() && pattern.size() >= 2 && pattern[1] == L':') {
        namePart = std::wstring(pattern.substr(2));  // "C:name"
    }
    if (namePart.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::string hostDir = ".";
    if (!dirPart.empty()) {
        if (narrow) {
            const auto pos = narrow->find_last_of("\\/");
            hostDir = HostPathFromWindowsA(std::string_view(*narrow).substr(0, pos + 1));
        } else {
            hostDir = HostPathFromWindows(dirPart);
        }
    } else if (pattern.size() >= 2 && pattern[1] == L':') {
        hostDir = HostPathFromWindows(std::wstring(pattern.substr(0, 2)) + L"\\");
    }
    struct stat st {};
    if (::stat(hostDir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto state = std::make_unique<FindState>();
    const bool withDots = HasWildcard(namePart) && !IsDriveRootDir(dirPart) &&
                          !(dirPart.empty() && pattern.size() >= 2 && pattern[1] == L':');
    // A plain name that exists as spelt is that entry, as the path mapping takes it too;
    // only a pattern or a name of another case needs the directory's listing.
    const bool plainName = !HasWildcard(namePart) && namePart != L"." && namePart != L"..";
    if (plainName) {
        Entry exact;
        exact.name = narrow ? NarrowNamePart(*narrow) : Utf8FromWide(namePart);
        exact.wideName = WideFromUtf8(exact.name);
        if (StatEntry(JoinHost(hostDir, exact.name), exact.st)) state->entries.push_back(std::move(exact));
    }
    if (state->entries.empty() && !ListMatches(hostDir, namePart, withDots, state->entries)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    auto& entries = state->entries;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const Entry& e) { return !Fits(e, static_cast<Data*>(nullptr)); }),
                  entries.end());
    if (entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    Fill(entries[0], *data);
    state->next = 1;
    HANDLE h = state.get();
    std::lock_guard<std::mutex> lock(gFindMutex);
    gFinds.emplace(h, std::move(state));
    SetLastError(ERROR_SUCCESS);
    return h;
}

template <typename Data>
BOOL FindNext(HANDLE h, Data* data) {
    std::lock_guard<std::mutex> lock(gFindMutex);
    const auto it = gFinds.find(h);
    if (it == gFinds.end() || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    FindState& s = *it->second;
    if (s.next >= s.entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    Fill(s.entries[s.next++], *data);
    return TRUE;
}

// A host path cut to its last component.
void NameOfHostPath(std::string& name) {
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    const auto pos = name.find_last_of('/');
    if (pos != std::string::npos) name.erase(0, pos + 1);
}

// The entry at hostPath and its name; false, with the last error set, when it is missing.

bool StatHost(const std::string& hostPath, struct stat& st, std::string& name) {
    if (::stat(hostPath.c_str(), &st) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, hostPath));
        return false;
    }
    name = hostPath;
    NameOfHostPath(name);
    return true;
}

DWORD AttributesOfHost(const std::string& hostPath) {
    struct stat st {};
    std::string name;
    return StatHost(hostPath, st, name) ? AttributesOf(name, st) : INVALID_FILE_ATTRIBUTES;
}

BOOL CopyHost(const std::string& src, const std::string& dst, BOOL failIfExists) {
    struct stat srcSt {};
    if (::stat(src.c_str(), &srcSt) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, src));
        return FALSE;
    }
    struct stat dstSt {};
    if (::stat(dst.c_str(), &dstSt) == 0) {
        if (failIfExists) {
            SetLastError(ERROR_FILE_EXISTS);
            return FALSE;
        }
        if (S_ISDIR(dstSt.st_mode)) {
            SetLastError(ERROR_ACCESS_DENIED);
            return FALSE;
        }
        if (dstSt.st_dev == srcSt.st_dev && dstSt.st_ino == srcSt.st_ino) {
            SetLastError(ERROR_SHARING_VIOLATION);  // copying a file onto itself
            return FALSE;
        }
    }
    std::string bytes;
    if (!win::detail::ReadHost(src, bytes)) return FALSE;
    if (!win::detail::WriteAtomicHost(dst, bytes, static_cast<int>(srcSt.st_mode & 07777))) return FALSE;
    const timespec times[2] = {srcSt.st_atim, srcSt.st_mtim};
    ::utimensat(AT_FDCWD, dst.c_str(), times, 0);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL DeleteHost(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, path));
        return FALSE;
    }
    if (S_ISDIR(st.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (::unlink(path.c_str()) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, path));
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL CreateDirHost(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, path));
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

template <typename Char>
DWORD CopyOut(const std::basic_string<Char>& value, DWORD bufferLength, Char* buffer) {
    if (!buffer || bufferLength <= value.size()) return static_cast<DWORD>(value.size() + 1);
    std::copy(value.begin(), value.end(), buffer);
    buffer[value.size()] = 0;
    return static_cast<DWORD>(value.size());
}

std::string CurrentHostDir() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string("/");
}

void CollectRecursive(const std::string& hostDir, const std::wstring& winDir, std::wstring_view pattern,
                      bool includeDirectories, std::vector<std::wstring>& out) {
    std::vector<Entry> all;
    if (!ListMatches(hostDir, L"*", false, all)) return;
    for (const Entry& e : all) {
        if (S_ISDIR(e.st.st_mode) && !includeDirectories) continue;
        if (PatternMatches(pattern, e.wideName)) out.push_back(winDir + e.wideName);
    }
    for (const Entry& e : all) {
        struct stat lst {};
        const std::string child = JoinHost(hostDir, e.name);
        if (::lstat(child.c_str(), &lst) != 0 || !S_ISDIR(lst.st_mode)) continue;  // no links
        CollectRecursive(child, winDir + e.wideName + L"\\", pattern, includeDirectories, out);
    }
}

}  // namespace

namespace win::detail {

FILETIME FileTimeFromTimespec(const timespec& ts) {
    const auto ticks = (static_cast<std::uint64_t>(ts.tv_sec) + kEpochDifference) * 10000000ULL +
                       static_cast<std::uint64_t>(ts.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

timespec TimespecFromFileTime(const FILETIME& ft) {
    const std::uint64_t ticks = (static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    timespec ts {};
    const std::uint64_t secs = ticks / 10000000ULL;
    ts.tv_sec = static_cast<time_t>(static_cast<std::int64_t>(secs) - static_cast<std::int64_t>(kEpochDifference));
    ts.tv_nsec = static_cast<long>((ticks % 10000000ULL) * 100);
    return ts;
}

}  // namespace win::detail

LONG CompareFileTime(const FILETIME* a, const FILETIME* b) {
    const auto va = (static_cast<std::uint64_t>(a->dwHighDateTime) << 32) | a->dwLowDateTime;
    const auto vb = (static_cast<std::uint64_t>(b->dwHighDateTime) << 32) | b->dwLowDateTime;
    return va < vb ? -1 : va > vb ? 1 : 0;
}

HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data) {
    return FindFirst(pattern ? std::wstring_view(pattern) : std::wstring_view(), nullptr, data);
}

BOOL FindNextFileW(HANDLE find, WIN32_FIND_DATAW* data) { return FindNext(find, data); }

// Narrow patterns are host bytes; decoding them as UTF-8 keeps every byte (invalid ones
// become characters of the same value, which the listing compares the same way).
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* data) {
    const std::string narrow = pattern ? pattern : "";
    return FindFirst(WideFromUtf8(narrow), &narrow, data);
}

BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data) { return FindNext(find, data); }

BOOL FindClose(HANDLE find) {
    std::lock_guard<std::mutex> lock(gFindMutex);
    if (gFinds.erase(find) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

DWORD GetFileAttributesW(LPCWSTR path) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    return AttributesOfHost(HostPathFromWindows(path));
}

DWORD GetFileAttributesA(LPCSTR path) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    return AttributesOfHost(HostPathFromWindowsA(path));
}

BOOL GetFileAttributesExW(LPCWSTR path, GET_FILEEX_INFO_LEVELS level, WIN32_FILE_ATTRIBUTE_DATA* data) {
    if (!path || !*path || !data || level != GetFileExInfoStandard) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    struct stat st {};
    std::string name;
    if (!win::detail::StatWindowsPath(path, name, st)) {
        SetLastError(win::detail::ErrorFromErrno(errno, name));
        return FALSE;
    }
    NameOfHostPath(name);
    FillAttributeData(name, st, *data);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL PathFileExistsW(LPCWSTR path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }
BOOL PathFileExistsA(LPCSTR path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

BOOL CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists) {
    if (!existing || !target) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return CopyHost(HostPathFromWindows(existing), HostPathFromWindows(target), failIfExists);
}

BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists) {
    if (!existing || !target) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return CopyHost(HostPathFromWindowsA(existing), HostPathFromWindowsA(target), failIfExists);
}

BOOL DeleteFileW(LPCWSTR path) {
    if (!path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return DeleteHost(HostPathFromWindows(path));
}

BOOL DeleteFileA(LPCSTR path) {
    if (!path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return DeleteHost(HostPathFromWindowsA(path));
}

BOOL MoveFileW(LPCWSTR existing, LPCWSTR target) {
    if (!existing || !target) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string src = HostPathFromWindows(existing), dst = HostPathFromWindows(target);
    struct stat st {};
    if (::lstat(src.c_str(), &st) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, src));
        return FALSE;
    }
    if (::lstat(dst.c_str(), &st) == 0) {
        SetLastError(ERROR_ALREADY_EXISTS);
        return FALSE;
    }
    if (::rename(src.c_str(), dst.c_str()) != 0) {
        SetLastError(errno == EXDEV ? ERROR_NOT_SAME_DEVICE : win::detail::ErrorFromErrno(errno, dst));
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL CreateDirectoryW(LPCWSTR path, void*) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return CreateDirHost(HostPathFromWindows(path));
}

BOOL CreateDirectoryA(LPCSTR path, void*) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return CreateDirHost(HostPathFromWindowsA(path));
}

BOOL RemoveDirectoryW(LPCWSTR path) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string host = HostPathFromWindows(path);
    if (::rmdir(host.c_str()) != 0) {
        SetLastError(errno == ENOTDIR ? ERROR_DIRECTORY_INVALID : win::detail::ErrorFromErrno(errno, host));
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer) {
    return CopyOut(WindowsPathFromHost(CurrentHostDir()), bufferLength, buffer);
}

DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer) {
    return CopyOut(WindowsPathFromHostA(CurrentHostDir()), bufferLength, buffer);
}

BOOL SetCurrentDirectoryW(LPCWSTR path) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::string host = HostPathFromWindows(path);
    if (::chdir(host.c_str()) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, host));
        return FALSE;
    }
    return TRUE;
}

DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
    const char* t = std::getenv("TMPDIR");
    std::wstring path = WindowsPathFromHost((t && *t) ? t : "/tmp");
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return CopyOut(path, bufferLength, buffer);
}

BOOL GetFileLastWriteTime(std::wstring_view path, FILETIME& time) {
    const std::string host = HostPathFromWindows(path);
    struct stat st {};
    if (::stat(host.c_str(), &st) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, host));
        return FALSE;
    }
    time = win::detail::FileTimeFromTimespec(st.st_mtim);
    return TRUE;
}

BOOL SetFileLastWriteTime(std::wstring_view path, const FILETIME& time) {
    const std::string host = HostPathFromWindows(path);
    const timespec times[2] = {{0, UTIME_OMIT}, win::detail::TimespecFromFileTime(time)};
    if (::utimensat(AT_FDCWD, host.c_str(), times, 0) != 0) {
        SetLastError(win::detail::ErrorFromErrno(errno, host));
        return FALSE;
    }
    return TRUE;
}

std::vector<std::wstring> FindFilesRecursive(std::wstring_view dir, std::wstring_view pattern,
                                             bool includeDirectories) {
    std::vector<std::wstring> out;
    std::wstring winDir(dir);
    if (!winDir.empty() && winDir.back() != L'\\' && winDir.back() != L'/') winDir += L'\\';
    const std::string hostDir = winDir.empty() ? std::string(".") : HostPathFromWindows(winDir);
    struct stat st {};
    if (::stat(hostDir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return out;
    CollectRecursive(hostDir, winDir, pattern.empty() ? std::wstring_view(L"*") : pattern,
                     includeDirectories, out);
    return out;
}
