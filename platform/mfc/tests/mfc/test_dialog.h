// A small dialog used by the tests: a name edit, an "Apply" button that copies the name,
// a check box, a combo box, a tab control and a list box.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/afx.h"

constexpr UINT IDD_TEST = 900;
constexpr int IDC_NAME = 1001;
constexpr int IDC_APPLY = 1002;
constexpr int IDC_FLAG = 1003;
constexpr int IDC_KIND = 1004;
constexpr int IDC_TABS = 1005;
constexpr int IDC_ITEMS = 1006;
constexpr int IDC_CANVAS = 1007;

struct TestRecord {
    std::wstring name = L"original";
    int flag = 0;
    int kind = -1;
    bool operator==(const TestRecord&) const = default;
};

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(CWnd* parent = nullptr) : CDialog(IDD_TEST, parent) {}
    TestRecord data;
    CString m_name;
    int m_flag = 0;
    int m_kind = -1;
    CEdit m_edit;
    CComboBox m_combo;
    CTabCtrl m_tabs;
    std::vector<std::wstring> events;
    CString applied;

    BOOL OnInitDialog() override {
        m_name = data.name.c_str();
        m_flag = data.flag;
        m_kind = data.kind;
        CDialog::OnInitDialog();
        for (const wchar_t* k : {L"Plate", L"Angle", L"Beam"}) m_combo.AddString(k);
        m_combo.SetCurSel(m_kind);
        m_tabs.InsertItem(0, L"General");
        m_tabs.InsertItem(1, L"Advanced");
        auto* list = static_cast<CListBox*>(GetDlgItem(IDC_ITEMS));
        list->AddString(L"first");
        list->AddString(L"second");
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_NAME, m_edit);
        DDX_Control(dx, IDC_KIND, m_combo);
        DDX_Control(dx, IDC_TABS, m_tabs);
        DDX_Text(dx, IDC_NAME, m_name);
        DDX_Check(dx, IDC_FLAG, m_flag);
    }
    void OnOK() override {
        CDialog::OnOK();
        if (modalResult() == IDOK) {
            data.name = m_name.str();
            data.flag = m_flag;
            data.kind = m_combo.GetCurSel();
        }
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5) {
            events.push_back(GetKeyState(VK_CONTROL) < 0 ? L"ctrl+F5" : L"F5");
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }
    void OnApply() {
        m_edit.GetWindowText(applied);
        events.push_back(L"apply");
    }
    void OnNameChange() { events.push_back(L"change"); }
    void OnKindChange() { events.push_back(L"kind " + std::to_wstring(m_combo.GetCurSel())); }
    void OnTabChange(NMHDR*, LRESULT* result) {
        events.push_back(L"tab " + std::to_wstring(m_tabs.GetCurSel()));
        *result = 0;
    }
    LRESULT OnQuery(WPARAM w, LPARAM) { return static_cast<LRESULT>(w * 2); }
    void OnContextMenu(CWnd*, CPoint pt) override {
        CMenu menu;
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, 501, L"&Rename");
        menu.AppendMenu(MF_STRING | MF_GRAYED, 502, L"Delete");
        UINT cmd = static_cast<UINT>(menu.TrackPopupMenu(TPM_RETURNCMD, pt.x, pt.y, this));
        events.push_back(L"menu " + std::to_wstring(cmd));
    }

    DECLARE_MESSAGE_MAP()
};

void RegisterTestDialog();

class MfcTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestDialog(); }
    void TearDown() override {
        win::DestroyAllWindows();
        win::ResetTimers();
        win::ClearMessageBoxLog();
        AfxSetResourceHandle(AfxGetInstanceHandle());
    }
};
