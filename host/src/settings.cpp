#include "host/settings.h"

#include <cstdlib>

#include "host/files.h"
#include "host/list_utils.h"
#include "win/module.h"
#include "win/paths.h"

Zk_Settings gSettings;

namespace {

Zk_String env(const char* name) {
    const char* v = std::getenv(name);
    return v ? Zk_String::fromUtf8(v) : Zk_String();
}

bool parseBool(const Zk_String& text, bool& value) {
    const Zk_String t = text.trimmed();
    if (t == L"1" || t.equal(L"true", true) || t.equal(L"yes", true) || t.equal(L"on", true)) {
        value = true;
        return true;
    }
    if (t == L"0" || t.equal(L"false", true) || t.equal(L"no", true) || t.equal(L"off", true)) {
        value = false;
        return true;
    }
    return false;
}

Zk_String programFolder() {
    wchar_t buf[4096] = {};
    const DWORD n = GetModuleFileNameW(nullptr, buf, 4096);
    if (n == 0 || n >= 4096) return {};
    return getFolder(Zk_String(buf));
}

// A path given as a host path or a Windows path, as a Windows path.
Zk_String windowsPath(const Zk_String& path) {
    if (path.isEmpty()) return path;
    if ((path.length() >= 2 && path[1] == L':') || path.contains(L"\\")) return path;
    return Zk_String(WindowsPathFromHost(path.toUtf8()));
}

}  // namespace

Zk_Settings::Zk_Settings() { reload(); }

Zk_String Zk_Settings::normalizeFolder(const Zk_String& folder) {
    const Zk_String f = folder.trimmed();
    if (f.isEmpty()) return f;
    return addBackslash(windowsPath(f));
}

void Zk_Settings::reload() {
    workLanguage = L"ENG";
    libDir.clear();
    zkDir = normalizeFolder(programFolder());
    current = Zk_CurrentSettings();
    // The file may move zkDir; the environment wins over both.
    applyEnvironment();
    const Zk_String named = env("TQ_SETTINGS");
    if (!named.isEmpty()) loadFile(named);
    else if (!zkDir.isEmpty()) loadFile(zkDir + L"tq_settings.txt");
    applyEnvironment();
}

bool Zk_Settings::loadFile(const Zk_String& hostOrWindowsPath) {
    Zk_StringArray lines;
    if (!ObjectExportReadFile(windowsPath(hostOrWindowsPath), lines)) return false;
    for (const auto& raw : lines) {
        const Zk_String line = raw.trimmed();
        if (line.isEmpty() || line[0] == L'#') continue;
        Zk_String k, value;
        if (!splitStringAtSymbol(line, L"=", k, value)) continue;
        k.trim();
        value.trim();
        if (k.equal(L"WorkLanguage", true)) {
            if (!value.isEmpty()) workLanguage = value.toUpper();
        } else if (k.equal(L"LibDir", true)) {
            libDir = normalizeFolder(value);
        } else if (k.equal(L"ZkDir", true)) {
            zkDir = normalizeFolder(value);
        } else if (k.equal(L"StandardsDiagnostics", true)) {
            parseBool(value, current.standardsDiagnostics);
        }
    }
    return true;
}

void Zk_Settings::applyEnvironment() {
    const Zk_String lang = env("TQ_LANGUAGE");
    if (!lang.trimmed().isEmpty()) workLanguage = lang.trimmed().toUpper();
    const Zk_String lib = env("TQ_LIBDIR");
    if (!lib.isEmpty()) libDir = normalizeFolder(lib);
    const Zk_String zk = env("TQ_ZKDIR");
    if (!zk.isEmpty()) zkDir = normalizeFolder(zk);
    const Zk_String diag = env("TQ_DIAGNOSTICS");
    if (!diag.isEmpty()) parseBool(diag, current.standardsDiagnostics);
}
