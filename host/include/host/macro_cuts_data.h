// The cut record the cut dialog edits: one cut between macro parts, its kind, its
// variables and where it goes, with the modules of the macros in the dialog
// (MacrosInDlgData). Plain values: copying copies every field.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// Cut kinds, 1 to 6.
enum Zk_CutKind {
    kCutProfVsPlate = 1,
    kCutProfVsProf = 2,
    kCutProfInProf = 3,
    kCutProfVsProf3Segments = 4,
    kCutChamfer = 5,
    kCutFillet = 6,
};
constexpr int kCutKindCount = 6;

// Where the cut goes: the module it is defined in, or another one.
enum Zk_CutTarget { kCutTargetOwnModule = 1, kCutTargetOtherModule = 2 };

// Chamfer/fillet options of kind 4 (mode 3 without options, else mode 1 or 2).
enum Zk_CutSegmentOptions { kCutSegmentsNone = 0, kCutSegmentsChamfer = 1, kCutSegmentsFillet = 2 };

// A module of a macro shown in the dialog, with the names of the cuts it holds.
struct MacroInDlgModule {
    Zk_String name;
    Zk_StringArray cutNames;
    friend bool operator==(const MacroInDlgModule&, const MacroInDlgModule&) = default;
};

// The macros the dialog works on and the ones the user picked in the drawing.
class MacrosInDlgData {
public:
    Zk_Array<MacroInDlgModule> modules;

    // Names of every module, in order, each once (case ignored).
    void GetAllMods(Zk_StringArray& names) const;
    // The user picks a macro in the drawing; its modules are added (those not held yet).
    // False when the pick was cancelled.
    bool UserSelectMacro();
    const MacroInDlgModule* findModule(const Zk_String& name) const;

    friend bool operator==(const MacrosInDlgData&, const MacrosInDlgData&) = default;
};

// The stand-in's answers to UserSelectMacro, taken in order; an empty queue is a cancelled
// pick. Each answer is the list of modules of the picked macro.
struct MacroCutsHostStandIn {
    Zk_Array<Zk_Array<MacroInDlgModule>> macroPicks;
    int pickCalls = 0;
};
MacroCutsHostStandIn& macroCutsHost();
void resetMacroCutsHost();

struct DlgMacroCutsData {
    bool editExisting = false;  // an existing cut is edited: name and kind are fixed
    int kind = kCutProfVsPlate;
    Zk_String name;
    Zk_String originalName;     // the edited cut's name (not a clash with itself)
    Zk_String text2;            // the second text (field 1001)
    Zk_StringArray varNames;
    Zk_StringArray varValues;   // may be shorter than varNames: missing values are "0"
    Zk_Array<int> varFlags;
    int mode = 1;               // 1 to 3
    bool otherMode = false;     // kind 1: mode 2 instead of 1
    int segmentOptions = kCutSegmentsNone;  // kind 4
    int check1323 = 0;
    int check1325 = 0;
    int check1326 = 0;
    int choice = 0;             // item of the choice combo (0 to 3)
    int target = kCutTargetOwnModule;
    Zk_String targetModule;
    MacrosInDlgData macros;

    // The variables a new cut of a kind starts with, their default values and flags.
    // False for a kind outside 1 to 6 (lists emptied).
    static bool GetDefaultValues(int kind, Zk_StringArray& names, Zk_StringArray& values, Zk_Array<int>& flags);
    // True when the target module already holds a cut of this name (case ignored),
    // other than the edited cut itself.
    bool CutNameInUse() const;
    // Every value is a number, empty, or a variable name: a letter or "_" followed by
    // letters, digits and "_", and not starting with the general-variable prefix "gen_".
    bool AreVarNamesValid() const;

    friend bool operator==(const DlgMacroCutsData&, const DlgMacroCutsData&) = default;
};
