#include "macroedit/dlg_edit_macro.h"

#include "acad/command_line.h"
#include "host/edit_constr_calls.h"
#include "host/texts.h"
#include "macroedit/dlg_macro_settings.h"
#include "macroedit/tab_edit_constraints.h"
#include "macroedit/tab_edit_vars.h"
#include "macroedit/tab_geometries.h"
#include "macroedit/tab_macro_commands.h"
#include "mfc/controls.h"
#include "sheeteditor/dlg_prompt_string.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_EDIT_MACRO";
constexpr int kAddModuleCommand = 11;
constexpr int kLastConstraintCommand = 10;

enum {
    kTextOk = 1,
    kTextCancel = 2,
    kTextClose = 285,
    kTextSelectTip = 865,
    kTextAddTip = 866,
    kTextRemoveTip = 867,
    kTextZoomTip = 868,
    kTextTitle = 869,
    kTextSelect = 870,
    kTextRename = 871,
    kTextSettings = 872,
    kTextFirstTab = 873,
    kTextRenameTitle = 877,
    kTextRenamePrompt = 878,
};

CDlgEditMacro::ModelessCloseHandler gCloseHandler = nullptr;

using B = CResizer::Border;

std::vector<CResizer::Anchor> anchors() {
    const B left{1, 0, 1}, top{1, 0, 2}, right{1, 0, 3}, bottom{1, 0, 4};
    const B keepWidth{3, 0, 1}, keepHeight{4, 0, 2};
    return {
        {IDC_EM_TAB, left, top, right, bottom},
        {IDOK, keepWidth, keepHeight, right, bottom},
    };
}

}  // namespace

BEGIN_MESSAGE_MAP(CDlgEditMacro, CAcUiTabMainDialog)
ON_BN_CLICKED(IDC_EM_SELECT_MACRO, &CDlgEditMacro::OnSelectMacro)
ON_CBN_SELCHANGE(IDC_EM_MODULE, &CDlgEditMacro::OnModuleChanged)
ON_BN_CLICKED(IDC_EM_ADD_MODULE, &CDlgEditMacro::OnAddModule)
ON_BN_CLICKED(IDC_EM_RENAME_MODULE, &CDlgEditMacro::OnRenameModule)
ON_BN_CLICKED(IDC_EM_REMOVE_MODULE, &CDlgEditMacro::OnRemoveModule)
ON_BN_CLICKED(IDC_EM_SETTINGS, &CDlgEditMacro::OnSettings)
ON_BN_CLICKED(IDC_EM_ZOOM, &CDlgEditMacro::OnZoom)
END_MESSAGE_MAP()

CDlgEditMacro::CDlgEditMacro(CWnd* parent) : CAcUiTabMainDialog(IDD, parent) {}

CDlgEditMacro::~CDlgEditMacro() = default;

void CDlgEditMacro::setModelessCloseHandler(ModelessCloseHandler handler) { gCloseHandler = handler; }

CEditMacroPage* CDlgEditMacro::page(int index) const {
    switch (index) {
    case kConstraintsPage: return m_constraints.get();
    case kGeometriesPage: return m_geometries.get();
    case kVariablesPage: return m_variables.get();
    case kCommandsPage: return m_commands.get();
    default: return nullptr;
    }
}

