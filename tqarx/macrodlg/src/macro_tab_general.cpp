#include "macrodlg/macro_tab_general.h"

#include "host/macro_host_calls.h"
#include "host/texts.h"
#include "macrodlg/dlg_macro.h"
#include "macrodlg/dlg_macro_bolt_adv.h"
#include "macrodlg/macro_combo_values.h"
#include "res/macrodlg_ids.h"
#include "win/window.h"

namespace {
constexpr int kBoltBandHeight = 47;
}

CMacroTabGeneral::CMacroTabGeneral(CDlgMacro* owner, int tabIndex)
    : CMacroTabPage(IDD, owner, tabIndex, IDC_PAGE_GRID_GENERAL) {}

void CMacroTabGeneral::initFixedControls() {
    m_fixedIds = {IDC_BOLT_ASSEMBLY, IDC_BOLT_DIAMETER, IDC_PAGE_ADVANCED};
    SetDlgItemText(IDC_BOLT_ASSEMBLY_LABEL, dialString(275).c_str());
    SetDlgItemText(IDC_BOLT_DIAMETER_LABEL, dialString(328).c_str());
    SetDlgItemText(IDC_PAGE_ADVANCED, dialString(968).c_str());
}

bool CMacroTabGeneral::showsBoltBand() const {
    const MacroTabData* tab = tabData();
    return tab && tab->kind == kMacroTabBolt && tab->bolt.controlId == 0;
}

int CMacroTabGeneral::bandHeight() const { return showsBoltBand() ? kBoltBandHeight : 0; }

void CMacroTabGeneral::layoutBand(const RECT& band) {
    const bool shown = showsBoltBand();
    m_boltBandHidden = !shown;
    for (int id : {IDC_BOLT_ASSEMBLY_LABEL, IDC_BOLT_ASSEMBLY, IDC_BOLT_DIAMETER_LABEL, IDC_BOLT_DIAMETER,
                   IDC_PAGE_ADVANCED})
        if (CWnd* w = GetDlgItem(id)) w->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    if (!shown) return;
    const int top = band.top + 2;
    auto place = [&](int id, int x, int y, int w, int h) {
        if (CWnd* c = GetDlgItem(id)) c->MoveWindow(x, y, w, h);
    };
    place(IDC_BOLT_ASSEMBLY_LABEL, 6, top + 3, 60, 16);
    place(IDC_BOLT_ASSEMBLY, 70, top, 110, 200);
    place(IDC_BOLT_DIAMETER_LABEL, 6, top + 25, 60, 16);
    place(IDC_BOLT_DIAMETER, 70, top + 22, 110, 200);
    place(IDC_PAGE_ADVANCED, 186, top + 22, 80, 21);
}

void CMacroTabGeneral::loadFixed() {
    const MacroTabData* tab = tabData();
    if (!tab || !showsBoltBand()) return;
    Zk_StringArray assemblies, diameters;
    GetAssemblies(assemblies);
    if (const MacroData* data = macroData()) GetMergedDiameters(*data, tab->name, diameters);
    showInControl(::GetDlgItem(GetSafeHwnd(), IDC_BOLT_ASSEMBLY), tab->bolt.assembly, &assemblies);
    showInControl(::GetDlgItem(GetSafeHwnd(), IDC_BOLT_DIAMETER), tab->bolt.diameter, &diameters);
}

void CMacroTabGeneral::readFixed(MacroTabData& tab) {
    if (!showsBoltBand()) return;
    tab.bolt.assembly = controlText(::GetDlgItem(GetSafeHwnd(), IDC_BOLT_ASSEMBLY));
    tab.bolt.diameter = controlText(::GetDlgItem(GetSafeHwnd(), IDC_BOLT_DIAMETER));
}

void CMacroTabGeneral::refillDiameters(const Zk_String& assembly) {
    HWND combo = ::GetDlgItem(GetSafeHwnd(), IDC_BOLT_DIAMETER);
    const Zk_String shown = controlText(combo);
    Zk_StringArray diameters;
    GetDiameters(assembly, diameters);
    showInControl(combo, shown, &diameters);
}

bool CMacroTabGeneral::onFixedCommand(int id, int code) {
    if (id == IDC_BOLT_ASSEMBLY && code == CBN_SELCHANGE) {
        const Zk_String assembly = controlText(::GetDlgItem(GetSafeHwnd(), IDC_BOLT_ASSEMBLY));
        if (assembly != macroKeepText()) refillDiameters(assembly);
        applyPage();
        return true;
    }
    if (id == IDC_BOLT_DIAMETER && code == CBN_SELCHANGE) {
        applyPage();
        return true;
    }
    if (id == IDC_PAGE_ADVANCED && code == BN_CLICKED) {
        openBoltDialog();
        return true;
    }
    return false;
}

void CMacroTabGeneral::openBoltDialog() {
    const MacroTabData* tab = tabData();
    if (!tab) return;
    postCancelCommand();
    Zk_StringArray diameters;
    if (const MacroData* data = macroData()) GetMergedDiameters(*data, tab->name, diameters);
    CDlgMacroBoltAdv dlg(tab->bolt, diameters, this, this);
    dlg.DoModal();
    loadValues();
}
