// Launchers of the section library dialogs.
#pragma once

#include "host/section_library.h"
#include "host/zk_string.h"
#include "sectionlib/zk_prof_values_table.h"

// The section library dialog on a copy of data, opened on section ("HEA-HEA200": the
// values page at that section) or, when empty, on the groups page. On OK data receives
// the edited record and the result is true.
bool StartDlgEditLibSections(DlgEditLibData& data, const Zk_String& section);
// Adds a section to table starting from the row with system name sysName. On OK table is
// the edited copy, rowIndex the new section's position among the active rows (-1 when no
// row could be made) and the result is true; on Cancel both are unchanged.
bool StartDlgEditLibSimple(const Zk_String& sysName, Zk_ProfValuesTable& table, int& rowIndex);
