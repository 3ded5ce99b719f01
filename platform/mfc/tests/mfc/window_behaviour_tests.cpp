// Window-level behaviour the dialogs rely on: deferred moves in one batch, the minimum
// tracking size, control colours, top-most and modeless windows, focus and timers.
#include "mfc/control_colors.h"
#include "mfc/scripted_user.h"
#include "recording_dialog.h"

namespace {

constexpr int IDC_LABEL = 501, IDC_FRAMED = 502, IDC_VALUE = 503, IDC_READONLY = 504, IDC_CHECK = 505;

void RegisterResizable() {
    mfc::DialogTemplate t;
    t.caption = L"Resizable";
    t.style |= WS_THICKFRAME;
    t.cx = 200;
    t.cy = 100;
    t.label(IDC_LABEL, L"Name", 7, 7, 40, 10)
        .label(IDC_FRAMED, L"Framed", 7, 20, 40, 10, SS_CENTER)
        .edit(IDC_VALUE, 60, 7, 60, 12)
        .edit(IDC_READONLY, 60, 22, 60, 12, ES_READONLY)
        .checkBox(IDC_CHECK, L"On", 130, 7, 40, 10)
        .defPushButton(IDOK, L"OK", 90, 80, 50, 14)
        .pushButton(IDCANCEL, L"Cancel", 145, 80, 50, 14);
    RegisterRecordingDialog(t);
}

// Keeps its opening size as the smallest, moves OK and Cancel with the bottom-right corner
// in one deferred batch, and draws plain labels transparently over its background.
class CResizableDlg : public CRecordingDlg {
public:
    CSize minimum;
    std::vector<std::string> sizes;
    CBrush face{RGB(212, 208, 200)};
    BOOL OnInitDialog() override {
        CRecordingDlg::OnInitDialog();
        CRect r;
        GetWindowRect(&r);
        minimum = r.Size();
        return TRUE;
    }
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
        if (minimum.cx > 0) info->ptMinTrackSize = POINT{minimum.cx, minimum.cy};
    }
    void OnSize(UINT type, int cx, int cy) override {
        sizes.push_back(std::to_string(cx) + "x" + std::to_string(cy));
        if (type == SIZE_MINIMIZED || !GetDlgItem(IDOK)) return;
        HDWP batch = BeginDeferWindowPos(2);
        for (int id : {IDOK, IDCANCEL}) {
            CRect r;
            GetDlgItem(id)->GetWindowRect(&r);
            ScreenToClient(&r);
            int x = cx - (id == IDOK ? 120 : 60);
            batch = DeferWindowPos(batch, GetDlgItem(id)->m_hWnd, nullptr, x, cy - 30, r.Width(), r.Height(),
                                   SWP_NOZORDER | SWP_NOACTIVATE);
            // Nothing moves before the batch ends.
            CRect now;
            GetDlgItem(id)->GetWindowRect(&now);
            ScreenToClient(&now);
            if (now != r) sizes.push_back("moved early");
        }
        EndDeferWindowPos(batch);
    }
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT kind) override {
        if (kind == CTLCOLOR_STATIC && wnd && !(wnd->GetStyle() & (SS_CENTER | SS_BLACKRECT)) &&
            wnd->GetClassNameString() == L"Static") {
            dc->SetBkMode(TRANSPARENT);
            return GetStockBrush(NULL_BRUSH);
        }
        if (kind == CTLCOLOR_EDIT) {
            dc->SetTextColor(RGB(0, 0, 128));
            return face;
        }
        return CRecordingDlg::OnCtlColor(dc, wnd, kind);
    }
};

class WindowTest : public MfcTest {
protected:
    void SetUp() override {
        MfcTest::SetUp();
        RegisterResizable();
    }
};

CRect ClientRectOf(CWnd* parent, int id) {
    CRect r;
    parent->GetDlgItem(id)->GetWindowRect(&r);
    parent->ScreenToClient(&r);
    return r;
}

TEST_F(WindowTest, ADeferredBatchMovesEverythingAtTheEndAndTheMinimumSizeHolds) {
    ScriptedUser user;
    user.onDialog(L"Resizable")
        .then([](CDialog& d) {
            auto& dlg = static_cast<CResizableDlg&>(d);
            CRect start;
            d.GetWindowRect(&start);
            d.SetWindowPos(nullptr, 0, 0, start.Width() + 100, start.Height() + 50, SWP_NOMOVE | SWP_NOZORDER);
            CRect client;
            d.GetClientRect(&client);
            EXPECT_EQ(ClientRectOf(&d, IDOK).left, client.right - 120);
            EXPECT_EQ(ClientRectOf(&d, IDCANCEL).top, client.bottom - 30);
            // Smaller than the opening size: held at it.
            d.SetWindowPos(nullptr, 0, 0, 50, 20, SWP_NOMOVE | SWP_NOZORDER);
            CRect now;
            d.GetWindowRect(&now);
            EXPECT_EQ(now.Size(), dlg.minimum);
            EXPECT_EQ(std::count(dlg.sizes.begin(), dlg.sizes.end(), "moved early"), 0);
        })
        .cancel();
    CResizableDlg dlg;
    dlg.DoModal();
}

TEST_F(WindowTest, ABatchWithADeadWindowAppliesNothing) {
    CWnd parent;
    parent.CreateEx(0, WC_DIALOG, L"host", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0);
    CButton a, b;
    a.Create(L"a", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1);
    b.Create(L"b", WS_VISIBLE, CRect(0, 20, 10, 30), &parent, 2);
    HWND gone = b.m_hWnd;
    b.DestroyWindow();
    HDWP batch = BeginDeferWindowPos(2);
    batch = DeferWindowPos(batch, a.m_hWnd, nullptr, 50, 50, 10, 10, SWP_NOZORDER);
    ASSERT_NE(batch, nullptr);
    batch = DeferWindowPos(batch, gone, nullptr, 60, 60, 10, 10, SWP_NOZORDER);
    EXPECT_EQ(batch, nullptr);
    EXPECT_FALSE(EndDeferWindowPos(batch));
    EXPECT_EQ(ClientRectOf(&parent, 1), CRect(0, 0, 10, 10)) << "the batch was dropped whole";
}

