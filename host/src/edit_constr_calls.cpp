// The stand-in's operations behind the macro editor: the model lives in the record,
// every call is recorded.
#include "host/edit_constr_calls.h"

#include <algorithm>
#include <cwctype>

namespace {

EditConstrHostStandIn& instance() {
    static EditConstrHostStandIn host;
    return host;
}

Zk_String rowText(int row) { return Zk_String(row); }

// Records the call; true when the script lets it succeed.
bool enter(const Zk_String& name, const Zk_StringArray& args = Zk_StringArray()) {
    instance().record(name, args);
    return !instance().fails(name);
}

Zk_String idsText(const Zk_Array<long long>& ids) {
    Zk_String text;
    for (int i = 0; i < ids.length(); ++i) {
        if (i > 0) text += L",";
        text += Zk_String(ids[i]);
    }
    return text;
}

Zk_String joined(const Zk_StringArray& items) {
    Zk_String text;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) text += L"|";
        text += items[i];
    }
    return text;
}

EditGeomRow* geometry(EditConstrData& data, long long objectId) {
    EditModule* m = data.current();
    if (!m) return nullptr;
    for (EditGeomRow& g : m->geometries)
        if (g.objectId == objectId) return &g;
    return nullptr;
}

Zk_String cellOf(const EditConstrRow& row, int column) {
    return column >= 1 && column <= row.cells.length() ? row.cells[column - 1] : Zk_String();
}

// Numbers compare as numbers, everything else as text without case.
int compareCells(const Zk_String& a, const Zk_String& b) {
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA);
    const double y = b.toDouble(&okB);
    if (okA && okB) return x < y ? -1 : (x > y ? 1 : 0);
    return a.compare(b, true);
}

}  // namespace

Zk_Array<EditConstrCall> EditConstrHostStandIn::callsNamed(const Zk_String& name) const {
    Zk_Array<EditConstrCall> found;
    for (const EditConstrCall& c : calls)
        if (c.name == name) found.append(c);
    return found;
}

Zk_StringArray EditConstrHostStandIn::callNames() const {
    Zk_StringArray names;
    for (const EditConstrCall& c : calls) names.append(c.name);
    return names;
}

void EditConstrHostStandIn::record(const Zk_String& name, const Zk_StringArray& args) {
    calls.append(EditConstrCall{name, args});
}

EditConstrHostStandIn& editConstrHost() { return instance(); }

void resetEditConstrHost() { instance() = EditConstrHostStandIn(); }

bool MacroGetModules(const EditConstrData& data, Zk_StringArray& names) {
    names.clear();
    if (!enter(L"MacroGetModules")) return false;
    names = data.moduleNames();
    return true;
}

bool SetCurrentModule(EditConstrData& data, const Zk_String& name) {
    if (!enter(L"SetCurrentModule", {name}) || !data.module(name)) return false;
    data.currentModule = name;
    return true;
}

bool RenameModule(EditConstrData& data, const Zk_String& name) {
    if (!enter(L"RenameModule", {name})) return false;
    EditModule* m = data.current();
    const Zk_String trimmed = name.trimmed();
    if (!m || trimmed.isEmpty()) return false;
    if (const EditModule* other = data.module(trimmed); other && other != m) return false;
    m->name = trimmed;
    data.currentModule = trimmed;
    return true;
}

bool RemoveModule(EditConstrData& data, const Zk_String& name) {
    if (!enter(L"RemoveModule", {name})) return false;
    if (data.modules.length() < 2) return false;
    for (int i = 0; i < data.modules.length(); ++i) {
        if (data.modules[i].name != name) continue;
        const bool wasCurrent = data.currentModule == name;
        data.modules.removeAt(i);
        if (wasCurrent) data.currentModule = data.modules[std::min(i, data.modules.length() - 1)].name;
        return true;
    }
    return false;
}

bool SelectOtherMacro(EditConstrData& data) {
    if (!enter(L"SelectOtherMacro")) return false;
    return instance().onSelectOtherMacro ? instance().onSelectOtherMacro(data) : false;
}

bool StartMacroCommand(EditConstrData& data, int code) {
    if (!enter(L"StartMacroCommand", {Zk_String(code)})) return false;
    if (instance().onMacroCommand) return instance().onMacroCommand(data, code);
    if (code == 11) {
        EditModule added;
        added.name = Zk_String(L"Module ") + Zk_String(data.modules.length() + 1);
        data.modules.append(added);
        data.currentModule = added.name;
    }
    return true;
}

bool GetMacroSettings(long long macroId, MacroSettingsData& settings) {
    if (!enter(L"GetMacroSettings", {Zk_String(macroId)})) return false;
    auto it = instance().settings.find(macroId);
    settings = it == instance().settings.end() ? MacroSettingsData() : it->second;
    return true;
}

bool SetMacroSettings(long long macroId, const MacroSettingsData& settings) {
    if (!enter(L"SetMacroSettings", {Zk_String(macroId)})) return false;
    instance().settings[macroId] = settings;
    return true;
}

