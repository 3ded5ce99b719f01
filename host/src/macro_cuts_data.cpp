#include "host/macro_cuts_data.h"

#include <cwctype>

namespace {

MacroCutsHostStandIn& standIn() {
    static MacroCutsHostStandIn host;
    return host;
}

struct DefaultVar {
    const wchar_t* name;
    const wchar_t* value;
};

// The variables of each kind with their starting values.
Zk_Array<DefaultVar> defaultsOf(int kind) {
    switch (kind) {
    case kCutProfVsPlate: return {{L"Offset", L"0"}, {L"LengthOffset", L"0"}};
    case kCutProfVsProf: return {{L"Offset", L"10"}, {L"CenterOffset", L"0"}};
    case kCutProfInProf: return {{L"InsideOffset", L"5"}, {L"OutsideOffset", L"5"}};
    case kCutProfVsProf3Segments: return {{L"PolyOffset", L"0"}, {L"Offset1", L"10"}, {L"Offset2", L"10"}};
    case kCutChamfer: return {{L"Offset1", L"20"}, {L"Offset2", L"20"}};
    case kCutFillet: return {{L"Radius", L"15"}};
    default: return {};
    }
}

bool isNameStart(wchar_t ch) { return ch == L'_' || std::iswalpha(static_cast<wint_t>(ch)) != 0; }
bool isNameChar(wchar_t ch) { return isNameStart(ch) || std::iswdigit(static_cast<wint_t>(ch)) != 0; }

bool isValidValue(const Zk_String& raw) {
    const Zk_String value = raw.trimmed();
    if (value.isEmpty() || value.isNumber()) return true;
    if (value.startsWith(Zk_String(L"gen_"), true)) return false;
    if (!isNameStart(value[0])) return false;
    for (int i = 1; i < value.length(); ++i)
        if (!isNameChar(value[i])) return false;
    return true;
}

}  // namespace

MacroCutsHostStandIn& macroCutsHost() { return standIn(); }
void resetMacroCutsHost() { standIn() = MacroCutsHostStandIn(); }

void MacrosInDlgData::GetAllMods(Zk_StringArray& names) const {
    names.clear();
    for (const MacroInDlgModule& module : modules) {
        int index = -1;
        if (!names.find(module.name, index, true)) names.append(module.name);
    }
}

const MacroInDlgModule* MacrosInDlgData::findModule(const Zk_String& name) const {
    for (const MacroInDlgModule& module : modules)
        if (module.name.equal(name, true)) return &module;
    return nullptr;
}

bool MacrosInDlgData::UserSelectMacro() {
    MacroCutsHostStandIn& host = standIn();
    ++host.pickCalls;
    if (host.macroPicks.isEmpty()) return false;
    const Zk_Array<MacroInDlgModule> picked = host.macroPicks.first();
    host.macroPicks.removeAt(0);
    for (const MacroInDlgModule& module : picked)
        if (findModule(module.name) == nullptr) modules.append(module);
    return true;
}

bool DlgMacroCutsData::GetDefaultValues(int kind, Zk_StringArray& names, Zk_StringArray& values,
                                        Zk_Array<int>& flags) {
    names.clear();
    values.clear();
    flags.clear();
    if (kind < 1 || kind > kCutKindCount) return false;
    for (const DefaultVar& var : defaultsOf(kind)) {
        names.append(Zk_String(var.name));
        values.append(Zk_String(var.value));
        flags.append(0);
    }
    return true;
}

bool DlgMacroCutsData::CutNameInUse() const {
    const MacroInDlgModule* module = macros.findModule(targetModule);
    if (module == nullptr) return false;
    for (const Zk_String& cut : module->cutNames) {
        if (!cut.equal(name, true)) continue;
        if (editExisting && cut.equal(originalName, true)) continue;
        return true;
    }
    return false;
}

bool DlgMacroCutsData::AreVarNamesValid() const {
    for (const Zk_String& value : varValues)
        if (!isValidValue(value)) return false;
    return true;
}
