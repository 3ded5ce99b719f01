#include "host/files.h"

#include <algorithm>
#include <string>

#include "acad/command_line.h"
#include "host/list_utils.h"
#include "win/files.h"
#include "win/paths.h"

namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

Zk_String decodeText(std::string_view bytes) {
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return Zk_String::fromUtf8(bytes);
}

// Splits text into lines at LF, CR LF or a lone CR; a final line break ends the last
// line and does not start an empty one.
Zk_StringArray splitLines(const Zk_String& text) {
    Zk_StringArray lines;
    const std::wstring& s = text.wstr();
    std::size_t from = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'\n' || s[i] == L'\r') {
            lines.append(Zk_String(s.substr(from, i - from)));
            if (s[i] == L'\r' && i + 1 < s.size() && s[i + 1] == L'\n') ++i;
            from = i + 1;
        }
    }
    if (from < s.size()) lines.append(Zk_String(s.substr(from)));
    return lines;
}

std::string joinLines(const Zk_StringArray& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool isDirectory(const Zk_String& path) {
    const DWORD attr = GetFileAttributesW(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool listFolder(const Zk_String& folder, const Zk_String& pattern, bool wantDirs, Zk_StringArray& names) {
    if (!isDirectory(folder)) return false;
    const Zk_String pat = pattern.isEmpty() ? Zk_String(L"*") : pattern;
    WIN32_FIND_DATAW data;
    Zk_StringArray found;
    HANDLE h = FindFirstFileW(joinPath(folder, pat).c_str(), &data);
    if (h != nullptr && h != INVALID_HANDLE_VALUE) {
        do {
            const Zk_String name(data.cFileName);
            const bool dir = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (name == L"." || name == L"..") continue;
            if (dir == wantDirs) found.append(name);
        } while (FindNextFileW(h, &data));
        FindClose(h);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Zk_String& a, const Zk_String& b) { return a.compare(b, true) < 0; });
    names = std::move(found);
    return true;
}

}  // namespace

bool readTextFile(const Zk_String& path, Zk_String& text) {
    std::string bytes;
    if (!ReadFileBytes(path.wstr(), bytes, kMaxTextFileBytes)) {
        if (lastReadWasTooLarge())
            acutPrintf(L"*Error* File too large (more than %s bytes): %s\n",
                       std::to_wstring(kMaxTextFileBytes).c_str(), path.c_str());
        return false;
    }
    text = decodeText(bytes);
    return true;
}

bool lastReadWasTooLarge() { return GetLastError() == static_cast<DWORD>(ERROR_FILE_TOO_LARGE); }

bool writeTextFile(const Zk_String& path, const Zk_String& text) {
    return WriteFileAtomic(path.wstr(), text.toUtf8());
}

bool ObjectExportReadFile(const Zk_String& path, Zk_StringArray& lines) {
    Zk_String text;
    if (!readTextFile(path, text)) return false;
    lines = splitLines(text);
    return true;
}

bool ObjectExportWriteFile(const Zk_String& path, const Zk_StringArray& lines) {
    return WriteFileAtomic(path.wstr(), joinLines(lines));
}

bool readFile(const Zk_String& path, Zk_Array<Zk_StringArray>& rows, wchar_t separator) {
    Zk_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) return false;
    Zk_Array<Zk_StringArray> out;
    const Zk_String sep(separator);
    for (const auto& line : lines) {
        if (line.isEmpty()) out.append(Zk_StringArray());
        else out.append(strToArr(line, sep, false, false));
    }
    rows = std::move(out);
    return true;
}

bool writeFile(const Zk_String& path, const Zk_Array<Zk_StringArray>& rows, wchar_t separator) {
    Zk_StringArray lines;
    for (const auto& row : rows) {
        Zk_String line;
        for (int i = 0; i < row.length(); ++i) {
            if (i > 0) line += separator;
            line += row[i];
        }
        lines.append(line);
    }
    return ObjectExportWriteFile(path, lines);
}

bool ObjectExportFindFiles(const Zk_String& folder, const Zk_String& pattern, Zk_StringArray& files,
                           bool fullPaths) {
    Zk_StringArray names;
    if (!listFolder(folder, pattern, false, names)) return false;
    if (fullPaths)
        for (auto& name : names) name = joinPath(folder, name);
    files = std::move(names);
    return true;
}