BOOL CDlgEditMacro::OnInitDialog() {
    CAcUiTabMainDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(IDOK, dialString(kTextClose).c_str());
    SetDlgItemText(IDC_EM_RENAME_MODULE, dialString(kTextRename).c_str());
    SetDlgItemText(IDC_EM_SETTINGS, dialString(kTextSettings).c_str());
    m_select.SubclassDlgItem(IDC_EM_SELECT_MACRO, this);
    m_select.SetIcon(IDI_EDIT_MACRO_SELECT);
    m_select.SetWindowText(dialString(kTextSelect).c_str());
    m_select.SetTooltipText(dialString(kTextSelectTip).c_str());
    m_add.SubclassDlgItem(IDC_EM_ADD_MODULE, this);
    m_add.SetIcon(IDI_EDIT_MACRO_ADD);
    m_add.SetTooltipText(dialString(kTextAddTip).c_str());
    m_remove.SubclassDlgItem(IDC_EM_REMOVE_MODULE, this);
    m_remove.SetIcon(IDI_EDIT_MACRO_REMOVE);
    m_remove.SetTooltipText(dialString(kTextRemoveTip).c_str());
    m_zoom.SubclassDlgItem(IDC_EM_ZOOM, this);
    m_zoom.SetIcon(IDI_EDIT_MACRO_ZOOM);
    m_zoom.SetTooltipText(dialString(kTextZoomTip).c_str());

    RECT opened{};
    GetWindowRect(&opened);
    m_minWidth = opened.right - opened.left;
    m_minHeight = opened.bottom - opened.top;
    m_resizer.init(this, anchors());

    auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_EM_TAB));
    for (int i = 0; i < kPageCount; ++i) tab->InsertItem(i, dialString(kTextFirstTab + i).c_str());
    m_constraints = std::make_unique<CTabEditConstraints>(*this);
    m_geometries = std::make_unique<CTabGeometries>(*this);
    m_variables = std::make_unique<CTabEditVars>(*this);
    m_commands = std::make_unique<CTabMacroCommands>(*this);
    m_constraints->Create(CTabEditConstraints::IDD, tab);
    m_geometries->Create(CTabGeometries::IDD, tab);
    m_variables->Create(CTabEditVars::IDD, tab);
    m_commands->Create(CTabMacroCommands::IDD, tab);
    placePages();

    fillModuleCombo();
    refillPages(true);
    tab->SetCurSel(kConstraintsPage);
    showPage(kConstraintsPage);
    if (CWnd* name = m_constraints->GetDlgItem(IDC_EC_VARNAME); name && (name->GetStyle() & WS_VISIBLE)) name->SetFocus();
    ChangeDlgSize(this, Zk_String(kSizeKey), m_minWidth, m_minHeight);
    m_ready = true;
    return FALSE;
}

void CDlgEditMacro::placePages() {
    auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_EM_TAB));
    if (!tab) return;
    RECT item{};
    RECT client{};
    tab->GetItemRect(0, &item);
    tab->GetClientRect(&client);
    const int left = item.left;
    const int top = item.bottom + 2;
    const int width = client.right - left - 3;
    const int height = client.bottom - top - 2;
    for (int i = 0; i < kPageCount; ++i)
        if (CEditMacroPage* p = page(i); p && p->GetSafeHwnd()) p->MoveWindow(left, top, width, height);
}

Zk_String CDlgEditMacro::comboText() const {
    CString text;
    if (CWnd* combo = GetDlgItem(IDC_EM_MODULE)) {
        auto* c = static_cast<CComboBox*>(combo);
        const int sel = c->GetCurSel();
        if (sel >= 0) c->GetLBText(sel, text);
    }
    return Zk_String(text.str());
}

void CDlgEditMacro::fillModuleCombo(int index) {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_EM_MODULE));
    if (!combo) return;
    Zk_StringArray names;
    MacroGetModules(m_data, names);
    combo->ResetContent();
    for (const Zk_String& n : names) combo->AddString(n.c_str());
    if (index < 0) {
        combo->SetCurSel(combo->FindStringExact(-1, m_data.currentModule.c_str()));
        return;
    }
    if (combo->GetCount() == 0) return;
    combo->SetCurSel(std::min(index, combo->GetCount() - 1));
    // The pages show the module the combo shows.
    const Zk_String shown = comboText();
    if (shown != m_data.currentModule) SetCurrentModule(m_data, shown);
}

void CDlgEditMacro::refillPages(bool newModule) {
    if (newModule) m_constraints->restartSelection();
    m_constraints->refill();
    m_geometries->refill();
    m_variables->refill();
}

void CDlgEditMacro::applyPendingEdits() {
    if (!m_constraints) return;
    m_constraints->apply();
    m_geometries->apply();
    m_variables->apply();
}

void CDlgEditMacro::leavePage(int index) {
    if (CEditMacroPage* p = page(index)) p->leave();
}

void CDlgEditMacro::showPage(int index) {
    if (!page(index)) return;
    for (int i = 0; i < kPageCount; ++i) page(i)->ShowWindow(SW_HIDE);
    if (m_page != index) leavePage(m_page);
    if (index == kConstraintsPage) {
        m_constraints->apply();
        m_constraints->refill();
    }
    if (index == kVariablesPage) m_variables->enter();
    page(index)->ShowWindow(SW_SHOW);
    m_page = index;
    if (auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_EM_TAB)); tab && tab->GetCurSel() != index) tab->SetCurSel(index);
}

BOOL CDlgEditMacro::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == IDC_EM_TAB && header->code == TCN_SELCHANGE) {
        showPage(static_cast<CTabCtrl*>(GetDlgItem(IDC_EM_TAB))->GetCurSel());
        return TRUE;
    }
    return CAcUiTabMainDialog::OnNotify(wParam, lParam, result);
}

