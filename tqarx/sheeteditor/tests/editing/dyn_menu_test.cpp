// The context-menu builder: entry kinds, levels and sub-menus, the pool of command ids,
// and a spreadsheet window's context menu built with it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mfc/scripted_user.h"
#include "sheeteditor/dyn_menu.h"
#include "sheeteditor/sheet_editor.h"
#include "sheeteditor_test_support.h"
#include "win/window.h"

namespace {

using namespace sheettest;

// The menu as the user would see it: one line per item, sub-menus indented.
struct Seen {
    std::vector<std::string> lines;
    UINT answer = 0;
};

void describe(HMENU menu, int depth, std::vector<std::string>& out) {
    for (int i = 0; i < win::MenuItemCount(menu); ++i) {
        win::MenuItemInfo info;
        win::MenuItemAt(menu, i, info);
        std::string line(static_cast<std::size_t>(depth) * 2, ' ');
        if (info.flags & MF_SEPARATOR) {
            out.push_back(line + "---");
            continue;
        }
        line += Zk_String(info.text).toUtf8();
        if (info.subMenu) {
            out.push_back(line + " >");
            describe(info.subMenu, depth + 1, out);
            continue;
        }
        line += " " + std::to_string(info.id);
        if (info.flags & MF_CHECKED) line += (info.flags & MFT_RADIOCHECK) ? " (radio)" : " (checked)";
        if (info.flags & MF_GRAYED) line += " (grey)";
        out.push_back(line);
    }
}

UINT capture(HMENU menu, HWND, POINT, void* context) {
    auto* seen = static_cast<Seen*>(context);
    seen->lines.clear();
    describe(menu, 0, seen->lines);
    return seen->answer;
}

class DynMenuTest : public ::testing::Test {
protected:
    void SetUp() override { win::SetPopupMenuHook(&capture, &seen); }
    void TearDown() override { win::SetPopupMenuHook(nullptr, nullptr); }

    UINT track(const std::vector<std::pair<int, dynMenuEntry>>& items) {
        Zk_Array<int> levels;
        Zk_Array<dynMenuEntry> entries;
        for (const auto& [level, entry] : items) {
            levels.append(level);
            entries.append(entry);
        }
        return menu.track(TPM_RETURNCMD, 10, 10, nullptr, levels, entries);
    }
    static std::pair<int, dynMenuEntry> e(int level, const wchar_t* text, int kind = kDynMenuPlain) {
        return {level, dynMenuEntry{Zk_String(text), kind}};
    }

    Seen seen;
    dynMenu menu;
};

TEST_F(DynMenuTest, KindsGiveTheirItemsAndTakeIdsInOrder) {
    seen.answer = 32816;
    const UINT chosen = track({e(1, L"Open"), e(1, L"Grid", kDynMenuChecked), e(1, L"A1", kDynMenuRadio),
                               e(1, L"", kDynMenuSeparator), e(1, L"Gone", kDynMenuHidden), e(1, L"Lock", kDynMenuGreyed),
                               e(1, L"Odd", 42)});
    EXPECT_EQ(chosen, 32816u);
    EXPECT_EQ(seen.lines, (std::vector<std::string>{"Open 32811", "Grid 32812 (checked)", "A1 32816 (radio)", "---",
                                                    "Lock 32818 (grey)", "Odd 32800"}));
}

TEST_F(DynMenuTest, SubMenusOpenALevelAndEntriesOutsideAnOpenLevelAreSkipped) {
    track({e(0, L"Never"), e(1, L"Top"), e(3, L"Too deep"), e(1, L"Insert", kDynMenuSubMenu), e(2, L"Row"),
           e(2, L"More", kDynMenuSubMenu), e(3, L"Deep"), e(2, L"Column"), e(1, L"Last"), e(2, L"Late")});
    EXPECT_EQ(seen.lines, (std::vector<std::string>{"Top 32811", "Insert >", "  Row 32812", "  More >",
                                                    "    Deep 32816", "  Column 32817", "Last 32818"}));
}

TEST_F(DynMenuTest, ItemsBeyondTheTenIdsAreLeftOut) {
    std::vector<std::pair<int, dynMenuEntry>> items;
    for (int i = 0; i < 12; ++i) items.push_back(e(1, L"x"));
    items.push_back(e(1, L"", kDynMenuSeparator));
    track(items);
    ASSERT_EQ(seen.lines.size(), 11u);
    EXPECT_EQ(seen.lines[9], "x 32804");
    EXPECT_EQ(seen.lines[10], "---");
}

class SheetMenuTest : public SheetEditorTest {
protected:
    void SetUp() override {
        SheetEditorTest::SetUp();
        registerSheetEditorWithSpreadsheets();
        tool.init();
        tool.dialog()->ShowWindow(SW_SHOW);
        sheet().setColCount(3);
        sheet().setRowCount(4);
        SSSetData(hwnd(), 1, 1, L"a");
        SSSetData(hwnd(), 2, 1, L"b");
        SSSetData(hwnd(), 1, 2, L"c");
    }
    void TearDown() override {
        unregisterSheetEditorWithSpreadsheets();
        SheetEditorTest::TearDown();
    }
    void rightClick() {
        SSSetActiveCell(hwnd(), activeCol, activeRow);
        sheet().showContextMenu(POINT{20, 20});
    }
    SS_COORD activeCol = 1;
    SS_COORD activeRow = 1;
    ScriptedUser user;
};

TEST_F(SheetMenuTest, TheContextMenuIsBuiltFromTheSheetsEntriesAndRunsTheChosenOne) {
    sheet().setMenuEntries({kMenuInsertRow, kMenuSeparator, kMenuDeleteRow, kMenuClipboard1, kMenuClipboard2,
                            kMenuSelectionOn, kMenuSelectionOff});
    activeRow = 2;
    user.pickMenuItem(L"Delete row");
    rightClick();
    EXPECT_EQ(sheet().getRowCount(), 3);

    // Copy the selection, paste it elsewhere.
    SSSetSelection(hwnd(), 1, 1, 2, 1);
    user.pickMenuItem(L"Copy");
    sheet().showContextMenu(POINT{20, 20});
    EXPECT_EQ(sheetClipboardText(), L"a\tb");
    SSClearSelection(hwnd());
    activeRow = 3;
    user.pickMenuItem(L"Paste");
    rightClick();
    std::wstring text;
    SSGetData(hwnd(), 2, 3, text);
    EXPECT_EQ(text, L"b");

    user.pickMenuItem(L"Select all");
    rightClick();
    SS_COORD c1 = 0, r1 = 0, c2 = 0, r2 = 0;
    SSGetSelection(hwnd(), &c1, &r1, &c2, &r2);
    EXPECT_EQ(c2, 3);
    EXPECT_EQ(r2, 3);
    EXPECT_TRUE(user.pending().empty());
}

TEST_F(SheetMenuTest, AnOwnersOwnHandlerTakesTheClipboardEntries) {
    int handled = 0;
    sheet().menuActionHandler = [&](Zk_Spread&, int kind) { handled = kind; };
    sheet().setMenuEntries({kMenuClipboard1});
    user.pickMenuItem(L"Copy");
    rightClick();
    EXPECT_EQ(handled, kMenuClipboard1);
}

}  // namespace
