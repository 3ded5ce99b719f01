#include <fstream>
#include <stdexcept>

#include "frame/launch.h"
#include "frame/support_launchers.h"
#include "frame_fixture.h"
#include "host/dialog_support.h"
#include "mfc/scripted_user.h"
#include "res/supportdlg_ids.h"
#include "supportdlg/form_dialogs.h"
#include "supportdlg/list_dialogs.h"
#include "win/paths.h"

using Launchers = FrameTest;

namespace {
KmGridDlgData sampleGrid() {
    KmGridDlgData d;
    d.name = L"Hall";
    d.xSpacing = L"6000 6000";
    d.ySpacing = L"2*4500";
    d.xLabels = L"A B C";
    d.yLabels = L"1 2 3";
    d.zLevel = 3.5;
    d.drawLines = false;
    return d;
}
}  // namespace

TEST_F(Launchers, CancelLeavesTheRecordAndOkCopiesTheEditsBack) {
    KmGridDlgData data = sampleGrid();
    ScriptedUser user;
    user.onDialog(L"Grid").replaceText(IDC_SUP_EDIT1, L"Other").cancel();
    EXPECT_FALSE(StartDlgGrid(data));
    EXPECT_EQ(data, sampleGrid());

    user.onDialog(L"Grid").replaceText(IDC_SUP_EDIT1, L"Shed").replaceText(IDC_SUP_EDIT6, L"-1.25")
        .click(IDC_SUP_CHECK1).ok();
    EXPECT_TRUE(StartDlgGrid(data));
    KmGridDlgData expected = sampleGrid();
    expected.name = L"Shed";
    expected.zLevel = -1.25;
    expected.drawLines = true;
    EXPECT_EQ(data, expected);
}

TEST_F(Launchers, InvalidFieldKeepsTheDialogOpenUntilCorrected) {
    KmGridDlgData data = sampleGrid();
    ScriptedUser user;
    user.answerMessageBox(L"spacings", IDOK);
    user.onDialog(L"Grid").replaceText(IDC_SUP_EDIT2, L"6000 x").ok()
        .then([](CDialog& dlg) { EXPECT_FALSE(dlg.hasEnded()); })
        .replaceText(IDC_SUP_EDIT2, L"3*2000").ok();
    EXPECT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data.xSpacing, L"3*2000");
    Zk_Array<double> spacings;
    EXPECT_TRUE(parseSpacings(L"6000  2*4500", spacings));
    EXPECT_EQ(spacings, (Zk_Array<double>{6000, 4500, 4500}));
    EXPECT_FALSE(parseSpacings(L"0", spacings));
    EXPECT_FALSE(parseSpacings(L"0*100", spacings));
    EXPECT_FALSE(parseSpacings(L"-5", spacings));
}

TEST_F(Launchers, ResourceHandleIsTheModulesDuringTheDialogAndRestoredOnEveryExit) {
    KmGridDlgData data = sampleGrid();
    ScriptedUser user;
    HINSTANCE during = nullptr;
    user.onDialog(L"Grid").then([&](CDialog&) { during = AfxGetResourceHandle(); }).ok();
    EXPECT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(during, m_instance);
    EXPECT_EQ(AfxGetResourceHandle(), m_callerResource);

    // An exception while copying in, and one while copying back, still restore it.
    EXPECT_THROW(runModalDialog<CDlgGrid>([](CDlgGrid&) { throw std::runtime_error("copy in"); },
                                          [](CDlgGrid&) {}),
                 std::runtime_error);
    EXPECT_EQ(AfxGetResourceHandle(), m_callerResource);
    user.onDialog(L"Grid").ok();
    EXPECT_THROW(runModalDialog<CDlgGrid>([](CDlgGrid&) {}, [](CDlgGrid&) { throw std::runtime_error("back"); }),
                 std::runtime_error);
    EXPECT_EQ(AfxGetResourceHandle(), m_callerResource);
}

TEST_F(Launchers, EveryRecordDialogConfirmsWithItsRecordIntact) {
    ScriptedUser user;
    KmCladdingDlgData cladding{L"Steel", 0.75, 120, 1, false};
    user.onDialog(IDD_TQ_CLADDING).ok();
    EXPECT_TRUE(StartDlgCladdingSettings(cladding));
    EXPECT_EQ(cladding, (KmCladdingDlgData{L"Steel", 0.75, 120, 1, false}));

    KmDlgCis2Data cis2{L"P1", L"Ann", L"Kelmora", L"Z:\\tmp\\out.stp", 2};
    user.onDialog(IDD_TQ_CIS2).pickCombo(IDC_SUP_COMBO1, 0).ok();
    EXPECT_TRUE(StartDlgCis2Info(cis2));
    EXPECT_EQ(cis2, (KmDlgCis2Data{L"P1", L"Ann", L"Kelmora", L"Z:\\tmp\\out.stp", 0}));

    KmBracingDlgData bracing{L"L50x5", 1, 25, true};
    user.onDialog(IDD_TQ_BRACING).ok();
    EXPECT_TRUE(StartDlgBracing(bracing));
    EXPECT_EQ(bracing, (KmBracingDlgData{L"L50x5", 1, 25, true}));

    DlgCSP2Data csp{L"6000; 12000", 3, 500, true};
    user.onDialog(IDD_TQ_CSP2).ok();
    EXPECT_TRUE(StartDlgCSP2(csp));
    EXPECT_EQ(csp.stockLengths, L"6000;12000");

    KmLevelsDlgData levels;
    levels.names = {L"Ground", L"First"};
    levels.heights = {0, 3500};
    user.onDialog(IDD_TQ_LEVELS).pickList(IDC_SUP_LIST, 1).replaceText(IDC_SUP_EDIT2, L"3600")
        .click(IDC_SUP_SET).replaceText(IDC_SUP_EDIT1, L"Roof").replaceText(IDC_SUP_EDIT2, L"7000")
        .click(IDC_SUP_ADD).ok();
    EXPECT_TRUE(StartDlgLevels(levels));
    EXPECT_EQ(levels.names, (Zk_StringArray{L"Ground", L"First", L"Roof"}));
    EXPECT_EQ(levels.heights, (Zk_Array<double>{0, 3600, 7000}));
    EXPECT_EQ(levels.selected, 2);
}

