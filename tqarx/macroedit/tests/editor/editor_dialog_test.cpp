// The macro editor's own controls as a connection designer uses them: the module combo
// with add, rename and remove, another macro, zoom, the settings and closing.
#include "editor_test_support.h"

#include "res/sheeteditor_ids.h"

namespace {

using Page = CDlgEditMacro::Page;

Zk_StringArray comboItems(CDialog& dlg) {
    Zk_StringArray items;
    CComboBox* combo = moduleCombo(dlg);
    for (int i = 0; i < combo->GetCount(); ++i) {
        CString text;
        combo->GetLBText(i, text);
        items.append(Zk_String(text.str()));
    }
    return items;
}

class EditorDialog : public EditorTest {};

TEST_F(EditorDialog, OpensOnTheCurrentModuleWithItsFourPages) {
    EditConstrData data = sampleMacro();
    data.currentModule = L"Stiffener";
    run(data, [&](mfc::DialogSteps& s) {
        s.then([&](CDialog& dlg) {
            EXPECT_EQ(dlg.GetWindowTextString(), CString(dialString(869).c_str()));
            EXPECT_EQ(comboItems(dlg), (Zk_StringArray{L"Base", L"Stiffener", L"Bolts"}));
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 1);
            auto* tab = static_cast<CTabCtrl*>(dlg.GetDlgItem(IDC_EM_TAB));
            ASSERT_EQ(tab->GetItemCount(), 4);
            for (int i = 0; i < 4; ++i) EXPECT_EQ(tab->GetItemText(i), CString(dialString(873 + i).c_str()));
            EXPECT_EQ(editor(dlg).currentPage(), Page::kConstraintsPage);
            EXPECT_TRUE(editor(dlg).page(Page::kConstraintsPage)->IsWindowVisible());
            EXPECT_FALSE(editor(dlg).page(Page::kGeometriesPage)->IsWindowVisible());
            // The page fills the tab's display area below the tabs.
            RECT item{}, pageRect{}, tabRect{};
            tab->GetItemRect(0, &item);
            tab->GetWindowRect(&tabRect);
            editor(dlg).page(0)->GetWindowRect(&pageRect);
            EXPECT_EQ(pageRect.top - tabRect.top, item.bottom + 2);
            EXPECT_EQ(tabRect.right - pageRect.right, 3);
            const Zk_Spread& grid = editor(dlg).constraintsPage().grid;
            EXPECT_EQ(grid.getRowCount(), 1);
            EXPECT_EQ(cell(grid, 1, 1), L"Symmetric");
            EXPECT_EQ(cell(grid, 1, 0), dialString(87));
            EXPECT_EQ(cell(grid, 3, 0), string(2333) + L" 1");
        });
        s.ok();
    });
}

TEST_F(EditorDialog, RemovingTheLastModuleSelectsTheNewLastAndAMiddleOneKeepsTheIndex) {
    EditConstrData data = sampleMacro();
    data.modules.append(EditModule{L"Gusset", {}, {}, {}, {}, {}});
    run(data, [&](mfc::DialogSteps& s) {
        s.pickCombo(IDC_EM_MODULE, 3).click(IDC_EM_REMOVE_MODULE).then([&](CDialog& dlg) {
            EXPECT_EQ(comboItems(dlg), (Zk_StringArray{L"Base", L"Stiffener", L"Bolts"}));
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 2);
            EXPECT_EQ(editor(dlg).data().currentModule, L"Bolts");
        });
        s.pickCombo(IDC_EM_MODULE, 1).click(IDC_EM_REMOVE_MODULE).then([&](CDialog& dlg) {
            EXPECT_EQ(comboItems(dlg), (Zk_StringArray{L"Base", L"Bolts"}));
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 1);
            EXPECT_EQ(editor(dlg).data().currentModule, L"Bolts");
            // The pages show the module the combo shows.
            EXPECT_EQ(cell(editor(dlg).constraintsPage().grid, 1, 1), L"");
        });
        s.ok();
    });
    EXPECT_EQ(argsOf(L"RemoveModule", 0), (Zk_StringArray{L"Gusset"}));
    EXPECT_EQ(argsOf(L"RemoveModule", 1), (Zk_StringArray{L"Stiffener"}));
}

