#include "sectionlib/dlg_edit_lib_sections.h"

#include "host/dialog_support.h"
#include "host/texts.h"
#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

const wchar_t* const kSizeKey = L"DLG_EDIT_SECTIONLIB";

enum {
    kTextOk = 1,
    kTextCancel = 2,
    kTextTitle = 754,
    kTextGroups = 755,
    kTextTypes = 756,
    kTextValues = 757,
};

using B = CResizer::Border;

std::vector<CResizer::Anchor> anchors() {
    const B leftEdge{1, 0, 1}, topEdge{1, 0, 2}, rightEdge{1, 0, 3}, bottomEdge{1, 0, 4};
    const B keepWidth{3, 0, 1}, keepHeight{4, 0, 2};
    return {
        {IDC_LIB_TAB, leftEdge, topEdge, rightEdge, bottomEdge},
        {IDOK, keepWidth, keepHeight, rightEdge, bottomEdge},
        {IDCANCEL, keepWidth, keepHeight, rightEdge, bottomEdge},
    };
}

}  // namespace

CDlgEditLibSections::CDlgEditLibSections(CWnd* parent) : CDialog(IDD, parent) {}

CDlgEditLibSections::~CDlgEditLibSections() = default;

CDialog* CDlgEditLibSections::page(int index) const {
    switch (index) {
    case kGroupsPage: return m_groups.get();
    case kTypesPage: return m_types.get();
    case kValuesPage: return m_values.get();
    default: return nullptr;
    }
}

BOOL CDlgEditLibSections::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(IDOK, dialString(kTextOk).c_str());
    SetDlgItemText(IDCANCEL, dialString(kTextCancel).c_str());
    RECT opened{};
    GetWindowRect(&opened);
    minWidth = opened.right - opened.left;
    minHeight = opened.bottom - opened.top;
    resizer.init(this, anchors());
    data.GetAvailableFiles();

    auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_LIB_TAB));
    tab->InsertItem(kGroupsPage, dialString(kTextGroups).c_str());
    tab->InsertItem(kTypesPage, dialString(kTextTypes).c_str());
    tab->InsertItem(kValuesPage, dialString(kTextValues).c_str());

    m_groups = std::make_unique<CTabEditLibGroups>(data);
    m_types = std::make_unique<CTabEditLibTypes>(data);
    m_values = std::make_unique<CTabEditLibValues>(data, startSection);
    m_groups->Create(CTabEditLibGroups::IDD, tab);
    m_types->Create(CTabEditLibTypes::IDD, tab);
    m_values->Create(CTabEditLibValues::IDD, tab);
    placePages();

    const int first = startSection.isEmpty() ? kGroupsPage : kValuesPage;
    tab->SetCurSel(first);
    showPage(first);
    ChangeDlgSize(this, Zk_String(kSizeKey), minWidth, minHeight);
    m_ready = true;
    return TRUE;
}

void CDlgEditLibSections::placePages() {
    auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_LIB_TAB));
    if (tab == nullptr) return;
    RECT item{};
    RECT client{};
    tab->GetItemRect(0, &item);
    tab->GetClientRect(&client);
    const int left = item.left;
    const int top = item.bottom + 2;
    const int width = client.right - left - 3;
    const int height = client.bottom - top - 2;
    for (int i = kGroupsPage; i <= kValuesPage; ++i)
        if (CDialog* p = page(i); p != nullptr && p->GetSafeHwnd() != nullptr) p->MoveWindow(left, top, width, height);
}

void CDlgEditLibSections::showPage(int index) {
    // The page left stores what it shows, so that no page later writes back fields that
    // another page has changed in the meantime (the groups page renumbers the types' groups).
    if (m_page == kGroupsPage && index != kGroupsPage) m_groups->apply();
    if (m_page == kTypesPage && index != kTypesPage) m_types->apply();
    for (int i = kGroupsPage; i <= kValuesPage; ++i)
        if (CDialog* p = page(i)) p->ShowWindow(SW_HIDE);
    if (index == kTypesPage) m_types->refresh();
    if (CDialog* p = page(index)) p->ShowWindow(SW_SHOW);
    m_page = index;
}

BOOL CDlgEditLibSections::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && header->idFrom == IDC_LIB_TAB && header->code == TCN_SELCHANGE) {
        showPage(static_cast<CTabCtrl*>(GetDlgItem(IDC_LIB_TAB))->GetCurSel());
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgEditLibSections::OnOK() {
    if (!m_values->mayLeave()) return;
    if (m_page == kGroupsPage) m_groups->apply();
    if (m_page == kTypesPage) m_types->apply();
    CDialog::OnOK();
}

void CDlgEditLibSections::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    if (!m_ready || !resizer.isInitialised()) return;
    resizer.move();
    placePages();
    Invalidate();
}

void CDlgEditLibSections::OnGetMinMaxInfo(MINMAXINFO* info) {
    CDialog::OnGetMinMaxInfo(info);
    if (info == nullptr) return;
    info->ptMinTrackSize.x = minWidth;
    info->ptMinTrackSize.y = minHeight;
}

void CDlgEditLibSections::OnDestroy() {
    WriteDlgSize(this, Zk_String(kSizeKey));
    if (m_groups) m_groups->DestroyWindow();
    if (m_types) m_types->DestroyWindow();
    if (m_values) {
        m_values->sheet.DestroyWindow();
        m_values->DestroyWindow();
    }
    CDialog::OnDestroy();
}
