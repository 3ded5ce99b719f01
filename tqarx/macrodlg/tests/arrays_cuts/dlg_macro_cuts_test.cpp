// The cut dialog driven as a user would: kinds and their defaults, captions by kind,
// the three refusals of OK, the macro pick and the Escape flag; and the cut record's
// own checks.
#include "array_cuts_test_support.h"
#include "host/macro_cuts_data.h"
#include "host/texts.h"
#include "macrodlg/dlg_macro_cuts.h"
#include "mfc/controls.h"
#include "res/macroselect_ids.h"
#include "win/messages.h"

namespace {

DlgMacroCutsData newCut() {
    DlgMacroCutsData data;
    data.kind = kCutProfVsPlate;
    data.name = L"EndCut";
    data.varNames = Zk_StringArray{L"Offset", L"LengthOffset", L"Special"};
    data.varValues = Zk_StringArray{L"12"};  // the other two have no value
    data.varFlags = Zk_Array<int>{1, 0, 0};
    data.macros.modules.append(MacroInDlgModule{Zk_String(L"Beam"), Zk_StringArray{L"Notch"}});
    data.macros.modules.append(MacroInDlgModule{Zk_String(L"Plate"), Zk_StringArray()});
    return data;
}

class CutsDialogTest : public DialogTestBase {
protected:
    void TearDown() override {
        resetMacroCutsHost();
        DialogTestBase::TearDown();
    }
};

TEST_F(CutsDialogTest, VariablesShowDisplayNamesAndMissingValuesShowZero) {
    CDlgMacroCuts dlg;
    dlg.m_data = newCut();
    user.onDialog(IDD_DLG_MACRO_CUTS)
        .then([](CDialog& d) {
            EXPECT_EQ(std::wstring(d.GetWindowTextString().str()), dialString(1080).wstr());
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kNameCol, 1), dialString(1099).wstr());
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kNameCol, 3), L"Special");
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kValueCol, 1), L"12");
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kValueCol, 2), L"0");
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kValueCol, 3), L"0");
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kFlagCol, 1), L"1");
            // Kind 1 captions two modes, the choice and three checks.
            EXPECT_TRUE(visible(d, IDC_CUT_MODE2));
            EXPECT_FALSE(visible(d, IDC_CUT_MODE3));
            EXPECT_TRUE(visible(d, IDC_CUT_CHOICE));
            EXPECT_EQ(text(d, IDC_CUT_CHECK3), dialString(1399).wstr());
            EXPECT_FALSE(d.GetDlgItem(IDC_CUT_TARGET)->IsWindowEnabled());
        })
        .cancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(CutsDialogTest, AKindChangeReplacesTheGridByTheKindsDefaultsAndRelabels) {
    CDlgMacroCuts dlg;
    dlg.m_data = newCut();
    dlg.m_data.targetModule = L"Beam";
    user.onDialog(IDD_DLG_MACRO_CUTS)
        .pickCombo(IDC_CUT_KIND, 3)  // kind 4: three segments
        .then([](CDialog& d) {
            EXPECT_EQ(SSGetMaxRows(item(d, IDC_SHEET)), 3);
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kNameCol, 1), dialString(1099).wstr());
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kNameCol, 2), (dialString(1104) + L"1").wstr());
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kValueCol, 2), L"10");
            EXPECT_TRUE(visible(d, IDC_CUT_MODE3));
            EXPECT_FALSE(visible(d, IDC_CUT_CHOICE));
            EXPECT_FALSE(visible(d, IDC_CUT_CHECK1));
            EXPECT_EQ(text(d, IDC_CUT_MODE1), dialString(1110).wstr());
        })
        .click(IDC_CUT_MODE1)
        .then([](CDialog& d) { EXPECT_EQ(text(d, IDC_CUT_MODE_HINT), dialString(1115).wstr()); })
        .click(IDC_CUT_MODE3)
        .then([](CDialog& d) { EXPECT_FALSE(visible(d, IDC_CUT_MODE_HINT)); })
        .click(IDC_CUT_MODE2)
        .pickCombo(IDC_CUT_KIND, 0)
        .then([](CDialog& d) {
            EXPECT_EQ(SSGetMaxRows(item(d, IDC_SHEET)), 2);
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgMacroCuts::kNameCol, 2), dialString(1100).wstr());
        })
        .pickCombo(IDC_CUT_KIND, 3)
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_data.kind, kCutProfVsProf3Segments);
    EXPECT_EQ(dlg.m_data.varNames, (Zk_StringArray{L"PolyOffset", L"Offset1", L"Offset2"}));
    EXPECT_EQ(dlg.m_data.varValues, (Zk_StringArray{L"0", L"10", L"10"}));
    EXPECT_EQ(dlg.m_data.mode, 2);
    EXPECT_EQ(dlg.m_data.segmentOptions, kCutSegmentsFillet);
}

