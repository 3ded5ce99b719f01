// The launchers of the profile dialog (CDlgMacroProfAdv) that the host calls directly:
// on a group of the macro data, with a callback of this module's own, or on profile
// objects with the host's callback.
#pragma once

#include "acad/ac_array.h"
#include "acad/db_object_id.h"
#include "host/macro_data.h"
#include "macrodlg/km_ma_callback.h"

// The callback of the macro form: get reads the merged properties of the record's group
// from its macro data; set writes them, updates the module (change code -13) and reads
// them again; false only when the record holds no macro data.
bool macroProfAdvCallBack(KmMACallBackType type, KmMACallBackData& record, MacroProfData& profile);
// The change code a profile dialog's update is handed over with.
constexpr int kProfAdvChangeCode = -13;

// Edits the profile group of data live; segmentMode opens the dialog in segment mode.
// After the dialog, when data asks for it, the temporary profile object is erased.
void StartDlgMacroProfAdv(MacroData& data, const Zk_String& group, const Zk_String& text, bool segmentMode);
// Edits the profiles through the host's callback; nothing happens for a null or empty
// array. segmentMode goes in and receives the segment check after the dialog.
void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* objects, bool& segmentMode, KmMACallBack callback);
