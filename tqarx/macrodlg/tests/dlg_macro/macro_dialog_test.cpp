// The macro dialog as a whole: its pages, its size and size keys, its buttons and
// how it closes.
#include "macro_dlg_test_support.h"

namespace {

using MacroDialog = MacroDlgTest;

TEST_F(MacroDialog, WithoutTabsTheTabControlIsEmptyAndTheWindowTakesTheFirstMinimum) {
    CDlgMacro dlg;
    dlg.macroData() = oneMacro();
    ScriptedUser user;
    user.onDialog(IDD_MACRO).then([](CDialog& d) {
        auto* tabs = static_cast<CTabCtrl*>(d.GetDlgItem(IDC_MACRO_TAB));
        EXPECT_EQ(tabs->GetItemCount(), 0);
        EXPECT_EQ(macroDlg(d).pageCount(), 0);
        RECT r{};
        d.GetWindowRect(&r);
        EXPECT_EQ(r.right - r.left, 280);
        EXPECT_EQ(r.bottom - r.top, 300);
    }).ok();
    dlg.DoModal();
}

TEST_F(MacroDialog, EveryKnownKindGetsItsPageAndAnUnknownKindNone) {
    CDlgMacro dlg;
    MacroData data = oneMacro();
    data.tabs.append(tab(kMacroTabGeneral, L"Plate"));
    data.tabs.append(tab(7, L"Strange"));
    data.tabs.append(tab(kMacroTabProfile, L"Profile"));
    data.tabs.append(tab(kMacroTabOther, L"Other"));
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO).then([](CDialog& d) {
        CDlgMacro& m = macroDlg(d);
        auto* tabs = static_cast<CTabCtrl*>(d.GetDlgItem(IDC_MACRO_TAB));
        ASSERT_EQ(tabs->GetItemCount(), 3);
        EXPECT_EQ(tabs->GetItemText(1), CString(L"Profile"));
        EXPECT_NE(m.page(0), nullptr);
        EXPECT_EQ(m.page(1), nullptr);
        EXPECT_TRUE(m.page(2)->isProfilePage());
        EXPECT_FALSE(m.page(3)->isProfilePage());
        // Choosing the third tab item shows the page of the fourth tab record.
        mfc::input::SelectTab(tabs->GetSafeHwnd(), 2);
        EXPECT_EQ(m.currentPage(), 3);
        EXPECT_TRUE(::IsWindowVisible(m.page(3)->GetSafeHwnd()));
        EXPECT_FALSE(::IsWindowVisible(m.page(0)->GetSafeHwnd()));
        EXPECT_EQ(d.SendMessage(WM_MACRO_DLG_QUERY), 1);
    }).ok();
    dlg.DoModal();
}

TEST_F(MacroDialog, OneMacroAGroupAndSeveralMacrosHaveTheirOwnSizeKeys) {
    MacroData one = oneMacro(L"EndPlate");
    EXPECT_EQ(macroDlgSizeKey(one), L"DLG_MACRO_EDITVARS_EndPlate");
    MacroData group;
    group.objectIds = Zk_Array<long long>{1, 2};
    group.groupCaptions = Zk_StringArray{L"Plates"};
    group.groupInternalNames = Zk_StringArray{L"PL"};
    group.groupIndex = 0;
    EXPECT_EQ(macroDlgSizeKey(group), L"DLG_MACRO_EDITVARS_GROUP_PL");
    group.groupIndex = -1;
    EXPECT_EQ(macroDlgSizeKey(group), L"DLG_MACRO_EDITVARS_2_MACROS");
}

TEST_F(MacroDialog, EachKindOfSelectionKeepsTheWindowSizeItWasLeftIn) {
    auto openAndResize = [](const MacroData& data, int width, int height) {
        CDlgMacro dlg;
        dlg.macroData() = data;
        ScriptedUser user;
        user.onDialog(IDD_MACRO).then([=](CDialog& d) {
            d.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
        }).ok();
        dlg.DoModal();
    };
    auto openedSize = [](const MacroData& data) {
        CDlgMacro dlg;
        dlg.macroData() = data;
        SIZE size{};
        ScriptedUser user;
        user.onDialog(IDD_MACRO).then([&](CDialog& d) {
            RECT r{};
            d.GetWindowRect(&r);
            size = SIZE{r.right - r.left, r.bottom - r.top};
        }).ok();
        dlg.DoModal();
        return size;
    };
    MacroData one = oneMacro();
    one.tabs.append(tab(kMacroTabGeneral, L"Plate"));
    MacroData several = one;
    several.objectIds = Zk_Array<long long>{1, 2, 3};
    several.singleModuleName.clear();
    several.groupIndex = -1;
    openAndResize(one, 700, 600);
    openAndResize(several, 500, 550);
    EXPECT_EQ(openedSize(one).cx, 700);
    EXPECT_EQ(openedSize(one).cy, 600);
    EXPECT_EQ(openedSize(several).cx, 500);
}

