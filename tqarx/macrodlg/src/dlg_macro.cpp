#include "macrodlg/dlg_macro.h"

#include <algorithm>

#include "acad/command_line.h"
#include "host/dialog_support.h"
#include "host/macro_host_calls.h"
#include "host/macro_prop_files.h"
#include "host/texts.h"
#include "macrodlg/macro_tab_general.h"
#include "macrodlg/macro_tab_prof.h"
#include "mfc/controls.h"
#include "res/macrodlg_ids.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {
CDlgMacro::CloseHandler gCloseHandler = nullptr;

// Before the first WM_SIZE the window keeps at least this size.
constexpr int kFirstMinWidth = 280;
constexpr int kFirstMinHeight = 300;
constexpr int kMinExtraWidth = 47;
constexpr int kMinExtraHeight = 160;
constexpr int kCloseView = 3;

struct ImageButton {
    int id;
    UINT icon;
    int tip;  // numbered text; 0: the fixed tip below
};
constexpr ImageButton kImageButtons[] = {
    {IDC_MACRO_SELECT, IDI_MACRO_SELECT, 973},      {IDC_MACRO_VIEW3, IDI_MACRO_VIEW3, 974},
    {IDC_MACRO_VIEW0, IDI_MACRO_VIEW0, 975},        {IDC_MACRO_VIEW1, IDI_MACRO_VIEW1, 976},
    {IDC_MACRO_VIEW2, IDI_MACRO_VIEW2, 977},        {IDC_MACRO_STANDARDS, IDI_MACRO_STANDARDS, 0},
    {IDC_MACRO_CLASH, IDI_MACRO_CLASH, 980},        {IDC_MACRO_LOAD_PROPS, IDI_MACRO_LOAD_PROPS, 978},
    {IDC_MACRO_SAVE_PROPS, IDI_MACRO_SAVE_PROPS, 979},
};

// The 16 controls of the dialog: the button row and the combos stay at the top, the
// tab control takes the rest, the two buttons stay at the bottom right.
std::vector<CResizer::Anchor> anchors() {
    std::vector<CResizer::Anchor> a;
    auto fixedTopLeft = [&](int id) { a.push_back({id, {1, 0, 1}, {1, 0, 2}, {3, 0, 1}, {4, 0, 2}}); };
    for (const ImageButton& b : kImageButtons) fixedTopLeft(b.id);
    fixedTopLeft(IDC_MACRO_GROUP_LABEL);
    fixedTopLeft(IDC_MACRO_GROUP);
    fixedTopLeft(IDC_MACRO_FILTER_LABEL);
    a.push_back({IDC_MACRO_FILTER, {1, 0, 1}, {1, 0, 2}, {1, 0, 3}, {4, 0, 2}});
    a.push_back({IDC_MACRO_TAB, {1, 0, 1}, {1, 0, 2}, {1, 0, 3}, {1, 0, 4}});
    a.push_back({IDC_MACRO_REAPPLY, {3, 0, 3}, {4, 0, 4}, {1, 0, 3}, {1, 0, 4}});
    a.push_back({1, {3, 0, 3}, {4, 0, 4}, {1, 0, 3}, {1, 0, 4}});
    return a;
}
}  // namespace

Zk_String macroDlgSizeKey(const MacroData& data) {
    Zk_String key = L"DLG_MACRO_";
    key += L"EDITVARS_";
    if (data.nrMacros() == 1 && !data.singleModuleName.isEmpty()) return key + data.singleModuleName;
    const Zk_String group = data.selectedGroupName();
    if (!group.isEmpty()) return key + L"GROUP_" + group;
    return key + Zk_String(data.nrMacros()) + L"_MACROS";
}

CDlgMacro::CDlgMacro(CWnd* parent) : CDialog(IDD, parent) {}

CDlgMacro::~CDlgMacro() {
    if (GetSafeHwnd()) DestroyWindow();
}

void CDlgMacro::setModelessCloseHandler(CloseHandler handler) { gCloseHandler = handler; }

CMacroTabPage* CDlgMacro::page(int tab) const {
    return tab >= 0 && tab < pageCount() ? m_pages[static_cast<std::size_t>(tab)].get() : nullptr;
}

int CDlgMacro::pageKind(int tab) const {
    return tab >= 0 && tab < static_cast<int>(m_pageKinds.size()) ? m_pageKinds[static_cast<std::size_t>(tab)] : -1;
}

SIZE CDlgMacro::effectiveMinimumSize() const {
    if (!m_sized) return SIZE{kFirstMinWidth, kFirstMinHeight};
    return SIZE{m_minWidth, m_minHeight};
}

