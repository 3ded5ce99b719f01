// The macro selection dialog driven as a user would: caption, thumbnail names and
// pictures, the filter grid and its band, OK with and without a choice, the other choice.
#include "host/dialog_support.h"
#include "host/texts.h"
#include "macrodlg/dlg_select_macro.h"
#include "mfc/image_list_ctrl.h"
#include "res/macroselect_ids.h"
#include "select_test_support.h"

namespace {

class SelectMacroTest : public SelectTestBase {
protected:
    void open(CDlgSelectMacro& dlg, const Zk_StringArray& modules, int sole = -1) {
        AcArray<bool> enabled;
        for (int i = 0; i < modules.length(); ++i) enabled.append(true);
        dlg.m_filter.initialize(modules, enabled, sole, 0);
    }
    static CImageListCtrl* thumbnails(CDialog& d) {
        return static_cast<CImageListCtrl*>(d.GetDlgItem(IDC_SELECT_THUMBNAILS));
    }
};

TEST_F(SelectMacroTest, ThumbnailNamesDropTrailingDigitsUnlessThatMakesDuplicates) {
    const Zk_String a(L"Z:\\lib\\Macros\\Plates\\Plate1.dwg");
    const Zk_String b(L"Z:\\lib\\Macros\\Plates\\Plate2.dwg");
    const Zk_String c(L"Z:\\lib\\Macros\\Cleats\\Cleat12.dwg");
    EXPECT_EQ(CDlgSelectMacro::thumbnailNames(Zk_StringArray{a, b}), (Zk_StringArray{L"Plate1", L"Plate2"}));
    EXPECT_EQ(CDlgSelectMacro::thumbnailNames(Zk_StringArray{a}), Zk_StringArray{L"Plate"});
    EXPECT_EQ(CDlgSelectMacro::thumbnailNames(Zk_StringArray{a, c}), (Zk_StringArray{L"Plate", L"Cleat"}));
    // A name of digits only keeps them.
    EXPECT_EQ(CDlgSelectMacro::thumbnailNames(Zk_StringArray{Zk_String(L"Z:\\m\\123.dwg")}), Zk_StringArray{L"123"});
}

TEST_F(SelectMacroTest, EmptyCaptionShowsTheDefaultAndOkWithoutAChoiceStaysOpen) {
    addDrawing("Plates", "Plate1", true);
    addDrawing("Cleats", "Cleat1", false);
    CDlgSelectMacro dlg;
    open(dlg, Zk_StringArray{L"Plates", L"Cleats"});
    user.onDialog(IDD_DLG_SELECT_MACRO)
        .then([](CDialog& d) {
            EXPECT_EQ(std::wstring(d.GetWindowTextString().str()), dialString(1116).wstr());
            EXPECT_EQ(text(d, IDC_SELECT_FILTER_GROUP), (dialString(1644) + L"  ").wstr());
            ASSERT_EQ(thumbnails(d)->GetItemCount(), 2);
            EXPECT_EQ(std::wstring(thumbnails(d)->GetItemText(0).str()), L"Plate");
            EXPECT_NE(thumbnails(d)->GetItemImage(0), nullptr);
            // The drawing without a bitmap shows the preview the host made.
            EXPECT_NE(thumbnails(d)->GetItemImage(1), nullptr);
            EXPECT_TRUE(std::wstring(thumbnails(d)->GetItemFile(1).str()).ends_with(L"Cleat1.abm"));
            EXPECT_FALSE(d.GetDlgItem(IDC_SELECT_OTHER)->IsWindowEnabled());
        })
        .ok()
        .then([](CDialog& d) { EXPECT_FALSE(d.hasEnded()); })
        .pickThumbnail(IDC_SELECT_THUMBNAILS, 1, true);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(exists("Macros/Cleats/Cleat1.abm"));
    EXPECT_FALSE(exists("Macros/Plates/Plate1.abm"));
    EXPECT_EQ(dlg.m_chosen, winPath("Macros/Cleats/Cleat1.dwg"));
    EXPECT_FALSE(dlg.m_otherChoice);
}

TEST_F(SelectMacroTest, TwoNumberedDrawingsShowTheirFullNames) {
    addDrawing("Plates", "Plate1", true);
    addDrawing("Plates", "Plate2", true);
    CDlgSelectMacro dlg;
    dlg.m_caption = L"Choose";
    open(dlg, Zk_StringArray{L"Plates"});
    user.onDialog(L"Choose")
        .then([](CDialog& d) {
            ASSERT_EQ(thumbnails(d)->GetItemCount(), 2);
            EXPECT_EQ(std::wstring(thumbnails(d)->GetItemText(0).str()), L"Plate1");
            EXPECT_EQ(std::wstring(thumbnails(d)->GetItemText(1).str()), L"Plate2");
        })
        .pickThumbnail(IDC_SELECT_THUMBNAILS, 1)
        .ok();
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_chosen, winPath("Macros/Plates/Plate2.dwg"));
}

