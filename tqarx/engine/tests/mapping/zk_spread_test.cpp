#include "engine/zk_spread.h"

#include <gtest/gtest.h>

#include "mapping_test_support.h"
#include "mfc/resources.h"
#include "res/resources.h"
#include "win/module.h"

namespace {

class Grid : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(grid.makeGrid());
        ASSERT_TRUE(spread().setColCount(4));
        ASSERT_TRUE(spread().setRowCount(6));
    }
    void TearDown() override { win::SetPopupMenuHook(nullptr, nullptr); }
    Zk_Spread& spread() { return grid.spread; }
    void put(int col, int row, const wchar_t* text) { ASSERT_TRUE(spread().writeCellText(col, row, Zk_String(text))); }
    GridDialog grid;
};

TEST(GridCreation, ReplacesThePlaceholderShiftedUnlessExact) {
    for (bool exact : {false, true}) {
        GridDialog dlg;
        ASSERT_TRUE(dlg.created);
        HWND placeholder = ::GetDlgItem(dlg.dialog.GetSafeHwnd(), GridDialog::kPlaceholderId);
        ASSERT_NE(placeholder, nullptr);
        RECT dlgRect{};
        RECT before{};
        ::GetWindowRect(dlg.dialog.GetSafeHwnd(), &dlgRect);
        ::GetWindowRect(placeholder, &before);

        ASSERT_TRUE(dlg.makeGrid(exact));
        EXPECT_TRUE(dlg.spread.isCreated());
        EXPECT_EQ(dlg.spread.controlId(), GridDialog::kPlaceholderId);
        EXPECT_FALSE(::IsWindow(placeholder));
        HWND grid = ::GetDlgItem(dlg.dialog.GetSafeHwnd(), GridDialog::kPlaceholderId);
        EXPECT_EQ(grid, dlg.spread.GetSafeHwnd());
        EXPECT_TRUE(Zk_Spread::isSpreadWindow(grid));
        EXPECT_FALSE(Zk_Spread::isSpreadWindow(dlg.dialog.GetSafeHwnd()));

        RECT after{};
        ::GetWindowRect(grid, &after);
        POINT topLeft{after.left, after.top};
        ::ScreenToClient(dlg.dialog.GetSafeHwnd(), &topLeft);
        EXPECT_EQ(topLeft.x, before.left - dlgRect.left - (exact ? 0 : 5));
        EXPECT_EQ(topLeft.y, before.top - dlgRect.top - (exact ? 0 : 20));
        EXPECT_EQ(after.right - after.left, before.right - before.left);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
        for (short action = 0; action <= 2; ++action) {
            BOOL shift = TRUE, ctrl = TRUE;
            WORD key = 1;
            SSGetActionKey(grid, action, &shift, &ctrl, &key);
            EXPECT_EQ(key, 0) << action;
        }
        // Created once; the placeholder is gone now.
        EXPECT_FALSE(dlg.makeGrid(exact));
    }
}

