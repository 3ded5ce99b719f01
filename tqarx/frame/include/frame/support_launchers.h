// Launchers of the modelling support dialogs. Each runs its dialog modally on a copy of
// the caller's record and copies it back only when the user confirms (true); otherwise
// the record is unchanged and the result false.
#pragma once

#include "host/dialog_records.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

bool StartDlgGrid(KmGridDlgData& data);
bool StartDlgLevels(KmLevelsDlgData& data);
bool StartDlgLookUp(KmLookUpDlgData& data);
bool StartDlgSelectImage(KmSelectImageDlgData& data);
bool StartDlgCladdingSettings(KmCladdingDlgData& data);
bool StartDlgCis2Info(KmDlgCis2Data& data);
bool StartDlgBracing(KmBracingDlgData& data);
bool StartDlgCSP2(DlgCSP2Data& data);
bool StartDlgOpenSave(KmOpenSaveDlgData& data);
// The DSTV marking-points file: lists "DSTV\" of the library folder; the choice is kept
// for the next opening (dialog state key "DLG_DSTV_POINTS").
void StartDSTVPointsDlg();
// The string grid. False at once (nothing shown) when columns is empty; an empty
// dialogName becomes "DLG_TQ_STRINGARRAY" (the key of its window size). defaults are the
// values of a new row; canAddRows allows adding and removing rows. On OK rows becomes the
// dialog's rows and the result is true.
bool startGridDialog(const Zk_StringArray& columns, const Zk_StringArray& defaults, Zk_Array<Zk_StringArray>& rows,
                     bool canAddRows, Zk_String dialogName, Zk_String caption);
