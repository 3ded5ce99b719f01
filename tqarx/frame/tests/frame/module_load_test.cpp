// Loads the built tq.arx through the CAD host's module loader, as the product is loaded.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "acad/command_line.h"
#include "acad/module_loader.h"
#include "acad/rx.h"
#include "host/macro_model.h"
#include "macrodlg/dlg_macro.h"
#include "mfc/dialog_template.h"
#include "win/paths.h"
#include "win/window.h"

namespace {

// What the module's own exports are called in the shared library.
using StartModelessFn = bool (*)(bool, MacroData&, int&);
using SetCloserFn = void (*(*)(void (*)()))();
using CheckBitmapFn = void* (*)(bool);
using ApiVersionFn = int (*)();
using MacroDlgAtFn = CDlgMacro* (*)(int);

struct UnloadObservation {
    bool closerCalled = false;
    bool macroWindowAliveAtCloser = true;
    bool groupRemovedBeforeCloser = false;
};
UnloadObservation gSeen;
HWND gMacroWindow = nullptr;

bool logHas(const std::string& operation) {
    const auto& log = acad::ServiceCallLog();
    return std::any_of(log.begin(), log.end(), [&](const AcRxCallRecord& r) { return r.operation == operation; });
}

void observingCloser() {
    gSeen.closerCalled = true;
    gSeen.macroWindowAliveAtCloser = IsWindow(gMacroWindow) != FALSE;
    gSeen.groupRemovedBeforeCloser = logHas("removeGroup");
}

std::vector<std::string> operations() {
    std::vector<std::string> ops;
    for (const auto& r : acad::ServiceCallLog()) ops.push_back(r.operation + "(" + r.argument + ")");
    return ops;
}

}  // namespace

TEST(ModuleLoad, LoadAndUnloadRunTheEntryStepsInOrder) {
    acad::ResetServices();
    acad::ClearServiceCallLog();
    std::string error;
    const std::wstring path = WindowsPathFromHost(TQ_BIN_DIR "/tq.arx");
    HINSTANCE module = acad::LoadArxModule(path, &error);
    ASSERT_NE(module, nullptr) << error;
    const std::string app = acad::AppIdText(module);
    EXPECT_EQ(operations(), (std::vector<std::string>{"unlockApplication(" + app + ")",
                                                      "registerAppMDIAware(" + app + ")"}));
    EXPECT_TRUE(acrxDynamicLinkerService()->isAppMDIAware(module));

    auto version = reinterpret_cast<ApiVersionFn>(acad::ArxModuleSymbol(module, "acrxGetApiVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(), 0x110000);
    auto checkBitmap = reinterpret_cast<CheckBitmapFn>(acad::ArxModuleSymbol(module, "_Z13tqCheckBitmapb"));
    ASSERT_NE(checkBitmap, nullptr);
    EXPECT_NE(checkBitmap(true), nullptr);
    EXPECT_NE(checkBitmap(false), nullptr);
    EXPECT_NE(mfc::FindDialogTemplateIn(module, 8131), nullptr);

    auto startModeless = reinterpret_cast<StartModelessFn>(
        acad::ArxModuleSymbol(module, "_Z21StartDlgMacroModelessbR9MacroDataRi"));
    auto setCloser = reinterpret_cast<SetCloserFn>(acad::ArxModuleSymbol(module, "_Z25setConstraintEditorCloserPFvvE"));
    ASSERT_NE(startModeless, nullptr);
    ASSERT_NE(setCloser, nullptr);
    MacroData data;
    data.caption = L"Base plate";
    int index = -1;
    ASSERT_TRUE(startModeless(true, data, index));
    auto macroDlgAt = reinterpret_cast<MacroDlgAtFn>(acad::ArxModuleSymbol(module, "_Z10macroDlgAti"));
    ASSERT_NE(macroDlgAt, nullptr);
    ASSERT_NE(macroDlgAt(index), nullptr);
    gMacroWindow = macroDlgAt(index)->GetSafeHwnd();
    ASSERT_NE(gMacroWindow, nullptr);
    setCloser(&observingCloser);

    acad::ClearServiceCallLog();
    ASSERT_TRUE(acad::UnloadArxModule(module));
    // Command group removed, then the macro dialogs ended, then the constraint editor.
    EXPECT_EQ(operations(), (std::vector<std::string>{"removeGroup(ZENKAR_TQ)"}));
    EXPECT_TRUE(gSeen.closerCalled);
    EXPECT_TRUE(gSeen.groupRemovedBeforeCloser);
    EXPECT_FALSE(gSeen.macroWindowAliveAtCloser);
    EXPECT_FALSE(IsWindow(gMacroWindow));
    EXPECT_EQ(mfc::FindDialogTemplateIn(module, 8131), nullptr);
}
