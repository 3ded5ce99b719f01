// Loading and saving the macros' property files from the macro dialog.
#include "host/macro_host_calls.h"
#include "host/macro_prop_files.h"
#include "host/texts.h"
#include "macrodlg/dlg_macro.h"
#include "macrodlg/macro_tab_page.h"
#include "supportdlg/list_dialogs.h"
#include "win/msgbox.h"

namespace {
bool chooseFile(CWnd* parent, const MacroData& data, bool save, Zk_String& path) {
    CDlgOpenSave dlg(parent);
    Zk_StringArray names, descriptions;
    getPropFiles(data, dlg.m_data.folder, dlg.m_data.extension, names, descriptions);
    dlg.m_data.saveMode = save;
    dlg.m_data.caption = dialString(save ? 979 : 978);
    if (dlg.DoModal() != IDOK) return false;
    path = dlg.m_data.fileName;
    return true;
}

void reportFileFailure(CWnd* parent, bool save, const Zk_String& path) {
    const Zk_String text =
        Zk_String(save ? L"The property file could not be saved:\n" : L"The property file could not be read:\n") + path;
    parent->MessageBox(text.c_str(), dialString(save ? 979 : 978).c_str(), MB_OK | MB_ICONWARNING);
}
}  // namespace

void CDlgMacro::onLoadProperties() {
    Zk_String path;
    if (!chooseFile(this, m_macroData, false, path)) return;
    const MacroData before = m_macroData;
    int unplaced = 0;
    if (!readPropFile(m_macroData, path, unplaced)) {
        // Nothing was read: say so rather than leave the user thinking the values came in.
        reportFileFailure(this, false, path);
        return;
    }
    if (unplaced != 0) {
        const Zk_String text = dialString(1507) + L".\n" + dialString(1508) + L" " + Zk_String(unplaced) + L" " +
                               dialString(1509) + L".\n\n" + dialString(1510);
        MessageBox(text.c_str(), dialString(1507).c_str(), MB_OK | MB_ICONINFORMATION);
    }
    setAllToMacro(m_macroData, before);
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->loadValues();
    clashcheck(m_index, m_macroData.objectIds);
}

void CDlgMacro::onSaveProperties() {
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->applyPage();
    Zk_String path;
    if (!chooseFile(this, m_macroData, true, path)) return;
    if (!writePropFile(m_macroData, path)) reportFileFailure(this, true, path);
}