TEST_F(Launchers, ChoosingDialogsNeedAChoice) {
    ScriptedUser user;
    KmLookUpDlgData lookup;
    lookup.columns = {L"Size", L"Hole"};
    lookup.rows = {{L"M16", L"18"}, {L"M20", L"22"}};
    user.answerMessageBox(L"row", IDOK);
    user.onDialog(IDD_TQ_LOOKUP).ok().pickList(IDC_SUP_LIST, 1).ok();
    EXPECT_TRUE(StartDlgLookUp(lookup));
    EXPECT_EQ(lookup.selectedRow, 1);
    EXPECT_EQ(lookup.selectedValue, L"M20");

    KmSelectImageDlgData image;
    image.folder = L"Z:\\icons";
    image.images = {L"a.bmp", L"b.bmp"};
    user.onDialog(IDD_TQ_SELECTIMAGE).pickList(IDC_SUP_LIST, 0).ok();
    EXPECT_TRUE(StartDlgSelectImage(image));
    EXPECT_EQ(image.selectedImage, L"Z:\\icons\\a.bmp");
}

TEST_F(Launchers, SaveAsksBeforeReplacingAnOfferedFile) {
    ScriptedUser user;
    KmOpenSaveDlgData save;
    save.saveMode = true;
    save.extension = L"kmd";
    save.files = {L"Z:\\x\\Default.kmd"};
    save.folder = L"Z:\\x";
    user.answerMessageBox(L"exists already", IDNO);
    user.answerMessageBox(L"exists already", IDYES);
    user.onDialog(IDD_TQ_OPENSAVE).replaceText(IDC_SUP_EDIT1, L"default").ok()
        .then([](CDialog& dlg) { EXPECT_FALSE(dlg.hasEnded()); }).ok();
    EXPECT_TRUE(StartDlgOpenSave(save));
    EXPECT_EQ(save.fileName, L"Z:\\x\\Default.kmd");

    KmOpenSaveDlgData open = save;
    open.saveMode = false;
    user.answerMessageBox(L"not valid", IDOK);
    user.answerMessageBox(L"choose one", IDOK);
    user.onDialog(IDD_TQ_OPENSAVE).replaceText(IDC_SUP_EDIT1, L"a|b").ok()
        .replaceText(IDC_SUP_EDIT1, L"other.kmd").ok().cancel();
    EXPECT_FALSE(StartDlgOpenSave(open));
    EXPECT_EQ(open.fileName, save.fileName);
}

TEST_F(Launchers, GridDialogWithoutColumnsShowsNothing) {
    ScriptedUser user;  // any dialog would be reported as unexpected
    Zk_Array<Zk_StringArray> rows{{L"kept"}};
    EXPECT_FALSE(startGridDialog({}, {}, rows, true, L"", L"Values"));
    EXPECT_EQ(rows, (Zk_Array<Zk_StringArray>{{L"kept"}}));
}

TEST_F(Launchers, GridDialogEditsRowsAndKeepsItsSizeUnderTheDefaultName) {
    ScriptedUser user;
    Zk_Array<Zk_StringArray> rows{{L"A", L"1"}, {L"B"}};
    const Zk_Array<Zk_StringArray> before = rows;
    user.onDialog(L"Values").pickList(IDC_SUP_LIST, 0).replaceText(IDC_SUP_EDIT1, L"x;y;z").click(IDC_SUP_SET).cancel();
    EXPECT_FALSE(startGridDialog({L"Name", L"Value"}, {L"", L"0"}, rows, true, L"", L"Values"));
    EXPECT_EQ(rows, before);

    user.onDialog(L"Values").pickList(IDC_SUP_LIST, 0).replaceText(IDC_SUP_EDIT1, L"x;y;z").click(IDC_SUP_SET)
        .click(IDC_SUP_ADD).pickList(IDC_SUP_LIST, 1).click(IDC_SUP_REMOVE).ok();
    EXPECT_TRUE(startGridDialog({L"Name", L"Value"}, {L"", L"0"}, rows, true, L"", L"Values"));
    // Rows fit the columns: extra fields cut, missing ones take the defaults.
    EXPECT_EQ(rows, (Zk_Array<Zk_StringArray>{{L"x", L"y"}, {L"", L"0"}}));
    RECT r;
    EXPECT_TRUE(getDlgSize(L"dlg_tq_stringarray", r));
}
