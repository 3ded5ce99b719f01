// The standards mapping page: the spreadsheets of the macro with their targets, the
// variables of the current one with their macro values, and what storing writes.
#include "engine/km_tq_mapping.h"
#include "host/random_string.h"
#include "macroedit/tab_macro_mapping.h"
#include "settings_test_support.h"

namespace {

using namespace settings_test;
using Page = CDlgMacroSettings::Page;
constexpr int kMapping = Page::kMappingPage;

// Draws from a fixed list (then fails), to make the page's names repeatable.
std::vector<std::wstring> gDraws;
bool drawFromList(int length, Zk_String& text) {
    if (gDraws.empty() || static_cast<int>(gDraws.front().size()) != length) return false;
    text = Zk_String(gDraws.front());
    gDraws.erase(gDraws.begin());
    return true;
}

const std::wstring kTaken = L"TakenTakenTakenTakenTake";
const std::wstring kFresh = L"FreshFreshFreshFreshFres";

class MappingPage : public SettingsDialogTest {
protected:
    void SetUp() override {
        SettingsDialogTest::SetUp();
        dbMacro = Zk_DbMacro(endPlateMacro());
        data.mapping.dbMacro = &dbMacro;
        data.mapping.moduleNames = Zk_StringArray{L"Plate", L"Bolts"};
        data.mapping.standards = Zk_StringArray{L"EndPlate"};
        data.mapping.mappings = Zk_StringArray{L"EndPlate"};
        previousSource = setRandomStringSource(&drawFromList);
        gDraws.clear();
        mapBefore = readAll(mapFile());
    }
    void TearDown() override {
        setRandomStringSource(previousSource);
        SettingsDialogTest::TearDown();
    }

    static CTabMacroMapping& page(CDialog& dlg) { return settingsDialog(dlg).mappingPage(); }
    static void toPage(mfc::DialogSteps& s) { s.selectTab(IDC_MS_TAB, kMapping); }

    Zk_DbMacro dbMacro;
    MacroSettingsData data;
    RandomStringSource previousSource = nullptr;
    std::string mapBefore;
};

TEST_F(MappingPage, TheLowerGridListsInputsAndOutputsWithTheStoredChoices) {
    run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        s.then([](CDialog& dlg) {
            Zk_Spread& grid = page(dlg).objectsGrid();
            EXPECT_EQ(cell(grid, 1, 0), L"Type");
            EXPECT_EQ(cell(grid, 2, 0), L"Std Name");
            EXPECT_EQ(cell(grid, 3, 0), L"Macro object");
            ASSERT_EQ(grid.getRowCount(), 9);
            EXPECT_EQ(cell(grid, 1, 1), L"Input");
            EXPECT_EQ(cell(grid, 1, 2), L"Tekst");
            EXPECT_EQ(cell(grid, 2, 2), L"Column");
            // The example maps Column through the plate's group; the macro offers its
            // base profile without one: nothing compatible, nothing chosen.
            EXPECT_EQ(cell(grid, 3, 2), L"");
            EXPECT_EQ(cell(grid, 1, 3), L"Decim");
            EXPECT_EQ(cell(grid, 3, 3), L"Plate.Thickness");
            EXPECT_EQ(cell(grid, 1, 4), L"Output");
            EXPECT_EQ(cell(grid, 2, 7), L"BoltDiameter");
            EXPECT_EQ(cell(grid, 3, 7), L"Bolts.BoltsDiameter");
            ASSERT_EQ(page(dlg).links().length(), 7);
            // A text variable is offered the text values only.
            EXPECT_TRUE(page(dlg).links()[0].choices.contains(Zk_String(L"Prof0.PrPlName")));
            EXPECT_FALSE(page(dlg).links()[0].choices.contains(Zk_String(L"Plate.Width")));
            EXPECT_TRUE(page(dlg).links()[1].choices.contains(Zk_String(L"Plate.Width")));
            // The spreadsheets below the folder, relative and without extension.
            EXPECT_EQ(page(dlg).spreadsheetNames(), (Zk_StringArray{L"Childs\\BoltLayout", L"EndPlate"}));
        });
        s.cancel();
    });
}

