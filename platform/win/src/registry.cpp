// The registry over a plain text file (format and location in win/registry.h).
#include "win/registry.h"

#include "host_fs.h"
#include "win/encoding.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <sstream>

namespace {

struct Value {
    std::wstring name;  // as first written
    DWORD type = REG_SZ;
    std::wstring text;
    DWORD number = 0;
};

struct Key {
    std::wstring path;  // rooted, as first written
    std::map<std::wstring, Value> values;  // by folded name
};

struct Registry {
    std::string file;
    bool loaded = false;
    std::map<std::wstring, Key> keys;  // by folded rooted path
    std::map<HKEY, std::wstring> open;  // handle -> folded rooted path
    std::uintptr_t nextHandle = 0x1000;
};

std::recursive_mutex gMutex;
Registry gReg;

std::wstring Fold(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out) c = FoldCase(c);
    return out;
}

const wchar_t* RootName(HKEY root) {
    if (root == HKEY_CLASSES_ROOT) return L"HKEY_CLASSES_ROOT";
    if (root == HKEY_CURRENT_USER) return L"HKEY_CURRENT_USER";
    if (root == HKEY_LOCAL_MACHINE) return L"HKEY_LOCAL_MACHINE";
    if (root == HKEY_USERS) return L"HKEY_USERS";
    return nullptr;
}

// Rooted path without empty components ("HKEY_LOCAL_MACHINE\Software\X").
std::wstring CleanPath(std::wstring_view path) {
    std::wstring out;
    std::size_t i = 0;
    while (i < path.size()) {
        while (i < path.size() && path[i] == L'\\') ++i;
        std::size_t j = i;
        while (j < path.size() && path[j] != L'\\') ++j;
        if (j > i) {
            if (!out.empty()) out += L'\\';
            out.append(path.substr(i, j - i));
        }
        i = j;
    }
    return out;
}

std::string DefaultFile() {
    if (const char* v = std::getenv("TQ_REGISTRY_FILE"); v && *v) return v;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return std::string(x) + "/kelmora/registry.txt";
    if (const char* h = std::getenv("HOME"); h && *h) return std::string(h) + "/.config/kelmora/registry.txt";
    const char* t = std::getenv("TMPDIR");
    return std::string((t && *t) ? t : "/tmp") + "/kelmora_registry.txt";
}

std::wstring Unquote(std::wstring_view s, std::size_t& i, bool& ok) {
    std::wstring out;
    ok = false;
    if (i >= s.size() || s[i] != L'"') return out;
    for (++i; i < s.size(); ++i) {
        if (s[i] == L'"') {
            ++i;
            ok = true;
            return out;
        }
        if (s[i] == L'\\' && i + 1 < s.size()) {
            ++i;
            out += s[i] == L'n' ? L'\n' : s[i];
        } else {
            out += s[i];
        }
    }
    return out;
}

std::wstring Quote(std::wstring_view s) {
    std::wstring out = L"\"";
    for (wchar_t c : s) {
        if (c == L'\\' || c == L'"') out += L'\\', out += c;
        else if (c == L'\n') out += L"\\n";
        else out += c;
    }
    return out + L"\"";
}

void Parse(const std::string& bytes) {
    std::wstring current;
    std::istringstream in(bytes);
    std::string raw;
    while (std::getline(in, raw)) {
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::wstring line = WideFromUtf8(raw);
        if (line.empty() || line[0] == L';') continue;
        if (line[0] == L'[') {
            const auto end = line.rfind(L']');
            current = end == std::wstring::npos ? std::wstring() : CleanPath(line.substr(1, end - 1));
            if (!current.empty()) {
                Key& key = gReg.keys[Fold(current)];
                if (key.path.empty()) key.path = current;
            }
            continue;
        }
        if (current.empty()) continue;
        std::size_t i = 0;
        std::wstring name;
        if (line[0] == L'@') {
            i = 1;
        } else {
            bool ok = false;
            name = Unquote(line, i, ok);
            if (!ok) continue;
        }
        if (i >= line.size() || line[i] != L'=') continue;
        ++i;
        Value value;
        value.name = name;
        if (i < line.size() && line[i] == L'"') {
            bool ok = false;
            value.text = Unquote(line, i, ok);
            if (!ok) continue;
            value.type = REG_SZ;
        } else if (line.compare(i, 6, L"dword:") == 0 && line.size() - i - 6 >= 1 && line.size() - i - 6 <= 8) {
            const std::string hex = Utf8FromWide(line.substr(i + 6));
            char* end = nullptr;
            const unsigned long v = std::strtoul(hex.c_str(), &end, 16);
            if (!end || *end) continue;
            value.type = REG_DWORD;
            value.number = static_cast<DWORD>(v);
        } else {
            continue;
        }
        gReg.keys[Fold(current)].values[Fold(name)] = value;
    }
}

void EnsureLoaded() {
    const std::string file = DefaultFile();
    if (gReg.loaded && file == gReg.file) return;
    gReg.keys.clear();
    gReg.file = file;
    gReg.loaded = true;
    std::string bytes;
    if (win::detail::ReadHost(file, bytes)) Parse(bytes);
}

