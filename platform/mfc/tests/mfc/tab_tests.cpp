// Tab controls: items, the current tab, item rectangles and the display area, the change
// notifications, and child dialogs as pages that Tab and Shift+Tab walk through.
#include "mfc/scripted_user.h"
#include "recording_dialog.h"

namespace {

constexpr int IDC_TAB = 200, IDC_BEFORE = 201, IDC_AFTER = 202;
constexpr UINT IDD_PAGE_A = 960, IDD_PAGE_B = 961;
constexpr int IDC_A_NAME = 301, IDC_A_CHECK = 302, IDC_B_VALUE = 311;

void RegisterTabDialogs() {
    mfc::DialogTemplate t;
    t.caption = L"Pages";
    t.cx = 240;
    t.cy = 180;
    t.edit(IDC_BEFORE, 7, 7, 60, 12)
        .tabControl(IDC_TAB, 7, 24, 220, 120)
        .edit(IDC_AFTER, 7, 150, 60, 12)
        .defPushButton(IDOK, L"OK", 130, 160, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 185, 160, 50, 14);
    RegisterRecordingDialog(t);
    mfc::DialogTemplate a;
    a.style = WS_CHILD | DS_CONTROL;
    a.cx = 200;
    a.cy = 80;
    a.edit(IDC_A_NAME, 5, 5, 80, 12).checkBox(IDC_A_CHECK, L"Active", 5, 22, 60, 10);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), IDD_PAGE_A, a);
    mfc::DialogTemplate b;
    b.style = WS_CHILD | DS_CONTROL;
    b.cx = 200;
    b.cy = 80;
    b.edit(IDC_B_VALUE, 5, 5, 80, 12);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), IDD_PAGE_B, b);
}

// A dialog with two pages in its tab control's display area; the tab change shows one.
class CPagesDlg : public CRecordingDlg {
public:
    CTabCtrl tabs;
    CDialog pageA, pageB;
    BOOL OnInitDialog() override {
        CRecordingDlg::OnInitDialog();
        tabs.SubclassDlgItem(IDC_TAB, this);
        tabs.InsertItem(0, L"General");
        tabs.InsertItem(1, L"Values");
        pageA.Create(IDD_PAGE_A, this);
        pageB.Create(IDD_PAGE_B, this);
        CRect area;
        tabs.GetWindowRect(&area);
        ScreenToClient(&area);
        tabs.AdjustRect(FALSE, &area);
        // Right after the tab control in the tab order.
        for (CDialog* p : {&pageB, &pageA}) p->SetWindowPos(&tabs, area.left, area.top, area.Width(), area.Height(), 0);
        ShowPage();
        events.clear();
        return TRUE;
    }
    void ShowPage() {
        pageA.ShowWindow(tabs.GetCurSel() == 0 ? SW_SHOW : SW_HIDE);
        pageB.ShowWindow(tabs.GetCurSel() == 1 ? SW_SHOW : SW_HIDE);
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        BOOL r = CRecordingDlg::OnNotify(wParam, lParam, result);
        if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE) ShowPage();
        return r;
    }
};

class TabTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        RegisterTabDialogs();
    }
    static int Focus() { return CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0; }
};

TEST_F(TabTest, InsertingAndDeletingTabsKeepsTheSameTabCurrent) {
    CWnd parent;
    parent.CreateEx(0, WC_DIALOG, L"host", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0);
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, CRect(10, 10, 310, 210), &parent, 5));
    EXPECT_EQ(tabs.GetCurSel(), -1);
    tabs.InsertItem(0, L"B");
    EXPECT_EQ(tabs.GetCurSel(), 0) << "the first tab becomes current";
    tabs.InsertItem(0, L"A");
    tabs.InsertItem(2, L"C", 77);
    tabs.InsertItem(3, L"D");
    EXPECT_EQ(tabs.GetItemText(tabs.GetCurSel()), L"B") << "inserting before it keeps the current tab";
    tabs.SetCurSel(2);
    EXPECT_EQ(tabs.GetItemData(2), 77);
    tabs.DeleteItem(0);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(tabs.GetItemText(tabs.GetCurSel()), L"C") << "deleting before it keeps the current tab";
    tabs.DeleteItem(2);
    EXPECT_EQ(tabs.GetItemText(tabs.GetCurSel()), L"C") << "deleting after it too";
    EXPECT_FALSE(tabs.DeleteItem(7));
    EXPECT_EQ(tabs.SetCurSel(9), -1);
    EXPECT_EQ(tabs.GetItemText(tabs.GetCurSel()), L"C");
    EXPECT_TRUE(tabs.SetItemText(0, L"Bolts"));
    EXPECT_EQ(tabs.GetItemText(0), L"Bolts");
    tabs.DeleteAllItems();
    EXPECT_EQ(tabs.GetItemCount(), 0);
    EXPECT_EQ(tabs.GetCurSel(), -1);
}

