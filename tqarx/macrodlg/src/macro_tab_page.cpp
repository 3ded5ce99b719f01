#include "macrodlg/macro_tab_page.h"

#include <algorithm>

#include "acad/command_line.h"
#include "engine/zk_spread.h"
#include "macrodlg/dlg_macro.h"
#include "mfc/gdi.h"
#include "res/macrodlg_ids.h"
#include "spread/ss_api.h"
#include "win/window.h"

namespace {
constexpr UINT kKeyF12 = 0x7B;
constexpr int kMinRequestWidth = 310;
constexpr int kGridRequestHeight = 130;
}  // namespace

CMacroTabPage::CMacroTabPage(UINT templateId, CDlgMacro* owner, int tabIndex, int gridPlaceholderId)
    : CDialog(templateId, nullptr), m_owner(owner), m_tabIndex(tabIndex), m_gridPlaceholderId(gridPlaceholderId) {}

CMacroTabPage::~CMacroTabPage() {
    if (GetSafeHwnd()) DestroyWindow();
}

MacroData* CMacroTabPage::macroData() const { return m_owner ? &m_owner->macroData() : nullptr; }

MacroTabData* CMacroTabPage::tabData() const {
    MacroData* data = macroData();
    if (!data || m_tabIndex < 0 || m_tabIndex >= data->tabs.length()) return nullptr;
    return &data->tabs[m_tabIndex];
}

bool CMacroTabPage::isBoltTab() const {
    const MacroTabData* tab = tabData();
    return tab && tab->kind == kMacroTabBolt;
}

BOOL CMacroTabPage::OnInitDialog() {
    CDialog::OnInitDialog();
    m_designer.initialize(this, IDC_PAGE_FIRST_DYNAMIC, IDC_PAGE_LAST_DYNAMIC, 0, 0, 0, 0, 0, false);
    m_grid.create(this, m_gridPlaceholderId);
    initFixedControls();
    buildControls();
    return FALSE;
}

void CMacroTabPage::buildControls() {
    m_bindings.clear();
    m_designer.removeAllDrawnCtrls();
    m_designer.controls.removeAll();
    m_grid.clear();
    m_imageWidth = 0;
    m_imageHeight = 0;
    MacroTabData* tab = tabData();
    if (tab) {
        tab->removeAllDlgReferences();
        bindTemplate(*tab);
        fillGrid(*tab);
    }
    m_gridVisible = m_grid.rowCount() > 0;
    if (Zk_Spread* s = m_grid.spread()) s->ShowWindow(m_gridVisible ? SW_SHOW : SW_HIDE);
    loadValues();
    layout();
}

void CMacroTabPage::loadValues() {
    MacroTabData* tab = tabData();
    if (!tab) return;
    m_loading = true;
    for (const MacroPageBinding& b : m_bindings) showBinding(*tab, b);
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        const MacroVarsGrid::Row& row = m_grid.row(r);
        if (row.kind == MacroVarsGrid::kCellRow) {
            if (const MacroCell* cell = tab->findCell(row.name)) m_grid.showValue(r, cell->value);
        } else if (row.kind == MacroVarsGrid::kPatternRow) {
            if (const MacroPatternProps* p = tab->findPatternWithName(row.name)) m_grid.showValue(r, p->value);
        }
    }
    loadFixed();
    m_loading = false;
}

void CMacroTabPage::applyPage() {
    MacroTabData* tab = tabData();
    if (!tab || m_loading || !m_pageReady) return;
    m_pageReady = false;
    const MacroTabData before = *tab;
    for (const MacroPageBinding& b : m_bindings) readBinding(*tab, b);
    readGrid(*tab);
    readFixed(*tab);
    const MacroChanges changes = tab->differences(before);
    const Zk_String name = tab->name;
    m_pageReady = true;
    if (!changes.isEmpty() && m_owner) m_owner->applyTabChanges(name, changes);
}

bool CMacroTabPage::applyBoltFromDialog(MacroBoltData& bolt) {
    MacroTabData* tab = tabData();
    if (!tab) return false;
    const int controlId = tab->bolt.controlId;
    const MacroTabData before = *tab;
    tab->bolt = bolt;
    tab->bolt.controlId = controlId;
    const MacroChanges changes = tab->differences(before);
    const Zk_String name = tab->name;
    bool ok = true;
    if (!changes.isEmpty() && m_owner) ok = m_owner->applyTabChanges(name, changes);
    if (MacroTabData* after = tabData()) bolt = after->bolt;
    return ok;
}

bool CMacroTabPage::applyPatternFromDialog(int index, const MacroPatternProps& pattern) {
    MacroTabData* tab = tabData();
    if (!tab || index < 0 || index >= tab->patterns.length()) return false;
    const MacroTabData before = *tab;
    const int controlId = tab->patterns[index].controlId;
    tab->patterns[index] = pattern;
    tab->patterns[index].controlId = controlId;
    const MacroChanges changes = tab->differences(before);
    const Zk_String name = tab->name;
    if (changes.isEmpty() || !m_owner) return true;
    return m_owner->applyTabChanges(name, changes);
}

SIZE CMacroTabPage::requestedSize() const {
    SIZE size;
    size.cx = std::max(m_imageWidth - 20, kMinRequestWidth);
    size.cy = m_imageHeight + (m_gridVisible ? kGridRequestHeight : 0) + bandHeight() - 20;
    return size;
}

void CMacroTabPage::layout() {
    if (!GetSafeHwnd()) return;
    RECT client{};
    GetClientRect(&client);
    const int band = bandHeight();
    const int bandTop = std::max<int>(client.bottom - band, 0);
    if (Zk_Spread* s = m_grid.spread()) {
        const int top = m_imageHeight + 2;
        s->MoveWindow(3, top, std::max<int>(client.right - 6, 0), std::max(bandTop - top, 0));
    }
    layoutBand(RECT{0, bandTop, client.right, client.bottom});
}

