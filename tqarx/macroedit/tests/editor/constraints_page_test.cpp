// The constraints page as a connection designer uses it: selecting rows, editing the
// panel, option buttons, name checks, sorting, the row menu, delete, the cut and Escape.
#include "editor_test_support.h"

#include "mfc/button_st.h"

namespace {

using Page = CDlgEditMacro::Page;

CTabEditConstraints& page(CDialog& dlg) { return editor(dlg).constraintsPage(); }
bool shown(CDialog& dlg, int id) { return ::IsWindowVisible(pageItem(dlg, Page::kConstraintsPage, id)) != FALSE; }
CButtonST& optionButton(CDialog& dlg, int i) {
    return *static_cast<CButtonST*>(CWnd::FromHandlePermanent(pageItem(dlg, Page::kConstraintsPage, kEcOptionButtons[i])));
}

class ConstraintsPage : public EditorTest {};

TEST_F(ConstraintsPage, ThePanelShowsTheFieldsOfTheRowsKinds) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            EXPECT_TRUE(shown(dlg, IDC_EC_VALUE));
            EXPECT_TRUE(shown(dlg, IDC_EC_VARNAME));
            EXPECT_FALSE(shown(dlg, IDC_EC_OPTIONS));
            EXPECT_FALSE(shown(dlg, IDC_EC_FLAG1));
            EXPECT_FALSE(shown(dlg, IDC_EC_CUT));
            EXPECT_TRUE(shown(dlg, IDC_EC_DELETE));
            EXPECT_EQ(::GetFocus(), pageItem(dlg, Page::kConstraintsPage, IDC_EC_VARNAME));
            clickGridCell(page(dlg).grid, 1, 2);
            EXPECT_FALSE(shown(dlg, IDC_EC_VALUE));
            EXPECT_TRUE(shown(dlg, IDC_EC_OPTIONS));
            EXPECT_TRUE(shown(dlg, IDC_EC_FLAG1));
            EXPECT_FALSE(::IsWindowEnabled(pageItem(dlg, Page::kConstraintsPage, IDC_EC_FLAG2)));
        });
        // The second flag is open only while the first is checked.
        s.click(IDC_EC_FLAG1).then([](CDialog& dlg) {
            EXPECT_TRUE(::IsWindowEnabled(pageItem(dlg, Page::kConstraintsPage, IDC_EC_FLAG2)));
            clickGridCell(page(dlg).grid, 1, 3);
            EXPECT_TRUE(shown(dlg, IDC_EC_CUT));
        });
        s.ok();
    });
    EXPECT_TRUE(data.module(L"Base")->constraints[1].flag1);
    const auto highlights = editConstrHost().callsNamed(L"HighlightConstraint");
    ASSERT_GE(highlights.length(), 2);
    EXPECT_EQ(highlights[highlights.length() - 2].args, (Zk_StringArray{L"1"}));
}

TEST_F(ConstraintsPage, AChangedPanelIsWrittenBackWhenAnotherRowIsSelected) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) { clickGridCell(page(dlg).grid, 1, 2); });
        s.pickCombo(IDC_EC_OPTIONS, 1).then([](CDialog& dlg) {
            clickGridCell(page(dlg).grid, 1, 1);
            EXPECT_EQ(editConstrHost().countOf(L"UpdateConstraint"), 1);
            // Leaving an unchanged row tells the host nothing.
            clickGridCell(page(dlg).grid, 1, 4);
            EXPECT_EQ(editConstrHost().countOf(L"UpdateConstraint"), 1);
        });
        s.ok();
    });
    EXPECT_EQ(argsOf(L"UpdateConstraint"), (Zk_StringArray{L"1"}));
    EXPECT_EQ(data.module(L"Base")->constraints[1].optionIndex, 1);
}

