// Bolt-side dialog records of a macro tab: the bolt record (assembly, diameter, hole
// texts, option flags, slotted holes, hole columns) and the bolt pattern records.
//
// Flags that several macros may hold differently are integers: 0 off, 1 on, any
// negative value mixed. A choice of -1 keeps what each macro has.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// One slotted-hole record of a bolt record.
struct MacroSlottedHole {
    int active = 0;                 // tri-state
    Zk_String radius;
    Zk_String length;
    Zk_String angle;
    Zk_String extra;                // the further text of the slot
    int choice = 0;                 // 0..2, -1 keep

    friend bool operator==(const MacroSlottedHole&, const MacroSlottedHole&) = default;
};

// One hole column of a bolt record: a named column of holes, filled or not.
struct MacroHoleColumn {
    Zk_String name;
    bool checked = false;

    friend bool operator==(const MacroHoleColumn&, const MacroHoleColumn&) = default;
};

// The bolt record of a bolt tab.
struct MacroBoltData {
    Zk_String assembly;
    Zk_String diameter;
    Zk_String holeOffset;
    Zk_String holeTolerance;
    Zk_String penetrationLength;
    Zk_String addedLength;
    bool hasHolesToFill = false;    // the macros have holes the bolts may fill
    bool fillHoles = false;
    int tapped = 0;                 // tri-state flags
    int flipOrientation = 0;
    int countersunk = 0;
    int workshop = 0;               // bolted in the workshop
    // Nut and washer choices: -1 not available, 0 off, 1 on.
    int nut1 = 0;
    int nut2 = 0;
    int washer1 = 0;
    int washer2 = 0;
    int washers = 0;
    Zk_Array<MacroSlottedHole> slottedHoles;
    Zk_Array<MacroHoleColumn> holeColumns;
    int controlId = 0;              // template control showing the record; 0 none

    bool hasSlottedHoles() const { return !slottedHoles.isEmpty(); }
    void getHoleColumns(Zk_StringArray& names, Zk_Array<int>& checked) const;
    // Sets the check of the named columns; false when the lists differ in length or
    // a name is unknown (nothing is changed then).
    bool setHoleColumns(const Zk_StringArray& names, const Zk_Array<int>& checked);
    // Equal apart from the control id.
    bool sameValues(const MacroBoltData& other) const;

    friend bool operator==(const MacroBoltData&, const MacroBoltData&) = default;
};

// Pattern types: one or two directions.
constexpr int kMacroPatternOneDir = 1;
constexpr int kMacroPatternTwoDir = 2;

// One direction of a bolt pattern as the pattern dialog edits it.
struct MacroPatternDirection {
    int useSpacing = 0;             // tri-state; enables the spacing text
    int option = 0;                 // tri-state
    int choice = 0;                 // 0..2, -1 keep
    Zk_String spacing;
    Zk_String edgeDistance;
    Zk_StringArray entries;         // the per-bolt distances

    friend bool operator==(const MacroPatternDirection&, const MacroPatternDirection&) = default;
};

// A bolt pattern record of a tab.
struct MacroPatternProps {
    Zk_String name;
    int type = kMacroPatternOneDir;
    Zk_String value;                // the text a pattern value control shows
    int nrBolts1 = 1;
    int nrBolts2 = 1;
    bool reverseStart1 = false;
    bool reverseStart2 = false;
    MacroPatternDirection dir1;
    MacroPatternDirection dir2;
    int staggered = 0;              // tri-state
    // Alternation flags; -1 mixed.
    int alternateA = 0;
    int alternateB = 0;
    int alternateC = 0;
    int controlId = 0;              // > 0 template control, < 0 minus the grid row

    // The count a count control names: "1"/"nr1" direction 1, "2"/"nr2" direction 2
    // (two-direction patterns only); -1 for anything else.
    int getCount(const Zk_String& countText) const;
    // Sets that count (a whole number of at least 1); false when it names none.
    bool setCount(const Zk_String& countText, int count);
    bool sameValues(const MacroPatternProps& other) const;

    friend bool operator==(const MacroPatternProps&, const MacroPatternProps&) = default;
};
