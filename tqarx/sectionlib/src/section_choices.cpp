#include "sectionlib/section_choices.h"

#include "acad/command_line.h"
#include "host/files.h"
#include "host/section_library.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "host/texts.h"
#include "mfc/controls.h"
#include "sectionlib/zk_prof_values_table.h"

int fillSectionCombo(CComboBox& combo, Zk_StringArray& names, const Zk_String& reference) {
    combo.ResetContent();
    names.clear();
    const Zk_String userFolder(L"User Sections\\");
    if (reference.startsWith(userFolder, true)) {
        combo.AddString(getFileTitle(reference).c_str());
        names.append(reference);
    } else {
        const int dash = reference.find(L'-');
        const Zk_String type = dash > 0 ? reference.left(dash) : reference;
        Zk_ProfValuesTable table;
        Zk_StringArray sections;
        if (!type.isEmpty() && table.readFromFile(type)) table.getFilteredSysNames(sections);
        for (const Zk_String& section : sections) {
            Zk_String userName;
            if (!gSectionTables.getUserName(section, userName)) userName = section.mid(type.length() + 1);
            combo.AddString(userName.c_str());
            names.append(section);
        }
    }
    const int offered = names.length();
    combo.AddString(dialString(kKeepMarkerText).c_str());
    names.append(Zk_String());
    int selected = -1;
    names.find(reference, selected, true);
    combo.SetCurSel(selected);
    return offered;
}

bool pickSection(Zk_String& reference, bool cancelCommand) {
    if (cancelCommand) acedPostCommand(L"CANCELCMD");
    Zk_String path;
    if (!DlgSelectProf(reference, path)) return false;
    const Zk_String lib = addBackslash(gSettings.libDir);
    reference = !lib.isEmpty() && path.startsWith(lib, true) ? path.mid(lib.length()) : path;
    return true;
}
