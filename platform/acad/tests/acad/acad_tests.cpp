#include <gtest/gtest.h>

#include <string>

#include "acad/ac_array.h"
#include "acad/command_line.h"
#include "acad/error_status.h"
#include "acad/main_window.h"
#include "acad/module_loader.h"
#include "acad/rx.h"
#include "acad/ui_dialogs.h"
#include "win/module.h"
#include "win/window.h"

namespace {
const std::wstring kModule = L"" TQ_BIN_DIR "/test_module.arx";

class AcadTest : public ::testing::Test {
protected:
    void SetUp() override {
        acad::ClearCommandLine();
        acad::ResetServices();
        acad::ClearEditorLog();
    }
    void TearDown() override { acad::UnloadAllArxModules(); }
};
}  // namespace

TEST_F(AcadTest, LoaderRunsAttachThenInitAndUnloadThenDetachInOrder) {
    std::string error;
    HINSTANCE h = acad::LoadArxModule(kModule, &error);
    ASSERT_NE(h, nullptr) << error;
    EXPECT_EQ(acad::CommandLineText(), L"DllMain 1;entry 1;");
    auto instanceOf = reinterpret_cast<HINSTANCE (*)()>(acad::ArxModuleSymbol(h, "TestModuleInstance"));
    ASSERT_NE(instanceOf, nullptr);
    EXPECT_EQ(instanceOf(), h);  // the module sees its own handle
    wchar_t path[512];
    EXPECT_GT(GetModuleFileNameW(h, path, 512), 0u);
    EXPECT_NE(std::wstring(path).find(L"test_module.arx"), std::wstring::npos);
    EXPECT_EQ(acad::LoadArxModule(kModule), h);  // loaded once only
    EXPECT_EQ(acad::LoadedArxModules().size(), 1u);

    EXPECT_TRUE(acad::UnloadArxModule(h));
    EXPECT_EQ(acad::CommandLineText(), L"DllMain 1;entry 1;entry 2;DllMain 0;");
    EXPECT_FALSE(acad::UnloadArxModule(h));
    std::string id = acad::AppIdText(h);
    std::vector<AcRxCallRecord> expected = {{"DynamicLinker", "unlockApplication", id},
                                            {"DynamicLinker", "registerAppMDIAware", id},
                                            {"ACAD_REGISTERED_COMMANDS", "removeGroup", "TEST_GROUP"}};
    EXPECT_EQ(acad::ServiceCallLog(), expected);
}

TEST_F(AcadTest, LoadingAMissingOrForeignLibraryFailsWithAReason) {
    std::string error;
    EXPECT_EQ(acad::LoadArxModule(L"/nonexistent/x.arx", &error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(acrxLoadModule(L"/nonexistent/x.arx", true));
    EXPECT_NE(acad::CommandLineText().find(L"Unable to load /nonexistent/x.arx"), std::wstring::npos);
    EXPECT_TRUE(acad::LoadedArxModules().empty());
}

TEST_F(AcadTest, CommandLinePrintsWideFormatsAndRecordsEditorCalls) {
    acutPrintf(L"Loading spreadsheet:%s\n", L"C:\\a.kms");
    acutPrintf(L"Result is long: %i\n", 42);
    EXPECT_EQ(acad::CommandLineText(), L"Loading spreadsheet:C:\\a.kms\nResult is long: 42\n");
    acedPostCommand(L"CANCELCMD");
    acedPostCommandPrompt();
    acedUpdateDisplay();
    EXPECT_EQ(acad::PostedCommands(), std::vector<std::wstring>{L"CANCELCMD"});
    EXPECT_EQ(acad::CommandPromptPostCount(), 1);
    EXPECT_EQ(acad::DisplayUpdateCount(), 1);
    ::testing::internal::CaptureStdout();
    acad::SetCommandLineEcho(true);
    acutPrintf(L"echo %d\n", 1);
    acad::SetCommandLineEcho(false);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "echo 1\n");
}

TEST_F(AcadTest, ServicesAndErrorCodesKeepTheirValues) {
    EXPECT_EQ(Acad::eOk, 0);
    EXPECT_EQ(Acad::eInvalidInput, 3);
    EXPECT_EQ(Acad::eCreateFailed, 337);
    EXPECT_EQ(acrxSysRegistry()->at(L"NoSuchService"), nullptr);
    AcEdCommandStack* cmds = acedRegCmds();
    cmds->addCommand(L"ZENKAR_TQ", L"TQ");
    EXPECT_EQ(cmds->removeGroup(L"ZENKAR_TQ"), 0);
    EXPECT_NE(cmds->removeGroup(L"ZENKAR_TQ"), 0);
    AcArray<int> a{1, 2, 3};
    a.insertAt(5, 9);  // outside: nothing changes
    a.insertAt(3, 4);
    EXPECT_EQ(a, (AcArray<int>{1, 2, 3, 4}));
    EXPECT_EQ(a.find(3), 2);
}

TEST_F(AcadTest, EditorCommandHidesTheDialogAndRestoresIt) {
    HWND frame = adsw_acadMainWnd();
    ASSERT_TRUE(IsWindow(frame));
    EXPECT_EQ(adsw_acadMainWnd(), frame);
    CAcUiDialog dlg;
    ASSERT_TRUE(dlg.CreateEx(0, WC_DIALOG, L"pick", WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
    EXPECT_TRUE(dlg.BeginEditorCommand());
    EXPECT_FALSE(dlg.IsWindowVisible());
    dlg.CompleteEditorCommand();
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.editorCommandCount(), 1);
    dlg.DestroyWindow();
}