void CMacroTabPage::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    layout();
}

void CMacroTabPage::OnPaint() {
    CPaintDC dc(this);
    m_designer.OnEraseBkgnd(&dc);
    m_designer.OnPaint(&dc);
}

BOOL CMacroTabPage::OnEraseBkgnd(CDC* dc) {
    m_designer.OnEraseBkgnd(dc);
    return TRUE;
}

const MacroPageBinding* CMacroTabPage::bindingOf(int resId) const {
    for (const MacroPageBinding& b : m_bindings)
        if (b.resId == resId) return &b;
    return nullptr;
}

int CMacroTabPage::controlFor(int code, const Zk_String& name) const {
    for (const MacroPageBinding& b : m_bindings)
        if (b.code == code && b.name == name) return b.resId;
    return 0;
}

void CMacroTabPage::postCancelCommand() const { acedPostCommand(L"CANCELCMD"); }

bool CMacroTabPage::actsOnClick(int code) const {
    return code == 6 || code == 24 || code == 25 || code == 26 || code == 29 || code == 30;
}

BOOL CMacroTabPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_grid.isCreated() && id == m_grid.controlId()) {
        onGridNotify(code);
        return TRUE;
    }
    if (const MacroPageBinding* found = bindingOf(id)) {
        const MacroPageBinding b = *found;  // the list may be rebuilt by what follows
        if (m_loading) return TRUE;
        if (code == EN_KILLFOCUS || code == CBN_SELCHANGE || code == CBN_KILLFOCUS) {
            if (b.code == 27 && code == CBN_SELCHANGE) onDrawingFile(b);
            else if (b.code != 27) applyPage();
            return TRUE;
        }
        if (code == BN_CLICKED && actsOnClick(b.code)) {
            if (!onDynamicButton(b)) applyPage();
            return TRUE;
        }
        return TRUE;
    }
    if (onFixedCommand(id, code)) return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

bool CMacroTabPage::onDynamicButton(const MacroPageBinding& b) {
    MacroTabData* tab = tabData();
    if (!tab) return true;
    switch (b.code) {
    case 6:
        for (int i = 0; i < tab->patterns.length(); ++i)
            if (tab->patterns[i].name == b.name) openPatternDialog(i);
        return true;
    case 24:
        for (int i = 0; i < tab->arrays.length(); ++i)
            if (tab->arrays[i].name == b.name) openArrayDialog(i);
        return true;
    case 25:
    case 26: onTotalDimension(b); return true;
    case 30: {
        const MacroTabData before = *tab;
        for (const MacroFlexFixGroup& g : tab->flexFixGroups)
            if (g.group == b.name) tab->flexFixBtnClicked(b.name, !g.fixed);
        const MacroChanges changes = tab->differences(before);
        const Zk_String name = tab->name;
        if (!changes.isEmpty() && m_owner) m_owner->applyTabChanges(name, changes);
        return true;
    }
    default: return false;  // 29: the check box's new state is applied
    }
}

void CMacroTabPage::onGridNotify(int code) {
    if (m_loading || !m_grid.isCreated()) return;
    Zk_Spread& s = *m_grid.spread();
    SS_COORD col = 0, row = 0;
    s.GetActiveCell(&col, &row);
    const int number = m_grid.rowOfCell(col, row);
    if (number == 0) return;
    if (code == SSN_BUTTONCLICKED && m_grid.row(number).kind == MacroVarsGrid::kArrayRow) {
        MacroTabData* tab = tabData();
        if (!tab) return;
        for (int i = 0; i < tab->arrays.length(); ++i)
            if (tab->arrays[i].name == m_grid.row(number).name) openArrayDialog(i);
        return;
    }
    if (code == SSN_CHANGE) applyPage();
}

bool CMacroTabPage::isGridEditing() const {
    HWND focus = ::GetFocus();
    if (!m_grid.isCreated() || !focus) return false;
    HWND grid = m_grid.spread()->GetSafeHwnd();
    return (focus == grid || ::IsChild(grid, focus)) && m_grid.isEditing();
}

BOOL CMacroTabPage::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN) {
        switch (msg->wParam) {
        case VK_ESCAPE:
            if (m_owner) m_owner->closeDialog();
            return TRUE;
        case VK_TAB: {
            Zk_TabMsgHandle result = tabNotHandled;
            if (m_designer.handleTabKey(VK_TAB, result) && result == tabHandled) return TRUE;
            if (moveFocus(::GetKeyState(VK_SHIFT) < 0)) return TRUE;
            break;
        }
        case VK_RETURN:
            if (isGridEditing()) m_grid.endEdit();
            else applyPage();
            return TRUE;
        case kKeyF12: {
            const MacroTabData* tab = tabData();
            if (tab && !tab->templateName.isEmpty()) {
                postCancelCommand();
                openDesigner(getDesignerRootFolder() + tab->templateName + L".txt");
            }
            return TRUE;
        }
        default: break;
        }
    }
    if (msg && msg->message == WM_KEYUP && msg->wParam == VK_SPACE && !isProfilePage()) {
        int resId = 0;
        if (m_designer.getFocusedDynControl(resId) && resId != 0) {
            int type = -1;
            if (m_designer.getDynControlType(resId, type) && controlWndClass(type) == Zk_WndClass::Button) {
                CDialog::PreTranslateMessage(msg);
                applyPage();
                return TRUE;
            }
        }
    }
    return CDialog::PreTranslateMessage(msg);
}
