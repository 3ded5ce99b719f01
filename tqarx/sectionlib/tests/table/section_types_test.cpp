#include <filesystem>

#include <gtest/gtest.h>

#include "acad/command_line.h"
#include "host/section_library.h"
#include "mfc/controls.h"
#include "mfc/scripted_user.h"
#include "sectionlib/section_choices.h"
#include "sectionlib/section_pictures.h"
#include "sectionlib/section_table_text.h"
#include "sectionlib/section_types.h"
#include "sectionlib_test_support.h"

namespace {

namespace fs = std::filesystem;

TEST(SectionTypes, NumbersStemsAndDisplayFormsGoBothWays) {
    EXPECT_EQ(builtinSectionStem(10), L"ProfSectionRectTube");
    EXPECT_EQ(builtinSectionStem(20), L"ProfSectionSigma Sleeve");
    EXPECT_TRUE(builtinSectionStem(0).isEmpty());
    EXPECT_TRUE(builtinSectionStem(25).isEmpty());
    EXPECT_TRUE(builtinSectionDisplay(25).isEmpty());
    EXPECT_EQ(builtinSectionDisplay(1), L"<I section>");
    for (int n = 1; n <= kBuiltinSectionTypeCount; ++n) {
        EXPECT_EQ(builtinSectionFromDisplay(builtinSectionDisplay(n)), n) << n;
        EXPECT_FALSE(builtinSectionValueTexts(n).isEmpty()) << n;
    }
    EXPECT_EQ(builtinSectionFromDisplay(Zk_String(L"I section")), -1);
    EXPECT_EQ(builtinSectionNumber(Zk_String(L"10")), 10);
    EXPECT_EQ(builtinSectionNumber(Zk_String(L"Plate.dwg")), -1);
    EXPECT_EQ(builtinSectionNumber(Zk_String(L"hea.bmp")), -1);
    EXPECT_TRUE(isUserSectionReference(Zk_String(L"Plate.DWG")));
    EXPECT_EQ(builtinSectionValueTexts(1), (Zk_Array<int>{736, 737, 738, 739, 740}));
    EXPECT_EQ(builtinSectionValueTexts(2), (Zk_Array<int>{736, 737, 738, 739}));
    EXPECT_EQ(builtinSectionValueNames(10),
              (Zk_StringArray{L"Height", L"Width", L"Thickness", L"Radius"}));
    // A user section's columns keep their own names unless the "Prof" texts know them.
    EXPECT_EQ(sectionValueColumnTitles(Zk_String(L"Plate.dwg"), Zk_StringArray{L"a", L"b"}),
              (Zk_StringArray{L"a", L"b"}));
}

class Pictures : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(library.host() / "program" / "icons");
        fs::create_directories(library.host() / "User Sections");
    }
    ScratchLibrary library{"pictures"};
};

TEST_F(Pictures, BuiltInTypesUseTheirStemAndUnknownWhenMissing) {
    library.write("program/icons/ProfSectionRectTube-big.bmp", "BM");
    EXPECT_EQ(sectionTypeBitmap(Zk_String(L"10"), Zk_String(), true), L"ProfSectionRectTube-big.bmp");
    EXPECT_EQ(sectionTypeBitmap(Zk_String(L"10"), Zk_String(), false), L"Unknown-small.bmp");
    EXPECT_EQ(sectionTypeBitmap(Zk_String(L"99"), Zk_String(), true), L"Unknown-big.bmp");
    library.write("program/icons/Plate-small.bmp", "BM");
    EXPECT_EQ(sectionTypeBitmap(Zk_String(L"Plate.dwg"), Zk_String(), false), L"Plate-small.bmp");
    EXPECT_EQ(sectionTypeBitmap(Zk_String(), Zk_String(L"User Sections\\Plate.dwg"), false), L"Plate-small.bmp");
}

TEST_F(Pictures, UserSectionGetsAnAutomatedCopyRefreshedByANewerSource) {
    library.write("User Sections/Cleat.bmp", "first");
    EXPECT_EQ(sectionTypeBitmap(Zk_String(), Zk_String(L"User Sections\\Cleat.dwg"), false), L"Cleat-automated.bmp");
    const fs::path copy = library.host() / "program" / "icons" / "Cleat-automated.bmp";
    EXPECT_EQ(library.read("program/icons/Cleat-automated.bmp"), "first");
    // Big pictures are never made.
    EXPECT_EQ(sectionTypeBitmap(Zk_String(L"Cleat.dwg"), Zk_String(), true), L"Unknown-big.bmp");

    // An older source leaves the copy; a newer one replaces it.
    library.write("User Sections/Cleat.bmp", "second");
    fs::last_write_time(library.host() / "User Sections" / "Cleat.bmp", fs::last_write_time(copy) - std::chrono::hours(1));
    Zk_String name;
    EXPECT_TRUE(refreshUserSectionBitmap(Zk_String(L"Cleat"), name));
    EXPECT_EQ(library.read("program/icons/Cleat-automated.bmp"), "first");
    fs::last_write_time(library.host() / "User Sections" / "Cleat.bmp", fs::last_write_time(copy) + std::chrono::hours(1));
    EXPECT_TRUE(refreshUserSectionBitmap(Zk_String(L"Cleat"), name));
    EXPECT_EQ(name, L"Cleat-automated.bmp");
    EXPECT_EQ(library.read("program/icons/Cleat-automated.bmp"), "second");

    EXPECT_FALSE(refreshUserSectionBitmap(Zk_String(L"Nothing"), name));
    EXPECT_EQ(sectionTypeBitmap(Zk_String(L"Nothing.dwg"), Zk_String(), false), L"Unknown-small.bmp");
}

