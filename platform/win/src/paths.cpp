#include "win/paths.h"

#include "host_fs.h"
#include "win/encoding.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

bool IsSep(char c) { return c == '\\' || c == '/'; }
bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string TempDir() {
    const char* t = std::getenv("TMPDIR");
    std::string dir = (t && *t) ? t : "/tmp";
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

bool Exists(const std::string& hostPath) {
    struct stat st {};
    return ::lstat(hostPath.c_str(), &st) == 0;
}

// The name of an entry of dir that equals name without regard to case; empty when none.
// Several candidates: the one first in byte order, so the choice is stable.
std::string MatchNoCase(const std::string& dir, const std::string& name) {
    const auto entries = win::detail::DirectoryNames(dir);
    if (!entries) return {};
    const std::wstring wanted = WideFromUtf8(name);
    std::vector<std::string> found;
    for (const std::string& entry : *entries)
        if (EqualNoCase(WideFromUtf8(entry), wanted)) found.push_back(entry);
    if (found.empty()) return {};
    return *std::min_element(found.begin(), found.end());
}

std::string Join(const std::string& base, const std::string& name) {
    if (base.empty()) return name;
    if (base.back() == '/') return base + name;
    return base + "/" + name;
}

}  // namespace

namespace win {

std::string DriveRoot(wchar_t letter) {
    const char upper = static_cast<char>(FoldCase(letter) - 32);
    const std::string var = std::string("TQ_DRIVE_") + upper;
    std::string root;
    if (const char* v = std::getenv(var.c_str()); v && *v) {
        root = v;
    } else if (upper == 'Z') {
        root = "/";
    } else {
        const char* r = std::getenv("TQ_DRIVES_ROOT");
        root = (r && *r) ? std::string(r) : TempDir() + "/tq_drives";
        while (root.size() > 1 && root.back() == '/') root.pop_back();
        root += "/";
        root += static_cast<char>(upper + 32);
    }
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    return root;
}

std::wstring FileNamePart(std::wstring_view winPath) {
    const auto pos = winPath.find_last_of(L"\\/");
    return std::wstring(pos == std::wstring_view::npos ? winPath : winPath.substr(pos + 1));
}

std::wstring DirectoryPart(std::wstring_view winPath) {
    const auto pos = winPath.find_last_of(L"\\/");
    return pos == std::wstring_view::npos ? std::wstring() : std::wstring(winPath.substr(0, pos + 1));
}

}  // namespace win

namespace {

// A Windows path taken apart lexically ("." and ".." resolved as Windows does), and the
// host path it names when it exists exactly as spelt.
struct LexicalPath {
    std::string root;  // empty: relative to the current directory
    std::vector<std::string> parts;
    bool trailingSep = false;
    std::string spelt;
};

LexicalPath Lexical(std::string_view path) {
    LexicalPath l;
    std::size_t i = 0;
    if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
        l.root = win::DriveRoot(static_cast<wchar_t>(path[0]));
        i = 2;
    } else if (!path.empty() && IsSep(path[0])) {
        l.root = "/";
    }
    l.trailingSep = !path.empty() && IsSep(path.back());
    while (i < path.size()) {
        while (i < path.size() && IsSep(path[i])) ++i;
        std::size_t j = i;
        while (j < path.size() && !IsSep(path[j])) ++j;
        if (j == i) break;
        std::string part(path.substr(i, j - i));
        i = j;
        if (part == ".") continue;
        if (part == "..") {
            if (!l.parts.empty() && l.parts.back() != "..") l.parts.pop_back();
            else if (l.root.empty()) l.parts.push_back(part);  // relative: may climb above the current directory
            continue;
        }
        l.parts.push_back(std::move(part));
    }
    l.spelt = l.root;
    for (const std::string& part : l.parts) l.spelt = Join(l.spelt, part);
    return l;
}

std::string Finished(std::string out, bool trailingSep) {
    if (out.empty()) out = ".";
    if (trailingSep && out.back() != '/') out += '/';
    return out;
}

// Components matched without case where the exact name does not exist.
std::string ResolvedNoCase(const LexicalPath& l) {
    std::string out = l.root;
    bool resolving = true;
    for (const std::string& part : l.parts) {
        std::string candidate = Join(out, part);
        if (resolving && part != ".." && !Exists(candidate)) {
            const std::string actual = MatchNoCase(out, part);
            if (!actual.empty()) {
                candidate = Join(out, actual);
            } else {
                resolving = false;  // nothing below a missing component can exist
            }
        }
        out = std::move(candidate);
    }
    return Finished(std::move(out), l.trailingSep);
}

}  // namespace

std::string HostPathFromWindowsA(std::string_view path) {
    LexicalPath l = Lexical(path);
    // A path that exists as spelt is its own match throughout (one look-up instead of one
    // a component).
    if (l.parts.empty() || Exists(l.spelt)) return Finished(std::move(l.spelt), l.trailingSep);
    return ResolvedNoCase(l);
}

namespace win::detail {

bool StatWindowsPath(std::wstring_view winPath, std::string& hostPath, struct stat& st) {
    LexicalPath l = Lexical(Utf8FromWide(winPath));
    hostPath = Finished(l.spelt, l.trailingSep);
    if (::stat(hostPath.c_str(), &st) == 0) return true;
    if (l.parts.empty()) return false;
    hostPath = ResolvedNoCase(l);
    return ::stat(hostPath.c_str(), &st) == 0;
}

}  // namespace win::detail

std::string HostPathFromWindows(std::wstring_view winPath) {
    return HostPathFromWindowsA(Utf8FromWide(winPath));
}

std::string WindowsPathFromHostA(std::string_view hostPath) {
    std::string out;
    std::string_view rest = hostPath;
    if (!hostPath.empty() && hostPath[0] == '/') {
        // The drive whose root is the longest prefix of the path at a component boundary.
        char drive = 'Z';
        std::size_t best = 0;
        for (char letter = 'A'; letter <= 'Y'; ++letter) {
            const std::string root = win::DriveRoot(static_cast<wchar_t>(letter));
            if (root == "/" || root.size() <= best) continue;
            if (hostPath.substr(0, root.size()) == root &&
                (hostPath.size() == root.size() || hostPath[root.size()] == '/')) {
                drive = letter;
                best = root.size();
            }
        }
        if (best == 0) {
            const std::string zRoot = win::DriveRoot(L'Z');
            if (zRoot != "/" && hostPath.substr(0, zRoot.size()) == zRoot &&
                (hostPath.size() == zRoot.size() || hostPath[zRoot.size()] == '/'))
                best = zRoot.size();
        }
        out += drive;
        out += ':';
        rest = hostPath.substr(best);
        if (rest.empty()) return out + "\\";
    }
    bool lastSep = false;
    for (char c : rest) {
        const bool sep = c == '/';
        if (sep && lastSep) continue;
        out += sep ? '\\' : c;
        lastSep = sep;
    }
    return out;
}

std::wstring WindowsPathFromHost(std::string_view hostPath) {
    return WideFromUtf8(WindowsPathFromHostA(hostPath));
}
