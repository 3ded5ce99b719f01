#include <filesystem>
#include <fstream>

#include "designer/zk_dlg_designer_data.h"
#include "frame/designer_launchers.h"
#include "frame_fixture.h"
#include "host/settings.h"
#include "mfc/scripted_user.h"
#include "res/designer_ids.h"
#include "win/msgbox.h"
#include "win/paths.h"

namespace {

class DesignerLaunchers : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        m_lib = std::filesystem::temp_directory_path() / ("tq_frame_designer_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_lib / "Dialog Templates" / "Dialog Design");
        m_oldLib = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost(m_lib.string())) + L"\\";
        std::ofstream(m_lib / "Dialog Templates" / "Dialog Design" / "P.txt")
            << "int nrOfControls = 3\nint type0 = 2\nstring contents0 = \"Width\"\n"
               "int type1 = 0\nstring contents1 = \"Label\"\nint type2 = 2\nstring contents2 = \"Gap\"\n";
    }
    void TearDown() override {
        gSettings.libDir = m_oldLib;
        std::filesystem::remove_all(m_lib);
        FrameTest::TearDown();
    }
    std::filesystem::path m_lib;
    Zk_String m_oldLib;
};

TEST_F(DesignerLaunchers, ControlNamesOfATemplateWithoutItsPicture) {
    Zk_StringArray names{L"stale"};
    ASSERT_TRUE(GetImageDlgCtrlNames(getDesignerRootFolder() + L"P.txt", names));
    EXPECT_EQ(names, (Zk_StringArray{L"Width", L"Gap"}));
    EXPECT_FALSE(GetImageDlgCtrlNames(getDesignerRootFolder() + L"None.txt", names));
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(DesignerLaunchers, TheDesignerRunsOnTheModulesResourcesAndReportsOk) {
    ScriptedUser user;
    user.onDialog(IDD_DLGDESIGNER)
        .then([this](CDialog&) { EXPECT_EQ(AfxGetResourceHandle(), m_instance); })
        .ok();
    EXPECT_TRUE(StartDlgDesigner(L""));
    EXPECT_EQ(AfxGetResourceHandle(), m_callerResource);
    user.onDialog(IDD_DLGDESIGNER).cancel();
    EXPECT_FALSE(StartDlgDesigner(getDesignerRootFolder() + L"Missing.txt"));
}

}  // namespace
