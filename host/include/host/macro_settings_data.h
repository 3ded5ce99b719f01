// MacroSettingsData: the settings of one connection macro as the macro settings dialog
// edits them (filters, filter properties, general variables, groups, the mapping of
// standards onto the macro). The host hands it out with GetMacroSettings and takes it
// back with SetMacroSettings.
#pragma once

#include "host/tab_mapping_data.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

// A list of named filters. An entry exists only while every per-entry list reaches it
// (see hasEntry); the dialogs skip the others.
struct MacroFilterList {
    Zk_StringArray names;
    Zk_Array<int> enabled;                 // 0 off, 1 on
    Zk_Array<Zk_Array<double>> values;     // the filter's numbers (pairs, ranges, sizes)
    Zk_Array<int> choices;                 // one of two options per filter (axis angles only)

    bool hasEntry(int index) const {
        return names.isValidIndex(index) && enabled.isValidIndex(index) && values.isValidIndex(index);
    }
    friend bool operator==(const MacroFilterList&, const MacroFilterList&) = default;
};

// Axis-angle filters (a choice and a lower and an upper angle each) and section-angle
// filters (numbers read as pairs).
struct MacroFilterData {
    bool useFilters = false;
    MacroFilterList axisAngles;
    MacroFilterList sectionAngles;
    friend bool operator==(const MacroFilterData&, const MacroFilterData&) = default;
};

// Path-distance filters (two values each) and section-size filters (four values each).
struct MacroFilter2Data {
    bool useFilters = false;
    MacroFilterList pathDistances;
    MacroFilterList sectionSizes;
    friend bool operator==(const MacroFilter2Data&, const MacroFilter2Data&) = default;
};

// Property sets and dialog templates of the macro's modules: per entry a list of
// property names and a template name.
struct MacroFilterPropsData {
    Zk_StringArray entryNames;
    Zk_Array<Zk_StringArray> properties;
    Zk_StringArray templates;
    friend bool operator==(const MacroFilterPropsData&, const MacroFilterPropsData&) = default;
};

// The macro's general variables and display options.
struct MacroVariablesData {
    int option1 = 0;
    int option2 = 0;
    int number = 0;
    Zk_StringArray names;
    Zk_Array<double> values;
    friend bool operator==(const MacroVariablesData&, const MacroVariablesData&) = default;
};

// The macro's groups: two texts and, per entry, a name, a second text and a number.
struct MacroGroupsData {
    Zk_String text1;
    Zk_String text2;
    Zk_StringArray names;
    Zk_StringArray texts;
    Zk_Array<int> numbers;
    friend bool operator==(const MacroGroupsData&, const MacroGroupsData&) = default;
};

struct MacroSettingsData {
    MacroFilterData filters;
    MacroFilter2Data filters2;
    MacroFilterPropsData filterProps;
    MacroVariablesData variables;
    MacroGroupsData groups;
    TabMappingData mapping;
    friend bool operator==(const MacroSettingsData&, const MacroSettingsData&) = default;
};
