// The host's operations behind the macro editor, and the stand-in's script
// (editConstrHost()): a test says what the host answers (failures, menu lists, what a
// command or pick does to the record) and afterwards reads the record of every call.
//
// The stand-in keeps the model in the record itself: removing, renaming, sorting and
// deleting change the record's lists the way the host would. Every operation is
// recorded, in order, with its name and its arguments as texts.
#pragma once

#include <functional>
#include <map>
#include <set>

#include "host/edit_constr_data.h"
#include "host/macro_settings_data.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

struct EditConstrCall {
    Zk_String name;
    Zk_StringArray args;

    friend bool operator==(const EditConstrCall&, const EditConstrCall&) = default;
};

struct EditConstrHostStandIn {
    Zk_Array<EditConstrCall> calls;
    // Operations (by name) that report failure and change nothing.
    std::set<Zk_String> failing;

    // StartMacroCommand: what the command does (true: success). Unset: code 11 adds a
    // module "Module <n>" and makes it current; every code succeeds.
    std::function<bool(EditConstrData&, int code)> onMacroCommand;
    // SelectOtherMacro: the pick (true: another macro was chosen). Unset: cancelled.
    std::function<bool(EditConstrData&)> onSelectOtherMacro;
    // Runs inside ZoomCommand, StartEditMacroCutDlg and ContextMenuAction (tests use them to
    // act while the host has the drawing).
    std::function<void(EditConstrData&)> onZoom;
    std::function<bool(EditConstrData&, int row)> onCutDialog;
    std::function<bool(EditConstrData&, int row, int action)> onContextMenuAction;

    // ConstrContextMenu's answer.
    Zk_StringArray menuItems;
    Zk_Array<int> menuActions;
    Zk_Array<int> menuChecked;  // indexes into menuItems

    // The stored settings per macro.
    std::map<long long, MacroSettingsData> settings;

    bool fails(const Zk_String& operation) const { return failing.count(operation) > 0; }
    Zk_Array<EditConstrCall> callsNamed(const Zk_String& name) const;
    int countOf(const Zk_String& name) const { return callsNamed(name).length(); }
    // The names of the calls, in order (for checking sequences).
    Zk_StringArray callNames() const;
    void record(const Zk_String& name, const Zk_StringArray& args = Zk_StringArray());
};

// The stand-in's script and record; reset with resetEditConstrHost() between tests.
EditConstrHostStandIn& editConstrHost();
void resetEditConstrHost();

// Modules of the macro, in order.
bool MacroGetModules(const EditConstrData& data, Zk_StringArray& names);
// Makes name the current module; false for an unknown name.
bool SetCurrentModule(EditConstrData& data, const Zk_String& name);
// Renames the current module; false for an empty name or one another module has.
bool RenameModule(EditConstrData& data, const Zk_String& name);
// Removes the module; the current module becomes the one now at its place, else the
// last. False for an unknown name or the macro's only module.
bool RemoveModule(EditConstrData& data, const Zk_String& name);
// The user picks another macro in the drawing; true when the record now shows it.
bool SelectOtherMacro(EditConstrData& data);
// Runs macro command code (0-10 constraints, 11 add module, 12 bolt pattern, 13
// coordinate system); true on success.
bool StartMacroCommand(EditConstrData& data, int code);
bool GetMacroSettings(long long macroId, MacroSettingsData& settings);
bool SetMacroSettings(long long macroId, const MacroSettingsData& settings);
void ZoomCommand(EditConstrData& data);

// Constraint rows (0-based) of the current module.
bool UpdateConstraint(EditConstrData& data, int row);
bool DeleteConstraint(EditConstrData& data, int row);
// Sorts by the texts of column (1-based), then of secondColumn.
bool SortConstraints(EditConstrData& data, int column, int secondColumn);
void HighlightConstraint(EditConstrData& data, int row);
void UnHighlightConstraints(EditConstrData& data);
// The row's context menu: item texts ("%BREAK%" a separator), the action code of each
// command item in order, and the indexes of the checked items.
bool ConstrContextMenu(EditConstrData& data, int row, Zk_StringArray& items, Zk_Array<int>& actions,
                       Zk_Array<int>& checked);
bool ContextMenuAction(EditConstrData& data, int row, int action);
// The host's cut dialog for the row's cut.
bool StartEditMacroCutDlg(EditConstrData& data, int row);
// Whether a variable of the current module (a constraint's or a macro variable) has the
// name (without case). False when it cannot tell.
bool VarNameInUse(const EditConstrData& data, const Zk_String& name, bool& inUse);
// Letters and digits only (an empty name qualifies).
bool hasOnlyLettersNumbers(const Zk_String& name);
bool startsWithNumber(const Zk_String& name);

// Geometries, by object.
bool UpdateGeomFlexibility(EditConstrData& data, long long objectId, int flexibility);  // 1-based
bool UpdateConstrGeom(EditConstrData& data, long long objectId, bool constrained);
bool SetNameTags(EditConstrData& data, const Zk_Array<long long>& objectIds, const Zk_StringArray& names);
void HighlightObject(long long objectId);
void UnHighlightObject(long long objectId);

// Takes the current module's variables and equations from the record.
bool UpdateVarsEqs(EditConstrData& data);