TEST(GridCreation, ANotCreatedGridDoesNothing) {
    Zk_Spread spread;
    Zk_String text(L"x");
    EXPECT_FALSE(spread.readCellText(1, 1, text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(spread.writeCellText(1, 1, Zk_String(L"a")));
    EXPECT_FALSE(spread.setFormula(1, 1, Zk_String(L"1+1")));
    EXPECT_FALSE(spread.setNumberType(1, 1, 1, 1, 2));
    EXPECT_FALSE(spread.setBoolProperty(7, true));
    EXPECT_FALSE(spread.loadFromFile(Zk_String(L"x.kms")));
    EXPECT_EQ(spread.getRowCount(), 0);
    int col = 0, row = 0;
    EXPECT_FALSE(spread.searchText(Zk_String(L""), false, 1, 0, col, row));
    EXPECT_FALSE(spread.replaceInCell(1, 1, Zk_String(L"a"), Zk_String(L"b")));
    spread.runMenuAction(kMenuInsertRow);  // no crash, nothing to do
    GridDialog noPlaceholder;
    EXPECT_FALSE(noPlaceholder.spread.createFromPlaceholder(&noPlaceholder.dialog, 4711));
    EXPECT_FALSE(noPlaceholder.spread.createFromPlaceholder(nullptr, GridDialog::kPlaceholderId));
}

TEST_F(Grid, CellTextByModeAndOutsideTheCounts) {
    ASSERT_TRUE(spread().setFormula(2, 1, Zk_String(L"6*7")));
    ASSERT_TRUE(spread().SetCellTag(2, 1, L"tagged"));
    Zk_String text;
    ASSERT_TRUE(spread().readCellText(2, 1, text, 3));
    EXPECT_EQ(text, L"42");
    ASSERT_TRUE(spread().readCellText(2, 1, text, 1));
    EXPECT_EQ(text, L"6*7");
    ASSERT_TRUE(spread().readCellText(2, 1, text, 2));
    EXPECT_EQ(text, L"tagged");
    EXPECT_FALSE(spread().readCellText(5, 1, text));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_FALSE(spread().readCellText(1, 7, text));
    EXPECT_FALSE(spread().readCellText(-1, 1, text));
    EXPECT_FALSE(spread().readCellText(1, 1, text, 4));
}

TEST_F(Grid, SearchScansFromTheStartCellRowByRow) {
    put(1, 1, L"Width");
    put(3, 2, L"Width");
    put(2, 4, L"Widths");
    int col = 0, row = 0;
    ASSERT_TRUE(spread().searchText(Zk_String(L"Width"), true, 1, 1, col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    // The start column limits only the start row.
    ASSERT_TRUE(spread().searchText(Zk_String(L"Width"), true, 2, 1, col, row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 2);
    // Exact does not match "Widths"; substring does. Column 0 counts as column 1.
    EXPECT_FALSE(spread().searchText(Zk_String(L"Width"), true, 4, 2, col, row));
    ASSERT_TRUE(spread().searchText(Zk_String(L"idth"), false, 4, 2, col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 4);
    ASSERT_TRUE(spread().searchText(Zk_String(L"Width"), true, 0, 1, col, row));
    EXPECT_EQ(col, 1);
    // Start rows outside 0..rows fail.
    EXPECT_FALSE(spread().searchText(Zk_String(L"Width"), false, 1, -1, col, row));
    EXPECT_FALSE(spread().searchText(Zk_String(L"Width"), false, 1, 7, col, row));
    EXPECT_FALSE(spread().searchText(Zk_String(L"Height"), false, 1, 0, col, row));
}

TEST_F(Grid, ReplaceInCellReplacesEveryOccurrence) {
    put(2, 3, L"a-b-a");
    ASSERT_TRUE(spread().replaceInCell(2, 3, Zk_String(L"a"), Zk_String(L"xy")));
    Zk_String text;
    spread().readCellText(2, 3, text);
    EXPECT_EQ(text, L"xy-b-xy");
    // The cell's value is what is edited: a formula becomes its replaced result.
    ASSERT_TRUE(spread().setFormula(1, 1, Zk_String(L"\"12\"&\"3\"")));
    ASSERT_TRUE(spread().replaceInCell(1, 1, Zk_String(L"2"), Zk_String(L"9")));
    spread().readCellText(1, 1, text);
    EXPECT_EQ(text, L"193");
    EXPECT_FALSE(spread().replaceInCell(9, 1, Zk_String(L"a"), Zk_String(L"b")));
}

TEST(GridMenu, CommandIdsSelectEntriesWithoutSeparators) {
    const Zk_Array<int> kinds{kMenuSeparator, kMenuInsertRow, kMenuSeparator, kMenuSeparator, kMenuDeleteRow,
                              kMenuClipboard1};
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(kinds, 32811), 1);
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(kinds, 32812), 4);
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(kinds, 32816), 5);
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(kinds, 32817), -1);
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(kinds, 1), -1);
    Zk_Array<int> ten;
    for (int i = 0; i < 10; ++i) ten.append(i % 2 ? kMenuSeparator : kMenuInsertCol);
    for (int i = 0; i < 10; ++i) ten.append(kMenuDeleteCol);
    // 32800..32804 are entries 6 to 10.
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(ten, 32800), 10);
    EXPECT_EQ(Zk_Spread::menuEntryOfCommand(ten, 32804), 14);
}