TEST_F(TabTest, ItemRectanglesLieSideBySideAboveTheDisplayArea) {
    CWnd parent;
    parent.CreateEx(0, WC_DIALOG, L"host", WS_POPUP, CRect(0, 0, 400, 300), nullptr, 0);
    CTabCtrl tabs;
    tabs.Create(WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 5);
    tabs.InsertItem(0, L"General");
    tabs.InsertItem(1, L"Variables and constants");
    CRect a, b;
    ASSERT_TRUE(tabs.GetItemRect(0, &a));
    ASSERT_TRUE(tabs.GetItemRect(1, &b));
    CRect none;
    EXPECT_FALSE(tabs.GetItemRect(2, &none));
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.right, b.left) << "no gap and no overlap";
    EXPECT_GT(b.Width(), a.Width()) << "a longer caption makes a wider tab";
    CRect area(0, 0, 300, 200);
    tabs.AdjustRect(FALSE, &area);
    EXPECT_GE(area.top, a.bottom) << "the display area starts below the tabs";
    EXPECT_GT(area.left, 0);
    EXPECT_LT(area.right, 300);
    CRect back = area;
    tabs.AdjustRect(TRUE, &back);
    EXPECT_EQ(back, CRect(0, 0, 300, 200)) << "larger undoes smaller";
}

TEST_F(TabTest, PickingATabAsksFirstAndThenTellsTheParent) {
    ScriptedUser user;
    user.onDialog(L"Pages")
        .selectTab(IDC_TAB, 1)
        .selectTab(IDC_TAB, 1)  // the current tab again: nothing happens
        .then([](CDialog& d) {
            auto& dlg = static_cast<CPagesDlg&>(d);
            EXPECT_EQ(dlg.tabs.GetCurSel(), 1);
            EXPECT_FALSE(dlg.pageA.IsWindowVisible());
            EXPECT_TRUE(dlg.pageB.IsWindowVisible());
            dlg.refuseTabChange = true;
        })
        .selectTab(IDC_TAB, 0)
        .then([](CDialog& d) { EXPECT_EQ(static_cast<CPagesDlg&>(d).tabs.GetCurSel(), 1) << "refused"; })
        .cancel();
    CPagesDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(), (std::vector<std::string>{"200 selchanging", "200 selchange", "200 selchanging",
                                                           "2 clicked"}));
}

TEST_F(TabTest, TheArrowKeysOnTheTabControlChangeTheTab) {
    ScriptedUser user;
    user.onDialog(L"Pages")
        .keyTo(IDC_TAB, VK_RIGHT)
        .keyTo(IDC_TAB, VK_RIGHT)  // already the last
        .then([](CDialog& d) { EXPECT_EQ(static_cast<CPagesDlg&>(d).tabs.GetCurSel(), 1); })
        .keyTo(IDC_TAB, VK_LEFT)
        .cancel();
    CPagesDlg dlg;
    dlg.DoModal();
    EXPECT_EQ(dlg.plainEvents(), (std::vector<std::string>{"200 selchanging", "200 selchange", "200 selchanging",
                                                           "200 selchange", "2 clicked"}));
}

TEST_F(TabTest, TabWalksThroughTheShownPageOnlyAndShiftTabWalksBack) {
    ScriptedUser user;
    user.onDialog(L"Pages")
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_BEFORE); })
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_TAB); })
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_A_NAME) << "into the page"; })
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_A_CHECK); })
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_AFTER) << "out of the page, past the hidden one"; })
        .key(VK_TAB, mfc::kShift)
        .key(VK_TAB, mfc::kShift)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_A_NAME); })
        .selectTab(IDC_TAB, 1)
        .key(VK_TAB)
        .then([](CDialog&) { EXPECT_EQ(Focus(), IDC_B_VALUE) << "the other page now"; })
        .type(IDC_B_VALUE, L"12")
        .key(VK_ESCAPE);  // from inside a page, Escape reaches the dialog
    CPagesDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(::IsWindow(dlg.pageB.m_hWnd)) << "the pages went with the dialog";
}

}  // namespace