bool ObjectExportFindFilesRecursive(const Zk_String& folder, const Zk_String& pattern, Zk_StringArray& files) {
    if (!isDirectory(folder)) return false;
    const Zk_String pat = pattern.isEmpty() ? Zk_String(L"*") : pattern;
    Zk_StringArray found;
    for (const auto& p : FindFilesRecursive(addBackslash(folder).wstr(), pat.wstr())) found.append(Zk_String(p));
    std::stable_sort(found.begin(), found.end(),
                     [](const Zk_String& a, const Zk_String& b) { return a.compare(b, true) < 0; });
    files = std::move(found);
    return true;
}

bool findSubFolders(const Zk_String& folder, Zk_StringArray& names) { return listFolder(folder, L"*", true, names); }

bool ObjectExportGetFileTime(const Zk_String& path, std::int64_t& fileTime) {
    FILETIME ft;
    if (!GetFileLastWriteTime(path.wstr(), ft)) return false;
    fileTime = static_cast<std::int64_t>((static_cast<std::uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    return true;
}

bool fileExists(const Zk_String& path) {
    const DWORD attr = GetFileAttributesW(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool folderExists(const Zk_String& path) { return isDirectory(path); }

bool deleteFile(const Zk_String& path) { return DeleteFileW(path.c_str()) != FALSE; }

bool copyFile(const Zk_String& from, const Zk_String& to, bool overwrite) {
    return CopyFileW(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != FALSE;
}

bool createFolder(const Zk_String& path) {
    if (path.isEmpty()) return false;
    if (isDirectory(path)) return true;
    // Create the parents first, from the top down.
    Zk_String trimmed = path;
    while (trimmed.length() > 1 && isSeparator(trimmed[trimmed.length() - 1])) trimmed.remove(trimmed.length() - 1);
    const Zk_String parent = getFolder(trimmed);
    if (!parent.isEmpty() && parent != trimmed && !(parent.length() <= 3 && parent[1] == L':'))
        if (!isDirectory(parent) && !createFolder(parent)) return false;
    return CreateDirectoryW(trimmed.c_str(), nullptr) != FALSE || isDirectory(trimmed);
}

Zk_String getFileName(const Zk_String& path) {
    for (int i = path.length() - 1; i >= 0; --i)
        if (isSeparator(path[i]) || (i == 1 && path[i] == L':')) return path.mid(i + 1);
    return path;
}

Zk_String getFolder(const Zk_String& path) {
    const Zk_String name = getFileName(path);
    return path.left(path.length() - name.length());
}

Zk_String getFileExtension(const Zk_String& path) {
    const Zk_String name = getFileName(path);
    const int dot = name.findLast(L'.');
    return dot <= 0 ? Zk_String() : name.mid(dot + 1);
}

Zk_String removeFileExtension(const Zk_String& path) {
    const Zk_String name = getFileName(path);
    const int dot = name.findLast(L'.');
    if (dot <= 0) return path;
    return path.left(path.length() - (name.length() - dot));
}

Zk_String getFileTitle(const Zk_String& path) { return removeFileExtension(getFileName(path)); }

Zk_String changeFileExtension(const Zk_String& path, const Zk_String& ext) {
    Zk_String base = removeFileExtension(path);
    if (ext.isEmpty()) return base;
    if (ext[0] != L'.') base += L'.';
    return base + ext;
}

bool hasFileExtension(const Zk_String& path, const Zk_String& ext) {
    const Zk_String e = !ext.isEmpty() && ext[0] == L'.' ? ext.mid(1) : ext;
    return getFileExtension(path).equal(e, true);
}

Zk_String addBackslash(const Zk_String& folder) {
    if (folder.isEmpty() || isSeparator(folder[folder.length() - 1])) return folder;
    return folder + L'\\';
}

Zk_String joinPath(const Zk_String& folder, const Zk_String& name) {
    if (folder.isEmpty()) return name;
    Zk_String rest = name;
    while (!rest.isEmpty() && isSeparator(rest[0])) rest.remove(0);
    return addBackslash(folder) + rest;
}

bool isAbsolutePath(const Zk_String& path) {
    if (path.length() >= 2 && path[1] == L':') return true;
    return !path.isEmpty() && isSeparator(path[0]);
}