TEST_F(EditorDialog, ARefusedRemovalLeavesTheComboAsItWas) {
    EditConstrData data = sampleMacro();
    editConstrHost().failing.insert(L"RemoveModule");
    run(data, [&](mfc::DialogSteps& s) {
        s.pickCombo(IDC_EM_MODULE, 2).then([](CDialog&) { editConstrHost().calls.clear(); });
        s.click(IDC_EM_REMOVE_MODULE).then([&](CDialog& dlg) {
            EXPECT_EQ(comboItems(dlg).length(), 3);
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 2);
            EXPECT_EQ(editConstrHost().countOf(L"MacroGetModules"), 0);
        });
        s.ok();
    });
}

TEST_F(EditorDialog, RenameAsksThroughThePromptAndKeepsTheSelectedIndex) {
    EditConstrData data = sampleMacro();
    ScriptedUser user;
    user.onDialog(dialString(877).wstr())
        .then([](CDialog& prompt) {
            EXPECT_EQ(Zk_String(prompt.GetDlgItem(IDC_PROMPT_EDIT)->GetWindowTextString().str()), L"Stiffener");
            EXPECT_EQ(Zk_String(prompt.GetDlgItem(IDC_PROMPT_LABEL)->GetWindowTextString().str()), dialString(878));
        })
        .replaceText(IDC_PROMPT_EDIT, L"Gusset")
        .ok();
    user.onDialog(dialString(877).wstr()).cancel();
    run(data, user, [&](mfc::DialogSteps& s) {
        s.pickCombo(IDC_EM_MODULE, 1).click(IDC_EM_RENAME_MODULE).then([&](CDialog& dlg) {
            EXPECT_EQ(comboItems(dlg), (Zk_StringArray{L"Base", L"Gusset", L"Bolts"}));
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 1);
        });
        s.click(IDC_EM_RENAME_MODULE).ok();
    });
    EXPECT_EQ(editConstrHost().countOf(L"RenameModule"), 1);
    EXPECT_EQ(data.moduleNames(), (Zk_StringArray{L"Base", L"Gusset", L"Bolts"}));
}

TEST_F(EditorDialog, AddModuleSelectsTheNewModuleWithTheEditorOutOfTheWay) {
    EditConstrData data = sampleMacro();
    bool visibleDuringCommand = true;
    HWND editorWindow = nullptr;
    editConstrHost().onMacroCommand = [&](EditConstrData& d, int code) {
        visibleDuringCommand = ::IsWindowVisible(editorWindow) != FALSE;
        if (code == 11) {
            d.modules.append(EditModule{L"Cleat", {}, {}, {}, {}, {}});
            d.currentModule = L"Cleat";
        }
        return true;
    };
    run(data, [&](mfc::DialogSteps& s) {
        s.then([&](CDialog& dlg) { editorWindow = dlg.GetSafeHwnd(); });
        s.click(IDC_EM_ADD_MODULE).then([&](CDialog& dlg) {
            EXPECT_EQ(comboItems(dlg).length(), 4);
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 3);
            EXPECT_TRUE(dlg.IsWindowVisible());
            EXPECT_EQ(editor(dlg).editorCommandCount(), 1);
        });
        s.ok();
    });
    EXPECT_FALSE(visibleDuringCommand);
    EXPECT_EQ(argsOf(L"StartMacroCommand"), (Zk_StringArray{L"11"}));
}

