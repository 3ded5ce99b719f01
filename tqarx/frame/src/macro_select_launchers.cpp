#include "frame/macro_select_launchers.h"

#include "frame/launch.h"
#include "macrodlg/dlg_array.h"
#include "macrodlg/dlg_edit_prof_cuts.h"
#include "macrodlg/dlg_macro_cuts.h"
#include "macrodlg/dlg_prof_features.h"
#include "macrodlg/dlg_select_macro.h"

namespace {
// The single-preview option of the profile cuts dialog, kept between confirmed calls.
bool gProfCutsSinglePreview = true;
}  // namespace

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& objectIds, const Zk_String& tabName) {
    TqResourceScope resources;
    CDlgArray dlg(data, objectIds, tabName);
    if (dlg.DoModal() != IDOK) return false;
    data = dlg.arrayData();
    return true;
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& escaped) {
    TqResourceScope resources;
    CDlgMacroCuts dlg;
    dlg.m_data = data;
    const INT_PTR result = dlg.DoModal();
    escaped = dlg.escapePressed();
    if (result != IDOK) return false;
    data = dlg.m_data;
    return true;
}

bool StartDlgSelectMacro(const Zk_String& title, const Zk_StringArray& modules, const AcArray<bool>& enabled,
                         const int& filterFirst, const int& filterSecond, Zk_String& chosen, bool& otherChoice,
                         bool hint) {
    TqResourceScope resources;
    CDlgSelectMacro dlg;
    dlg.m_caption = title;
    dlg.m_filter.initialize(modules, enabled, filterFirst, filterSecond);
    dlg.m_otherChoice = otherChoice;
    dlg.m_hint = hint;
    if (dlg.DoModal() != IDOK) return false;
    chosen = dlg.m_chosen;
    otherChoice = dlg.m_otherChoice;
    return true;
}

bool StartDlgSelectMacro(const Zk_String& title, const Zk_StringArray& modules, const int& filterFirst,
                         const int& filterSecond, Zk_String& chosen, bool& otherChoice, bool hint) {
    AcArray<bool> enabled;
    for (int i = 0; i < modules.length(); ++i) enabled.append(true);
    return StartDlgSelectMacro(title, modules, enabled, filterFirst, filterSecond, chosen, otherChoice, hint);
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    TqResourceScope resources;
    CDlgEditProfCuts dlg;
    dlg.m_data = data;
    dlg.m_singlePreview = gProfCutsSinglePreview;
    if (dlg.DoModal() != IDOK) return false;
    gProfCutsSinglePreview = dlg.m_singlePreview;
    return true;
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) { return launchModal(data, &CDlgProfFeatures::m_data); }