void CDlgMacro::setupButtons() {
    SetDlgItemText(1, dialString(285).c_str());
    int i = 0;
    for (const ImageButton& b : kImageButtons) {
        CButtonST& button = m_buttons[i++];
        button.SubclassDlgItem(b.id, this);
        button.SetIcon(b.icon);
        button.SetTooltipText(b.tip ? dialString(b.tip).c_str() : L"Load from standards");
    }
    SetDlgItemText(IDC_MACRO_GROUP_LABEL, dialString(755).c_str());
    SetDlgItemText(IDC_MACRO_FILTER_LABEL, dialString(981).c_str());
    SetDlgItemText(IDC_MACRO_REAPPLY, dialString(982).c_str());
}

BOOL CDlgMacro::OnInitDialog() {
    CDialog::OnInitDialog();
    setupButtons();
    RECT opened{};
    GetWindowRect(&opened);
    m_resourceWidth = m_minWidth = opened.right - opened.left;
    m_resourceHeight = m_minHeight = opened.bottom - opened.top;
    m_resizer.init(this, anchors());
    m_initialised = true;
    buildPages();
    const int open = m_macroData.findTab();
    if (open >= 0 && page(open)) {
        static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB))->SetCurSel(open);
        showPage(open);
        if (m_macroData.openProfAdv && pageKind(open) == kMacroTabProfile)
            static_cast<CMacroTabProf*>(page(open))->openProfileDialog();
    }
    fillCombos();
    const bool restored = ChangeDlgSize(this, macroDlgSizeKey(m_macroData), m_minWidth, m_minHeight);
    // A size kept for this selection wins over the fitted one as long as the pages fit.
    fitWindow(restored);
    clashInitDlgStarted(m_index, m_macroData.objectIds);
    clashResetInfo(m_index);
    CheckDlgButton(IDC_MACRO_CLASH, clashGetStatus(m_index) ? BST_CHECKED : BST_UNCHECKED);
    clashcheck(m_index, m_macroData.objectIds);
    return FALSE;  // the page put the focus where it belongs
}

void CDlgMacro::buildPages() {
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB));
    const int remembered = tabs && tabs->GetCurSel() >= 0 ? tabs->GetCurSel() : 0;
    destroyPages();
    if (!tabs) return;
    const long long singleProfile =
        m_macroData.selectedProfileIds.length() == 1 ? m_macroData.selectedProfileIds[0] : 0;
    int item = 0;
    for (int i = 0; i < m_macroData.tabs.length(); ++i) {
        const MacroTabData& tab = m_macroData.tabs[i];
        std::unique_ptr<CMacroTabPage> made;
        if (tab.kind == kMacroTabGeneral || tab.kind == kMacroTabBolt || tab.kind == kMacroTabOther)
            made = std::make_unique<CMacroTabGeneral>(this, i);
        else if (tab.kind == kMacroTabProfile)
            made = std::make_unique<CMacroTabProf>(this, i, singleProfile);
        m_pageKinds.push_back(made ? tab.kind : -1);
        if (made) {
            tabs->InsertItem(item++, tab.name.c_str(), static_cast<LPARAM>(i));
            made->Create(made->templateId(), tabs);
        }
        m_pages.push_back(std::move(made));
    }
    placePages();
    const int count = tabs->GetItemCount();
    if (count > 0) {
        const int select = std::min(remembered, count - 1);
        tabs->SetCurSel(select);
        showPage(static_cast<int>(tabs->GetItemData(select)));
    }
    const BOOL allowed = propListAllowed(m_macroData) ? TRUE : FALSE;
    if (CWnd* w = GetDlgItem(IDC_MACRO_LOAD_PROPS)) w->EnableWindow(allowed);
    if (CWnd* w = GetDlgItem(IDC_MACRO_SAVE_PROPS)) w->EnableWindow(allowed);
}

void CDlgMacro::destroyPages() {
    if (auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB))) tabs->DeleteAllItems();
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->DestroyWindow();
    m_pages.clear();
    m_pageKinds.clear();
    m_currentPage = -1;
}

void CDlgMacro::placePages() {
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB));
    if (!tabs || tabs->GetItemCount() == 0) return;
    RECT item{}, client{};
    tabs->GetItemRect(0, &item);
    tabs->GetClientRect(&client);
    const int left = item.left;
    const int top = item.bottom + 2;
    const int width = std::max<int>(client.right - left - 3, 0);
    const int height = std::max<int>(client.bottom - top - 2, 0);
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->MoveWindow(left, top, width, height);
}

