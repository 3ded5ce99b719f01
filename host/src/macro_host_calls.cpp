// The stand-in's host operations on placed macros: scripted answers, recorded calls.
#include "host/macro_host_calls.h"
#include "host/macro_prop_files.h"

#include "host/macro_prof_records.h"

namespace {

MacroHostStandIn& instance() {
    static MacroHostStandIn host;
    return host;
}

Zk_String idsText(const Zk_Array<long long>& ids) {
    Zk_String text;
    for (int i = 0; i < ids.length(); ++i) {
        if (i > 0) text += L",";
        text += Zk_String(ids[i]);
    }
    return text;
}

// Takes the next answer of a pick queue; an empty queue is a cancelled pick.
bool nextAnswer(Zk_Array<MacroPickAnswer>& queue, MacroPickAnswer& answer) {
    if (queue.isEmpty()) return false;
    answer = queue[0];
    queue.removeAt(0);
    return answer.picked;
}

Zk_String pickedText(bool picked) { return Zk_String(picked ? L"picked" : L"cancelled"); }

}  // namespace

MacroPickAnswer MacroPickAnswer::cancelled() {
    MacroPickAnswer a;
    a.picked = false;
    return a;
}

MacroPickAnswer MacroPickAnswer::object(long long id, const Zk_String& text) {
    MacroPickAnswer a;
    a.objectId = id;
    a.text = text;
    return a;
}

MacroPickAnswer MacroPickAnswer::point(double x, double y) {
    MacroPickAnswer a;
    a.x = x;
    a.y = y;
    return a;
}

MacroPickAnswer MacroPickAnswer::section(const Zk_String& name) {
    MacroPickAnswer a;
    a.text = name;
    return a;
}

MacroHostStandIn::MacroHostStandIn() {
    offsetTypeStrings = Zk_StringArray{L"Free",          L"By reference",  L"Top left",      L"Center",
                                       L"Top center",    L"Top right",     L"Left center",   L"Bottom center",
                                       L"Bottom left",   L"Right center",  L"Bottom right",  L"Center left",
                                       L"Center right"};
    basePlaneStrings = Zk_StringArray{L"Pick plane", L"Object plane", L"Coordinate system"};
}

Zk_Array<MacroHostCall> MacroHostStandIn::callsNamed(const Zk_String& name) const {
    Zk_Array<MacroHostCall> found;
    for (const MacroHostCall& c : calls)
        if (c.name == name) found.append(c);
    return found;
}

void MacroHostStandIn::record(const Zk_String& name, const Zk_String& tabName, const Zk_StringArray& args,
                              const MacroChanges& changes) {
    calls.append(MacroHostCall{name, tabName, args, changes});
}

MacroHostStandIn& macroHost() { return instance(); }

void resetMacroHost() {
    instance() = MacroHostStandIn();
    macroPropFiles() = MacroPropFilesStandIn();
}

bool UpdateModule(const Zk_String& tabName, MacroData& data, const MacroChanges& changes) {
    MacroHostStandIn& host = instance();
    host.record(Zk_String(L"UpdateModule"), tabName, Zk_StringArray(), changes);
    if (changes.isEmpty() || data.findTab(tabName) < 0) return false;
    if (host.updateModuleFails) return false;
    if (host.updateModuleFailsNext > 0) {
        --host.updateModuleFailsNext;
        return false;
    }
    // Copied so that a hook replacing the script cannot pull itself from under the call.
    auto hook = host.onUpdateModule;
    return hook ? hook(tabName, data, changes) : true;
}

bool SelectOtherMacros(MacroData& data) {
    MacroHostStandIn& host = instance();
    host.record(Zk_String(L"SelectOtherMacros"));
    if (!host.selectOtherMacrosResult) return false;
    auto hook = host.onSelectOtherMacros;
    if (hook) hook(data);
    return true;
}

void UpdateAllFilterModified(MacroData& data, bool groupChanged) {
    MacroHostStandIn& host = instance();
    host.record(Zk_String(L"UpdateAllFilterModified"), Zk_String(),
                Zk_StringArray{Zk_String(groupChanged ? L"true" : L"false"), Zk_String(data.groupIndex),
                               Zk_String(data.filterIndex)});
    auto hook = host.onFilterModified;
    if (hook) hook(data, groupChanged);
}

void clashInitDlgStarted(int key, const Zk_Array<long long>& objectIds) {
    instance().record(Zk_String(L"clashInitDlgStarted"), Zk_String(), Zk_StringArray{Zk_String(key), idsText(objectIds)});
}

void clashResetInfo(int key) { instance().record(Zk_String(L"clashResetInfo"), Zk_String(), Zk_StringArray{Zk_String(key)}); }

