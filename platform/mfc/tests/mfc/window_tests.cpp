#include "mfc/scripted_user.h"
#include "test_dialog.h"

TEST_F(MfcTest, ModelessDialogsAnswerCustomMessagesAndTakeDirectInput) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(dlg.SendMessage(0x7101, 21), 42);
    ScriptedUser user;
    user.now(dlg.m_hWnd).type(IDC_NAME, L"!").click(IDC_APPLY);
    EXPECT_EQ(dlg.applied, L"original!");
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(MfcTest, TheCurrentResourceModuleDecidesWhichTemplateIsUsed) {
    auto other = reinterpret_cast<HINSTANCE>(0x5000);
    mfc::DialogTemplate t;
    t.caption = L"From The Module";
    t.cx = 100;
    t.cy = 50;
    t.defPushButton(IDOK, L"OK", 10, 10, 40, 14);
    mfc::RegisterDialogTemplate(other, IDD_TEST, t);
    ScriptedUser user;
    user.onDialog(L"Test Settings").cancel();
    user.onDialog(L"From The Module").ok();
    {
        CDialog d(IDD_TEST);
        EXPECT_EQ(d.DoModal(), IDCANCEL);
    }
    AfxSetResourceHandle(other);
    {
        CDialog d(IDD_TEST);
        EXPECT_EQ(d.DoModal(), IDOK);
    }
    AfxSetResourceHandle(AfxGetInstanceHandle());
    mfc::UnregisterModuleResources(other);
    EXPECT_EQ(AfxFindResourceHandle(IDD_TEST, mfc::kResourceDialog), AfxGetInstanceHandle());
}

TEST_F(MfcTest, DialogUnitsUseTheFixedBaseUnits) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    CRect client;
    dlg.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 260 * 6 / 4);
    EXPECT_EQ(client.Height(), 200 * 13 / 8);
    CRect r(7, 7, 127, 21);
    dlg.MapDialogRect(&r);
    EXPECT_EQ(r, CRect(10, 11, 190, 34));
    r = CRect(10, 11, 10 + 120 * 6 / 4, 11 + 14 * 13 / 8);  // controls convert position and size
    CRect edit;
    dlg.GetDlgItem(IDC_NAME)->GetWindowRect(&edit);
    dlg.ScreenToClient(&edit);
    EXPECT_EQ(edit, r);
}

namespace {
// Wraps a window made elsewhere (as the spreadsheet window is wrapped) and counts its keys.
class CCountingEdit : public CWnd {
public:
    int chars = 0;
    LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
        if (msg == WM_CHAR) ++chars;
        return CWnd::WindowProc(msg, w, l);
    }
};

class CCanvas : public CWnd {
public:
    CRectTracker tracker{CRect(10, 10, 50, 50), CRectTracker::resizeInside};
    int timers = 0;
    void OnLButtonDown(UINT, CPoint pt) override { tracker.Track(this, pt); }
    void OnTimer(UINT_PTR id) override { timers += static_cast<int>(id); }
};
}  // namespace

TEST_F(MfcTest, SubclassingAnExistingWindowSeesItsMessagesAndKeepsItsBehaviour) {
    CTestDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST));
    dlg.ShowWindow(SW_SHOW);
    HWND raw = CreateWindowExW(0, WC_EDIT, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 250, 80, 20, dlg.m_hWnd,
                               reinterpret_cast<HMENU>(77), nullptr, nullptr);
    CCountingEdit wrap;
    ASSERT_TRUE(wrap.SubclassWindow(raw));
    EXPECT_EQ(CWnd::FromHandle(raw), &wrap);
    ScriptedUser user;
    user.now(dlg.m_hWnd).type(77, L"abc");
    EXPECT_EQ(wrap.chars, 3);
    EXPECT_EQ(wrap.GetWindowTextString(), L"abc");
    EXPECT_EQ(wrap.UnsubclassWindow(), raw);
    user.now(dlg.m_hWnd).type(77, L"d");
    EXPECT_EQ(wrap.chars, 3);
    EXPECT_EQ(CWnd::FromHandle(raw)->GetWindowTextString(), L"abcd");
}

TEST_F(MfcTest, ADragMovesATrackerAndWindowTimersReachOnTimer) {
    CCanvas canvas;
    ASSERT_TRUE(canvas.CreateEx(0, L"Static", L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), nullptr, 0));
    ScriptedUser user;
    user.now(canvas.m_hWnd).drag(0, POINT{30, 30}, POINT{60, 45});
    EXPECT_EQ(canvas.tracker.m_rect, CRect(40, 25, 80, 65));
    user.now(canvas.m_hWnd).drag(0, POINT{78, 63}, POINT{98, 98});  // the bottom-right handle, inside
    EXPECT_EQ(canvas.tracker.m_rect, CRect(40, 25, 100, 100));
    EXPECT_EQ(canvas.tracker.HitTest(CPoint(5, 5)), CRectTracker::hitNothing);
    canvas.SetTimer(3, 100);
    win::AdvanceVirtualTime(250);
    EXPECT_EQ(canvas.timers, 6);
    canvas.KillTimer(3);
    win::AdvanceVirtualTime(250);
    EXPECT_EQ(canvas.timers, 6);
}

TEST(CStringTest, FormatUsesWideStringsForPercentS) {
    CString s;
    s.Format(L"%s=%d [%S] %5.2f %c%%", L"Thickness", 10, "narrow", 3.14159, L'x');
    EXPECT_EQ(s, L"Thickness=10 [narrow]  3.14 x%");
    s.Format(L"Loading spreadsheet:%s\n", static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(s, L"Loading spreadsheet:(null)\n");
    s.Format(L"%I64d|%-4s|%03i", 1234567890123LL, L"ab", 7);
    EXPECT_EQ(s, L"1234567890123|ab  |007");
}

TEST(CStringTest, EditingOperationsStayInsideTheString) {
    CString s(L"  Connection Standards\\Data\\  ");
    s.Trim();
    EXPECT_EQ(s.ReverseFind(L'\\'), s.GetLength() - 1);
    EXPECT_EQ(s.Left(10), L"Connection");
    EXPECT_EQ(s.Mid(100), L"");
    EXPECT_EQ(s.Right(100), s);
    EXPECT_EQ(s.Mid(11, 9), L"Standards");
    EXPECT_EQ(CString(L"aXbXc").Replace(L"X", L"XX"), 2);
    EXPECT_EQ(CString(L"abc").CompareNoCase(L"ABD"), -1);
    int pos = 0;
    CString list(L"a;;b");
    EXPECT_EQ(list.Tokenize(L";", pos), L"a");
    EXPECT_EQ(list.Tokenize(L";", pos), L"b");
    EXPECT_EQ(list.Tokenize(L";", pos), L"");
    EXPECT_EQ(pos, -1);
}