void CDlgEditMacro::selectModule(const Zk_String& name) {
    leavePage(m_page);
    applyPendingEdits();
    SetCurrentModule(m_data, name);
    refillPages(true);
}

void CDlgEditMacro::OnModuleChanged() { selectModule(comboText()); }

void CDlgEditMacro::runMacroCommand(int code) {
    applyPendingEdits();
    BeginEditorCommand();
    const bool done = StartMacroCommand(m_data, code);
    CompleteEditorCommand();
    if (!done) return;
    if (code <= kLastConstraintCommand) {
        fillModuleCombo();
        refillPages(false);
        showPage(kConstraintsPage);
    } else if (code == kAddModuleCommand) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_EM_MODULE));
        Zk_StringArray names;
        MacroGetModules(m_data, names);
        fillModuleCombo(names.length() - 1);
        refillPages(combo->GetCount() > 0);
    }
}

void CDlgEditMacro::OnAddModule() { runMacroCommand(kAddModuleCommand); }

void CDlgEditMacro::OnSelectMacro() {
    applyPendingEdits();
    leavePage(m_page);
    BeginEditorCommand();
    const bool chosen = SelectOtherMacro(m_data);
    CompleteEditorCommand();
    if (!chosen) return;
    fillModuleCombo();
    refillPages(true);
}

void CDlgEditMacro::OnRenameModule() {
    Zk_DlgPromptString prompt(this);
    prompt.title = dialString(kTextRenameTitle);
    prompt.prompt = dialString(kTextRenamePrompt);
    prompt.text = m_data.currentModule;
    prompt.okCaption = dialString(kTextOk);
    prompt.cancelCaption = dialString(kTextCancel);
    if (prompt.DoModal() != IDOK) return;
    applyPendingEdits();
    if (!RenameModule(m_data, prompt.text)) return;
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_EM_MODULE));
    fillModuleCombo(std::max(combo->GetCurSel(), 0));
    refillPages(false);
}

void CDlgEditMacro::OnRemoveModule() {
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_EM_MODULE));
    const int index = combo->GetCurSel();
    if (index < 0) return;
    applyPendingEdits();
    leavePage(m_page);
    if (!RemoveModule(m_data, comboText())) return;
    fillModuleCombo(index);
    refillPages(true);
}

void CDlgEditMacro::OnSettings() {
    MacroSettingsData settings;
    if (!GetMacroSettings(m_data.macroId, settings)) return;
    CDlgMacroSettings dlg(settings, this);
    if (dlg.DoModal() == IDOK) SetMacroSettings(m_data.macroId, settings);
}

void CDlgEditMacro::OnZoom() {
    // The zoom button pressed again while the host zooms does nothing.
    if (m_zooming) return;
    m_zooming = true;
    BeginEditorCommand();
    ZoomCommand(m_data);
    CompleteEditorCommand();
    m_zooming = false;
}

void CDlgEditMacro::OnOK() {
    if (m_modeless && gCloseHandler) {
        gCloseHandler(this);
        return;
    }
    CAcUiTabMainDialog::OnOK();
}

void CDlgEditMacro::OnCancel() {
    if (m_modeless && gCloseHandler) {
        gCloseHandler(this);
        return;
    }
    CAcUiTabMainDialog::OnCancel();
}

void CDlgEditMacro::OnClose() { OnCancel(); }

void CDlgEditMacro::OnSize(UINT type, int cx, int cy) {
    CAcUiTabMainDialog::OnSize(type, cx, cy);
    if (!m_ready || !m_resizer.isInitialised()) return;
    m_resizer.move();
    placePages();
    Invalidate();
}

void CDlgEditMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    CAcUiTabMainDialog::OnGetMinMaxInfo(info);
    if (!info) return;
    info->ptMinTrackSize.x = m_minWidth;
    info->ptMinTrackSize.y = m_minHeight;
}

void CDlgEditMacro::OnDestroy() {
    if (!m_closed && m_constraints) {
        m_closed = true;
        m_constraints->apply();
        UnHighlightConstraints(m_data);
        m_geometries->leave();
        m_geometries->apply();
        m_variables->apply();
        WriteDlgSize(this, Zk_String(kSizeKey));
    }
    for (int i = 0; i < kPageCount; ++i)
        if (CEditMacroPage* p = page(i); p && p->GetSafeHwnd()) p->DestroyWindow();
    CAcUiTabMainDialog::OnDestroy();
}
