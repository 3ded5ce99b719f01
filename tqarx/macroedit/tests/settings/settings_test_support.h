// Shared helpers of the macro settings tests: a scratch copy of the example standards
// set as the library, an end plate macro, the dialog run by a scripted user, and input on
// the controls of one page.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/zk_spread.h"
#include "host/macro_model.h"
#include "host/macro_settings_data.h"
#include "host/settings.h"
#include "macroedit/dlg_macro_settings.h"
#include "macroedit/tab_macro_page.h"
#include "mfc/afx.h"
#include "mfc/scripted_user.h"
#include "res/macrosettings_ids.h"
#include "res/resources.h"
#include "win/paths.h"
#include "win/window.h"

namespace settings_test {

namespace fs = std::filesystem;

inline CDlgMacroSettings& settingsDialog(CDialog& dlg) { return static_cast<CDlgMacroSettings&>(dlg); }

inline HWND pageItem(CDialog& dlg, int page, int id) {
    return ::GetDlgItem(settingsDialog(dlg).page(page)->GetSafeHwnd(), id);
}

inline bool isEnabled(CDialog& dlg, int page, int id) { return ::IsWindowEnabled(pageItem(dlg, page, id)) != FALSE; }

inline Zk_String cell(const Zk_Spread& grid, int col, int row) {
    Zk_String text;
    grid.readCellText(col, row, text);
    return text;
}

inline std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The end plate macro of the examples: a plate and a bolt module on an HEA 200.
inline Zk_Macro endPlateMacro() {
    Zk_Macro macro;
    macro.name = L"EndPlate";
    Zk_Module plate;
    plate.name = L"Plate";
    plate.groupName = L"Plate";
    plate.classCode = kProfileModuleClass;
    for (const wchar_t* name : {L"Thickness", L"Width", L"Length"}) plate.variables.append(Zk_ConstrVar{name, 10.0});
    Zk_Module bolts;
    bolts.name = L"Bolts";
    bolts.groupName = L"Bolts";
    bolts.classCode = kBoltModuleClass;
    for (const wchar_t* name : {L"Gauge", L"EdgeDistance"}) bolts.variables.append(Zk_ConstrVar{name, 30.0});
    macro.modules.append(plate);
    macro.modules.append(bolts);
    macro.baseProfiles.append(Zk_BaseProfile{L"HEA-HEA200", L"S235"});
    return macro;
}

class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        root = fs::temp_directory_path() / ("tq_macrosettings_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        fs::copy(fs::path(TQ_SOURCE_DIR) / "examples/library/Connection Standards", root / "Connection Standards",
                 fs::copy_options::recursive);
        savedLib = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost(root.string())) + Zk_String(L"\\");
    }
    void TearDown() override {
        gSettings.libDir = savedLib;
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    fs::path mapFile() const { return root / "Connection Standards" / "EndPlate.map"; }

    // Runs the dialog on data with the user's steps; the result of DoModal.
    INT_PTR run(MacroSettingsData& data, const std::function<void(mfc::DialogSteps&)>& steps) {
        CDlgMacroSettings dlg(data);
        steps(user.onDialog(IDD_MACRO_SETTINGS));
        return dlg.DoModal();
    }

    // Input on the controls of a page.
    static void click(mfc::DialogSteps& s, int page, int id) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::Click(pageItem(dlg, page, id))) << id; });
    }
    static void replace(mfc::DialogSteps& s, int page, int id, const wchar_t* text) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::ReplaceText(pageItem(dlg, page, id), text)) << id; });
    }
    static void pick(mfc::DialogSteps& s, int page, int id, int index) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::PickComboItem(pageItem(dlg, page, id), index)) << id; });
    }
    static void tick(mfc::DialogSteps& s, int page, int id, int index) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(mfc::input::TickCheckComboItem(pageItem(dlg, page, id), index)) << id; });
    }
    // Types into a cell of the grid with that control id on the page.
    static void typeCell(mfc::DialogSteps& s, int page, int gridId, int col, int row, const wchar_t* text) {
        s.then([=](CDialog& dlg) {
            EXPECT_TRUE(SSUserTypeText(pageItem(dlg, page, gridId), col, row, text)) << gridId << " " << col << "," << row;
        });
    }
    static void clickCell(mfc::DialogSteps& s, int page, int gridId, int col, int row) {
        s.then([=](CDialog& dlg) { EXPECT_TRUE(SSUserClickCell(pageItem(dlg, page, gridId), col, row)); });
    }

    fs::path root;
    Zk_String savedLib;
    ScriptedUser user;
};

}  // namespace settings_test
