// The segmented profiles dialog: one record shown at a time, its segments in a grid.
#include "macrodlg/dlg_macro_prof_segm.h"

#include "host/dialog_support.h"
#include "res/macrosub_ids.h"
#include "spread/ss_api.h"
#include "subdlg_test_support.h"
#include "win/messages.h"

namespace {

Zk_Array<MacroProfSegmentedData> twoRecords() {
    MacroProfSegmentedData a;
    a.name = Zk_String(L"Flange");
    a.profile = Zk_String(L"HEA-HEA200");
    a.clearance = 2.5;
    a.segments.append({1, Zk_String(L"100")});
    a.segments.append({2, Zk_String(L"250")});
    MacroProfSegmentedData b;
    b.name = Zk_String(L"Web");
    b.profile = Zk_String(L"PL-PL10");
    b.breakAtEveryPoint = true;
    return {a, b};
}

class ProfSegm : public SubDialogTest {
protected:
    ScriptedUser user;
};

TEST_F(ProfSegm, EditsOneRecordAtATimeAndOkHandsBackEveryRecord) {
    CDlgMacroProfSegm dlg(twoRecords());
    user.onDialog(IDD_MACRO_PROF_SEGM)
        .then([](CDialog& d) {
            CString item;
            combo(d, IDC_MS_RECORDS).GetLBText(0, item);
            EXPECT_EQ(item, L"Flange - HEA-HEA200");
            EXPECT_EQ(itemText(d, IDC_MS_CLEARANCE), L"2.50");
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MS_BREAK), 0u);
            SSUserTypeText(d.GetDlgItem(IDC_MS_GRID)->GetSafeHwnd(), 2, 2, L"275");
        })
        .replaceText(IDC_MS_CLEARANCE, L"3")
        .pickCombo(IDC_MS_RECORDS, 1)
        .then([](CDialog& d) {
            EXPECT_EQ(itemText(d, IDC_MS_NAME), L"Web");
            EXPECT_EQ(d.IsDlgButtonChecked(IDC_MS_BREAK), 1u);
        })
        .click(IDC_MS_INSERT_ROW)  // no row yet: one at the end
        .then([](CDialog& d) { SSUserTypeText(d.GetDlgItem(IDC_MS_GRID)->GetSafeHwnd(), 2, 1, L"40"); })
        .replaceText(IDC_MS_NAME, L"Web plate")
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    const Zk_Array<MacroProfSegmentedData>& out = dlg.segments();
    ASSERT_EQ(out.length(), 2);
    EXPECT_DOUBLE_EQ(out[0].clearance, 3.0);
    EXPECT_EQ(out[0].segments[1].value, L"275");
    EXPECT_EQ(out[0].segments[1].number, 2);
    EXPECT_EQ(out[1].name, L"Web plate");
    ASSERT_EQ(out[1].segments.length(), 1);
    EXPECT_EQ(out[1].segments[0].number, 1);
    EXPECT_EQ(out[1].segments[0].value, L"40");
    int width = 0, height = 0;
    EXPECT_TRUE(getDlgSize(Zk_String(L"DLG_MACRO_PROFSEGMENTED"), width, height));
}

TEST_F(ProfSegm, WithoutRecordsEveryControlIsDisabled) {
    CDlgMacroProfSegm dlg{Zk_Array<MacroProfSegmentedData>()};
    user.onDialog(IDD_MACRO_PROF_SEGM)
        .then([](CDialog& d) {
            for (int id : {IDC_MS_RECORDS, IDC_MS_NAME, IDC_MS_CLEARANCE, IDC_MS_BREAK, IDC_MS_INSERT_ROW,
                           IDC_MS_DELETE_ROW})
                EXPECT_FALSE(enabled(d, id)) << id;
        })
        .ok();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.segments().isEmpty());
}

}  // namespace