TEST_F(EditorDialog, ConstraintCommandsReturnToTheFirstPageOthersStayPut) {
    EditConstrData data = sampleMacro();
    editConstrHost().onMacroCommand = [](EditConstrData& d, int code) {
        if (code == 7) d.current()->constraints.append(constraintRow({L"Distance", L"New"}, {kConstrValueText}));
        return code != 3;
    };
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kCommandsPage).then([](CDialog& dlg) {
            clickPageItem(dlg, Page::kCommandsPage, IDC_EMC_FIRST + 12);  // bolt pattern
            EXPECT_EQ(editor(dlg).currentPage(), Page::kCommandsPage);
            clickPageItem(dlg, Page::kCommandsPage, IDC_EMC_FIRST + 3);  // refused by the host
            EXPECT_EQ(editor(dlg).currentPage(), Page::kCommandsPage);
            clickPageItem(dlg, Page::kCommandsPage, IDC_EMC_FIRST + 7);  // distance
            EXPECT_EQ(editor(dlg).currentPage(), Page::kConstraintsPage);
            EXPECT_EQ(static_cast<CTabCtrl*>(dlg.GetDlgItem(IDC_EM_TAB))->GetCurSel(), Page::kConstraintsPage);
            EXPECT_EQ(editor(dlg).constraintsPage().grid.getRowCount(), 5);
        });
        s.ok();
    });
    const auto calls = editConstrHost().callsNamed(L"StartMacroCommand");
    ASSERT_EQ(calls.length(), 3);
    EXPECT_EQ(calls[0].args, (Zk_StringArray{L"12"}));
    EXPECT_EQ(calls[2].args, (Zk_StringArray{L"7"}));
}

TEST_F(EditorDialog, CommandButtonsCarryTheirPicturesAndTips) {
    picture("Parallel.bmp", RGB(0, 0, 200), "program/icons");
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.selectTab(IDC_EM_TAB, Page::kCommandsPage).then([](CDialog& dlg) {
            auto* parallel = static_cast<CButtonST*>(CWnd::FromHandlePermanent(pageItem(dlg, Page::kCommandsPage, 1024)));
            ASSERT_NE(parallel, nullptr);
            EXPECT_NE(parallel->GetBitmap(), nullptr);
            EXPECT_EQ(parallel->GetTooltipText(), CString(dialString(903).c_str()));
            // A picture that cannot be read leaves the button its name.
            EXPECT_EQ(CWnd::FromHandle(pageItem(dlg, Page::kCommandsPage, 1025))->GetWindowTextString(),
                      CString(dialString(904).c_str()));
            EXPECT_TRUE(parallel->GetWindowTextString().IsEmpty());
            auto* none = static_cast<CButtonST*>(CWnd::FromHandlePermanent(pageItem(dlg, Page::kCommandsPage, 1034)));
            EXPECT_EQ(none->GetBitmap(), nullptr);
            EXPECT_TRUE(none->GetTooltipText().IsEmpty());
        });
        s.ok();
    });
}

TEST_F(EditorDialog, ZoomPressedWhileTheHostZoomsIsIgnored) {
    EditConstrData data = sampleMacro();
    HWND editorWindow = nullptr;
    editConstrHost().onZoom = [&](EditConstrData&) {
        ::SendMessageW(editorWindow, WM_COMMAND, MAKEWPARAM(IDC_EM_ZOOM, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(editorWindow, IDC_EM_ZOOM)));
    };
    run(data, [&](mfc::DialogSteps& s) {
        s.then([&](CDialog& dlg) { editorWindow = dlg.GetSafeHwnd(); });
        s.click(IDC_EM_ZOOM).then([](CDialog&) { EXPECT_EQ(editConstrHost().countOf(L"ZoomCommand"), 1); });
        s.click(IDC_EM_ZOOM).then([](CDialog&) { EXPECT_EQ(editConstrHost().countOf(L"ZoomCommand"), 2); });
        s.ok();
    });
}

