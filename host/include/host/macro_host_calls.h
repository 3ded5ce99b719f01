// The host's operations on placed macros that the macro dialogs call, and the
// stand-in's script behind them (macroHost()): a test says what the host answers
// (lists, pick results, failures) and afterwards reads the record of every call.
//
// Every call is recorded, in order, with its name, the tab name where it has one,
// its other arguments as texts and, for UpdateModule, the changes it was given.
// Picks answer from queues: each call takes the next answer; an empty queue is a
// cancelled pick.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "host/macro_data.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

struct MacroHostCall {
    Zk_String name;
    Zk_String tabName;
    Zk_StringArray args;
    MacroChanges changes;

    friend bool operator==(const MacroHostCall&, const MacroHostCall&) = default;
};

// One scripted answer of a pick in the drawing or of the section dialog.
struct MacroPickAnswer {
    bool picked = true;             // false: the user cancelled
    long long objectId = 0;         // the picked plane, coordinate system or created one
    Zk_String text;                 // plane text, or the section chosen in the section dialog
    double x = 0.0;
    double y = 0.0;

    static MacroPickAnswer cancelled();
    static MacroPickAnswer object(long long id, const Zk_String& text = Zk_String());
    static MacroPickAnswer point(double x, double y);
    static MacroPickAnswer section(const Zk_String& name);
};

struct MacroHostStandIn {
    Zk_Array<MacroHostCall> calls;

    // UpdateModule fails always, or for the next n calls; else onUpdateModule (when
    // set) decides and may change the data as the host would.
    bool updateModuleFails = false;
    int updateModuleFailsNext = 0;
    std::function<bool(const Zk_String& tabName, MacroData& data, const MacroChanges& changes)> onUpdateModule;

    bool reApplyResult = false;
    std::function<void(MacroData&)> onLoadFromStandards;
    // SelectOtherMacros: true when the selection changed; the hook gives the new data.
    bool selectOtherMacrosResult = false;
    std::function<void(MacroData&)> onSelectOtherMacros;
    std::function<void(MacroData&, bool groupChanged)> onFilterModified;

    // Collision check: on/off state per key.
    std::map<int, bool> clashStatus;

    // Bolt lists: the assemblies, the diameters of each assembly, and the merged
    // diameters (empty: every assembly's diameters, each once, in order).
    Zk_StringArray assemblies;
    std::map<std::wstring, Zk_StringArray> diameters;
    Zk_StringArray mergedDiameters;

    // Offset and base-plane lists (the keep item is never part of them).
    Zk_StringArray offsetTypeStrings;
    Zk_StringArray basePlaneStrings;

    Zk_Array<MacroPickAnswer> planePicks;        // UserSelectPlane
    Zk_Array<MacroPickAnswer> coordSysPicks;     // selectCoordSys
    Zk_Array<MacroPickAnswer> sectionPointPicks; // UserChooseSectionPoint
    Zk_Array<MacroPickAnswer> createdCoordSys;   // createCoordSys
    Zk_Array<MacroPickAnswer> sectionChoices;    // DlgSelectProf

    bool swapBlockRefsResult = true;
    bool eraseObjectResult = true;

    MacroHostStandIn();
    // The calls of that name, in order.
    Zk_Array<MacroHostCall> callsNamed(const Zk_String& name) const;
    int countOf(const Zk_String& name) const { return callsNamed(name).length(); }
    void record(const Zk_String& name, const Zk_String& tabName = Zk_String(),
                const Zk_StringArray& args = Zk_StringArray(), const MacroChanges& changes = MacroChanges());
};

// The stand-in's script and record; reset with resetMacroHost() between tests.
MacroHostStandIn& macroHost();
void resetMacroHost();

// Writes the changes of a tab to its macros; true when the drawing was updated.
// An unknown tab or empty changes update nothing and give false.
bool UpdateModule(const Zk_String& tabName, MacroData& data, const MacroChanges& changes);
// The user picks other macros; true when the selection changed.
bool SelectOtherMacros(MacroData& data);
// Re-filters the data after a change of the group (true) or filter (false) combo.
void UpdateAllFilterModified(MacroData& data, bool groupChanged);

// The collision check of the edited objects, keyed by the dialog's registry slot.
void clashInitDlgStarted(int key, const Zk_Array<long long>& objectIds);
void clashResetInfo(int key);
void clashcheck(int key, const Zk_Array<long long>& objectIds);
void clashDlgClosed(int key);
bool clashGetStatus(int key);
void clashSetStatus(int key, bool on);

void GetAssemblies(Zk_StringArray& assemblies);
// The diameters of one assembly; false (empty list) for an unknown one.
bool GetDiameters(const Zk_String& assembly, Zk_StringArray& diameters);
void GetMergedDiameters(const MacroData& data, const Zk_String& tabName, Zk_StringArray& diameters);

// The offset list (items of getDlgOffsetType) and the base-plane list; withKeep
// appends the keep item.
void getOffsetTypeStrings(Zk_StringArray& strings, bool withKeep);
void getBasePlaneStrings(Zk_StringArray& strings, bool withKeep);

// Picks in the drawing; false when cancelled.
bool UserSelectPlane(long long& planeId, Zk_String& planeText);
bool selectCoordSys(long long& coordSysId);
bool UserChooseSectionPoint(double rotationRadians, double& x, double& y);
bool createCoordSys(long long objectId, long long& coordSysId);
// The host's section dialog: the chosen section's full name; false when cancelled.
bool DlgSelectProf(Zk_String& sectionName);

// Replaces the tab's drawing by another drawing file.
bool swapBlockRefs(MacroData& data, const Zk_String& tabName, const Zk_String& dwgPath);
bool EraseObject(long long objectId);
void ZoomCommand();
