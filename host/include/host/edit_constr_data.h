// EditConstrData: the record the macro editor edits a connection macro's definition
// through. It names the macro and holds, per module, the lists the editor shows: the
// constraint rows with their edit fields, the geometries, the variables, the dimension
// values and the equations. The host's operations (host/edit_constr_calls.h) change it.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// The fields a constraint row has (EditConstrRow::kinds).
enum EditConstrRowKind {
    kConstrValueText = 0,  // a value text
    kConstrVarName = 1,    // a variable name
    kConstrOptions = 2,    // an option list with a selected index
    kConstrFlags = 3,      // two flags
};

// The entry of an option-button picture list that starts the next button group.
inline constexpr const wchar_t* kRadioBreak = L"%radioBreak%";

struct EditConstrRow {
    Zk_StringArray cells;  // the grid texts, one per column
    Zk_Array<int> kinds;   // EditConstrRowKind values present
    Zk_String value;
    Zk_String varName;
    Zk_StringArray options;
    int optionIndex = -1;
    bool flag1 = false;
    bool flag2 = false;
    bool cut = false;          // the row has a cut (the cut button shows)
    Zk_StringArray bitmaps;    // option-button pictures in button order; kRadioBreak separates groups
    Zk_Array<int> selections;  // per button group: the selected button within the group, -1 none

    bool hasKind(int kind) const { return kinds.contains(kind); }
    friend bool operator==(const EditConstrRow&, const EditConstrRow&) = default;
};

struct EditGeomRow {
    Zk_StringArray cells;   // the first three grid texts
    long long objectId = 0;
    int flexibility = 0;    // index into the three flexibility choices
    int constrained = 0;    // 0 or 1 shows a check box; any other value none
    Zk_String nameTag;

    friend bool operator==(const EditGeomRow&, const EditGeomRow&) = default;
};

struct EditVar {
    Zk_String name;
    double value = 0.0;
    int kind = 0;  // index into the eight variable kinds

    friend bool operator==(const EditVar&, const EditVar&) = default;
};

struct EditDimValue {
    Zk_String name;
    Zk_String value;

    friend bool operator==(const EditDimValue&, const EditDimValue&) = default;
};

struct EditModule {
    Zk_String name;
    Zk_Array<EditConstrRow> constraints;
    Zk_Array<EditGeomRow> geometries;
    Zk_Array<EditVar> vars;
    Zk_Array<EditDimValue> dimValues;
    Zk_StringArray equations;

    friend bool operator==(const EditModule&, const EditModule&) = default;
};

class EditConstrData {
public:
    long long macroId = 0;
    Zk_Array<EditModule> modules;
    Zk_String currentModule;

    Zk_StringArray moduleNames() const;
    // The module of that name (exact), or null.
    EditModule* module(const Zk_String& name);
    const EditModule* module(const Zk_String& name) const;
    // The current module, or null when the name names none.
    EditModule* current() { return module(currentModule); }
    const EditModule* current() const { return module(currentModule); }
    // The constraint row (0-based) of the current module, or null.
    EditConstrRow* constraint(int row);
    const EditConstrRow* constraint(int row) const;
    int constraintCount() const;

    friend bool operator==(const EditConstrData&, const EditConstrData&) = default;
};
