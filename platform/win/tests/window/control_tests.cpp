#include "window_fixture.h"

namespace {
std::vector<std::pair<int, int>> gCommands;  // (id, code)
LRESULT CommandRecorder(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND) gCommands.emplace_back(LOWORD(w), HIWORD(w));
    return DefDlgProcW(h, m, w, l);
}
HWND Dialog() {
    static bool reg = false;
    if (!reg) {
        reg = true;
        WNDCLASSW wc;
        wc.lpfnWndProc = &CommandRecorder;
        wc.lpszClassName = L"TestDialog";
        RegisterClassW(&wc);
    }
    gCommands.clear();
    return CreateWindowExW(0, L"TestDialog", L"d", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr, nullptr,
                           nullptr);
}
void Click(HWND h) {
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(2, 2));
    SendMessageW(h, WM_LBUTTONUP, 0, PointToLParam(2, 2));
}
void Key(HWND h, UINT vk) {
    MSG m;
    m.hwnd = h;
    m.message = WM_KEYDOWN;
    m.wParam = vk;
    IsDialogMessageW(GetAncestor(h, GA_ROOT), &m);
    win::PumpMessages();
}
}  // namespace

TEST_F(WindowTest, AutoRadioButtonsAreExclusiveWithinTheirGroupOnly) {
    HWND d = Dialog();
    HWND r1 = Child(d, WC_BUTTON, 1, BS_AUTORADIOBUTTON | WS_GROUP);
    HWND r2 = Child(d, WC_BUTTON, 2, BS_AUTORADIOBUTTON);
    HWND r3 = Child(d, WC_BUTTON, 3, BS_AUTORADIOBUTTON | WS_GROUP);
    Click(r3);
    Click(r1);
    Click(r2);
    EXPECT_EQ(SendMessageW(r1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(r2, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(r3, BM_GETCHECK, 0, 0), BST_CHECKED);
    HWND tri = Child(d, WC_BUTTON, 4, BS_AUTO3STATE);
    Click(tri);
    Click(tri);
    EXPECT_EQ(SendMessageW(tri, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    ASSERT_FALSE(gCommands.empty());
    EXPECT_EQ(gCommands.back(), std::make_pair(4, static_cast<int>(BN_CLICKED)));
}

TEST_F(WindowTest, EditTypingReplacesTheSelectionAndHonoursReadOnlyAndLimit) {
    HWND d = Dialog();
    HWND e = Child(d, WC_EDIT, 10, 0);
    SetWindowTextW(e, L"hello");
    SendMessageW(e, EM_SETSEL, 1, 4);
    SendMessageW(e, WM_CHAR, L'E', 0);
    SendMessageW(e, WM_CHAR, L'\b', 0);
    SendMessageW(e, WM_CHAR, L'a', 0);
    wchar_t buf[16];
    GetWindowTextW(e, buf, 16);
    EXPECT_STREQ(buf, L"hao");
    EXPECT_EQ(gCommands.back(), std::make_pair(10, static_cast<int>(EN_CHANGE)));
    SendMessageW(e, EM_LIMITTEXT, 3, 0);
    SendMessageW(e, WM_CHAR, L'z', 0);
    SendMessageW(e, EM_SETREADONLY, TRUE, 0);
    SendMessageW(e, WM_CHAR, L'q', 0);
    GetWindowTextW(e, buf, 16);
    EXPECT_STREQ(buf, L"hao");
}

TEST_F(WindowTest, ComboBoxesSortFindAndNotifyOnlyOnUserPicks) {
    HWND d = Dialog();
    HWND c = Child(d, WC_COMBOBOX, 20, CBS_DROPDOWNLIST | CBS_SORT);
    SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"beta"));
    SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Alpha"));
    SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"gamma"));
    EXPECT_EQ(SendMessageW(c, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"BETA")), 1);
    EXPECT_EQ(SendMessageW(c, CB_SETCURSEL, 5, 0), CB_ERR);
    SendMessageW(c, CB_SETCURSEL, 2, 0);
    EXPECT_TRUE(gCommands.empty());
    SendMessageW(c, TQ_CB_USERPICK, 0, 0);
    wchar_t buf[16];
    GetWindowTextW(c, buf, 16);
    EXPECT_STREQ(buf, L"Alpha");
    std::vector<int> codes;
    for (auto& [id, code] : gCommands) codes.push_back(code);
    EXPECT_EQ(codes, (std::vector<int>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

TEST_F(WindowTest, DialogKeysSendOkCancelAndMoveFocusByTabStops) {
    HWND d = Dialog();
    HWND e1 = Child(d, WC_EDIT, 11, WS_TABSTOP);
    Child(d, WC_STATIC, 12, 0);
    HWND e2 = Child(d, WC_EDIT, 13, WS_TABSTOP);
    HWND ml = Child(d, WC_EDIT, 14, WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN);
    SetFocus(e1);
    Key(e1, VK_TAB);
    EXPECT_EQ(GetFocus(), e2);
    gCommands.clear();
    Key(e2, VK_RETURN);
    Key(e2, VK_ESCAPE);
    EXPECT_EQ(gCommands, (std::vector<std::pair<int, int>>{{IDOK, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}));
    gCommands.clear();
    SetFocus(ml);
    Key(ml, VK_RETURN);  // wanted by the multi-line edit
    for (auto& c : gCommands) EXPECT_NE(c.first, IDOK);
    wchar_t buf[8];
    GetWindowTextW(ml, buf, 8);
    EXPECT_STREQ(buf, L"\r\n");
}

TEST_F(WindowTest, TabClickAsksTheParentAndCanBeRefused) {
    static bool refuse = false;
    static std::vector<UINT> codes;
    codes.clear();
    WNDCLASSW wc;
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_NOTIFY) {
            auto* nm = reinterpret_cast<NMHDR*>(l);
            codes.push_back(nm->code);
            return nm->code == TCN_SELCHANGING && refuse;
        }
        return DefWindowProcW(h, m, w, l);
    };
    wc.lpszClassName = L"TestTabParent";
    RegisterClassW(&wc);
    HWND p = Top(L"TestTabParent");
    HWND tab = Child(p, WC_TABCONTROL, 30, 0, {0, 0, 300, 200});
    TCITEMW item;
    item.mask = TCIF_TEXT;
    for (const wchar_t* t : {L"One", L"Two"}) {
        item.pszText = const_cast<LPWSTR>(t);
        SendMessageW(tab, TCM_INSERTITEMW, 9, reinterpret_cast<LPARAM>(&item));
    }
    RECT r;
    SendMessageW(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
    refuse = true;
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(r.left + 2, r.top + 2));
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);
    refuse = false;
    SendMessageW(tab, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(r.left + 2, r.top + 2));
    EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(codes, (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGING, TCN_SELCHANGE}));
}

TEST_F(WindowTest, PopupMenusReturnTheHookChoiceButNeverAGreyedItem) {
    HMENU m = CreatePopupMenu();
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 201, L"Deep");
    AppendMenuW(m, MF_STRING, 101, L"&Copy");
    AppendMenuW(m, MF_STRING | MF_GRAYED, 102, L"Paste");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"More");
    CheckMenuItem(m, 101, MF_CHECKED);
    EXPECT_EQ(GetMenuState(m, 101, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    static UINT answer = 0;
    win::SetPopupMenuHook([](HMENU, HWND, POINT, void*) { return answer; }, nullptr);
    answer = 201;
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 0, 0, 0, nullptr, nullptr), 201);
    answer = 102;
    EXPECT_EQ(TrackPopupMenu(m, TPM_RETURNCMD, 0, 0, 0, nullptr, nullptr), 0);
    HWND d = Dialog();
    answer = 101;
    EXPECT_TRUE(TrackPopupMenu(m, 0, 0, 0, 0, d, nullptr));
    win::PumpMessages();
    EXPECT_EQ(gCommands.back().first, 101);
    DestroyMenu(m);
    EXPECT_FALSE(IsMenu(sub));
}
