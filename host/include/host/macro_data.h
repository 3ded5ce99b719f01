// The dialog data of one or more placed macros (MacroData): the tabs, the group and
// filter lists with their selections, the edited objects, the busy and closed flags
// and the facts the dialog's window-size key is made of. The operations that reach
// into the drawing (changeView, reApply, loadFromStandards) answer from the host
// stand-in's script (host/macro_host_calls.h) and are recorded there.
#pragma once

#include "host/macro_tab_data.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_Module;

class MacroData {
public:
    Zk_String caption;              // window caption
    Zk_Array<MacroTabData> tabs;
    Zk_String openTabName;          // tab to show first; empty: the first tab
    Zk_StringArray groupCaptions;   // group combo
    Zk_StringArray groupInternalNames;  // parallel to groupCaptions
    int groupIndex = 0;             // -1: none selected
    Zk_StringArray filterChoices;   // filter combo
    int filterIndex = 0;
    Zk_Array<long long> objectIds;  // the edited macro objects
    Zk_Array<long long> selectedProfileIds;  // profile objects picked with the macros
    Zk_String singleModuleName;     // the module's name when exactly one macro is edited
    bool busy = false;              // the host is still applying a change
    bool closed = false;            // set when the dialog closes
    bool selectedProfiles = false;  // the macros were picked with selected profiles
    bool eraseTempObject = false;   // erase the temporary profile object after the profile dialog
    bool openProfAdv = false;       // open the profile dialog at once on the open tab
    Zk_String profAdvGroup;         // the group that dialog edits; empty: the page's

    virtual ~MacroData() = default;

    int nrMacros() const { return objectIds.length(); }
    // The internal name of the selected group; empty when none is selected.
    Zk_String selectedGroupName() const;
    // The single selected profile object; 0 unless exactly one is selected.
    long long singleProfileId() const;

    // Index of the tab named name (openTabName when name is empty); -1 when none.
    int findTab(const Zk_String& name = Zk_String()) const;
    MacroTabData* tab(const Zk_String& name);
    // The tab of a module: the one named after the module's group, else after the module.
    MacroTabData* findModuleTab(const Zk_Module& module);

    // Shows the macros for a tab in view 0 to 3; false for another view or tab.
    bool changeView(const Zk_String& tabName, int view);
    // Applies the macros again; true when the dialog may close.
    bool reApply();
    // Reloads every value from the connection standards.
    bool loadFromStandards();

    friend bool operator==(const MacroData&, const MacroData&) = default;
};