TEST_F(MappingPage, AnUnchangedEntireMacroMappingKeepsItsNameAndLeavesTheFlagClear) {
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        s.then([](CDialog& dlg) { EXPECT_EQ(cell(page(dlg).standardsGrid(), 2, 1), L"<Entire macro>"); });
        // A choice changed and changed back is no change either.
        typeCell(s, kMapping, IDC_MSM_OBJECTS, 3, 5, L"Plate.Length");
        typeCell(s, kMapping, IDC_MSM_OBJECTS, 3, 5, L"Plate.Width");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L"EndPlate"}));
    EXPECT_FALSE(data.mapping.mappingChanged);
    EXPECT_EQ(readAll(mapFile()), mapBefore);
}

TEST_F(MappingPage, MappingASpreadsheetToAModuleStoresTheModuleAndWritesNoMapping) {
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        typeCell(s, kMapping, IDC_MSM_STANDARDS, 2, 1, L"Bolts");
        s.then([](CDialog& dlg) { EXPECT_TRUE(page(dlg).links().isEmpty()); });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L"Module.Bolts"}));
    EXPECT_TRUE(data.mapping.mappingChanged);
    EXPECT_EQ(readAll(mapFile()), mapBefore);
}

TEST_F(MappingPage, AModuleTargetShowsTheModuleAndBackToTheEntireMacroStartsWithoutAMapping) {
    data.mapping.mappings = Zk_StringArray{L"Module.Plate"};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(cell(page(dlg).standardsGrid(), 2, 1), L"Plate");
            EXPECT_TRUE(page(dlg).links().isEmpty());
        });
        typeCell(s, kMapping, IDC_MSM_STANDARDS, 2, 1, L"<Entire macro>");
        s.then([](CDialog& dlg) {
            ASSERT_EQ(page(dlg).links().length(), 7);
            EXPECT_EQ(cell(page(dlg).objectsGrid(), 3, 3), L"");
        });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L""}));
    EXPECT_TRUE(data.mapping.mappingChanged);
}

TEST_F(MappingPage, AChangedMappingIsWrittenUnderAFreshNameNotTakenYet) {
    // A mapping of that name exists already: the page draws again.
    {
        std::ofstream(mapFile(), std::ios::binary | std::ios::app)
            << Zk_String(kTaken + L"=Width\u0192Plate\u2022Distance Width\r\n").toUtf8();
    }
    gDraws = {kTaken, kFresh};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        typeCell(s, kMapping, IDC_MSM_OBJECTS, 3, 2, L"Prof0.PrPlName");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{Zk_String(kFresh)}));
    EXPECT_TRUE(data.mapping.mappingChanged);
    // The other mappings stay.
    KmTqMapping other;
    EXPECT_EQ(other.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(L"EndPlate")), Acad::eOk);
    EXPECT_EQ(other.mappedObjects().length(), 7);
    EXPECT_EQ(other.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(kTaken)), Acad::eOk);
    EXPECT_EQ(other.mappedObjects().length(), 1);
    KmTqMapping fresh;
    ASSERT_EQ(fresh.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(kFresh)), Acad::eOk);
    ASSERT_EQ(fresh.mappedObjects().length(), 7);
    EXPECT_EQ(fresh.mappedObjects()[0].tqVarName, L"Column");
    EXPECT_EQ(fresh.mappedObjects()[0].mapType, kMapPrPlName);
    EXPECT_EQ(fresh.mappedObjects()[0].memberName, L"Prof0");
    EXPECT_EQ(fresh.mappedObjects()[1].tqVarName, L"Thickness");
    EXPECT_EQ(fresh.mappedObjects()[1].objectPath, L"Plate");
}

TEST_F(MappingPage, AFailingDrawStoresNothing) {
    gDraws.clear();  // every draw fails
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        typeCell(s, kMapping, IDC_MSM_OBJECTS, 3, 5, L"Plate.Length");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L"EndPlate"}));
    EXPECT_FALSE(data.mapping.mappingChanged);
    EXPECT_EQ(readAll(mapFile()), mapBefore);
}