TEST_F(EditorDialog, SettingsAreStoredOnlyWhenTheSettingsDialogIsConfirmed) {
    EditConstrData data = sampleMacro();
    ScriptedUser user;
    user.onDialog(8141).cancel();
    user.onDialog(8141).ok();
    run(data, user, [&](mfc::DialogSteps& s) {
        s.click(IDC_EM_SETTINGS).then([](CDialog&) { EXPECT_EQ(editConstrHost().countOf(L"SetMacroSettings"), 0); });
        s.click(IDC_EM_SETTINGS).ok();
    });
    EXPECT_EQ(editConstrHost().countOf(L"GetMacroSettings"), 2);
    EXPECT_EQ(argsOf(L"SetMacroSettings"), (Zk_StringArray{L"7"}));
}

TEST_F(EditorDialog, AnotherMacroRefillsTheModules) {
    EditConstrData data = sampleMacro();
    editConstrHost().onSelectOtherMacro = [](EditConstrData& d) {
        d.macroId = 8;
        d.modules = Zk_Array<EditModule>{EditModule{L"Haunch", {}, {}, {}, {}, {}}};
        d.currentModule = L"Haunch";
        return true;
    };
    run(data, [&](mfc::DialogSteps& s) {
        s.click(IDC_EM_SELECT_MACRO).then([](CDialog& dlg) {
            EXPECT_EQ(comboItems(dlg), (Zk_StringArray{L"Haunch"}));
            EXPECT_EQ(moduleCombo(dlg)->GetCurSel(), 0);
            EXPECT_EQ(editor(dlg).editorCommandCount(), 1);
        });
        s.ok();
    });
    EXPECT_EQ(data.macroId, 8);
}

TEST_F(EditorDialog, ChangingModuleAppliesThePendingEditsOfTheModuleLeft) {
    EditConstrData data = sampleMacro();
    run(data, [&](mfc::DialogSteps& s) {
        s.replaceText(IDC_EC_VALUE, L"15").pickCombo(IDC_EM_MODULE, 1).then([](CDialog& dlg) {
            EXPECT_EQ(cell(editor(dlg).constraintsPage().grid, 1, 1), L"Symmetric");
            EXPECT_EQ(editor(dlg).constraintsPage().selectedRow(), 0);
        });
        s.ok();
    });
    const Zk_StringArray names = editConstrHost().callNames();
    int update = -1, setModule = -1, varsEqs = -1;
    names.find(L"UpdateConstraint", update);
    names.find(L"SetCurrentModule", setModule);
    names.find(L"UpdateVarsEqs", varsEqs);
    ASSERT_GE(update, 0);
    EXPECT_LT(update, setModule);
    EXPECT_LT(varsEqs, setModule);
    EXPECT_EQ(data.module(L"Base")->constraints[0].value, L"15");
    // The new module's first row was not written over with the old panel.
    EXPECT_EQ(data.module(L"Stiffener")->constraints[0].value, L"");
}

TEST_F(EditorDialog, ClosingAppliesEverythingRemovesHighlightsAndKeepsTheSize) {
    EditConstrData data = sampleMacro();
    EXPECT_EQ(run(data, [](mfc::DialogSteps& s) { s.ok(); }), IDOK);
    EXPECT_GE(editConstrHost().countOf(L"UnHighlightConstraints"), 1);
    EXPECT_EQ(argsOf(L"SetNameTags"), (Zk_StringArray{L"101,102,103", L"top||"}));
    EXPECT_EQ(editConstrHost().callNames().last(), L"UpdateVarsEqs");
    int width = 0, height = 0;
    EXPECT_TRUE(getDlgSize(Zk_String(L"DLG_EDIT_MACRO"), width, height));
    // Escape on the main dialog's own controls cancels.
    EXPECT_EQ(run(data, [](mfc::DialogSteps& s) { s.keyTo(IDC_EM_MODULE, VK_ESCAPE); }), IDCANCEL);
}

}  // namespace
