#include "engine/call_child.h"

#include "engine/table_lookup.h"
#include "host/settings.h"
#include "win/encoding.h"

namespace {

std::vector<Zk_String>& chain() {
    static std::vector<Zk_String> sheets;
    return sheets;
}

Zk_String standardsPath(const wchar_t* sub, const Zk_String& name) {
    Zk_String path = gSettings.libDir;
    if (!path.isEmpty() && !path.endsWith(L"\\") && !path.endsWith(L"/")) path += L'\\';
    return path + L"Connection Standards\\" + sub + name;
}

Zk_String folderOf(const Zk_String& path) {
    const int slash = std::max(path.findLast(L'\\'), path.findLast(L'/'));
    return slash < 0 ? Zk_String() : path.left(slash + 1);
}

}  // namespace

bool parseChildCall(const Zk_String& expression, KmChildCall& call) {
    const int word = expression.find(Zk_String(L"CallChild"));
    if (word < 0) return false;
    const int open = expression.find(L'(', word);
    if (open < 0) return false;
    const int close = expression.find(L')', open);
    if (close < 0) return false;
    const Zk_String inner = expression.mid(open + 1, close - open - 1);
    Zk_StringArray parts;
    int start = 0;
    for (;;) {
        const int comma = inner.find(L',', start);
        const Zk_String part = inner.mid(start, comma < 0 ? -1 : comma - start).trimmed();
        if (!part.isEmpty()) parts.append(part);
        if (comma < 0) break;
        start = comma + 1;
    }
    if (parts.length() < 2) return false;
    Zk_String file = parts[0];
    if (file.startsWith(L"\"")) file.remove(0, 1);
    if (file.endsWith(L"\"")) file.remove(file.length() - 1, 1);
    call.file = file;
    call.argNames.clear();
    for (int i = 1; i < parts.length(); ++i) call.argNames.append(parts[i]);
    return true;
}

bool resolveChildFile(const Zk_String& name, const Zk_String& parentFile, Zk_String& path) {
    if (name.isEmpty()) return false;
    Zk_String beside = name;
    if (beside.startsWith(L"\\")) beside.remove(0, 1);
    auto candidates = [&]() -> std::vector<Zk_String> {
        return {
            name,
            folderOf(parentFile) + beside,
            standardsPath(L"", name),
            standardsPath(L"Childs\\", name),
            standardsPath(L"Data\\", name),
            standardsPath(L"Parents\\", name),
        };
    };
    const std::wstring key = L"\1child\n" + gSettings.libDir.wstr() + L"\n" + parentFile.wstr() + L"\n" + name.wstr();
    return locateFirstExisting(key, candidates, path);
}

bool sameSheetPath(const Zk_String& a, const Zk_String& b) {
    if (a.length() != b.length()) return false;
    for (int i = 0; i < a.length(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x == L'/') x = L'\\';
        if (y == L'/') y = L'\\';
        if (FoldCase(x) != FoldCase(y)) return false;
    }
    return true;
}

const std::vector<Zk_String>& activeSheetChain() { return chain(); }

Zk_String describeSheetChain(const Zk_String& next) {
    Zk_String text;
    for (const Zk_String& s : chain()) text += s + L" -> ";
    return text + next;
}

KmActiveSheetScope::KmActiveSheetScope(const Zk_String& sheet) { chain().push_back(sheet); }
KmActiveSheetScope::~KmActiveSheetScope() { chain().pop_back(); }