void clashcheck(int key, const Zk_Array<long long>& objectIds) {
    instance().record(Zk_String(L"clashcheck"), Zk_String(), Zk_StringArray{Zk_String(key), idsText(objectIds)});
}

void clashDlgClosed(int key) { instance().record(Zk_String(L"clashDlgClosed"), Zk_String(), Zk_StringArray{Zk_String(key)}); }

bool clashGetStatus(int key) {
    const auto& status = instance().clashStatus;
    const auto it = status.find(key);
    return it != status.end() && it->second;
}

void clashSetStatus(int key, bool on) {
    instance().record(Zk_String(L"clashSetStatus"), Zk_String(),
                      Zk_StringArray{Zk_String(key), Zk_String(on ? L"true" : L"false")});
    instance().clashStatus[key] = on;
}

void GetAssemblies(Zk_StringArray& assemblies) { assemblies = instance().assemblies; }

bool GetDiameters(const Zk_String& assembly, Zk_StringArray& diameters) {
    const auto& all = instance().diameters;
    const auto it = all.find(assembly.wstr());
    diameters = it == all.end() ? Zk_StringArray() : it->second;
    return it != all.end();
}

void GetMergedDiameters(const MacroData&, const Zk_String& tabName, Zk_StringArray& diameters) {
    MacroHostStandIn& host = instance();
    host.record(Zk_String(L"GetMergedDiameters"), tabName);
    if (!host.mergedDiameters.isEmpty()) {
        diameters = host.mergedDiameters;
        return;
    }
    diameters.clear();
    for (const Zk_String& assembly : host.assemblies) {
        const auto it = host.diameters.find(assembly.wstr());
        if (it == host.diameters.end()) continue;
        for (const Zk_String& d : it->second)
            if (!diameters.contains(d)) diameters.append(d);
    }
}

void getOffsetTypeStrings(Zk_StringArray& strings, bool withKeep) {
    strings = instance().offsetTypeStrings;
    if (withKeep) strings.append(macroKeepText());
}

void getBasePlaneStrings(Zk_StringArray& strings, bool withKeep) {
    strings = instance().basePlaneStrings;
    if (withKeep) strings.append(macroKeepText());
}

bool UserSelectPlane(long long& planeId, Zk_String& planeText) {
    MacroPickAnswer answer;
    const bool picked = nextAnswer(instance().planePicks, answer);
    instance().record(Zk_String(L"UserSelectPlane"), Zk_String(), Zk_StringArray{pickedText(picked)});
    if (!picked) return false;
    planeId = answer.objectId;
    planeText = answer.text;
    return true;
}

bool selectCoordSys(long long& coordSysId) {
    MacroPickAnswer answer;
    const bool picked = nextAnswer(instance().coordSysPicks, answer);
    instance().record(Zk_String(L"selectCoordSys"), Zk_String(), Zk_StringArray{pickedText(picked)});
    if (!picked) return false;
    coordSysId = answer.objectId;
    return true;
}

bool UserChooseSectionPoint(double rotationRadians, double& x, double& y) {
    MacroPickAnswer answer;
    const bool picked = nextAnswer(instance().sectionPointPicks, answer);
    instance().record(Zk_String(L"UserChooseSectionPoint"), Zk_String(),
                      Zk_StringArray{Zk_String(rotationRadians, 6), pickedText(picked)});
    if (!picked) return false;
    x = answer.x;
    y = answer.y;
    return true;
}

bool createCoordSys(long long objectId, long long& coordSysId) {
    MacroPickAnswer answer;
    const bool made = objectId != 0 && nextAnswer(instance().createdCoordSys, answer);
    instance().record(Zk_String(L"createCoordSys"), Zk_String(), Zk_StringArray{Zk_String(objectId), pickedText(made)});
    if (!made) return false;
    coordSysId = answer.objectId;
    return true;
}

bool DlgSelectProf(Zk_String& sectionName) {
    MacroPickAnswer answer;
    const bool chosen = nextAnswer(instance().sectionChoices, answer);
    instance().record(Zk_String(L"DlgSelectProf"), Zk_String(), Zk_StringArray{sectionName, pickedText(chosen)});
    if (!chosen) return false;
    sectionName = answer.text;
    return true;
}

bool swapBlockRefs(MacroData& data, const Zk_String& tabName, const Zk_String& dwgPath) {
    instance().record(Zk_String(L"swapBlockRefs"), tabName, Zk_StringArray{dwgPath});
    return instance().swapBlockRefsResult && data.findTab(tabName) >= 0;
}

bool EraseObject(long long objectId) {
    instance().record(Zk_String(L"EraseObject"), Zk_String(), Zk_StringArray{Zk_String(objectId)});
    return objectId != 0 && instance().eraseObjectResult;
}

void ZoomCommand() { instance().record(Zk_String(L"ZoomCommand")); }
