#include "host/texts.h"

#include <cstdlib>
#include <map>
#include <mutex>

#include "host/files.h"
#include "host/settings.h"
#include "win/paths.h"

#ifndef TQ_HOST_LANG_DIR
#define TQ_HOST_LANG_DIR ""
#endif

Zk_MacroLangs gMacroLangs;

namespace {

struct Table {
    std::map<int, Zk_String> numbered;
    std::map<Zk_String, Zk_String> keyed;  // "GROUP.KEY" -> text
};

struct Cache {
    std::mutex mutex;
    Zk_String folder;
    bool folderKnown = false;
    std::map<Zk_String, Table> tables;  // by upper-case language code
};

Cache& cache() {
    static Cache c;
    return c;
}

Zk_String hostFolderAsWindows(const char* hostPath) {
    return addBackslash(Zk_String(WindowsPathFromHost(hostPath)));
}

Zk_String findFolder() {
    if (const char* dir = std::getenv("TQ_LANGDIR"); dir && *dir) return hostFolderAsWindows(dir);
    if (!gSettings.zkDir.isEmpty()) {
        const Zk_String candidate = joinPath(gSettings.zkDir, L"lang\\");
        if (fileExists(candidate + L"ENG.txt")) return candidate;
    }
    return hostFolderAsWindows(TQ_HOST_LANG_DIR);
}

Zk_String unescape(const Zk_String& text) {
    if (!text.contains(L"\\")) return text;
    Zk_String out;
    for (int i = 0; i < text.length(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\\' && i + 1 < text.length()) {
            const wchar_t n = text[i + 1];
            if (n == L'n') { out += L'\n'; ++i; continue; }
            if (n == L't') { out += L'\t'; ++i; continue; }
            if (n == L'\\') { out += L'\\'; ++i; continue; }
        }
        out += c;
    }
    return out;
}

Table loadTable(const Zk_String& folder, const Zk_String& code) {
    Table table;
    Zk_StringArray lines;
    if (!ObjectExportReadFile(folder + code + L".txt", lines)) return table;
    for (const auto& line : lines) {
        if (line.isEmpty() || line[0] == L'#') continue;
        const int tab = line.find(L'\t');
        if (tab <= 0) continue;
        bool ok = false;
        const Zk_String first = line.left(tab);
        const int nr = first.toInt(&ok);
        if (ok) table.numbered[nr] = unescape(line.mid(tab + 1));
        else if (first.find(L'.') > 0) table.keyed[first] = unescape(line.mid(tab + 1));
    }
    return table;
}

const Table& tableFor(Cache& c, const Zk_String& code) {
    if (!c.folderKnown) {
        c.folder = findFolder();
        c.folderKnown = true;
    }
    auto it = c.tables.find(code);
    if (it == c.tables.end()) it = c.tables.emplace(code, loadTable(c.folder, code)).first;
    return it->second;
}

Zk_String lookUp(int nr, const Zk_String& language) {
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    const Zk_String code = language.isEmpty() ? Zk_String(L"ENG") : language.toUpper();
    const Table& own = tableFor(c, code);
    if (auto it = own.numbered.find(nr); it != own.numbered.end()) return it->second;
    if (code != L"ENG") {
        const Table& eng = tableFor(c, L"ENG");
        if (auto it = eng.numbered.find(nr); it != eng.numbered.end()) return it->second;
    }
    return Zk_String(L"#") + Zk_String(nr) + L"#";
}

Zk_String lookUpKeyed(const Zk_String& key, const Zk_String& language) {
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    const Zk_String code = language.isEmpty() ? Zk_String(L"ENG") : language.toUpper();
    const Table& own = tableFor(c, code);
    if (auto it = own.keyed.find(key); it != own.keyed.end()) return it->second;
    if (code != L"ENG") {
        const Table& eng = tableFor(c, L"ENG");
        if (auto it = eng.keyed.find(key); it != eng.keyed.end()) return it->second;
    }
    return Zk_String();
}

}  // namespace

Zk_String string(int nr) { return lookUp(nr, gSettings.workLanguage); }
Zk_String dialString(int nr) { return lookUp(nr, gSettings.workLanguage); }

Zk_StringArray dialStringAllLangs(int nr) {
    Zk_StringArray out;
    for (const auto& code : gMacroLangs.GetAllLanguages()) out.append(lookUp(nr, code));
    return out;
}

Zk_String Zk_MacroLangs::GetString(int nr) const { return lookUp(nr, gSettings.workLanguage); }

Zk_String Zk_MacroLangs::GetString(const Zk_String& group, const Zk_String& key) const {
    if (group.isEmpty() || key.isEmpty()) return Zk_String();
    return lookUpKeyed(group + Zk_String(L".") + key, gSettings.workLanguage);
}

Zk_String Zk_MacroLangs::GetStringInLanguage(int nr, const Zk_String& code) const { return lookUp(nr, code); }

Zk_String Zk_MacroLangs::GetStringChopSymbols(int nr) const {
    const Zk_String text = GetString(nr);
    Zk_String out;
    for (int i = 0; i < text.length(); ++i) {
        if (text[i] == L'&') {
            if (text[i + 1] == L'&') { out += L'&'; ++i; }
            continue;
        }
        out += text[i];
    }
    out.trim();
    if (out.endsWith(L"...")) out.remove(out.length() - 3, 3);
    else if (out.endsWith(L":")) out.remove(out.length() - 1, 1);
    return out.trim();
}

Zk_String Zk_MacroLangs::GetCurLanguage() const {
    return gSettings.workLanguage.isEmpty() ? Zk_String(L"ENG") : gSettings.workLanguage.toUpper();
}

Zk_StringArray Zk_MacroLangs::GetAllLanguages() const {
    Zk_StringArray files;
    Zk_StringArray codes;
    codes.append(L"ENG");
    if (ObjectExportFindFiles(textsFolder(), L"*.txt", files, false)) {
        for (const auto& f : files) {
            const Zk_String code = getFileTitle(f).toUpper();
            if (!code.isEmpty()) codes.appendUnique(code);
        }
    }
    return codes;
}

int Zk_MacroLangs::GetNrLanguages() const { return GetAllLanguages().length(); }

Zk_String textsFolder() {
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    if (!c.folderKnown) {
        c.folder = findFolder();
        c.folderKnown = true;
    }
    return c.folder;
}

void reloadTexts() {
    Cache& c = cache();
    std::lock_guard<std::mutex> lock(c.mutex);
    c.tables.clear();
    c.folderKnown = false;
}
