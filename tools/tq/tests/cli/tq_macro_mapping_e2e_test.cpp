// A person maps the example standard onto the example macro through the mapping page of
// the macro settings dialog; tq then evaluates the macro through the mapping the page
// wrote and the macro file receives the standard's outputs.
#include <filesystem>

#include "host/macro_file.h"
#include "host/macro_settings_data.h"
#include "host/settings.h"
#include "macroedit/dlg_macro_settings.h"
#include "macroedit/tab_macro_page.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"
#include "mfc/scripted_user.h"
#include "res/macrosettings_ids.h"
#include "tq/cli_paths.h"
#include "tq/session.h"
#include "tq_program.h"
#include "win/window.h"

namespace {

using namespace tqtest;

class MacroMappingEndToEnd : public TqProgram {
protected:
    static void SetUpTestSuite() {
        err = new std::ostringstream;
        session = new tq::Session(*err);
        std::string error;
        loaded = session->loadModule(std::string(TQ_BIN_DIR) + "/tq.arx", error);
        ASSERT_TRUE(loaded) << error;
        session->setEchoBoxes(false);
    }
    static void TearDownTestSuite() {
        delete session;
        delete err;
    }

    static inline std::ostringstream* err = nullptr;
    static inline tq::Session* session = nullptr;
    static inline bool loaded = false;
};

HWND pageItem(CDialog& dlg, int id) {
    return ::GetDlgItem(static_cast<CDlgMacroSettings&>(dlg).page(CDlgMacroSettings::kMappingPage)->GetSafeHwnd(), id);
}

TEST_F(MacroMappingEndToEnd, TheMappingChosenOnThePageDrivesTheEvaluation) {
    ASSERT_TRUE(loaded);
    const fs::path lib = dir / "library";
    fs::copy(fs::path(TQ_SOURCE_DIR) / "examples/library", lib, fs::copy_options::recursive);
    fs::remove(lib / "Connection Standards" / "EndPlate.map");  // no mapping of the macro yet
    const fs::path macroFile = dir / "EndPlate.macro";
    fs::copy_file(fs::path(TQ_SOURCE_DIR) / "examples/macros/EndPlate.macro", macroFile);
    std::string error;
    const Zk_String savedLib = gSettings.libDir;
    gSettings.libDir = Zk_String(tq::libraryFolder(lib.string(), error));
    ASSERT_FALSE(gSettings.libDir.isEmpty()) << error;

    Zk_DbMacro dbMacro;
    MacroData macroData;
    Zk_String readError;
    ASSERT_TRUE(readMacroFile(Zk_String(tq::windowsPathOf(macroFile.string())), dbMacro, macroData, readError))
        << readError.toUtf8();
    MacroSettingsData data;
    data.mapping.dbMacro = &dbMacro;
    for (const Zk_Module& module : dbMacro.macro().modules) data.mapping.moduleNames.append(module.name);

    {
        ScriptedUser user;
        mfc::DialogSteps& s = user.onDialog(IDD_MACRO_SETTINGS);
        s.selectTab(IDC_MS_TAB, CDlgMacroSettings::kMappingPage);
        s.then([](CDialog& dlg) {
            EXPECT_TRUE(mfc::input::Click(pageItem(dlg, IDC_MS_ADD)));
            const HWND standards = pageItem(dlg, IDC_MSM_STANDARDS);
            EXPECT_TRUE(SSUserTypeText(standards, 1, 1, L"EndPlate"));
            EXPECT_TRUE(SSUserTypeText(standards, 2, 1, L"<Entire macro>"));
            // The lower grid: Input (Column, Thickness), Output (Width ... EdgeDistance).
            const HWND objects = pageItem(dlg, IDC_MSM_OBJECTS);
            const std::pair<int, const wchar_t*> choices[] = {
                {2, L"Prof0.PrPlName"}, {3, L"Plate.Thickness"},    {5, L"Plate.Width"},
                {6, L"Plate.Length"},   {7, L"Bolts.BoltsDiameter"}, {8, L"Bolts.Gauge"},
                {9, L"Bolts.EdgeDistance"},
            };
            for (const auto& [row, object] : choices) EXPECT_TRUE(SSUserTypeText(objects, 3, row, object)) << row;
        });
        s.ok();
        CDlgMacroSettings dialog(data);
        ASSERT_EQ(dialog.DoModal(), IDOK);
    }
    gSettings.libDir = savedLib;

    ASSERT_EQ(data.mapping.standards, (Zk_StringArray{L"EndPlate"}));
    ASSERT_EQ(data.mapping.mappings.length(), 1);
    const std::string name = data.mapping.mappings[0].toUtf8();
    EXPECT_EQ(name.size(), 24u);
    EXPECT_TRUE(data.mapping.mappingChanged);

    const TqRun run = tq("eval --library " + quote(lib) + " --macro " + quote(macroFile) + " --mapping " +
                         quote(name) + " EndPlate");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Width=260\nLength=250\nBoltDiameter=16\nGauge=110\nEdgeDistance=25\n");
    const std::string written = readAll(macroFile);
    EXPECT_NE(written.find("var Width 260"), std::string::npos) << written;
    EXPECT_NE(written.find("var Gauge 110"), std::string::npos);
    EXPECT_NE(written.find("diameter=16"), std::string::npos);
}

}  // namespace
