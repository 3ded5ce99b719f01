// The profile cuts and profile features dialogs driven as a user would.
#include "host/prof_dialog_records.h"
#include "host/texts.h"
#include "macrodlg/dlg_edit_prof_cuts.h"
#include "macrodlg/dlg_prof_features.h"
#include "mfc/controls.h"
#include "res/macroselect_ids.h"
#include "res/supportdlg_ids.h"
#include "select_test_support.h"

namespace {

class ProfCutsTest : public SelectTestBase {
protected:
    void SetUp() override {
        SelectTestBase::SetUp();
        resetProfCutsDrawing();
        profCutsDrawing().profiles[1] = {ProfCutInDrawing{11, Zk_String(L"Cut A")},
                                         ProfCutInDrawing{12, Zk_String(L"Cut B")},
                                         ProfCutInDrawing{13, Zk_String(L"Cut C")}};
        profCutsDrawing().profiles[2] = {ProfCutInDrawing{21, Zk_String(L"Only cut")}};
    }
    void TearDown() override {
        resetProfCutsDrawing();
        SelectTestBase::TearDown();
    }
    static CComboBox* cuts(CDialog& d) { return static_cast<CComboBox*>(d.GetDlgItem(IDC_PROFCUTS_LIST)); }
};

TEST_F(ProfCutsTest, RemovingTheLastCutSelectsTheNewLastAndRemovingTheOnlyOneLeavesNone) {
    CDlgEditProfCuts dlg;
    dlg.m_data.profileId = 1;
    profCutsDrawing().profilePicks.append(2);
    user.onDialog(IDD_DLG_EDIT_PROF_CUTS)
        .then([&dlg](CDialog& d) {
            EXPECT_EQ(cuts(d)->GetCount(), 3);
            EXPECT_EQ(dlg.selectedIndex(), 0);
            EXPECT_EQ(profCutsDrawing().previews, (Zk_Array<long long>{11}));
        })
        .pickCombo(IDC_PROFCUTS_LIST, 2)
        .then([](CDialog&) { EXPECT_EQ(profCutsDrawing().previews, (Zk_Array<long long>{13})); })
        .click(IDC_PROFCUTS_REMOVE)
        .then([&dlg](CDialog& d) {
            EXPECT_EQ(cuts(d)->GetCount(), 2);
            EXPECT_EQ(dlg.selectedIndex(), 1);
            EXPECT_EQ(cuts(d)->GetCurSel(), 1);
            EXPECT_EQ(profCutsDrawing().previews, (Zk_Array<long long>{12}));
        })
        .click(IDC_PROFCUTS_OTHER_PROFILE)
        .then([&dlg](CDialog& d) {
            EXPECT_EQ(dlg.editorCommandCount(), 1);
            EXPECT_EQ(cuts(d)->GetCount(), 1);
            EXPECT_EQ(dlg.selectedIndex(), 0);  // the same index, clamped
        })
        .click(IDC_PROFCUTS_REMOVE)
        .then([&dlg](CDialog& d) {
            EXPECT_EQ(cuts(d)->GetCount(), 0);
            EXPECT_EQ(dlg.selectedIndex(), -1);
        })
        .close();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    // Removals happened in the drawing and stay after Cancel; no preview is left behind.
    EXPECT_EQ(profCutsDrawing().removedCuts, (Zk_Array<long long>{13, 21}));
    EXPECT_TRUE(profCutsDrawing().previews.isEmpty());
}

TEST_F(ProfCutsTest, WithTheCheckTickedPreviewsAccumulateAndStayWhenTheDialogCloses) {
    CDlgEditProfCuts dlg;
    dlg.m_data.profileId = 1;
    user.onDialog(IDD_DLG_EDIT_PROF_CUTS)
        .then([](CDialog& d) { EXPECT_EQ(static_cast<CButton*>(d.GetDlgItem(IDC_PROFCUTS_ALL_PREVIEWS))->GetCheck(), 0); })
        .click(IDC_PROFCUTS_ALL_PREVIEWS)
        .pickCombo(IDC_PROFCUTS_LIST, 1)
        .pickCombo(IDC_PROFCUTS_LIST, 2)
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(dlg.m_singlePreview);
    EXPECT_EQ(profCutsDrawing().previews, (Zk_Array<long long>{11, 12, 13}));
}

class ProfFeaturesTest : public SelectTestBase {
protected:
    void SetUp() override {
        SelectTestBase::SetUp();
        saved = buildingLevels();
        buildingLevels().names = Zk_StringArray{L"Ground", L"First"};
        buildingLevels().heights = Zk_Array<double>{0.0, 3000.0};
    }
    void TearDown() override {
        buildingLevels() = saved;
        SelectTestBase::TearDown();
    }
    static DlgProfFeaturesData record() {
        DlgProfFeaturesData data;
        data.caption = L"Column";
        data.captions[0] = L"Base";
        data.values[0] = L"First";
        data.captions[1] = L"Length";
        data.values[1] = L"4200";
        data.captions[2] = L"Top";
        data.values[2] = L"100";
        data.levelNames = Zk_StringArray{L"Ground", L"First"};
        return data;
    }
    KmLevelsDlgData saved;
};

TEST_F(ProfFeaturesTest, EmptyCaptionsAndAMissingOptionCaptionHideTheirControls) {
    CDlgProfFeatures dlg;
    dlg.m_data = record();
    user.onDialog(L"Column")
        .then([](CDialog& d) {
            EXPECT_FALSE(visible(d, IDC_FEAT_OPTION));
            EXPECT_FALSE(visible(d, IDC_FEAT_CAPTION4));
            EXPECT_FALSE(visible(d, IDC_FEAT_VALUE4));
            EXPECT_TRUE(visible(d, IDC_FEAT_VALUE3));
            EXPECT_FALSE(visible(d, IDC_FEAT_LEVEL3));
            EXPECT_FALSE(visible(d, IDC_FEAT_LEVELS3));
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_FEAT_LEVEL1))->GetCurSel(), 1);
            EXPECT_EQ(text(d, IDC_FEAT_VALUE2), L"4200");
        })
        .replaceText(IDC_FEAT_VALUE2, L"4500")
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_data.values[1], L"4500");
    EXPECT_EQ(dlg.m_data.values[0], L"First");
    EXPECT_TRUE(dlg.m_data.values[3].isEmpty());
    EXPECT_EQ(dlg.m_data.optionState, 0);
}