TEST_F(CutsDialogTest, OkIsRefusedWithoutATargetModuleForATakenNameAndForInvalidVariableNames) {
    CDlgMacroCuts dlg;
    dlg.m_data = newCut();
    dlg.m_data.name = L"Notch";
    user.answerMessageBox(dialString(1090).wstr(), IDOK);
    user.answerMessageBox(dialString(1092).wstr(), IDOK);
    user.answerMessageBox(dialString(1095).wstr(), IDOK);
    user.onDialog(IDD_DLG_MACRO_CUTS)
        .ok()  // no target module
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); })
        .click(IDC_CUT_OTHER_MODULE)
        .pickCombo(IDC_CUT_TARGET, L"Beam")
        .ok()  // "Notch" is a cut of Beam
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); })
        .replaceText(IDC_CUT_NAME, L"Notch2")
        .then([](CDialog& d) { SSUserTypeText(item(d, IDC_SHEET), CDlgMacroCuts::kValueCol, 2, L"gen_length"); })
        .ok()  // a general variable's prefix
        .then([](CDialog& d) {
            EXPECT_FALSE(d.hasEnded());
            SSUserTypeText(item(d, IDC_SHEET), CDlgMacroCuts::kValueCol, 2, L"cut_length");
        })
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_data.name, L"Notch2");
    EXPECT_EQ(dlg.m_data.target, kCutTargetOtherModule);
    EXPECT_EQ(dlg.m_data.targetModule, L"Beam");
    EXPECT_EQ(dlg.m_data.varValues, (Zk_StringArray{L"12", L"cut_length", L"0"}));
    EXPECT_EQ(dlg.m_data.varFlags, (Zk_Array<int>{1, 0, 0}));
}

TEST_F(CutsDialogTest, AnExistingCutKeepsItsNameAndKindAndMayKeepItsOwnNameInTheTarget) {
    CDlgMacroCuts dlg;
    dlg.m_data = newCut();
    dlg.m_data.editExisting = true;
    dlg.m_data.name = L"Notch";
    dlg.m_data.originalName = L"Notch";
    dlg.m_data.target = kCutTargetOtherModule;
    dlg.m_data.targetModule = L"Beam";
    dlg.m_data.otherMode = true;
    user.onDialog(IDD_DLG_MACRO_CUTS)
        .then([](CDialog& d) {
            EXPECT_EQ(std::wstring(d.GetWindowTextString().str()), dialString(1079).wstr());
            EXPECT_FALSE(d.GetDlgItem(IDC_CUT_NAME)->IsWindowEnabled());
            EXPECT_FALSE(d.GetDlgItem(IDC_CUT_KIND)->IsWindowEnabled());
            EXPECT_EQ(static_cast<CButton*>(d.GetDlgItem(IDC_CUT_MODE2))->GetCheck(), 1);
            EXPECT_TRUE(d.GetDlgItem(IDC_CUT_TARGET)->IsWindowEnabled());
        })
        .click(IDC_CUT_CHECK2)  // the mode radios depend on it
        .then([](CDialog& d) { EXPECT_FALSE(d.GetDlgItem(IDC_CUT_MODE1)->IsWindowEnabled()); })
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_data.check1325, 1);
    EXPECT_TRUE(dlg.m_data.otherMode);
}

TEST_F(CutsDialogTest, PickingAMacroOffersItsModulesAndEscapeIsTold) {
    macroCutsHost().macroPicks.append(
        Zk_Array<MacroInDlgModule>{MacroInDlgModule{Zk_String(L"Column"), Zk_StringArray()}});
    CDlgMacroCuts dlg;
    dlg.m_data = newCut();
    user.onDialog(IDD_DLG_MACRO_CUTS)
        .click(IDC_CUT_PICK_MACRO)
        .then([&dlg](CDialog& d) {
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_CUT_TARGET))->GetCount(), 3);
            EXPECT_EQ(dlg.editorCommandCount(), 1);
            EXPECT_FALSE(dlg.escapePressed());
        })
        .click(IDC_CUT_PICK_MACRO)  // cancelled: nothing changes
        .key(VK_ESCAPE);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.escapePressed());
    EXPECT_EQ(macroCutsHost().pickCalls, 2);
}

TEST(CutRecordTest, DefaultsExistForEveryKindOnly) {
    Zk_StringArray names{L"x"};
    Zk_StringArray values;
    Zk_Array<int> flags;
    for (int kind = 1; kind <= kCutKindCount; ++kind) {
        EXPECT_TRUE(DlgMacroCutsData::GetDefaultValues(kind, names, values, flags)) << kind;
        EXPECT_FALSE(names.isEmpty());
        EXPECT_EQ(names.length(), values.length());
        EXPECT_EQ(names.length(), flags.length());
    }
    EXPECT_FALSE(DlgMacroCutsData::GetDefaultValues(7, names, values, flags));
    EXPECT_TRUE(names.isEmpty());
}

TEST(CutRecordTest, VariableValuesAreNumbersOrPlainNamesWithoutTheGeneralPrefix) {
    DlgMacroCutsData data;
    data.varValues = Zk_StringArray{L"12.5", L"", L"-3", L"offset_1", L" _x "};
    EXPECT_TRUE(data.AreVarNamesValid());
    for (const wchar_t* bad : {L"GEN_a", L"gen_", L"1abc", L"a-b", L"a b"}) {
        data.varValues = Zk_StringArray{L"1", Zk_String(bad)};
        EXPECT_FALSE(data.AreVarNamesValid()) << Zk_String(bad).toUtf8();
    }
}

TEST(CutRecordTest, ANameIsInUseOnlyByAnotherCutOfTheTargetModule) {
    DlgMacroCutsData data = newCut();
    data.targetModule = L"beam";
    data.name = L"NOTCH";
    EXPECT_TRUE(data.CutNameInUse());
    data.editExisting = true;
    data.originalName = L"Notch";
    EXPECT_FALSE(data.CutNameInUse());
    data.targetModule = L"Unknown";
    data.editExisting = false;
    EXPECT_FALSE(data.CutNameInUse());
}

}  // namespace