TEST_F(WindowTest, ControlsAskTheirParentForColoursAndPlainLabelsComeOutTransparent) {
    ScriptedUser user;
    user.onDialog(L"Resizable")
        .then([](CDialog& d) {
            mfc::ControlColors label = mfc::QueryControlColors(d.GetDlgItem(IDC_LABEL)->m_hWnd);
            EXPECT_EQ(label.kind, CTLCOLOR_STATIC);
            EXPECT_TRUE(label.transparent);
            EXPECT_TRUE(label.nullBrush);
            mfc::ControlColors framed = mfc::QueryControlColors(d.GetDlgItem(IDC_FRAMED)->m_hWnd);
            EXPECT_FALSE(framed.transparent) << "a centred label keeps its background";
            EXPECT_FALSE(framed.answered);
            mfc::ControlColors edit = mfc::QueryControlColors(d.GetDlgItem(IDC_VALUE)->m_hWnd);
            EXPECT_EQ(edit.kind, CTLCOLOR_EDIT);
            EXPECT_EQ(edit.text, RGB(0, 0, 128));
            EXPECT_TRUE(edit.answered);
            EXPECT_EQ(edit.brush, RGB(212, 208, 200));
            EXPECT_EQ(mfc::QueryControlColors(d.GetDlgItem(IDC_READONLY)->m_hWnd).kind, CTLCOLOR_STATIC)
                << "a read-only edit asks as a static";
            EXPECT_EQ(mfc::QueryControlColors(d.GetDlgItem(IDC_CHECK)->m_hWnd).kind, CTLCOLOR_STATIC);
            EXPECT_EQ(mfc::QueryControlColors(d.GetDlgItem(IDOK)->m_hWnd).kind, CTLCOLOR_BTN);
            EXPECT_EQ(mfc::QueryControlColors(d.m_hWnd).kind, CTLCOLOR_DLG);
        })
        .cancel();
    CResizableDlg dlg;
    dlg.DoModal();
}

TEST_F(WindowTest, AModelessDialogBelongsToTheMainWindowStaysOnTopAndGoesWithIt) {
    CWnd main;
    main.CreateEx(0, WC_DIALOG, L"Drawing1", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 800, 600), nullptr, 0);
    auto* dlg = new CResizableDlg;
    ASSERT_TRUE(dlg->Create(kRecordingDialogId, &main));
    EXPECT_EQ(dlg->GetParent(), &main) << "owned by the main window";
    EXPECT_FALSE(dlg->GetStyle() & WS_CHILD);
    EXPECT_FALSE(dlg->IsWindowVisible()) << "hidden until shown";
    dlg->ShowWindow(SW_SHOW);
    dlg->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(dlg->GetExStyle() & WS_EX_TOPMOST);
    CRect r;
    dlg->GetWindowRect(&r);
    EXPECT_EQ(WindowFromPoint(r.CenterPoint()) == dlg->m_hWnd || ::IsChild(dlg->m_hWnd, WindowFromPoint(r.CenterPoint())),
              true)
        << "a top-most window lies above the main window";
    ScriptedUser user;
    user.now(dlg->m_hWnd).type(IDC_VALUE, L"42").key(VK_TAB);
    CString typed;
    dlg->GetDlgItemText(IDC_VALUE, typed);
    EXPECT_EQ(typed, L"42");
    EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), IDC_READONLY);
    dlg->ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::GetFocus(), nullptr) << "a hidden window keeps no focus";
    HWND h = dlg->m_hWnd;
    main.DestroyWindow();
    EXPECT_FALSE(::IsWindow(h)) << "owned windows go with their owner";
    delete dlg;
}

TEST_F(WindowTest, EscapeAndEnterEndTheDialogThroughCancelAndTheDefaultButton) {
    ScriptedUser user;
    user.onDialog(L"Resizable").type(IDC_VALUE, L"x").key(VK_ESCAPE);
    user.onDialog(L"Resizable").type(IDC_VALUE, L"x").key(VK_RETURN);
    CResizableDlg first, second;
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    EXPECT_EQ(second.DoModal(), IDOK);
    EXPECT_EQ(second.plainEvents().back(), "1 clicked");
}

TEST_F(WindowTest, TimersFireOnTheVirtualClockUntilKilled) {
    struct CTicker : CWnd {
        std::vector<UINT_PTR> ticks;
        void OnTimer(UINT_PTR id) override { ticks.push_back(id); }
    } ticker;
    ticker.CreateEx(0, WC_DIALOG, L"ticker", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
    ticker.SetTimer(1, 50);
    ticker.SetTimer(2, 120);
    win::AdvanceVirtualTime(130);
    EXPECT_EQ(ticker.ticks, (std::vector<UINT_PTR>{1, 1, 2}));
    ticker.KillTimer(1);
    ticker.SetTimer(2, 10);  // the same id again: replaced, not added
    win::AdvanceVirtualTime(25);
    EXPECT_EQ(ticker.ticks, (std::vector<UINT_PTR>{1, 1, 2, 2, 2}));
    ticker.DestroyWindow();
    win::AdvanceVirtualTime(100);
    EXPECT_EQ(ticker.ticks.size(), 5u) << "a destroyed window's timers stop";
}

}  // namespace
