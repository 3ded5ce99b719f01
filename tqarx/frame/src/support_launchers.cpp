#include "frame/support_launchers.h"

#include "frame/launch.h"
#include "host/dialog_support.h"
#include "host/settings.h"
#include "supportdlg/form_dialogs.h"
#include "supportdlg/list_dialogs.h"

bool StartDlgGrid(KmGridDlgData& data) { return launchModal(data, &CDlgGrid::m_data); }
bool StartDlgLevels(KmLevelsDlgData& data) { return launchModal(data, &CDlgLevels::m_data); }
bool StartDlgLookUp(KmLookUpDlgData& data) { return launchModal(data, &CDlgLookup::m_data); }
bool StartDlgSelectImage(KmSelectImageDlgData& data) { return launchModal(data, &CDlgSelectImage::m_data); }
bool StartDlgCladdingSettings(KmCladdingDlgData& data) { return launchModal(data, &CDlgCladdingSettings::m_data); }
bool StartDlgCis2Info(KmDlgCis2Data& data) { return launchModal(data, &CDlgCis2::m_data); }
bool StartDlgBracing(KmBracingDlgData& data) { return launchModal(data, &CDlgBracing::m_data); }
bool StartDlgCSP2(DlgCSP2Data& data) { return launchModal(data, &Zk_DlgCSP2::m_data); }
bool StartDlgOpenSave(KmOpenSaveDlgData& data) { return launchModal(data, &CDlgOpenSave::m_data); }

void StartDSTVPointsDlg() {
    const Zk_String key = L"DLG_DSTV_POINTS";
    Zk_String previous;
    readDlgRegString(key, L"FILE", previous);
    runModalDialog<CDlgSelectDstvPointsFile>(
        [&](CDlgSelectDstvPointsFile& dlg) {
            dlg.m_folder = gSettings.libDir.isEmpty() ? Zk_String() : gSettings.libDir + L"DSTV\\";
            dlg.m_fileName = previous;
        },
        [&](CDlgSelectDstvPointsFile& dlg) { writeDlgRegString(key, L"FILE", dlg.m_fileName); });
}

bool startGridDialog(const Zk_StringArray& columns, const Zk_StringArray& defaults, Zk_Array<Zk_StringArray>& rows,
                     bool canAddRows, Zk_String dialogName, Zk_String caption) {
    if (columns.isEmpty()) return false;
    if (dialogName.isEmpty()) dialogName = L"DLG_TQ_STRINGARRAY";
    return runModalDialog<CDlgStringArray>(
               [&](CDlgStringArray& dlg) {
                   dlg.m_columns = columns;
                   dlg.m_defaults = defaults;
                   dlg.m_rows = rows;
                   dlg.m_canAddRows = canAddRows;
                   dlg.m_dlgName = dialogName;
                   dlg.m_caption = caption;
               },
               [&](CDlgStringArray& dlg) { rows = dlg.m_rows; }) == IDOK;
}