TEST_F(Grid, CommandsRunTheSelectedEntry) {
    spread().setMenuEntries(Zk_Array<int>{kMenuInsertRow, kMenuSeparator, kMenuDeleteRow, kMenuInsertCol,
                                          kMenuDeleteCol, kMenuClipboard2});
    std::vector<int> handled;
    spread().menuActionHandler = [&handled](Zk_Spread&, int kind) { handled.push_back(kind); };
    ASSERT_TRUE(spread().SetTypeNumber(1, 3, 1, 3, 2, 0, 100, FALSE));
    ASSERT_TRUE(spread().SetActiveCell(1, 3));
    put(1, 3, L"5");

    spread().SendMessage(WM_COMMAND, MAKEWPARAM(32811, 0), 0);  // insert a row at row 3
    EXPECT_EQ(spread().getRowCount(), 7);
    EXPECT_EQ(spread().GetCellType(1, 3), SS_TYPE_NUMBER);      // formats of the row below
    Zk_String text;
    spread().readCellText(1, 4, text);
    EXPECT_EQ(text, L"5");
    spread().SendMessage(WM_COMMAND, MAKEWPARAM(32812, 0), 0);  // delete row: the separator is skipped
    EXPECT_EQ(spread().getRowCount(), 6);
    spread().readCellText(1, 3, text);
    EXPECT_EQ(text, L"5");
    spread().SendMessage(WM_COMMAND, MAKEWPARAM(32816, 0), 0);
    EXPECT_EQ(spread().getColCount(), 5);
    spread().SendMessage(WM_COMMAND, MAKEWPARAM(32817, 0), 0);
    EXPECT_EQ(spread().getColCount(), 4);
    spread().SendMessage(WM_COMMAND, MAKEWPARAM(32818, 0), 0);
    EXPECT_EQ(handled, (std::vector<int>{kMenuClipboard2}));
    spread().SendMessage(WM_COMMAND, MAKEWPARAM(32800, 0), 0);  // no 6th entry
    EXPECT_EQ(spread().getRowCount(), 6);
}

struct MenuSeen {
    std::vector<UINT> ids;
    std::vector<bool> separators;
    UINT choose = 0;
};

UINT recordMenu(HMENU menu, HWND, POINT, void* context) {
    MenuSeen& seen = *static_cast<MenuSeen*>(context);
    for (int i = 0; i < win::MenuItemCount(menu); ++i) {
        win::MenuItemInfo item;
        win::MenuItemAt(menu, i, item);
        seen.ids.push_back(item.id);
        seen.separators.push_back((item.flags & MF_SEPARATOR) != 0);
    }
    return seen.choose;
}

