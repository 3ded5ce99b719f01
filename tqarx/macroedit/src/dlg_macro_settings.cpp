#include "macroedit/dlg_macro_settings.h"

#include "host/texts.h"
#include "macroedit/tab_macro_filter.h"
#include "macroedit/tab_macro_filter_props.h"
#include "macroedit/tab_macro_groups.h"
#include "macroedit/tab_macro_mapping.h"
#include "macroedit/tab_macro_variables.h"
#include "mfc/controls.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

enum {
    kTextOk = 1,
    kTextCancel = 2,
    kTextTitle = 916,
};

// Tab captions in page order.
constexpr int kPageCaptions[CDlgMacroSettings::kPageCount] = {917, 918, 919, 875, 755, 1728};

}  // namespace

CDlgMacroSettings::CDlgMacroSettings(MacroSettingsData& data, CWnd* parent)
    : CDialog(IDD, parent), m_data(data), m_work(data) {}

CDlgMacroSettings::~CDlgMacroSettings() = default;

CTabMacroPage* CDlgMacroSettings::page(int index) const {
    switch (index) {
    case kFilterPage: return m_filter.get();
    case kFilter2Page: return m_filter2.get();
    case kFilterPropsPage: return m_filterProps.get();
    case kVariablesPage: return m_variables.get();
    case kGroupsPage: return m_groups.get();
    case kMappingPage: return m_mapping.get();
    default: return nullptr;
    }
}

BOOL CDlgMacroSettings::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(kTextTitle).c_str());
    SetDlgItemText(IDOK, dialString(kTextOk).c_str());
    SetDlgItemText(IDCANCEL, dialString(kTextCancel).c_str());
    auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_MS_TAB));
    for (int i = 0; i < kPageCount; ++i) tab->InsertItem(i, dialString(kPageCaptions[i]).c_str());

    // Each page gets its part of the record before its window exists.
    m_filter = std::make_unique<CTabMacroFilter>(&m_work.filters);
    m_filter2 = std::make_unique<CTabMacroFilter2>(&m_work.filters2);
    m_filterProps = std::make_unique<CTabMacroFilterProps>(&m_work.filterProps);
    m_variables = std::make_unique<CTabMacroVariables>(&m_work.variables);
    m_groups = std::make_unique<CTabMacroGroups>(&m_work.groups);
    m_mapping = std::make_unique<CTabMacroMapping>(&m_work.mapping);
    m_filter->onEscape = [this] { OnCancel(); };
    m_filter->Create(CTabMacroFilter::IDD, tab);
    m_filter2->Create(CTabMacroFilter2::IDD, tab);
    m_filterProps->Create(CTabMacroFilterProps::IDD, tab);
    m_variables->Create(CTabMacroVariables::IDD, tab);
    m_groups->Create(CTabMacroGroups::IDD, tab);
    m_mapping->Create(CTabMacroMapping::IDD, tab);
    placePages();
    tab->SetCurSel(kFilterPage);
    showPage(kFilterPage);
    return TRUE;
}

void CDlgMacroSettings::placePages() {
    auto* tab = static_cast<CTabCtrl*>(GetDlgItem(IDC_MS_TAB));
    RECT item{};
    RECT client{};
    tab->GetItemRect(0, &item);
    tab->GetClientRect(&client);
    const int left = item.left;
    const int top = item.bottom + 2;
    const int width = client.right - left - 3;
    const int height = client.bottom - top - 2;
    for (int i = 0; i < kPageCount; ++i)
        if (CTabMacroPage* p = page(i); p != nullptr && p->GetSafeHwnd() != nullptr)
            p->MoveWindow(left, top, width, height);
}

void CDlgMacroSettings::showPage(int index) {
    for (int i = 0; i < kPageCount; ++i)
        if (CTabMacroPage* p = page(i); p != nullptr && p->GetSafeHwnd() != nullptr) p->ShowWindow(SW_HIDE);
    if (CTabMacroPage* p = page(index); p != nullptr && p->GetSafeHwnd() != nullptr) p->ShowWindow(SW_SHOW);
    m_page = index;
}

BOOL CDlgMacroSettings::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != nullptr && header->idFrom == IDC_MS_TAB && header->code == TCN_SELCHANGE) {
        showPage(static_cast<CTabCtrl*>(GetDlgItem(IDC_MS_TAB))->GetCurSel());
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

void CDlgMacroSettings::OnOK() {
    for (int i = 0; i < kPageCount; ++i)
        if (CTabMacroPage* p = page(i); p != nullptr && p->GetSafeHwnd() != nullptr) p->apply();
    m_data = m_work;
    CDialog::OnOK();
}

void CDlgMacroSettings::OnDestroy() {
    for (int i = 0; i < kPageCount; ++i)
        if (CTabMacroPage* p = page(i); p != nullptr && p->GetSafeHwnd() != nullptr) p->DestroyWindow();
    CDialog::OnDestroy();
}
