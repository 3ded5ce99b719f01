// Opening and ending the macro editor as the host module does: modal on a copy, or one
// modeless editor that OK, Cancel, the close box or the module's end closes.
#include "editor_test_support.h"

#include "acad/main_window.h"
#include "macroedit/edit_macro_launch.h"

namespace {

class EditMacroLaunch : public EditorTest {
protected:
    void TearDown() override {
        closeModelessEditMacro();
        EditorTest::TearDown();
    }
};

TEST_F(EditMacroLaunch, StartingTheModelessEditorTwiceKeepsTheFirst) {
    EditConstrData first = sampleMacro();
    EditConstrData second = sampleMacro();
    second.macroId = 99;
    ASSERT_TRUE(openModelessEditMacro(first));
    CDlgEditMacro* editorDlg = modelessEditMacro();
    ASSERT_NE(editorDlg, nullptr);
    EXPECT_TRUE(editorDlg->isModeless());
    EXPECT_TRUE(editorDlg->IsWindowVisible());
    EXPECT_EQ(::GetParent(editorDlg->GetSafeHwnd()), adsw_acadMainWnd());
    // The keyboard goes back to the drawing.
    EXPECT_EQ(::GetFocus(), adsw_acadMainWnd());
    EXPECT_TRUE(openModelessEditMacro(second));
    EXPECT_EQ(modelessEditMacro(), editorDlg);
    EXPECT_EQ(modelessEditMacro()->data().macroId, 7);

    const HWND window = editorDlg->GetSafeHwnd();
    const int prompts = acad::CommandPromptPostCount();
    closeModelessEditMacro();
    EXPECT_EQ(modelessEditMacro(), nullptr);
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(acad::CommandPromptPostCount(), prompts + 1);
    EXPECT_EQ(acad::CommandLineText().find(L"Erase window failed"), std::wstring::npos);
    // Its edits reached the host while it closed.
    EXPECT_GE(editConstrHost().countOf(L"UpdateVarsEqs"), 1);
}

TEST_F(EditMacroLaunch, OkCancelAndTheCloseBoxEndTheModelessEditor) {
    EditConstrData data = sampleMacro();
    ScriptedUser user;
    for (auto finish : {+[](mfc::DialogSteps& s) { s.ok(); }, +[](mfc::DialogSteps& s) { s.keyTo(IDC_EM_MODULE, VK_ESCAPE); },
                        +[](mfc::DialogSteps& s) { s.close(); }}) {
        ASSERT_TRUE(openModelessEditMacro(data));
        const HWND window = modelessEditMacro()->GetSafeHwnd();
        finish(user.now(window));
        EXPECT_EQ(modelessEditMacro(), nullptr);
        EXPECT_FALSE(::IsWindow(window));
    }
    EXPECT_EQ(acad::CommandPromptPostCount(), 3);
    // A new one opens afterwards.
    EXPECT_TRUE(openModelessEditMacro(data));
    EXPECT_NE(modelessEditMacro(), nullptr);
}

TEST_F(EditMacroLaunch, AWindowThatCannotBeDestroyedIsReportedAndForgotten) {
    EditConstrData data = sampleMacro();
    ASSERT_TRUE(openModelessEditMacro(data));
    // The window went behind the module's back.
    ::DestroyWindow(modelessEditMacro()->GetSafeHwnd());
    closeModelessEditMacro();
    EXPECT_NE(acad::CommandLineText().find(L"Erase window failed\n"), std::wstring::npos);
    EXPECT_EQ(modelessEditMacro(), nullptr);
    EXPECT_EQ(acad::CommandPromptPostCount(), 1);
    // Ending with none open does nothing.
    closeModelessEditMacro();
    EXPECT_EQ(acad::CommandPromptPostCount(), 1);
}

TEST_F(EditMacroLaunch, TheModalEditorIsTrueOnlyOnOkAndWorksOnACopy) {
    const EditConstrData data = sampleMacro();
    {
        ScriptedUser user;
        user.onDialog(IDD_EDIT_MACRO).pickCombo(IDC_EM_MODULE, 2).ok();
        EXPECT_TRUE(runEditMacroModal(data));
    }
    {
        ScriptedUser user;
        user.onDialog(IDD_EDIT_MACRO).keyTo(IDC_EM_MODULE, VK_ESCAPE);
        EXPECT_FALSE(runEditMacroModal(data));
    }
    EXPECT_EQ(data.currentModule, L"Base");
    EXPECT_EQ(modelessEditMacro(), nullptr);
}

}  // namespace
