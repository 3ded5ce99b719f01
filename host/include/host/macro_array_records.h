// The dynamic array record of a macro tab, as far as the macro pages show it.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// Array types; -1 keeps each macro's type.
constexpr int kArrayTypeKeep = -1;

struct DynArrayEntry {
    int value = 0;
    bool checked = false;
    Zk_String name;
    int action = 0;

    friend bool operator==(const DynArrayEntry&, const DynArrayEntry&) = default;
};

struct DynArrayData {
    Zk_String name;
    int type = 0;                   // 0..3, -1 keep
    Zk_String type1Text;
    int image = 0;
    Zk_String dimensionText;
    Zk_String dimName1;
    Zk_String dimName2;
    Zk_StringArray texts;           // the array's texts in order
    int flag1 = 0;                  // tri-state
    int alternating = 0;            // tri-state: add entries alternating
    Zk_Array<DynArrayEntry> entries;
    int controlId = 0;              // > 0 template control, < 0 minus the grid row

    // Text of entry n (from 1); false when there is none.
    bool getEntry(int n, Zk_String& text) const;
    void getEntryColumns(Zk_Array<int>& values, Zk_Array<int>& checked, Zk_StringArray& names) const;
    // Replaces the entries; false (nothing changed) when the lists differ in length.
    bool setEntryColumns(const Zk_Array<int>& values, const Zk_Array<int>& checked, const Zk_StringArray& names);
    bool setEntryAction(int index, int action);
    bool sameValues(const DynArrayData& other) const;

    friend bool operator==(const DynArrayData&, const DynArrayData&) = default;
};