TEST_F(MacroDialog, ClosingCancelsTheCommandResetsTheViewAndMarksTheDataClosed) {
    CDlgMacro dlg;
    MacroData data = oneMacro();
    data.tabs.append(tab(kMacroTabGeneral, L"Plate"));
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO).click(IDC_MACRO_VIEW1).click(1);
    dlg.DoModal();
    EXPECT_TRUE(dlg.macroData().closed);
    const auto& posted = acad::PostedCommands();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[0], L"CANCELCMD");
    EXPECT_EQ(posted[1], L"CANCELCMD");
    const auto views = macroHost().callsNamed(L"changeView");
    ASSERT_EQ(views.length(), 2);
    EXPECT_EQ(views[0].tabName, L"Plate");
    EXPECT_EQ(views[0].args[0], L"1");
    EXPECT_EQ(views[1].args[0], L"3");
    EXPECT_EQ(acad::CommandPromptPostCount(), 1);
    EXPECT_EQ(macroHost().countOf(L"clashDlgClosed"), 1);
}

TEST_F(MacroDialog, EscapeOnAPageClosesTheDialog) {
    CDlgMacro dlg;
    MacroData data = oneMacro();
    MacroTabData plate = tab(kMacroTabGeneral, L"Plate");
    plate.cells.append(cell(L"Width", L"200"));
    data.tabs.append(plate);
    dlg.macroData() = data;
    ScriptedUser user;
    user.onDialog(IDD_MACRO).key(VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.macroData().closed);
}

TEST_F(MacroDialog, AModelessDialogIsBusyWhileTheHostMarksItsDataBusy) {
    static int closedIndex = -1;
    CDlgMacro::setModelessCloseHandler([](int index) { closedIndex = index; });
    CDlgMacro dlg;
    dlg.setIndex(4);
    dlg.macroData() = oneMacro();
    ASSERT_TRUE(dlg.Create(CDlgMacro::IDD, nullptr));
    EXPECT_FALSE(dlg.isBusy());
    dlg.macroData().busy = true;
    EXPECT_TRUE(dlg.isBusy());
    dlg.macroData().busy = false;
    dlg.ShowWindow(SW_SHOW);
    ScriptedUser user;
    user.now(dlg.GetSafeHwnd()).click(1);
    EXPECT_EQ(closedIndex, 4) << "the registry is asked to end slot 4";
    EXPECT_TRUE(dlg.macroData().closed);
    EXPECT_EQ(acad::CommandPromptPostCount(), 0) << "the registry re-posts the prompt";
    CDlgMacro::setModelessCloseHandler(nullptr);
    dlg.DestroyWindow();
}

TEST_F(MacroDialog, SelectingOtherMacrosRebuildsThePagesOnlyWhenTheSelectionChanged) {
    CDlgMacro dlg;
    MacroData data = oneMacro();
    data.tabs.append(tab(kMacroTabGeneral, L"Plate"));
    dlg.macroData() = data;
    macroHost().onSelectOtherMacros = [](MacroData& d) {
        d.tabs.append(MacroDlgTest::tab(kMacroTabBolt, L"Bolts"));
        d.caption = L"Two macros";
    };
    ScriptedUser user;
    user.onDialog(IDD_MACRO)
        .click(IDC_MACRO_SELECT)
        .then([](CDialog& d) { EXPECT_EQ(macroDlg(d).pageCount(), 1); })
        .then([](CDialog&) { macroHost().selectOtherMacrosResult = true; })
        .click(IDC_MACRO_SELECT)
        .then([](CDialog& d) {
            EXPECT_EQ(macroDlg(d).pageCount(), 2);
            CString caption;
            d.GetWindowText(caption);
            EXPECT_EQ(caption, CString(L"Two macros"));
            EXPECT_TRUE(::IsWindowVisible(d.GetSafeHwnd()));
        })
        .ok();
    dlg.DoModal();
    EXPECT_EQ(macroHost().countOf(L"SelectOtherMacros"), 2);
    EXPECT_EQ(macroHost().countOf(L"clashResetInfo"), 2) << "at open and after the new selection";
}

}  // namespace