TEST_F(SelectMacroTest, TheFilterGridSwitchesModulesAndPropertiesAndGreysMissingPairs) {
    addDrawing("Plates", "Plate1", true, "Bolted\n");
    addDrawing("Plates", "Plate2", true, "Bolted\nStiffened\n");
    addDrawing("Cleats", "Cleat1", true);
    CDlgSelectMacro dlg;
    open(dlg, Zk_StringArray{L"Plates", L"Cleats"});
    user.onDialog(IDD_DLG_SELECT_MACRO)
        .click(IDC_SELECT_FILTER_BUTTON)
        .then([](CDialog& d) {
            HWND grid = item(d, IDC_SHEET);
            ASSERT_TRUE(visible(d, IDC_SHEET));
            EXPECT_EQ(SSGetMaxCols(grid), 6);  // the module and two properties
            EXPECT_EQ(SSGetMaxRows(grid), 2);
            EXPECT_EQ(cell(d, IDC_SHEET, 2, 0), dialString(1119).wstr());
            EXPECT_EQ(cell(d, IDC_SHEET, 4, 0), (dialString(1120) + L" 1").wstr());
            EXPECT_EQ(cell(d, IDC_SHEET, 2, 1), L"Plates");
            EXPECT_EQ(cell(d, IDC_SHEET, 6, 1), L"Stiffened");
            EXPECT_EQ(cell(d, IDC_SHEET, 1, 2), L"1");
            EXPECT_EQ(SSGetCellType(grid, 3, 2), SS_TYPE_STATIC);  // Cleats has no property
            EXPECT_EQ(thumbnails(d)->GetItemCount(), 3);
            SSUserClickCell(grid, 5, 1);  // Stiffened off
            EXPECT_EQ(thumbnails(d)->GetItemCount(), 2);
            EXPECT_EQ(cell(d, IDC_SHEET, 5, 1), L"0");
            SSUserClickCell(grid, 1, 2);  // Cleats off
            EXPECT_EQ(thumbnails(d)->GetItemCount(), 1);
            EXPECT_EQ(std::wstring(thumbnails(d)->GetItemText(0).str()), L"Plate");
        })
        .cancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

TEST_F(SelectMacroTest, TheFilterBandMovesTheListAndIsRememberedForTheNextOpening) {
    addDrawing("Plates", "Plate1", true);
    int smallBottom = 0;
    {
        CDlgSelectMacro dlg;
        open(dlg, Zk_StringArray{L"Plates"});
        user.onDialog(IDD_DLG_SELECT_MACRO)
            .then([&smallBottom](CDialog& d) {
                EXPECT_FALSE(visible(d, IDC_SHEET));
                RECT r{};
                d.GetDlgItem(IDC_SELECT_THUMBNAILS)->GetWindowRect(&r);
                smallBottom = r.bottom;
            })
            .click(IDC_SELECT_FILTER_BUTTON)
            .then([&smallBottom](CDialog& d) {
                EXPECT_TRUE(visible(d, IDC_SHEET));
                RECT r{};
                d.GetDlgItem(IDC_SELECT_THUMBNAILS)->GetWindowRect(&r);
                EXPECT_LT(r.bottom, smallBottom);
            })
            .cancel();
        dlg.DoModal();
    }
    EXPECT_TRUE(readDlgRegBool(Zk_String(L"DLG_SELECT_MACRO"), Zk_String(L"LARGE_DLG"), false));
    CDlgSelectMacro again;
    open(again, Zk_StringArray{L"Plates"});
    user.onDialog(IDD_DLG_SELECT_MACRO).then([](CDialog& d) { EXPECT_TRUE(visible(d, IDC_SHEET)); }).cancel();
    again.DoModal();
    EXPECT_TRUE(again.isLarge());
}

TEST_F(SelectMacroTest, TheOtherChoiceEndsWithOkAndNoDrawingOrShowsTheHintWhenNotOffered) {
    addDrawing("Plates", "Plate1", true);
    CDlgSelectMacro dlg;
    open(dlg, Zk_StringArray{L"Plates"});
    dlg.m_otherChoice = true;
    user.onDialog(IDD_DLG_SELECT_MACRO).click(IDC_SELECT_OTHER);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(dlg.m_otherChoice);
    EXPECT_TRUE(dlg.m_chosen.isEmpty());

    CDlgSelectMacro hinted;
    open(hinted, Zk_StringArray{L"Plates"});
    hinted.m_hint = true;
    user.onDialog(IDD_DLG_SELECT_MACRO)
        .then([](CDialog& d) {
            EXPECT_TRUE(visible(d, IDC_SELECT_HINT));
            EXPECT_EQ(text(d, IDC_SELECT_HINT), (dialString(1312) + L"\n" + dialString(1313)).wstr());
        })
        .cancel();
    hinted.DoModal();
}

TEST_F(SelectMacroTest, TheFilterOffersOnlyTheSoleModuleAndAtMostTheGivenNumber) {
    addDrawing("Plates", "Plate1", true);
    addDrawing("Plates", "Plate2", true);
    addDrawing("Cleats", "Cleat1", true);
    Zk_MacroPropsFilter filter;
    filter.initialize(Zk_StringArray{L"Plates", L"Cleats"}, AcArray<bool>{true, true}, 1, 0);
    Zk_StringArray files;
    filter.getFilteredMacros(files);
    EXPECT_EQ(files, Zk_StringArray{winPath("Macros/Cleats/Cleat1.dwg")});
    filter.initialize(Zk_StringArray{L"Plates", L"Cleats"}, AcArray<bool>{true}, -1, 2);
    filter.getFilteredMacros(files);
    EXPECT_EQ(files.length(), 2);
    filter.getAllDwgFiles(files);
    EXPECT_EQ(files.length(), 3);
    EXPECT_FALSE(filter.setModulePropStatus(0, 1, false));  // Plates has no properties
    EXPECT_FALSE(filter.setModuleStatus(2, false));
}

}  // namespace