TEST_F(ConstraintsPage, TwoRadioBreaksMakeTwoGroupsAndButtonsAfterTheSecondTakeNoSelection) {
    EditConstrData data = sampleMacro();
    EditConstrRow& row = data.module(L"Base")->constraints[0];
    row.bitmaps = Zk_StringArray{picture("a.bmp"), picture("b.bmp"), kRadioBreak, picture("c.bmp"), picture("d.bmp"),
                                 kRadioBreak, picture("e.bmp")};
    row.selections = Zk_Array<int>{1, 0};
    run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            for (int i = 0; i < kEcOptionButtonCount; ++i) {
                EXPECT_TRUE(optionButton(dlg, i).IsWindowEnabled()) << i;
                EXPECT_NE(optionButton(dlg, i).GetBitmap(), nullptr) << i;
                EXPECT_EQ(optionButton(dlg, i).transparentColor(), RGB(255, 0, 255)) << i;
            }
            EXPECT_EQ(optionButton(dlg, 0).GetCheck(), 0);
            EXPECT_EQ(optionButton(dlg, 1).GetCheck(), 1);
            EXPECT_EQ(optionButton(dlg, 2).GetCheck(), 1);
            EXPECT_EQ(optionButton(dlg, 4).GetCheck(), 0);
        });
        // Group 1 keeps one button down; group 2 likewise; the fifth button is in no group.
        s.click(IDC_EC_OPTION1).click(IDC_EC_OPTION4).click(IDC_EC_OPTION5).then([](CDialog& dlg) {
            EXPECT_EQ(optionButton(dlg, 0).GetCheck(), 1);
            EXPECT_EQ(optionButton(dlg, 1).GetCheck(), 0);
            EXPECT_EQ(optionButton(dlg, 2).GetCheck(), 0);
            EXPECT_EQ(optionButton(dlg, 3).GetCheck(), 1);
            clickGridCell(page(dlg).grid, 1, 2);
            // A row without pictures leaves the buttons blank and disabled.
            EXPECT_FALSE(optionButton(dlg, 0).IsWindowEnabled());
            EXPECT_EQ(optionButton(dlg, 0).GetBitmap(), nullptr);
        });
        s.ok();
    });
    EXPECT_EQ(data.module(L"Base")->constraints[0].selections, (Zk_Array<int>{0, 1}));
    EXPECT_EQ(editConstrHost().countOf(L"UpdateConstraint"), 1);
}

TEST_F(ConstraintsPage, SelectionsOfAnotherLengthAreReportedAndTheOtherEditsKept) {
    EditConstrData data = sampleMacro();
    EditConstrRow& row = data.module(L"Base")->constraints[0];
    row.bitmaps = Zk_StringArray{picture("a.bmp"), kRadioBreak, picture("b.bmp")};
    row.selections = Zk_Array<int>{0};
    run(data, [&](mfc::DialogSteps& s) {
        s.replaceText(IDC_EC_VALUE, L"20").then([](CDialog& dlg) { clickGridCell(page(dlg).grid, 1, 2); });
        s.ok();
    });
    EXPECT_NE(acad::CommandLineText().find(L"*Error* Array size mismatch.\n"), std::wstring::npos);
    EXPECT_EQ(data.module(L"Base")->constraints[0].value, L"20");
    EXPECT_EQ(data.module(L"Base")->constraints[0].selections, (Zk_Array<int>{0}));
}