TEST_F(Grid, RightClickShowsTheOwnersEntries) {
    MenuSeen seen;
    seen.choose = 32812;
    win::SetPopupMenuHook(&recordMenu, &seen);
    // Without entries there is no menu.
    spread().SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(seen.ids.empty());

    spread().setMenuEntries(Zk_Array<int>{kMenuInsertRow, kMenuSeparator, kMenuInsertCol});
    ASSERT_TRUE(spread().SetActiveCell(2, 2));
    spread().SendMessage(WM_RBUTTONDOWN, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(seen.ids, (std::vector<UINT>{32811, 0, 32812}));
    EXPECT_EQ(seen.separators, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(spread().getColCount(), 5);  // the chosen insert-column ran
}

class FakeFind : public Zk_SpreadFindWindow {
public:
    explicit FakeFind(std::vector<int>& log) : m_log(log) {}
    bool isOpen() const override { return m_open; }
    void open() override {
        m_open = true;
        m_log.push_back(0);
    }
    void searchAction(int which) override { m_log.push_back(which); }

private:
    std::vector<int>& m_log;
    bool m_open = false;
};

TEST_F(Grid, KeysOpenAndDriveTheFindWindowAndToggleGridLines) {
    MSG msg;
    msg.hwnd = spread().GetSafeHwnd();
    msg.message = WM_KEYDOWN;
    // No find window available: the keys are taken and nothing happens.
    msg.wParam = 0x72;
    EXPECT_TRUE(spread().PreTranslateMessage(&msg));
    EXPECT_EQ(spread().findWindow(), nullptr);

    std::vector<int> log;
    Zk_Spread::setFindWindowFactory([&log](Zk_Spread&) { return std::make_unique<FakeFind>(log); });
    for (UINT key : {0x72u, 0x72u, 0x74u}) {
        msg.wParam = key;
        EXPECT_TRUE(spread().PreTranslateMessage(&msg));
    }
    EXPECT_EQ(log, (std::vector<int>{0, 1, 2}));
    Zk_Spread::setFindWindowFactory(nullptr);

    const bool lines = spread().getBoolProperty(SSB_GRIDLINES);
    msg.wParam = 0x77;
    EXPECT_TRUE(spread().PreTranslateMessage(&msg));
    EXPECT_NE(spread().getBoolProperty(SSB_GRIDLINES), lines);
    msg.message = WM_KEYUP;
    EXPECT_FALSE(spread().PreTranslateMessage(&msg));
    EXPECT_NE(spread().getBoolProperty(SSB_GRIDLINES), lines);
    msg.message = WM_KEYDOWN;
    msg.wParam = 'A';
    EXPECT_FALSE(spread().PreTranslateMessage(&msg));
}

TEST(GridFocus, ClassPrefixesOfTheControl) {
    for (const wchar_t* name : {L"SPR32DU70EditHScroll", L"fpSpread70Edit", L"Edit"}) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = name;
        RegisterClassW(&wc);
        HWND hwnd = CreateWindowExW(0, name, L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        EXPECT_EQ(Zk_Spread::isSpreadWindow(hwnd), Zk_String(name) != L"Edit") << Zk_String(name).toUtf8();
        DestroyWindow(hwnd);
    }
    EXPECT_FALSE(Zk_Spread::isSpreadWindow(nullptr));
}

TEST_F(Grid, ListAndColumnConveniences) {
    spread().setListStyle();
    EXPECT_EQ(SSGetSelectionMode(spread().GetSafeHwnd()), 1);
    EXPECT_TRUE(SSGetLock(spread().GetSafeHwnd(), 2, 2));

    ASSERT_TRUE(spread().setCheckBoxColumn(2));
    SS_CELLTYPEINFO info;
    ASSERT_TRUE(SSGetCellTypeInfo(spread().GetSafeHwnd(), 2, 5, &info));
    EXPECT_EQ(info.type, SS_TYPE_CHECKBOX);
    EXPECT_EQ(info.picture1, L"#8134");
    EXPECT_EQ(info.picture2, L"#8136");
    // The module's pictures under those numbers: the unchecked one without a tick.
    tqRegisterResources(GetModuleHandleW(nullptr));
    auto darkPixels = [](const std::wstring& picture) {
        const win::Surface* bitmap = mfc::FindBitmapResource(static_cast<UINT>(std::stoi(picture.substr(1))));
        int dark = -1;
        if (bitmap) {
            dark = 0;
            for (COLORREF c : bitmap->pixels()) dark += c == RGB(0, 0, 0);
        }
        return dark;
    };
    EXPECT_EQ(darkPixels(info.picture1), 0);
    EXPECT_GT(darkPixels(info.picture2), 0);
    ASSERT_TRUE(spread().setButtonColumn(3, Zk_String(L"...")));
    EXPECT_EQ(spread().GetCellType(3, 1), SS_TYPE_BUTTON);
    EXPECT_FALSE(spread().setCheckBoxColumn(9));

    // Widths share the client width; column 1 keeps its pixels.
    ASSERT_TRUE(spread().SetColWidthInPixels(1, 40));
    spread().setColumnWidths(Zk_Array<double>{1, 1, 3, 0}, 1);
    RECT client{};
    spread().GetClientRect(&client);
    int header = 0, w1 = 0, w2 = 0, w3 = 0;
    spread().GetColWidthInPixels(0, &header);
    spread().GetColWidthInPixels(1, &w1);
    spread().GetColWidthInPixels(2, &w2);
    spread().GetColWidthInPixels(3, &w3);
    short vertical = 0, horizontal = 0;
    spread().GetScrollBarSize(&vertical, &horizontal);
    EXPECT_EQ(w1, 40);
    EXPECT_NEAR(w3, 3 * w2, 3);
    EXPECT_NEAR(w1 + w2 + w3, client.right - client.left - header - vertical, 4);
    // Re-applied on resize.
    spread().MoveWindow(0, 0, 600, 200);
    int wide = 0;
    spread().GetColWidthInPixels(3, &wide);
    EXPECT_GT(wide, w3);

    ASSERT_TRUE(spread().growRowCount(20));
    EXPECT_EQ(spread().getRowCount(), 20);
    ASSERT_TRUE(spread().growRowCount(3));
    EXPECT_EQ(spread().getRowCount(), 20);
    put(1, 1, L"first");
    ASSERT_TRUE(spread().moveRow(1, 3));
    Zk_String text;
    spread().readCellText(1, 3, text);
    EXPECT_EQ(text, L"first");
}

}  // namespace
