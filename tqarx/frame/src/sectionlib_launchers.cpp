#include "frame/sectionlib_launchers.h"

#include "frame/launch.h"
#include "sectionlib/dlg_edit_lib_sections.h"
#include "sectionlib/dlg_edit_lib_simple.h"

bool StartDlgEditLibSections(DlgEditLibData& data, const Zk_String& section) {
    return runModalDialog<CDlgEditLibSections>(
               [&](CDlgEditLibSections& dlg) {
                   dlg.data = data;
                   dlg.startSection = section;
               },
               [&](CDlgEditLibSections& dlg) { data = dlg.data; }) == IDOK;
}

bool StartDlgEditLibSimple(const Zk_String& sysName, Zk_ProfValuesTable& table, int& rowIndex) {
    return runModalDialog<CDlgEditLibSimple>(
               [&](CDlgEditLibSimple& dlg) {
                   dlg.table = table;
                   dlg.startSysName = sysName;
               },
               [&](CDlgEditLibSimple& dlg) {
                   table = dlg.table;
                   rowIndex = dlg.resultIndex;
               }) == IDOK;
}
