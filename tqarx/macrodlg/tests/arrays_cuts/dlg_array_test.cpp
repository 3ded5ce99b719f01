// The array dialog driven as a user would: the type combo with its keep item, the
// controls each type shows, the entries grid and the entry action.
#include "array_cuts_test_support.h"
#include "host/array_dim_names.h"
#include "host/texts.h"
#include "macrodlg/dlg_array.h"
#include "mfc/controls.h"
#include "res/macroselect_ids.h"

namespace {

DynArrayData sampleArray(int type) {
    DynArrayData data;
    data.name = L"Stiffeners";
    data.type = type;
    data.type1Text = L"Row A";
    data.dimensionText = L"Length";
    data.dimName1 = L"Width";
    data.dimName2 = L"Gone";  // no longer offered by the macros
    data.texts = Zk_StringArray{L"4", L"250", L"50", L"100", L"120", L"1"};
    data.flag1 = -1;
    data.alternating = 1;
    for (int i = 0; i < 3; ++i) {
        DynArrayEntry entry;
        entry.name = Zk_String(L"Entry") + Zk_String(i + 1);
        entry.value = 10 * (i + 1);
        entry.checked = i == 0;
        data.entries.append(entry);
    }
    return data;
}

class ArrayDialogTest : public DialogTestBase {
protected:
    void SetUp() override {
        DialogTestBase::SetUp();
        arrayDimNamesInDrawing()[5] = Zk_StringArray{L"Length", L"Width", L"Height"};
        arrayDimNamesInDrawing()[6] = Zk_StringArray{L"Width", L"Length"};
        ids.append(AcDbObjectId(5));
        ids.append(AcDbObjectId(6));
    }
    void TearDown() override {
        arrayDimNamesInDrawing().clear();
        DialogTestBase::TearDown();
    }
    AcDbObjectIdArray ids;
};

TEST_F(ArrayDialogTest, KeepTypeShowsTheKeepItemAndAnUnchangedDialogKeepsTheWholeRecord) {
    const DynArrayData data = sampleArray(kArrayTypeKeep);
    CDlgArray dlg(data, ids, Zk_String(L"Tab"));
    user.onDialog(IDD_DLG_ARRAY)
        .then([](CDialog& d) {
            auto* type = static_cast<CComboBox*>(d.GetDlgItem(IDC_ARRAY_TYPE));
            EXPECT_EQ(type->GetCount(), 5);
            EXPECT_EQ(type->GetCurSel(), 4);
            CString keep;
            type->GetLBText(4, keep);
            EXPECT_EQ(std::wstring(keep.str()), dialString(kKeepMarkerText).wstr());
            EXPECT_EQ(std::wstring(d.GetWindowTextString().str()), (dialString(1056) + L" (Stiffeners)").wstr());
            EXPECT_EQ(static_cast<CButton*>(d.GetDlgItem(IDC_ARRAY_MIRROR))->GetCheck(), 2);
        })
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.arrayData().type, kArrayTypeKeep);
    // A dimension name the macros no longer offer is kept rather than lost.
    EXPECT_EQ(dlg.arrayData(), data);
}

TEST_F(ArrayDialogTest, EachTypeShowsItsControlsAndOffersTheDimensionsAllMacrosShare) {
    CDlgArray dlg(sampleArray(0), ids, Zk_String(L"Tab"));
    user.onDialog(IDD_DLG_ARRAY)
        .then([](CDialog& d) {
            EXPECT_TRUE(visible(d, IDC_ARRAY_DIMENSION));
            EXPECT_FALSE(visible(d, IDC_ARRAY_DIM_NAME1));
            EXPECT_FALSE(visible(d, IDC_ARRAY_TYPE1_TEXT));
            // Height is not a dimension of the second macro.
            EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_ARRAY_DIMENSION))->FindStringExact(-1, L"Height"), -1);
        })
        .pickCombo(IDC_ARRAY_TYPE, 1)
        .then([](CDialog& d) {
            EXPECT_TRUE(visible(d, IDC_ARRAY_TYPE1_TEXT));
            EXPECT_EQ(text(d, IDC_ARRAY_TYPE1_TEXT), L"Row A");
            EXPECT_TRUE(visible(d, IDC_ARRAY_DIM_NAME1));
            EXPECT_FALSE(visible(d, IDC_ARRAY_DIM_NAME2));
            EXPECT_FALSE(visible(d, IDC_ARRAY_DIMENSION));
            EXPECT_EQ(text(d, IDC_ARRAY_DIM_CAPTION), dialString(1076).wstr());
        })
        .replaceText(IDC_ARRAY_TYPE1_TEXT, L"Row B")
        .pickCombo(IDC_ARRAY_TYPE, 3)
        .then([](CDialog& d) {
            EXPECT_FALSE(visible(d, IDC_ARRAY_TYPE1_TEXT));
            EXPECT_TRUE(visible(d, IDC_ARRAY_DIM_NAME2));
            EXPECT_EQ(text(d, IDC_ARRAY_DIM_CAPTION), dialString(1077).wstr());
        })
        .replaceText(IDC_ARRAY_COUNT, L"6")
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.arrayData().type, 3);
    // The type-1 name typed while type 1 was shown is kept.
    EXPECT_EQ(dlg.arrayData().type1Text, L"Row B");
    EXPECT_EQ(dlg.arrayData().texts[0], L"6");
    EXPECT_EQ(dlg.arrayData().dimName2, L"Gone");
}

TEST_F(ArrayDialogTest, TheGridEditsTheEntriesAndAddEntryMarksTheActiveOne) {
    CDlgArray dlg(sampleArray(2), ids, Zk_String(L"Tab"));
    user.onDialog(IDD_DLG_ARRAY)
        .then([](CDialog& d) {
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgArray::kNameCol, 2), L"Entry2");
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgArray::kValueCol, 3), L"30");
            EXPECT_EQ(cell(d, IDC_SHEET, CDlgArray::kCheckCol, 1), L"1");
            SSUserClickCell(item(d, IDC_SHEET), CDlgArray::kCheckCol, 2);  // checks entry 2
            SSUserTypeText(item(d, IDC_SHEET), CDlgArray::kValueCol, 3, L"35");
            // Names come from the macro and cannot be typed over.
            SSUserTypeText(item(d, IDC_SHEET), CDlgArray::kNameCol, 1, L"Other");
            SSUserClickCell(item(d, IDC_SHEET), CDlgArray::kNameCol, 3);
        })
        .click(IDC_ARRAY_ADD_ENTRY)
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    const auto& entries = dlg.arrayData().entries;
    ASSERT_EQ(entries.length(), 3);
    EXPECT_TRUE(entries[1].checked);
    EXPECT_EQ(entries[2].value, 35);
    EXPECT_EQ(entries[0].name, L"Entry1");
    EXPECT_EQ(entries[2].action, 1);
    EXPECT_EQ(entries[0].action, 0);
}

}  // namespace