TEST_F(ConstraintsPage, VariableNamesAreCheckedWhenTheFieldIsLeft) {
    EditConstrData data = sampleMacro();
    ScriptedUser user;
    auto d = [](int nr) { return dialString(nr); };
    // Each box is matched by its whole text.
    user.answerMessageBox((L"\"1st\"\n" + d(885) + L".\n" + d(886) + L".\n" + d(887) + L".\n\n" + d(888) + L".").wstr(), IDOK);
    user.answerMessageBox((L"\"a-b\"\n" + d(1455) + L".\n" + d(1456) + L".\n\n" + d(888) + L".").wstr(), IDOK);
    user.answerMessageBox((L"\"E1\"\n" + d(857) + L".\n" + d(858) + L".").wstr(), IDOK);
    run(data, user, [&](mfc::DialogSteps& s) {
        s.replaceText(IDC_EC_VARNAME, L"1st").type(IDC_EC_VALUE, L"");
        s.replaceText(IDC_EC_VARNAME, L"a-b").type(IDC_EC_VALUE, L"");
        s.replaceText(IDC_EC_VARNAME, L"E1").type(IDC_EC_VALUE, L"");
        // A valid new name, and the stored one, pass silently.
        s.replaceText(IDC_EC_VARNAME, L"d2").type(IDC_EC_VALUE, L"");
        s.ok();
    });
    EXPECT_TRUE(user.pending().empty());
    // The warnings block nothing: the last text goes with the row.
    EXPECT_EQ(data.module(L"Base")->constraints[0].varName, L"d2");
    EXPECT_EQ(argsOf(L"VarNameInUse", 2), (Zk_StringArray{L"E1"}));
}

TEST_F(ConstraintsPage, TheFirstSortByColumnFourUsesColumnOneAsSecondKey) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            clickHeader(page(dlg).grid, 4);
            EXPECT_EQ(argsOf(L"SortConstraints"), (Zk_StringArray{L"4", L"1"}));
            EXPECT_EQ(cell(page(dlg).grid, 4, 1), L"Axis");
            EXPECT_EQ(cell(page(dlg).grid, 4, 4), L"Plate");
            clickHeader(page(dlg).grid, 2);
            EXPECT_EQ(argsOf(L"SortConstraints", 1), (Zk_StringArray{L"2", L"4"}));
            // The column sorted already: nothing.
            clickHeader(page(dlg).grid, 2);
            EXPECT_EQ(editConstrHost().countOf(L"SortConstraints"), 2);
        });
        s.ok();
    });
}

TEST_F(ConstraintsPage, TheFirstSortByAnotherColumnUsesTheNextOne) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.replaceText(IDC_EC_VALUE, L"30").then([](CDialog& dlg) {
            clickHeader(page(dlg).grid, 1);
            // The row edited moved; its edit went with it, not into the row now at its place.
            EXPECT_EQ(cell(page(dlg).grid, 1, 1), L"Angle");
        });
        s.ok();
    });
    EXPECT_EQ(argsOf(L"SortConstraints"), (Zk_StringArray{L"1", L"2"}));
    int distance = -1;
    for (int i = 0; i < 4; ++i)
        if (data.module(L"Base")->constraints[i].cells[0] == L"Distance") distance = i;
    ASSERT_GE(distance, 0);
    EXPECT_EQ(data.module(L"Base")->constraints[distance].value, L"30");
    EXPECT_EQ(data.module(L"Base")->constraints[0].value, L"");
}

TEST_F(ConstraintsPage, TheRowMenuComesFromTheHostWithSeparatorsAndSixCommands) {
    EditConstrData data = sampleMacro();
    editConstrHost().menuItems = Zk_StringArray{L"Reverse", L"%BREAK%", L"Fix", L"Free", L"%BREAK%", L"Drop"};
    editConstrHost().menuActions = Zk_Array<int>{50, 60, 70};
    editConstrHost().menuChecked = Zk_Array<int>{2};
    bool visibleDuringAction = true;
    HWND editorWindow = nullptr;
    editConstrHost().onContextMenuAction = [&](EditConstrData&, int, int) {
        visibleDuringAction = ::IsWindowVisible(editorWindow) != FALSE;
        return true;
    };
    ScriptedUser user;
    user.pickMenuItem(L"Free");
    user.pickMenuItem(L"Drop");  // the fourth command: the host gave three actions
    run(data, user, [&](mfc::DialogSteps& s) {
        s.then([&](CDialog& dlg) {
            editorWindow = dlg.GetSafeHwnd();
            rightClickCell(page(dlg).grid, 2, 3);
            EXPECT_EQ(page(dlg).selectedRow(), 2);
            rightClickCell(page(dlg).grid, 3, 2);
            // Column 4 has no menu.
            rightClickCell(page(dlg).grid, 4, 1);
        });
        s.ok();
    });
    EXPECT_EQ(editConstrHost().countOf(L"ConstrContextMenu"), 2);
    EXPECT_EQ(editConstrHost().countOf(L"ContextMenuAction"), 1);
    EXPECT_EQ(argsOf(L"ContextMenuAction"), (Zk_StringArray{L"2", L"70"}));
    EXPECT_FALSE(visibleDuringAction);
}

