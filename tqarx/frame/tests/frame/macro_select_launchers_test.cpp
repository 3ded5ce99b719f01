// The launchers of the array, cut, selection and profile dialogs: copy-back only on OK,
// the Escape flag given in any case, the other-choice flag and the remembered preview
// option of the profile cuts dialog.
#include "frame/macro_select_launchers.h"
#include "frame_fixture.h"
#include "mfc/cdialog.h"
#include "mfc/scripted_user.h"
#include "res/macroselect_ids.h"
#include "win/messages.h"

using MacroSelectLaunchers = FrameTest;

TEST_F(MacroSelectLaunchers, CutsGiveTheEscapeFlagWhateverTheOutcomeAndCopyBackOnlyOnOk) {
    ScriptedUser user;
    DlgMacroCutsData data;
    data.name = L"Cut1";
    data.targetModule = L"Beam";
    data.macros.modules.append(MacroInDlgModule{Zk_String(L"Beam"), Zk_StringArray()});
    const DlgMacroCutsData before = data;
    bool escaped = false;
    user.onDialog(IDD_DLG_MACRO_CUTS).replaceText(IDC_CUT_NAME, L"Changed").key(VK_ESCAPE);
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_TRUE(escaped);
    EXPECT_EQ(data, before);

    user.onDialog(IDD_DLG_MACRO_CUTS).replaceText(IDC_CUT_NAME, L"Changed").ok();
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.name, L"Changed");
}

TEST_F(MacroSelectLaunchers, ArrayCopiesBackOnOkAndTheShortSelectionFormOffersEveryModule) {
    ScriptedUser user;
    DynArrayData array;
    array.name = L"Rows";
    array.type = 0;
    user.onDialog(IDD_DLG_ARRAY).pickCombo(IDC_ARRAY_TYPE, 4).cancel();
    EXPECT_FALSE(StartArrayDlg(array, AcArray<AcDbObjectId>(), Zk_String(L"Tab")));
    EXPECT_EQ(array.type, 0);
    user.onDialog(IDD_DLG_ARRAY).pickCombo(IDC_ARRAY_TYPE, 4).ok();
    EXPECT_TRUE(StartArrayDlg(array, AcArray<AcDbObjectId>(), Zk_String(L"Tab")));
    EXPECT_EQ(array.type, kArrayTypeKeep);

    Zk_String chosen(L"unchanged");
    bool other = true;
    user.onDialog(IDD_DLG_SELECT_MACRO).click(IDC_SELECT_OTHER);
    EXPECT_TRUE(StartDlgSelectMacro(Zk_String(L"Pick"), Zk_StringArray{L"Plates"}, -1, 0, chosen, other, false));
    EXPECT_TRUE(other);
    EXPECT_TRUE(chosen.isEmpty());
}

TEST_F(MacroSelectLaunchers, TheProfileCutsPreviewOptionIsRememberedOnlyFromConfirmedCalls) {
    ScriptedUser user;
    DlgProfCutsData data;
    auto checked = [](CDialog& d) { return d.IsDlgButtonChecked(IDC_PROFCUTS_ALL_PREVIEWS); };
    user.onDialog(IDD_DLG_EDIT_PROF_CUTS).click(IDC_PROFCUTS_ALL_PREVIEWS).close();
    EXPECT_FALSE(StartEditProfCutsDlg(data));
    user.onDialog(IDD_DLG_EDIT_PROF_CUTS)
        .then([=](CDialog& d) { EXPECT_EQ(checked(d), 0u); })
        .click(IDC_PROFCUTS_ALL_PREVIEWS)
        .ok();
    EXPECT_TRUE(StartEditProfCutsDlg(data));
    user.onDialog(IDD_DLG_EDIT_PROF_CUTS)
        .then([=](CDialog& d) { EXPECT_EQ(checked(d), 1u); })
        .click(IDC_PROFCUTS_ALL_PREVIEWS)
        .ok();
    EXPECT_TRUE(StartEditProfCutsDlg(data));
}