void CDlgMacro::rememberFocus(int tab) {
    CMacroTabPage* p = page(tab);
    if (!p || !p->GetSafeHwnd()) return;
    HWND focus = ::GetFocus();
    if (!focus || !::IsChild(p->GetSafeHwnd(), focus)) return;
    while (::GetParent(focus) && ::GetParent(focus) != p->GetSafeHwnd()) focus = ::GetParent(focus);
    const Zk_String name = m_macroData.tabs[tab].name;
    for (RestoreFocusTab& entry : m_restoreFocus)
        if (entry.tabName == name) {
            entry.controlId = ::GetDlgCtrlID(focus);
            return;
        }
    m_restoreFocus.push_back({name, ::GetDlgCtrlID(focus)});
}

void CDlgMacro::restoreFocus(int tab) {
    CMacroTabPage* p = page(tab);
    if (!p) return;
    const Zk_String name = m_macroData.tabs[tab].name;
    for (const RestoreFocusTab& entry : m_restoreFocus)
        if (entry.tabName == name) {
            HWND wnd = ::GetDlgItem(p->GetSafeHwnd(), entry.controlId);
            if (wnd && ::IsWindowVisible(wnd)) {
                ::SetFocus(wnd);
                return;
            }
        }
    p->focusFirst();
}

void CDlgMacro::showPage(int tab) {
    if (m_currentPage >= 0) rememberFocus(m_currentPage);
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->ShowWindow(SW_HIDE);
    CMacroTabPage* shown = page(tab);
    if (!shown) return;
    shown->ShowWindow(SW_SHOW);
    if (!m_shown) shown->focusFirst();
    else restoreFocus(tab);
    m_shown = true;
    m_currentPage = tab;
}

void CDlgMacro::fillCombos() {
    const Zk_String caption = m_macroData.caption.isEmpty() ? Zk_String(L"Macro") : m_macroData.caption;
    SetWindowText(caption.c_str());
    auto fill = [&](int id, const Zk_StringArray& items, int selected) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(id));
        if (!combo) return;
        combo->ResetContent();
        for (const Zk_String& s : items) combo->AddString(s.c_str());
        combo->SetCurSel(selected);
    };
    fill(IDC_MACRO_GROUP, m_macroData.groupCaptions, m_macroData.groupIndex);
    fill(IDC_MACRO_FILTER, m_macroData.filterChoices, m_macroData.filterIndex);
}

void CDlgMacro::fitWindow(bool keepLarger) {
    int width = 0, height = 0;
    bool anyPage = false;
    for (auto& p : m_pages) {
        if (!p) continue;
        anyPage = true;
        const SIZE request = p->requestedSize();
        width = std::max<int>(width, request.cx);
        height = std::max<int>(height, request.cy);
    }
    m_minWidth = std::max(width + kMinExtraWidth, m_resourceWidth);
    m_minHeight = std::max(height + kMinExtraHeight, m_resourceHeight);
    SIZE size = anyPage ? SIZE{m_minWidth, m_minHeight} : effectiveMinimumSize();
    RECT r{};
    GetWindowRect(&r);
    if (keepLarger) {
        size.cx = std::max<LONG>(size.cx, r.right - r.left);
        size.cy = std::max<LONG>(size.cy, r.bottom - r.top);
    }
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
}

void CDlgMacro::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_initialised) return;
    m_sized = true;
    if (m_resizer.isInitialised()) m_resizer.move();
    placePages();
}

void CDlgMacro::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (!info || !m_initialised) return;
    const SIZE min = effectiveMinimumSize();
    info->ptMinTrackSize.x = min.cx;
    info->ptMinTrackSize.y = min.cy;
}

bool CDlgMacro::applyTabChanges(const Zk_String& tabName, const MacroChanges& changes) {
    const bool wasBusy = m_busy;
    m_busy = true;
    const bool updated = UpdateModule(tabName, m_macroData, changes);
    if (updated) clashcheck(m_index, m_macroData.objectIds);
    m_busy = wasBusy;
    reloadAllPages();
    acedPostCommandPrompt();
    return updated;
}

void CDlgMacro::reloadAllPages() {
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->loadValues();
    if (m_currentPage >= 0)
        if (CMacroTabPage* p = page(m_currentPage)) p->ShowWindow(SW_SHOW);
}

void CDlgMacro::hideForPick() { ShowWindow(SW_HIDE); }
void CDlgMacro::showAfterPick() { ShowWindow(SW_SHOW); }

