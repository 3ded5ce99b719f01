#include "window_fixture.h"

namespace {
LRESULT RefuseCreate(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CREATE) return -1;
    return DefWindowProcW(h, m, w, l);
}
WNDPROC gOriginal = nullptr;
int gSubclassed = 0;
LRESULT Subclass(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_USER + 5) ++gSubclassed;
    return CallWindowProcW(gOriginal, h, m, w, l);
}
}  // namespace

TEST_F(WindowTest, ClassesAreFoundByNameWithoutCaseAndRegisteredOnce) {
    WNDCLASSW wc;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"fpTestGrid";
    EXPECT_NE(RegisterClassW(&wc), 0);
    EXPECT_EQ(RegisterClassW(&wc), 0);
    HWND h = CreateWindowExW(0, L"FPTESTGRID", L"g", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsWindow(h));
    wchar_t cls[32];
    GetClassNameW(h, cls, 32);
    EXPECT_STREQ(cls, L"fpTestGrid");
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_FALSE(UnregisterClassW(L"fpTestGrid", nullptr));  // a window still uses it
    DestroyWindow(h);
    EXPECT_TRUE(UnregisterClassW(L"fpTestGrid", nullptr));
}

TEST_F(WindowTest, CreationFailsCleanlyWhenRefusedOrChildHasNoParent) {
    WNDCLASSW wc;
    wc.lpfnWndProc = &RefuseCreate;
    wc.lpszClassName = L"TestRefuse";
    RegisterClassW(&wc);
    int before = win::LiveWindowCount();
    EXPECT_EQ(CreateWindowExW(0, L"TestRefuse", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowExW(0, WC_BUTTON, L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(win::LiveWindowCount(), before);
}

TEST_F(WindowTest, DestroyRunsParentFirstThenChildrenAndInvalidatesHandles) {
    Recorder::ensure();
    HWND top = Top(L"TestRecorder");
    HWND kid = Child(top, L"TestRecorder", 5, 0);
    Recorder::log().clear();
    DestroyWindow(top);
    std::vector<std::pair<HWND, UINT>> expected = {
        {top, WM_DESTROY}, {kid, WM_DESTROY}, {kid, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    std::vector<std::pair<HWND, UINT>> got;
    for (auto& e : Recorder::log())
        if (e.second == WM_DESTROY || e.second == WM_NCDESTROY) got.push_back(e);
    EXPECT_EQ(got, expected);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(kid));
    EXPECT_EQ(SendMessageW(kid, WM_USER, 0, 0), 0);
}

TEST_F(WindowTest, SubclassingThroughTheWindowProcedureChainsToTheOriginal) {
    HWND top = Top();
    HWND edit = Child(top, WC_EDIT, 3, 0);
    gOriginal = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    gSubclassed = 0;
    SendMessageW(edit, WM_USER + 5, 0, 0);
    SetWindowTextW(edit, L"still an edit");
    EXPECT_EQ(gSubclassed, 1);
    EXPECT_EQ(GetWindowTextLengthW(edit), 13);
    SetWindowLongPtrW(edit, GWLP_USERDATA, 42);
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_USERDATA), 42);
    EXPECT_EQ(GetDlgItem(top, 3), edit);
    EXPECT_EQ(GetDlgCtrlID(edit), 3);
    EXPECT_EQ(GetParent(edit), top);
}

TEST_F(WindowTest, PostedMessagesWaitForThePumpAndDieWithTheirWindow) {
    Recorder::ensure();
    HWND a = Top(L"TestRecorder");
    HWND b = Top(L"TestRecorder");
    Recorder::log().clear();
    PostMessageW(a, WM_USER + 1, 0, 0);
    PostMessageW(b, WM_USER + 1, 0, 0);
    EXPECT_EQ(Recorder::count(WM_USER + 1), 0);
    DestroyWindow(b);
    EXPECT_FALSE(PostMessageW(b, WM_USER + 1, 0, 0));
    win::PumpMessages();
    EXPECT_EQ(Recorder::count(WM_USER + 1), 1);
}

TEST_F(WindowTest, MessageFilterSeesKeysBeforeDispatchAndTranslationTypesCharacters) {
    static int filtered = 0;
    filtered = 0;
    HWND top = Top();
    HWND edit = Child(top, WC_EDIT, 1, 0);
    win::SetMessageFilter([](MSG& m) {
        if (m.message == WM_KEYDOWN && m.wParam == VK_F2) {
            ++filtered;
            return true;
        }
        return false;
    });
    PostMessageW(edit, WM_KEYDOWN, VK_F2, 1);
    PostMessageW(edit, WM_KEYDOWN, 'X', 1 | (static_cast<LPARAM>(L'x') << 16));
    win::PumpMessages();
    EXPECT_EQ(filtered, 1);
    wchar_t text[8];
    GetWindowTextW(edit, text, 8);
    EXPECT_STREQ(text, L"x");
}
