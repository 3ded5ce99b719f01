// File helpers. Paths are Windows paths ("C:\a\b.txt", "Z:\..." for host absolute
// paths, relative paths against the current folder). Texts are UTF-8 (a leading
// byte-order mark is skipped); lines end in CR LF when written and in LF or CR LF when
// read. Every write replaces the file atomically: a failure leaves the old file intact.
#pragma once

#include <cstdint>

#include "host/zk_array.h"
#include "host/zk_string.h"

// Every text file read through the functions below (mapping, macro, section table,
// language, settings and dialog state files) is read whole; one larger than this is
// refused before it is read: the read fails, the output is left as it was, and
// "*Error* File too large (more than 16777216 bytes): <path>" goes to the command line.
constexpr std::uint64_t kMaxTextFileBytes = 16u * 1024u * 1024u;

// A file as rows of fields separated by separator (a tab by default). An empty line
// gives an empty row. False when the file cannot be read.
bool readFile(const Zk_String& path, Zk_Array<Zk_StringArray>& rows, wchar_t separator = L'\t');
bool writeFile(const Zk_String& path, const Zk_Array<Zk_StringArray>& rows, wchar_t separator = L'\t');

// A file as lines. False when the file cannot be read or written.
bool ObjectExportReadFile(const Zk_String& path, Zk_StringArray& lines);
bool ObjectExportWriteFile(const Zk_String& path, const Zk_StringArray& lines);
// Whole text of a file.
bool readTextFile(const Zk_String& path, Zk_String& text);
// After a failed read: whether it failed because the file is larger than
// kMaxTextFileBytes (GetLastError is ERROR_FILE_TOO_LARGE).
bool lastReadWasTooLarge();
bool writeTextFile(const Zk_String& path, const Zk_String& text);

// The files of folder matching pattern ("*.kms"; "*" or empty: all), sorted by name
// without case; folders are not listed. fullPaths gives folder + name, else names.
// False when the folder does not exist.
bool ObjectExportFindFiles(const Zk_String& folder, const Zk_String& pattern, Zk_StringArray& files,
                           bool fullPaths = true);
// As above through every sub-folder, always full paths, sorted.
bool ObjectExportFindFilesRecursive(const Zk_String& folder, const Zk_String& pattern,
                                    Zk_StringArray& files);
// The sub-folders of folder (names), sorted.
bool findSubFolders(const Zk_String& folder, Zk_StringArray& names);
// Last write time as 100-ns ticks since 1601-01-01 (the Windows file time).
bool ObjectExportGetFileTime(const Zk_String& path, std::int64_t& fileTime);

bool fileExists(const Zk_String& path);
bool folderExists(const Zk_String& path);
bool deleteFile(const Zk_String& path);
bool copyFile(const Zk_String& from, const Zk_String& to, bool overwrite = true);
// Creates the folder and the missing folders above it.
bool createFolder(const Zk_String& path);

// Path pieces ("\" and "/" both separate):
Zk_String getFileName(const Zk_String& path);         // "C:\a\b.kms" -> "b.kms"
Zk_String getFileTitle(const Zk_String& path);        // -> "b"
Zk_String getFileExtension(const Zk_String& path);    // -> "kms" (no dot; empty when none)
Zk_String getFolder(const Zk_String& path);           // -> "C:\a\" (empty when none)
Zk_String removeFileExtension(const Zk_String& path); // -> "C:\a\b"
// Replaces (or adds) the extension; ext with or without its dot, empty removes it.
Zk_String changeFileExtension(const Zk_String& path, const Zk_String& ext);
bool hasFileExtension(const Zk_String& path, const Zk_String& ext); // case ignored
Zk_String addBackslash(const Zk_String& folder);      // ends in "\" (empty stays empty)
Zk_String joinPath(const Zk_String& folder, const Zk_String& name);
bool isAbsolutePath(const Zk_String& path);           // "X:\...", "\\server\..." or "\..."
