// Files, directories and pattern search over Windows paths (see win/paths.h for how a
// Windows path maps to the host). Every call sets GetLastError on failure.
//
// Every write the product makes goes through WriteFileAtomic: the bytes go to a temporary
// file beside the target, which then replaces the target by a rename, so a failure at any
// point leaves the old file byte-identical. Tests can make it fail on purpose
// (win/file_faults.h).
#pragma once

#include "win/module.h"
#include "win/types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFFu;

// 100-nanosecond intervals since 1 January 1601 (UTC).
struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};
// -1, 0 or 1 as a is earlier than, equal to or later than b.
LONG CompareFileTime(const FILETIME* a, const FILETIME* b);

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    DWORD dwReserved0 = 0;
    DWORD dwReserved1 = 0;
    WCHAR cFileName[MAX_PATH] = {};
    WCHAR cAlternateFileName[14] = {};
};
struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    DWORD dwReserved0 = 0;
    DWORD dwReserved1 = 0;
    char cFileName[MAX_PATH] = {};
    char cAlternateFileName[14] = {};
};

// Pattern search. The last component of the path may hold "*" (any run of characters)
// and "?" (one character); names match without regard to case; "*.*" matches every
// name. Files and directories are found alike; a "*"-style pattern in a directory other
// than a drive root also yields "." and "..", as on Windows. Entries come sorted by name
// (case-insensitive). No match: INVALID_HANDLE_VALUE with ERROR_FILE_NOT_FOUND; missing
// directory: ERROR_PATH_NOT_FOUND. Names that do not fit MAX_PATH are skipped.
HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* data);
BOOL FindNextFileW(HANDLE find, WIN32_FIND_DATAW* data);  // FALSE + ERROR_NO_MORE_FILES at the end
HANDLE FindFirstFileA(LPCSTR pattern, WIN32_FIND_DATAA* data);
BOOL FindNextFileA(HANDLE find, WIN32_FIND_DATAA* data);
BOOL FindClose(HANDLE find);

DWORD GetFileAttributesW(LPCWSTR path);  // INVALID_FILE_ATTRIBUTES when missing
// Attributes, times and size of one file or directory (no search); FALSE when missing.
struct WIN32_FILE_ATTRIBUTE_DATA {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
};
enum GET_FILEEX_INFO_LEVELS { GetFileExInfoStandard = 0 };
BOOL GetFileAttributesExW(LPCWSTR path, GET_FILEEX_INFO_LEVELS level, WIN32_FILE_ATTRIBUTE_DATA* data);
DWORD GetFileAttributesA(LPCSTR path);
BOOL PathFileExistsW(LPCWSTR path);  // file or directory
BOOL PathFileExistsA(LPCSTR path);

// Copies the bytes (through WriteFileAtomic) and the last write time. With failIfExists an
// existing target fails with ERROR_FILE_EXISTS and is left alone.
BOOL CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists);
BOOL CopyFileA(LPCSTR existing, LPCSTR target, BOOL failIfExists);
BOOL DeleteFileW(LPCWSTR path);  // files only; a directory fails with ERROR_ACCESS_DENIED
BOOL DeleteFileA(LPCSTR path);
BOOL MoveFileW(LPCWSTR existing, LPCWSTR target);  // fails when the target exists
BOOL CreateDirectoryW(LPCWSTR path, void* securityAttributes);  // ERROR_ALREADY_EXISTS, ERROR_PATH_NOT_FOUND
BOOL CreateDirectoryA(LPCSTR path, void* securityAttributes);
BOOL RemoveDirectoryW(LPCWSTR path);  // empty directories only

// The current directory in Windows form, without trailing "\" except at a root; the
// result is the length written (without the terminator), or the size needed when the
// buffer is too small.
DWORD GetCurrentDirectoryW(DWORD bufferLength, LPWSTR buffer);
DWORD GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer);
BOOL SetCurrentDirectoryW(LPCWSTR path);
// The temporary folder in Windows form, ending in "\".
DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer);

BOOL GetFileLastWriteTime(std::wstring_view path, FILETIME& time);
BOOL SetFileLastWriteTime(std::wstring_view path, const FILETIME& time);

// Every file matching pattern ("*.kms"; see FindFirstFileW) in dir and all directories
// below it, as full Windows paths (dir + relative path), sorted per directory, a
// directory's own matches before its sub-directories'. "." and ".." are never listed;
// directories are listed only when includeDirectories is set. A missing dir gives an
// empty list. Symbolic links to directories are not followed.
std::vector<std::wstring> FindFilesRecursive(std::wstring_view dir, std::wstring_view pattern,
                                             bool includeDirectories = false);

// No size limit for ReadFileBytes.
constexpr std::uint64_t kNoFileSizeLimit = ~std::uint64_t{0};
// The whole file; false (with GetLastError set) when it is missing or unreadable, and
// with ERROR_FILE_TOO_LARGE when it holds more than maxBytes (checked before anything is
// read, and again while reading in case the file grows); bytes is then left unchanged.
bool ReadFileBytes(std::wstring_view winPath, std::string& bytes, std::uint64_t maxBytes = kNoFileSizeLimit);
bool ReadFileBytesA(std::string_view winPath, std::string& bytes, std::uint64_t maxBytes = kNoFileSizeLimit);
// Temporary file beside the target, flushed, then renamed over it. On failure the
// target is unchanged, the temporary file removed, GetLastError set (ERROR_PATH_NOT_FOUND
// for a missing folder, ERROR_DISK_FULL, ERROR_WRITE_FAULT, ERROR_ACCESS_DENIED, ...).
// The folder is not created. A new file gets mode 0666 less the umask; an existing one
// keeps its mode.
bool WriteFileAtomic(std::wstring_view winPath, std::string_view bytes);
bool WriteFileAtomicA(std::string_view winPath, std::string_view bytes);
