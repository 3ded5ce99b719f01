// One tab of the macro dialog (MacroTabData): its variables (cells), bolt, pattern,
// profile, segmented-profile, array and cut records and its drawing-file choice,
// with the search helpers the pages bind their controls through, and `differences`,
// the list of changes between two states of a tab that UpdateModule takes.
#pragma once

#include "host/macro_array_records.h"
#include "host/macro_bolt_records.h"
#include "host/macro_prof_records.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

// The offsets a cut constraint may carry.
enum KmCutOffsetType {
    kCutOffset = 0,
    kCutPolyOffset = 1,
    kCutLengthOffset = 2,
    kCutCenterOffset = 3,
    kCutInsideOffset = 4,
    kCutOutsideOffset = 5,
    kCutChamferOffset1 = 6,
    kCutChamferOffset2 = 7,
    kCutRadius = 8,
};
constexpr int kCutOffsetTypeCount = 9;

// Cell kinds: how a variable is edited.
constexpr int kCellNumber = 1;      // a number, read back with 2 decimals
constexpr int kCellText = 2;
constexpr int kCellList = 3;        // one of choices
constexpr int kCellEditList = 4;    // one of choices or typed
constexpr int kCellCheck = 5;       // "0" or "1"

// One variable of a dialog tab.
struct MacroCell {
    Zk_String name;
    Zk_String value;
    Zk_String caption;
    bool editable = true;           // false: read-only
    int kind = kCellNumber;
    Zk_StringArray choices;         // kinds 3 and 4
    int controlId = 0;              // > 0 template control, < 0 minus the grid row

    bool isReadOnly() const { return !editable; }

    friend bool operator==(const MacroCell&, const MacroCell&) = default;
};

// Cut record of a tab.
struct MacroCutData {
    Zk_String name;
    bool hasOffset[kCutOffsetTypeCount] = {};
    double offset[kCutOffsetTypeCount] = {};
    int controlId = 0;

    friend bool operator==(const MacroCutData&, const MacroCutData&) = default;
};

// The flexible/fixed button of a group of variables.
struct MacroFlexFixGroup {
    Zk_String group;
    bool fixed = false;
    int controlId = 0;

    friend bool operator==(const MacroFlexFixGroup&, const MacroFlexFixGroup&) = default;
};

// What a change concerns.
enum MacroChangeKind {
    kMacroChangeCell = 1,
    kMacroChangePattern,
    kMacroChangeBolt,
    kMacroChangeProfile,
    kMacroChangeSegmented,
    kMacroChangeArray,
    kMacroChangeCut,
    kMacroChangeDrawingFile,
    kMacroChangeFlexFix,
};

// One change of a tab: the record's kind, its index in the new state of the tab, its
// name, and for cells, flex/fixed buttons and the drawing file the old and new text.
struct MacroChange {
    int kind = kMacroChangeCell;
    int index = -1;
    Zk_String name;
    Zk_String oldValue;
    Zk_String newValue;

    friend bool operator==(const MacroChange&, const MacroChange&) = default;
};
using MacroChanges = Zk_Array<MacroChange>;

// Tab kinds: 0, 1 and 3 are general pages (1 a bolt tab), 2 a profile page.
constexpr int kMacroTabGeneral = 0;
constexpr int kMacroTabBolt = 1;
constexpr int kMacroTabProfile = 2;
constexpr int kMacroTabOther = 3;

// One tab of the macro dialog; its name is the tab caption and the group (or module)
// name passed to the host.
class MacroTabData {
public:
    int kind = kMacroTabGeneral;
    int index = 0;                  // position of the tab
    Zk_String name;
    Zk_String templateName;         // dialog template of the page; empty: none
    Zk_Array<MacroCell> cells;
    Zk_Array<MacroPatternProps> patterns;
    bool hasBoltData = false;
    MacroBoltData bolt;
    Zk_Array<MacroProfData> profs;
    bool advBtnForEveryGroup = false;  // every profile group has its own button
    Zk_Array<MacroProfSegmentedData> segmented;
    Zk_Array<DynArrayData> arrays;
    Zk_Array<MacroCutData> cuts;
    Zk_Array<MacroFlexFixGroup> flexFixGroups;
    bool hasDrawingChoice = false;
    Zk_String drawingFile;          // the chosen drawing's name

    virtual ~MacroTabData() = default;

    // The changes from before to this state: cells, patterns, arrays, cuts and
    // flex/fixed buttons matched by name (a record before lacks is changed), the bolt
    // record, profiles and segmented profiles by position, the drawing file. Control
    // ids are not values and never count as changes.
    MacroChanges differences(const MacroTabData& before) const;

    MacroCell* findCell(const Zk_String& cellName);
    const MacroCell* findCell(const Zk_String& cellName) const;
    MacroCell* findCellWithName(const Zk_String& cellName) { return findCell(cellName); }
    MacroPatternProps* findPatternWithName(const Zk_String& patternName);
    DynArrayData* findArrayWithName(const Zk_String& arrayName);
    MacroCutData* findCutWithName(const Zk_String& cutName);

    // Profile groups in the order their first profile appears.
    Zk_StringArray getProfGroups() const;
    // Object ids of the profiles of a group.
    Zk_Array<long long> getProfIdsOfGroup(const Zk_String& group) const;
    // Index into profs of the profile with that object id; -1 none.
    int getProfDataIndx(long long objectId) const;
    // The first profile of a group; null when none.
    MacroProfData* findProfDataWithGroup(const Zk_String& group);
    // The profile whose section control or button has that id; null when none.
    MacroProfData* findProfDataWithButtonId(int controlId);
    // Merged properties of a group: a field the profiles hold differently is the keep
    // value. False when no profile has that group.
    bool getMergedPropsOfGroup(const Zk_String& group, MacroProfData& props) const;
    // Writes every field of props that is not the keep value into each profile of the
    // group (group name, object id and control ids stay). False when there is none.
    bool setMergedPropsOfGroup(const Zk_String& group, const MacroProfData& props);
    bool hasSegmentedProfs() const { return !segmented.isEmpty(); }

    bool hasBtnFlexFix(const Zk_String& group) const;
    // Sets the group's button: fix true fixed, false flexible. False when none.
    bool flexFixBtnClicked(const Zk_String& group, bool fix);

    // Forgets the control ids of every record (before a page binds its controls anew).
    void removeAllDlgReferences();

    friend bool operator==(const MacroTabData&, const MacroTabData&) = default;
};