BOOL CDlgMacro::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && header->idFrom == static_cast<UINT_PTR>(IDC_MACRO_TAB) && header->code == TCN_SELCHANGE) {
        auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB));
        const int sel = tabs->GetCurSel();
        if (sel >= 0) showPage(static_cast<int>(tabs->GetItemData(sel)));
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

BOOL CDlgMacro::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if ((id == IDC_MACRO_GROUP || id == IDC_MACRO_FILTER) && code == CBN_SELCHANGE) {
        onFilterChanged();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_MACRO_SELECT: onSelectOtherMacros(); return TRUE;
        case IDC_MACRO_VIEW3: onView(3); return TRUE;
        case IDC_MACRO_VIEW0: onView(0); return TRUE;
        case IDC_MACRO_VIEW1: onView(1); return TRUE;
        case IDC_MACRO_VIEW2: onView(2); return TRUE;
        case IDC_MACRO_STANDARDS: onLoadFromStandards(); return TRUE;
        case IDC_MACRO_CLASH: clashSetStatus(m_index, IsDlgButtonChecked(IDC_MACRO_CLASH) == BST_CHECKED); return TRUE;
        case IDC_MACRO_REAPPLY: onReApply(); return TRUE;
        case IDC_MACRO_LOAD_PROPS: onLoadProperties(); return TRUE;
        case IDC_MACRO_SAVE_PROPS: onSaveProperties(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CDlgMacro::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MACRO_DLG_QUERY) return 1;
    return CDialog::WindowProc(msg, wParam, lParam);
}

void CDlgMacro::onSelectOtherMacros() {
    acedPostCommand(L"CANCELCMD");
    ShowWindow(SW_HIDE);
    const bool changed = SelectOtherMacros(m_macroData);
    ShowWindow(SW_SHOW);
    if (!changed) return;
    buildPages();
    fillCombos();
    clashResetInfo(m_index);
    fitWindow();
}

void CDlgMacro::onView(int view) {
    acedPostCommand(L"CANCELCMD");
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB));
    const int sel = tabs ? tabs->GetCurSel() : -1;
    const int tab = sel >= 0 ? static_cast<int>(tabs->GetItemData(sel)) : -1;
    const Zk_String name = tab >= 0 && tab < m_macroData.tabs.length() ? m_macroData.tabs[tab].name : Zk_String();
    m_macroData.changeView(name, view);
}

void CDlgMacro::onFilterChanged() {
    const bool groupChanged = ::GetFocus() == ::GetDlgItem(GetSafeHwnd(), IDC_MACRO_GROUP);
    m_macroData.groupIndex = static_cast<CComboBox*>(GetDlgItem(IDC_MACRO_GROUP))->GetCurSel();
    m_macroData.filterIndex = static_cast<CComboBox*>(GetDlgItem(IDC_MACRO_FILTER))->GetCurSel();
    UpdateAllFilterModified(m_macroData, groupChanged);
    buildPages();
    fillCombos();
    fitWindow();
}

void CDlgMacro::onLoadFromStandards() {
    m_macroData.loadFromStandards();
    buildPages();
    clashcheck(m_index, m_macroData.objectIds);
}

void CDlgMacro::onReApply() {
    if (m_macroData.reApply()) closeDialog();
}

void CDlgMacro::closeDialog() {
    acedPostCommand(L"CANCELCMD");
    const int tab = m_currentPage;
    m_macroData.changeView(tab >= 0 && tab < m_macroData.tabs.length() ? m_macroData.tabs[tab].name : Zk_String(),
                           kCloseView);
    m_macroData.closed = true;
    if (isModal()) {
        acedPostCommandPrompt();
        EndDialog(IDOK);
        return;
    }
    closeModeless();
}

void CDlgMacro::closeModeless() {
    if (gCloseHandler && m_index >= 0) gCloseHandler(m_index);
    else DestroyWindow();
}

void CDlgMacro::OnOK() { closeDialog(); }
void CDlgMacro::OnCancel() { closeDialog(); }
void CDlgMacro::OnClose() { closeDialog(); }

void CDlgMacro::OnDestroy() {
    WriteDlgSize(this, macroDlgSizeKey(m_macroData));
    clashDlgClosed(m_index);
    if (auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_MACRO_TAB))) tabs->DeleteAllItems();
    for (auto& p : m_pages)
        if (p && p->GetSafeHwnd()) p->DestroyWindow();
    m_macroData.closed = true;
    CDialog::OnDestroy();
}