TEST_F(ConstraintsPage, DeleteSelectsTheRowBefore) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) { clickGridCell(page(dlg).grid, 1, 3); });
        s.click(IDC_EC_DELETE).then([](CDialog& dlg) {
            EXPECT_EQ(page(dlg).selectedRow(), 1);
            EXPECT_EQ(page(dlg).grid.getRowCount(), 3);
            EXPECT_EQ(cell(page(dlg).grid, 1, 3), L"Coincident");
            clickGridCell(page(dlg).grid, 1, 1);
        });
        s.click(IDC_EC_DELETE).then([](CDialog& dlg) { EXPECT_EQ(page(dlg).selectedRow(), 0); });
        s.click(IDC_EC_DELETE).click(IDC_EC_DELETE).then([](CDialog& dlg) {
            EXPECT_EQ(page(dlg).selectedRow(), -1);
            EXPECT_FALSE(shown(dlg, IDC_EC_DELETE));
        });
        s.ok();
    });
    EXPECT_EQ(argsOf(L"DeleteConstraint"), (Zk_StringArray{L"2"}));
    EXPECT_TRUE(data.module(L"Base")->constraints.isEmpty());
}

TEST_F(ConstraintsPage, EscapeWaitsTwoSecondsAfterASelectionChange) {
    EditConstrData data = sampleMacro();
    const INT_PTR result = run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) { clickGridCell(page(dlg).grid, 1, 1 + 1); clickGridCell(page(dlg).grid, 1, 1); });
        s.keyTo(IDC_EC_VALUE, VK_ESCAPE).then([](CDialog& dlg) {
            EXPECT_FALSE(dlg.hasEnded());
            win::AdvanceVirtualTime(1900);
        });
        s.keyTo(IDC_EC_VALUE, VK_ESCAPE).then([](CDialog& dlg) {
            EXPECT_FALSE(dlg.hasEnded());
            win::AdvanceVirtualTime(200);
        });
        s.keyTo(IDC_EC_VALUE, VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(ConstraintsPage, EscapeRightAfterTheCutDialogIsPassedOnOnce) {
    EditConstrData data = sampleMacro();
    const INT_PTR result = run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog& dlg) {
            clickGridCell(page(dlg).grid, 1, 3);
            win::AdvanceVirtualTime(3000);
        });
        s.click(IDC_EC_CUT).keyTo(IDC_EC_VARNAME, VK_ESCAPE).then([](CDialog& dlg) { EXPECT_FALSE(dlg.hasEnded()); });
        s.keyTo(IDC_EC_VARNAME, VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(argsOf(L"StartEditMacroCutDlg"), (Zk_StringArray{L"2"}));
}

TEST_F(ConstraintsPage, LeavingThePageRemovesTheHighlights) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.then([](CDialog&) { editConstrHost().calls.clear(); });
        s.selectTab(IDC_EM_TAB, Page::kGeometriesPage).then([](CDialog&) {
            EXPECT_EQ(editConstrHost().callNames(), (Zk_StringArray{L"UnHighlightConstraints"}));
        });
        s.ok();
    });
}

}  // namespace
