#include "spread_fixture.h"

namespace spread_test {

std::vector<Notification>& Notifications() {
    static std::vector<Notification> n;
    return n;
}

namespace {
LRESULT ParentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && lp != 0)
        Notifications().push_back({LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)});
    return DefWindowProcW(h, msg, wp, lp);
}
}  // namespace

HWND MakeParent() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSW wc;
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = L"SpreadTestParent";
        RegisterClassW(&wc);
        registered = true;
    }
    return CreateWindowExW(0, L"SpreadTestParent", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
}

HWND MakeSheet(HWND parent, int id) {
    RECT r{10, 10, 610, 410};
    return SSCreateControl(parent, id, r);
}

void SpreadTest::SetUp() {
    Notifications().clear();
    parent = MakeParent();
    ASSERT_NE(parent, nullptr);
    ss = MakeSheet(parent);
    ASSERT_NE(ss, nullptr);
}

void SpreadTest::TearDown() {
    DestroyWindow(parent);
}

std::wstring SpreadTest::Val(SS_COORD col, SS_COORD row, HWND h) {
    std::wstring t;
    SSGetValue(h ? h : ss, col, row, t);
    return t;
}

std::wstring SpreadTest::Data(SS_COORD col, SS_COORD row, HWND h) {
    std::wstring t;
    SSGetData(h ? h : ss, col, row, t);
    return t;
}

std::wstring SpreadTest::Calc(const wchar_t* formula, SS_COORD col, SS_COORD row) {
    if (!SSSetFormula(ss, col, row, formula)) return L"<parse error>";
    return Val(col, row);
}

}  // namespace spread_test