std::string Serialise(const std::map<std::wstring, Key>& keys) {
    std::wstring out;
    for (const auto& [folded, key] : keys) {
        out += L"[" + key.path + L"]\n";
        for (const auto& [vf, v] : key.values) {
            out += v.name.empty() ? std::wstring(L"@") : Quote(v.name);
            out += L"=";
            if (v.type == REG_DWORD) {
                wchar_t hex[16];
                std::swprintf(hex, 16, L"dword:%08x", static_cast<unsigned>(v.number));
                out += hex;
            } else {
                out += Quote(v.text);
            }
            out += L"\n";
        }
        out += L"\n";
    }
    return Utf8FromWide(out);
}

void MakeParents(const std::string& file) {
    for (std::size_t pos = file.find('/', 1); pos != std::string::npos; pos = file.find('/', pos + 1))
        ::mkdir(file.substr(0, pos).c_str(), 0777);
}

// Stores value in key (folded path) and rewrites the file; nothing changes when that fails.
LONG Store(const std::wstring& displayPath, Value value) {
    EnsureLoaded();
    auto keys = gReg.keys;
    Key& key = keys[Fold(displayPath)];
    if (key.path.empty()) key.path = displayPath;
    key.values[Fold(value.name)] = std::move(value);
    MakeParents(gReg.file);
    if (!win::detail::WriteAtomicHost(gReg.file, Serialise(keys))) return ERROR_WRITE_FAULT;
    gReg.keys = std::move(keys);
    return ERROR_SUCCESS;
}

// The folded rooted path a handle stands for; empty when unknown.
std::wstring PathOf(HKEY key, std::wstring* display = nullptr) {
    if (const wchar_t* root = RootName(key)) {
        if (display) *display = root;
        return Fold(root);
    }
    const auto it = gReg.open.find(key);
    if (it == gReg.open.end()) return {};
    if (display) {
        const auto k = gReg.keys.find(it->second);
        *display = k != gReg.keys.end() ? k->second.path : it->second;
    }
    return it->second;
}

bool KeyExists(const std::wstring& folded) {
    if (folded.find(L'\\') == std::wstring::npos) return true;  // a root
    if (gReg.keys.count(folded)) return true;
    const std::wstring prefix = folded + L"\\";
    const auto it = gReg.keys.lower_bound(prefix);
    return it != gReg.keys.end() && it->first.compare(0, prefix.size(), prefix) == 0;
}

const Value* FindValue(HKEY key, std::wstring_view name, LONG& error) {
    EnsureLoaded();
    const std::wstring path = PathOf(key);
    if (path.empty()) {
        error = ERROR_INVALID_HANDLE;
        return nullptr;
    }
    const auto k = gReg.keys.find(path);
    if (k == gReg.keys.end()) {
        error = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    const auto v = k->second.values.find(Fold(name));
    if (v == k->second.values.end()) {
        error = ERROR_FILE_NOT_FOUND;
        return nullptr;
    }
    error = ERROR_SUCCESS;
    return &v->second;
}

// Copies bytes out as Win32 does: size query, too small, or copy.
LONG CopyData(const void* bytes, DWORD needed, LPBYTE data, LPDWORD dataSize) {
    if (!dataSize) return data ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    if (!data) {
        *dataSize = needed;
        return ERROR_SUCCESS;
    }
    if (*dataSize < needed) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes, needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

LONG OpenKey(HKEY root, std::wstring_view subKey, PHKEY result, bool create, LPDWORD disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    EnsureLoaded();
    std::wstring display;
    if (PathOf(root, &display).empty()) return ERROR_INVALID_HANDLE;
    const std::wstring full = CleanPath(display + L"\\" + std::wstring(subKey));
    const std::wstring folded = Fold(full);
    const bool exists = KeyExists(folded);
    if (!exists && !create) return ERROR_FILE_NOT_FOUND;
    if (!exists) {
        // Created keys live in memory until a value is set in them.
        Key& key = gReg.keys[folded];
        key.path = full;
    }
    if (disposition) *disposition = exists ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    const HKEY handle = reinterpret_cast<HKEY>(gReg.nextHandle++);
    gReg.open[handle] = folded;
    *result = handle;
    return ERROR_SUCCESS;
}

}  // namespace

LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD, REGSAM, PHKEY result) {
    return OpenKey(root, subKey ? subKey : L"", result, false, nullptr);
}

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    return OpenKey(root, WideFromAnsi(subKey ? subKey : ""), result, false, nullptr);
}

LONG RegCreateKeyExW(HKEY root, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM, void*, PHKEY result,
                     LPDWORD disposition) {
    return OpenKey(root, subKey ? subKey : L"", result, true, disposition);
}