void ZoomCommand(EditConstrData& data) {
    instance().record(L"ZoomCommand");
    if (instance().onZoom) instance().onZoom(data);
}

bool UpdateConstraint(EditConstrData& data, int row) {
    if (!enter(L"UpdateConstraint", {rowText(row)})) return false;
    return data.constraint(row) != nullptr;
}

bool DeleteConstraint(EditConstrData& data, int row) {
    if (!enter(L"DeleteConstraint", {rowText(row)})) return false;
    EditModule* m = data.current();
    return m && m->constraints.removeAt(row);
}

bool SortConstraints(EditConstrData& data, int column, int secondColumn) {
    if (!enter(L"SortConstraints", {Zk_String(column), Zk_String(secondColumn)})) return false;
    EditModule* m = data.current();
    if (!m) return false;
    std::stable_sort(m->constraints.begin(), m->constraints.end(), [&](const EditConstrRow& a, const EditConstrRow& b) {
        const int first = compareCells(cellOf(a, column), cellOf(b, column));
        if (first != 0) return first < 0;
        return compareCells(cellOf(a, secondColumn), cellOf(b, secondColumn)) < 0;
    });
    return true;
}

void HighlightConstraint(EditConstrData&, int row) { instance().record(L"HighlightConstraint", {rowText(row)}); }

void UnHighlightConstraints(EditConstrData&) { instance().record(L"UnHighlightConstraints"); }

bool ConstrContextMenu(EditConstrData&, int row, Zk_StringArray& items, Zk_Array<int>& actions,
                       Zk_Array<int>& checked) {
    items.clear();
    actions.clear();
    checked.clear();
    if (!enter(L"ConstrContextMenu", {rowText(row)})) return false;
    items = instance().menuItems;
    actions = instance().menuActions;
    checked = instance().menuChecked;
    return true;
}

bool ContextMenuAction(EditConstrData& data, int row, int action) {
    if (!enter(L"ContextMenuAction", {rowText(row), Zk_String(action)})) return false;
    return instance().onContextMenuAction ? instance().onContextMenuAction(data, row, action) : true;
}

bool StartEditMacroCutDlg(EditConstrData& data, int row) {
    if (!enter(L"StartEditMacroCutDlg", {rowText(row)})) return false;
    return instance().onCutDialog ? instance().onCutDialog(data, row) : true;
}

bool VarNameInUse(const EditConstrData& data, const Zk_String& name, bool& inUse) {
    inUse = false;
    if (!enter(L"VarNameInUse", {name})) return false;
    const EditModule* m = data.current();
    if (!m) return false;
    for (const EditConstrRow& r : m->constraints)
        if (r.hasKind(kConstrVarName) && r.varName.equal(name, true)) inUse = true;
    for (const EditVar& v : m->vars)
        if (v.name.equal(name, true)) inUse = true;
    return true;
}

bool hasOnlyLettersNumbers(const Zk_String& name) {
    return std::all_of(name.wstr().begin(), name.wstr().end(), [](wchar_t c) { return std::iswalnum(c) != 0; });
}

bool startsWithNumber(const Zk_String& name) { return !name.isEmpty() && std::iswdigit(name[0]) != 0; }

bool UpdateGeomFlexibility(EditConstrData& data, long long objectId, int flexibility) {
    if (!enter(L"UpdateGeomFlexibility", {Zk_String(objectId), Zk_String(flexibility)})) return false;
    EditGeomRow* g = geometry(data, objectId);
    if (!g || flexibility < 1 || flexibility > 3) return false;
    g->flexibility = flexibility - 1;
    return true;
}

bool UpdateConstrGeom(EditConstrData& data, long long objectId, bool constrained) {
    if (!enter(L"UpdateConstrGeom", {Zk_String(objectId), Zk_String(constrained ? 1 : 0)})) return false;
    EditGeomRow* g = geometry(data, objectId);
    if (!g) return false;
    g->constrained = constrained ? 1 : 0;
    return true;
}

bool SetNameTags(EditConstrData& data, const Zk_Array<long long>& objectIds, const Zk_StringArray& names) {
    if (!enter(L"SetNameTags", {idsText(objectIds), joined(names)})) return false;
    if (objectIds.length() != names.length()) return false;
    for (int i = 0; i < objectIds.length(); ++i)
        if (EditGeomRow* g = geometry(data, objectIds[i])) g->nameTag = names[i];
    return true;
}

void HighlightObject(long long objectId) { instance().record(L"HighlightObject", {Zk_String(objectId)}); }

void UnHighlightObject(long long objectId) { instance().record(L"UnHighlightObject", {Zk_String(objectId)}); }

bool UpdateVarsEqs(EditConstrData& data) {
    const EditModule* m = data.current();
    Zk_StringArray args;
    if (m) {
        for (const EditVar& v : m->vars)
            args.append(v.name + L"=" + Zk_String::fromNumber(v.value, 1, 6) + L":" + Zk_String(v.kind));
        args.append(Zk_String(L"equations:") + joined(m->equations));
    }
    return enter(L"UpdateVarsEqs", args) && m != nullptr;
}