TEST_F(MappingPage, RowsAreInsertedMovedAndRemovedAroundTheCurrentRow) {
    data.mapping.standards = Zk_StringArray{L"EndPlate", L"Childs\\BoltLayout"};
    data.mapping.mappings = Zk_StringArray{L"EndPlate", L"Module.Bolts"};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        clickCell(s, kMapping, IDC_MSM_STANDARDS, 1, 2);
        click(s, kMapping, IDC_MSM_DOWN);  // the last row goes no further
        click(s, kMapping, IDC_MSM_UP);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(page(dlg).currentRow(), 0);
            EXPECT_EQ(cell(page(dlg).standardsGrid(), 1, 1), L"Childs\\BoltLayout");
            EXPECT_EQ(cell(page(dlg).standardsGrid(), 2, 1), L"Bolts");
        });
        click(s, kMapping, IDC_MS_ADD);
        s.then([](CDialog& dlg) {
            EXPECT_EQ(page(dlg).standardsGrid().getRowCount(), 3);
            EXPECT_EQ(cell(page(dlg).standardsGrid(), 1, 1), L"");
            EXPECT_EQ(page(dlg).currentRow(), 0);
        });
        clickCell(s, kMapping, IDC_MSM_STANDARDS, 1, 3);
        click(s, kMapping, IDC_MS_REMOVE);
        s.then([](CDialog& dlg) { EXPECT_EQ(page(dlg).currentRow(), 1); });
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    // The inserted row never got a spreadsheet: it is dropped.
    EXPECT_EQ(data.mapping.standards, (Zk_StringArray{L"Childs\\BoltLayout"}));
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L"Module.Bolts"}));
    EXPECT_TRUE(data.mapping.mappingChanged);
}

TEST_F(MappingPage, ASpreadsheetListedTwiceKeepsTheMappingOfEachRow) {
    data.mapping.standards = Zk_StringArray{L"EndPlate", L"EndPlate"};
    data.mapping.mappings = Zk_StringArray{L"EndPlate", L"Other"};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        typeCell(s, kMapping, IDC_MSM_STANDARDS, 2, 2, L"<Entire macro>");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L"EndPlate", L"Other"}));
    EXPECT_FALSE(data.mapping.mappingChanged);
}

TEST_F(MappingPage, ASpreadsheetThatDoesNotLoadLeavesTheLowerGridEmpty) {
    data.mapping.standards = Zk_StringArray{L"Missing"};
    data.mapping.mappings = Zk_StringArray{L"Missing"};
    run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        s.then([](CDialog& dlg) {
            EXPECT_TRUE(page(dlg).links().isEmpty());
            EXPECT_EQ(page(dlg).objectsGrid().getRowCount(), 1);
            EXPECT_EQ(cell(page(dlg).standardsGrid(), 1, 1), L"Missing");
        });
        s.cancel();
    });
}

TEST_F(MappingPage, AnUnreadableMappingFileLeavesTheLowerGridEmptyAndIsNotOverwritten) {
    // A directory in place of the mapping file cannot be read.
    fs::remove(mapFile());
    fs::create_directory(mapFile());
    run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        s.then([](CDialog& dlg) { EXPECT_TRUE(page(dlg).links().isEmpty()); });
        s.ok();
    });
    EXPECT_TRUE(fs::is_directory(mapFile()));
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{L"EndPlate"}));
}

TEST_F(MappingPage, ANewRowIsMappedFromAnEmptyMapping) {
    data.mapping.standards.clear();
    data.mapping.mappings.clear();
    gDraws = {kFresh};
    const INT_PTR result = run(data, [](mfc::DialogSteps& s) {
        toPage(s);
        typeCell(s, kMapping, IDC_MSM_STANDARDS, 1, 1, L"EndPlate");
        s.then([](CDialog& dlg) {
            ASSERT_EQ(page(dlg).links().length(), 7);
            EXPECT_EQ(cell(page(dlg).standardsGrid(), 2, 1), L"");
            EXPECT_EQ(cell(page(dlg).objectsGrid(), 3, 5), L"");
        });
        typeCell(s, kMapping, IDC_MSM_OBJECTS, 3, 5, L"Plate.Width");
        s.ok();
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(data.mapping.standards, (Zk_StringArray{L"EndPlate"}));
    EXPECT_EQ(data.mapping.mappings, (Zk_StringArray{Zk_String(kFresh)}));
    KmTqMapping fresh;
    ASSERT_EQ(fresh.getMappingFromFile(Zk_String(L"EndPlate"), Zk_String(kFresh)), Acad::eOk);
    ASSERT_EQ(fresh.mappedObjects().length(), 1);
    EXPECT_EQ(fresh.mappedObjects()[0].tqVarName, L"Width");
}

}  // namespace