LONG RegCloseKey(HKEY key) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    if (RootName(key)) return ERROR_SUCCESS;
    return gReg.open.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    LONG error = ERROR_SUCCESS;
    const Value* v = FindValue(key, valueName ? valueName : L"", error);
    if (!v) return error;
    if (type) *type = v->type;
    if (v->type == REG_DWORD) return CopyData(&v->number, sizeof(DWORD), data, dataSize);
    return CopyData(v->text.c_str(), static_cast<DWORD>((v->text.size() + 1) * sizeof(wchar_t)), data, dataSize);
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    LONG error = ERROR_SUCCESS;
    const Value* v = FindValue(key, WideFromAnsi(valueName ? valueName : ""), error);
    if (!v) return error;
    if (type) *type = v->type;
    if (v->type == REG_DWORD) return CopyData(&v->number, sizeof(DWORD), data, dataSize);
    const std::string text = AnsiFromWide(v->text);
    return CopyData(text.c_str(), static_cast<DWORD>(text.size() + 1), data, dataSize);
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD, DWORD type, const BYTE* data, DWORD dataSize) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    EnsureLoaded();
    std::wstring display;
    if (PathOf(key, &display).empty()) return ERROR_INVALID_HANDLE;
    Value value;
    value.name = valueName ? valueName : L"";
    value.type = type;
    if (type == REG_DWORD) {
        if (!data || dataSize != sizeof(DWORD)) return ERROR_INVALID_PARAMETER;
        std::memcpy(&value.number, data, sizeof(DWORD));
    } else if (type == REG_SZ) {
        if (!data && dataSize) return ERROR_INVALID_PARAMETER;
        const std::size_t count = dataSize / sizeof(wchar_t);
        std::wstring text(count, L'\0');
        if (count) std::memcpy(text.data(), data, count * sizeof(wchar_t));
        const auto nul = text.find(L'\0');
        if (nul != std::wstring::npos) text.resize(nul);
        value.text = std::move(text);
    } else {
        return ERROR_INVALID_PARAMETER;
    }
    return Store(display, std::move(value));
}

LONG RegDeleteValueW(HKEY key, LPCWSTR valueName) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    EnsureLoaded();
    const std::wstring path = PathOf(key);
    if (path.empty()) return ERROR_INVALID_HANDLE;
    auto keys = gReg.keys;
    const auto k = keys.find(path);
    if (k == keys.end() || k->second.values.erase(Fold(valueName ? valueName : L"")) == 0)
        return ERROR_FILE_NOT_FOUND;
    MakeParents(gReg.file);
    if (!win::detail::WriteAtomicHost(gReg.file, Serialise(keys))) return ERROR_WRITE_FAULT;
    gReg.keys = std::move(keys);
    return ERROR_SUCCESS;
}

LONG RegGetValueW(HKEY key, LPCWSTR subKey, LPCWSTR valueName, DWORD flags, LPDWORD type, LPVOID data,
                  LPDWORD dataSize) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    HKEY opened = key;
    if (subKey && *subKey) {
        const LONG open = OpenKey(key, subKey, &opened, false, nullptr);
        if (open != ERROR_SUCCESS) return open;
    }
    LONG result = ERROR_SUCCESS;
    DWORD stored = REG_NONE;
    result = RegQueryValueExW(opened, valueName, nullptr, &stored, nullptr, nullptr);
    if (result == ERROR_SUCCESS) {
        const DWORD wanted = stored == REG_SZ ? RRF_RT_REG_SZ : stored == REG_DWORD ? RRF_RT_REG_DWORD : 0;
        if (!(flags & wanted)) {
            result = ERROR_INVALID_DATA;
        } else {
            result = RegQueryValueExW(opened, valueName, nullptr, type, static_cast<LPBYTE>(data), dataSize);
        }
    }
    if (opened != key) RegCloseKey(opened);
    return result;
}

namespace win {

void ReloadRegistry() {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    gReg.loaded = false;
    EnsureLoaded();
}

std::string RegistryFilePath() {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    EnsureLoaded();
    return gReg.file;
}

bool RegistrySetString(std::wstring_view rootedKey, std::wstring_view name, std::wstring_view text) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    const std::wstring path = CleanPath(rootedKey);
    if (path.empty()) return false;
    Value value;
    value.name = name;
    value.type = REG_SZ;
    value.text = text;
    return Store(path, std::move(value)) == ERROR_SUCCESS;
}

bool RegistrySetDword(std::wstring_view rootedKey, std::wstring_view name, DWORD number) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    const std::wstring path = CleanPath(rootedKey);
    if (path.empty()) return false;
    Value value;
    value.name = name;
    value.type = REG_DWORD;
    value.number = number;
    return Store(path, std::move(value)) == ERROR_SUCCESS;
}

LONG RegistryGetString(HKEY root, std::wstring_view subKey, std::wstring_view name, std::wstring& text) {
    std::lock_guard<std::recursive_mutex> lock(gMutex);
    HKEY key = nullptr;
    const LONG open = OpenKey(root, subKey, &key, false, nullptr);
    if (open != ERROR_SUCCESS) return open;
    LONG error = ERROR_SUCCESS;
    const Value* v = FindValue(key, name, error);
    RegCloseKey(key);
    if (!v) return error;
    if (v->type != REG_SZ) return ERROR_INVALID_DATA;
    text = v->text;
    return ERROR_SUCCESS;
}

}  // namespace win