TEST_F(ProfFeaturesTest, TheOptionSwitchesTheThirdPairsTextsAndKeepsWhatWasTyped) {
    CDlgProfFeatures dlg;
    dlg.m_data = record();
    dlg.m_data.optionCaption = L"By offset";
    dlg.m_data.optionCaptions[0] = L"Top";
    dlg.m_data.optionCaptions[1] = L"Offset";
    dlg.m_data.optionValues[0] = L"100";
    dlg.m_data.optionValues[1] = L"25";
    user.onDialog(L"Column")
        .then([](CDialog& d) {
            EXPECT_TRUE(visible(d, IDC_FEAT_OPTION));
            EXPECT_EQ(text(d, IDC_FEAT_CAPTION3), L"Top");
        })
        .replaceText(IDC_FEAT_VALUE3, L"110")
        .click(IDC_FEAT_OPTION)
        .then([](CDialog& d) {
            EXPECT_EQ(text(d, IDC_FEAT_CAPTION3), L"Offset");
            EXPECT_EQ(text(d, IDC_FEAT_VALUE3), L"25");
        })
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_data.optionState, 1);
    EXPECT_EQ(dlg.m_data.values[2], L"25");
    EXPECT_EQ(dlg.m_data.optionValues[0], L"110");
}

TEST_F(ProfFeaturesTest, ConfirmedLevelsRefillBothLevelCombosKeepingTheirChoices) {
    CDlgProfFeatures dlg;
    dlg.m_data = record();
    dlg.m_data.thirdIsLevel = true;
    dlg.m_data.values[2] = L"Ground";
    user.onDialog(IDD_TQ_LEVELS).cancel();
    user.onDialog(IDD_TQ_LEVELS).type(IDC_SUP_EDIT1, L"Roof").type(IDC_SUP_EDIT2, L"6000").click(IDC_SUP_ADD).ok();
    auto count = [](CDialog& d, int id) { return static_cast<CComboBox*>(d.GetDlgItem(id))->GetCount(); };
    auto selected = [](CDialog& d, int id) { return static_cast<CComboBox*>(d.GetDlgItem(id))->GetCurSel(); };
    user.onDialog(L"Column")
        .then([](CDialog& d) {
            EXPECT_TRUE(visible(d, IDC_FEAT_LEVEL3));
            EXPECT_FALSE(visible(d, IDC_FEAT_VALUE3));
        })
        .click(IDC_FEAT_LEVELS3)
        .then([=](CDialog& d) { EXPECT_EQ(count(d, IDC_FEAT_LEVEL1), 2); })  // cancelled
        .click(IDC_FEAT_LEVELS1)
        .then([=](CDialog& d) {
            EXPECT_EQ(count(d, IDC_FEAT_LEVEL1), 3);
            EXPECT_EQ(count(d, IDC_FEAT_LEVEL3), 3);
            EXPECT_EQ(selected(d, IDC_FEAT_LEVEL1), 1);
            EXPECT_EQ(selected(d, IDC_FEAT_LEVEL3), 0);
        })
        .pickCombo(IDC_FEAT_LEVEL3, L"Roof")
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_data.values[2], L"Roof");
    EXPECT_EQ(dlg.m_data.levelNames, (Zk_StringArray{L"Ground", L"First", L"Roof"}));
    EXPECT_EQ(buildingLevels().names.length(), 3);
}

}  // namespace
