#include <filesystem>
#include <fstream>

#include "frame/sectionlib_launchers.h"
#include "frame_fixture.h"
#include "host/settings.h"
#include "mfc/scripted_user.h"
#include "res/sectionlib_ids.h"
#include "win/paths.h"

namespace {

class SectionLibLaunchers : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        std::filesystem::create_directories(m_stateDir / "lib" / "prof");
        std::ofstream(m_stateDir / "lib" / "prof" / "FL.pr", std::ios::binary)
            << "8\r\nSysName\tI/O\tENG\tGER\tFRA\tNED\th\tb\r\n"
               "100x10\t1\tFL 100x10\tFL 100x10\tPLAT 100x10\tSTRIP100x10\t100\t10\r\n"
               "120x10\t1\tFL 120x10\tFL 120x10\tPLAT 120x10\tSTRIP120x10\t120\t10\r\n";
        m_savedLib = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost((m_stateDir / "lib").string())) + Zk_String(L"\\");
    }
    void TearDown() override {
        gSettings.libDir = m_savedLib;
        FrameTest::TearDown();
    }
    Zk_String m_savedLib;
};

TEST_F(SectionLibLaunchers, LibraryDialogCopiesTheRecordBackOnlyOnOk) {
    DlgEditLibData data;
    data.groups.append(Zk_String(L"Plates"));
    ScriptedUser user;
    user.onDialog(IDD_EDIT_LIB_SECTIONS).click(IDC_LIB_ADD).cancel();
    EXPECT_FALSE(StartDlgEditLibSections(data, Zk_String()));
    EXPECT_EQ(data.groups.length(), 1);
    EXPECT_TRUE(data.tableNames.isEmpty());

    user.onDialog(IDD_EDIT_LIB_SECTIONS).click(IDC_LIB_ADD).ok();
    EXPECT_TRUE(StartDlgEditLibSections(data, Zk_String()));
    EXPECT_EQ(data.groups.length(), 2);
    EXPECT_EQ(data.tableNames, (Zk_StringArray{L"FL"}));
}

TEST_F(SectionLibLaunchers, SimpleDialogReplacesTheTableAndGivesTheActiveIndex) {
    Zk_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile(Zk_String(L"FL")));
    const Zk_ProfValuesTable before = table;
    int row = 7;
    ScriptedUser user;
    user.onDialog(IDD_EDIT_LIB_SIMPLE).replaceText(IDC_SIMPLE_VALUE_FIRST, L"110").cancel();
    EXPECT_FALSE(StartDlgEditLibSimple(Zk_String(L"120x10"), table, row));
    EXPECT_EQ(table.rows, before.rows);
    EXPECT_EQ(row, 7);

    user.onDialog(IDD_EDIT_LIB_SIMPLE).replaceText(IDC_SIMPLE_VALUE_FIRST, L"110").ok();
    EXPECT_TRUE(StartDlgEditLibSimple(Zk_String(L"120x10"), table, row));
    ASSERT_EQ(table.rows.length(), 3);
    EXPECT_EQ(table.rows[1], (Zk_StringArray{L"110x10", L"1", L"FL 110x10", L"FL 110x10", L"PLAT 110x10",
                                             L"STRIP110x10", L"110", L"10"}));
    EXPECT_EQ(row, 1);
}

}  // namespace
