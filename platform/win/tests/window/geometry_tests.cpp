#include "window_fixture.h"

namespace {
LRESULT MinSize(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_GETMINMAXINFO) {
        auto* mm = reinterpret_cast<MINMAXINFO*>(l);
        mm->ptMinTrackSize = {300, 200};
        return 0;
    }
    return DefWindowProcW(h, m, w, l);
}
}  // namespace

TEST_F(WindowTest, ChildCoordinatesFollowParentFramesAndCaption) {
    HWND top = CreateWindowExW(0, WC_DIALOG, L"t", WS_POPUP | WS_CAPTION | WS_DLGFRAME, 100, 50, 400, 300, nullptr,
                               nullptr, nullptr, nullptr);
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(client.right, 400 - 2 * 3);
    EXPECT_EQ(client.bottom, 300 - 2 * 3 - kCaptionHeight);
    HWND kid = Child(top, WC_STATIC, 1, 0, {10, 20, 60, 40});
    RECT wr;
    GetWindowRect(kid, &wr);
    EXPECT_EQ(wr.left, 100 + 3 + 10);
    EXPECT_EQ(wr.top, 50 + 3 + kCaptionHeight + 20);
    POINT p{wr.left, wr.top};
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    RECT r{0, 0, 200, 100};
    AdjustWindowRectEx(&r, WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(r.right - r.left, 200 + 2 * 6);
    EXPECT_EQ(r.bottom - r.top, 100 + 2 * 6 + kCaptionHeight);
}

TEST_F(WindowTest, SetWindowPosHonoursFlagsTopMostAndMinimumTrackSize) {
    WNDCLASSW wc;
    wc.lpfnWndProc = &MinSize;
    wc.lpszClassName = L"TestMinSize";
    RegisterClassW(&wc);
    HWND h = CreateWindowExW(0, L"TestMinSize", L"", WS_POPUP | WS_THICKFRAME, 10, 10, 400, 300, nullptr, nullptr,
                             nullptr, nullptr);
    SetWindowPos(h, HWND_TOPMOST, 50, 60, 0, 0, SWP_NOSIZE);
    RECT r;
    GetWindowRect(h, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_TRUE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
    MoveWindow(h, 0, 0, 100, 100, TRUE);
    GetWindowRect(h, &r);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 200);
    SetWindowPos(h, HWND_NOTOPMOST, 0, 0, 500, 400, SWP_NOMOVE);
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowTest, DeferredPositionsApplyTogetherAtTheEnd) {
    HWND top = Top();
    HWND a = Child(top, WC_STATIC, 1, 0);
    HWND b = Child(top, WC_STATIC, 2, 0);
    HDWP d = BeginDeferWindowPos(2);
    d = DeferWindowPos(d, a, nullptr, 5, 5, 20, 20, SWP_NOZORDER);
    d = DeferWindowPos(d, b, nullptr, 50, 5, 20, 20, SWP_NOZORDER);
    RECT r;
    GetWindowRect(a, &r);
    POINT p{r.left, r.top};
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 10);  // not yet moved
    EXPECT_TRUE(EndDeferWindowPos(d));
    GetWindowRect(b, &r);
    p = {r.left, r.top};
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 50);
    EXPECT_FALSE(EndDeferWindowPos(d));
}

TEST_F(WindowTest, VisibilityAndEnabledStateFollowAncestors) {
    HWND top = Top();
    HWND kid = Child(top, WC_EDIT, 1, 0);
    SetFocus(kid);
    EXPECT_EQ(GetFocus(), kid);
    ShowWindow(top, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(kid));
    EXPECT_EQ(GetFocus(), nullptr);
    ShowWindow(top, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(kid));
    EXPECT_FALSE(EnableWindow(kid, FALSE));
    EXPECT_TRUE(EnableWindow(kid, TRUE));
}