// A combo box on a dialog of its own.
class ComboHost {
public:
    ComboHost() {
        mfc::DialogTemplate t;
        t.caption = L"Combo";
        t.cx = 200;
        t.cy = 100;
        t.style = 0x80000000L;
        t.comboBox(100, 7, 7, 150, 100);
        mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), 29102, t);
        dialog.Create(29102, nullptr);
    }
    ~ComboHost() { dialog.DestroyWindow(); }
    CComboBox& combo() { return *static_cast<CComboBox*>(dialog.GetDlgItem(100)); }
    Zk_String item(int index) {
        CString text;
        combo().GetLBText(index, text);
        return Zk_String(text.GetString());
    }
    CDialog dialog;
};

TEST(SectionChoices, OffersTheActiveSectionsOfTheTableUnderTheirUserNamesAndTheKeepMarker) {
    ScratchLibrary library("choices");
    library.write("prof/HEA.pr", kHeaTable);
    ComboHost host;
    Zk_StringArray names;
    EXPECT_EQ(fillSectionCombo(host.combo(), names, Zk_String(L"HEA-HEA240")), 2);
    EXPECT_EQ(names, (Zk_StringArray{L"HEA-HEA200", L"HEA-HEA240", L""}));
    ASSERT_EQ(host.combo().GetCount(), 3);
    EXPECT_EQ(host.item(0), L"HEA 200");
    EXPECT_EQ(host.item(2), L"<keep>");
    EXPECT_EQ(host.combo().GetCurSel(), 1);

    EXPECT_EQ(fillSectionCombo(host.combo(), names, Zk_String()), 0);
    EXPECT_EQ(host.combo().GetCurSel(), 0);  // only the keep marker

    EXPECT_EQ(fillSectionCombo(host.combo(), names, Zk_String(L"User Sections\\Plate.dwg")), 1);
    EXPECT_EQ(host.item(0), L"Plate");
    EXPECT_EQ(host.combo().GetCurSel(), 0);
}

TEST(SectionChoices, PickingASectionGivesItsPathWithoutTheLibraryFolder) {
    ScratchLibrary library("pick");
    acad::ClearEditorLog();
    ScriptedUser user;
    user.onDialog(IDD_HOST_SELECT_PROF).replaceText(IDC_SELECT_PROF_PATH, L"User Sections\\Cleat.dwg").ok();
    Zk_String reference(L"HEA-HEA200");
    EXPECT_TRUE(pickSection(reference, true));
    EXPECT_EQ(reference, L"User Sections\\Cleat.dwg");
    ASSERT_EQ(acad::PostedCommands().size(), 1u);
    EXPECT_EQ(acad::PostedCommands()[0], L"CANCELCMD");

    user.onDialog(IDD_HOST_SELECT_PROF).cancel();
    EXPECT_FALSE(pickSection(reference, false));
    EXPECT_EQ(reference, L"User Sections\\Cleat.dwg");
    EXPECT_EQ(acad::PostedCommands().size(), 1u);
}

TEST(SectionTableText, ShowsAndReadsBackTheSameTable) {
    ScratchLibrary library("text");
    library.write("prof/HEA.pr", kHeaTable);
    Zk_ProfValuesTable table;
    ASSERT_TRUE(table.readFromFile(Zk_String(L"HEA")));
    const Zk_String text = sectionTableToText(table, false);
    Zk_ProfValuesTable back;
    Zk_String error;
    ASSERT_TRUE(sectionTableFromText(text, back, error)) << error.toUtf8();
    EXPECT_EQ(back.image, table.image);
    EXPECT_EQ(back.columnNames, table.columnNames);
    EXPECT_EQ(back.rows, table.rows);
    EXPECT_EQ(sectionTableToText(table, true).find(Zk_String(L"HEA220")), -1);

    // A refused text leaves the table as it was; a leading byte-order mark is skipped.
    EXPECT_FALSE(sectionTableFromText(text + Zk_String(L"HEA200\t1\ta\tb\tc\td\t1\t2\t3\n"), back, error));
    EXPECT_EQ(error, L"line 6: the system name \"HEA200\" is used on line 3 already");
    EXPECT_EQ(back.rows.length(), 3);
    EXPECT_TRUE(sectionTableFromText(Zk_String(L"\xFEFF") + text, back, error));
    EXPECT_EQ(back.image, L"hea.bmp");
    // Lines ending in more than one carriage return read as the same table, and that
    // table written out reads back unchanged.
    ASSERT_TRUE(sectionTableFromText(Zk_String(L"p.bmp\r\r\nS\tF\tA\tB\tC\tD\tKorean\r\r\nX\t1\ta\tb\tc\td\te\r\r\r\n"),
                                     back, error)) << error.toUtf8();
    EXPECT_EQ(back.image, L"p.bmp");
    EXPECT_EQ(back.columnNames.last(), L"Korean");
    EXPECT_EQ(back.rows[0][6], L"e");
    Zk_ProfValuesTable again;
    ASSERT_TRUE(sectionTableFromText(sectionTableToText(back, false), again, error));
    EXPECT_EQ(again.rows, back.rows);
    // Five languages: the Korean column holds names, not values.
    EXPECT_TRUE(sectionTableFromText(Zk_String(L"1\nS\tF\tA\tB\tC\tD\tKorean\nX\t1\ta\tb\tc\td\te\n"), back, error));
    EXPECT_EQ(back.rows[0][6], L"e");
    EXPECT_FALSE(sectionTableFromText(Zk_String(L"1\nS\tF\tA\tB\tC\tD\th\nX\t1\ta\tb\tc\td\te\n"), back, error));
    EXPECT_EQ(error, L"line 3: the value \"e\" of column \"h\" is not a number");
}

}  // namespace
