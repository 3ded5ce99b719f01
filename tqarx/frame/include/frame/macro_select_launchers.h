// Launchers of the array and cut dialogs, the macro selection dialog and the profile
// cuts and features dialogs. Each runs its dialog modally on a copy of the caller's
// record and copies it back only when the user confirms (true); otherwise the record is
// unchanged and the result false.
#pragma once

#include "acad/db_object_id.h"
#include "host/macro_array_records.h"
#include "host/macro_cuts_data.h"
#include "host/prof_dialog_records.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& objectIds, const Zk_String& tabName);
// escaped receives whether Escape ended the dialog, whatever the outcome.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& escaped);
// The macro drawing chosen from the modules' drawings: on OK chosen is its full name
// (".dwg") and otherChoice whether the other-choice button ended the dialog (then chosen
// is empty). otherChoice is also read: whether that button is offered. filterFirst and
// filterSecond initialise the filter: the only module switched on at the start (-1: as
// the flags say) and the most drawings listed (0: all). hint shows the hint text when the
// other choice is not offered.
bool StartDlgSelectMacro(const Zk_String& title, const Zk_StringArray& modules, const AcArray<bool>& enabled,
                         const int& filterFirst, const int& filterSecond, Zk_String& chosen, bool& otherChoice,
                         bool hint);
bool StartDlgSelectMacro(const Zk_String& title, const Zk_StringArray& modules, const int& filterFirst,
                         const int& filterSecond, Zk_String& chosen, bool& otherChoice, bool hint);
// The cuts are removed in the drawing while the dialog is open; the record is passed in
// only. Whether every preview stays shown is remembered from one confirmed call to the next.
bool StartEditProfCutsDlg(DlgProfCutsData& data);
bool StartDlgProfFeatures(DlgProfFeaturesData& data);
