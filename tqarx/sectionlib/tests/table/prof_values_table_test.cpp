#include "sectionlib/zk_prof_values_table.h"

#include <gtest/gtest.h>

#include "host/section_tables.h"
#include "host/texts.h"
#include "sectionlib_test_support.h"
#include "win/file_faults.h"

namespace {

class ValuesTable : public ::testing::Test {
protected:
    void SetUp() override {
        library.write("prof/HEA.pr", kHeaTable);
        ASSERT_TRUE(table.readFromFile(Zk_String(L"HEA")));
    }
    ScratchLibrary library{"table"};
    Zk_ProfValuesTable table;
};

TEST_F(ValuesTable, ReadsImageColumnNamesAndRowsFromTheProfFolder) {
    EXPECT_EQ(table.typeName, L"HEA");
    EXPECT_EQ(table.image, L"hea.bmp");
    EXPECT_EQ(table.columnNames.length(), 9);
    ASSERT_EQ(table.rows.length(), 3);
    EXPECT_EQ(table.rows[2][0], L"HEA240");
    EXPECT_EQ(table.getNrLanguages(), 4);
    EXPECT_EQ(table.firstValueCol(), 6);

    // ".pr" is not added twice; a missing file fails and keeps the table.
    Zk_ProfValuesTable again;
    EXPECT_TRUE(again.readFromFile(Zk_String(L"HEA.pr")));
    EXPECT_EQ(again.rows, table.rows);
    EXPECT_FALSE(table.readFromFile(Zk_String(L"UPN")));
    EXPECT_EQ(table.rows.length(), 3);

    // One row only: it stays a row, and nothing else is set.
    library.write("prof/One.pr", "just.bmp\r\n");
    Zk_ProfValuesTable one;
    ASSERT_TRUE(one.readFromFile(Zk_String(L"One")));
    EXPECT_TRUE(one.image.isEmpty());
    EXPECT_EQ(one.rows.length(), 1);
}

TEST_F(ValuesTable, WritesTheSameBytesBackAndFailsWithoutTouchingTheOldFile) {
    ASSERT_TRUE(table.writeToFile(Zk_String(L"Copy")));
    EXPECT_EQ(library.read("prof/Copy.pr"), kHeaTable);

    // A folder in the way of the file: the write fails and reports it.
    std::filesystem::create_directories(library.host() / "prof" / "Blocked.pr");
    EXPECT_FALSE(table.writeToFile(Zk_String(L"Blocked")));
    // A write or rename that fails half way: reported, and the old file is as it was.
    win::ScopedFileFaults faults;
    table.rows[0][6] = Zk_String(L"999");
    win::FailNextWrite();
    EXPECT_FALSE(table.writeToFile(Zk_String(L"HEA")));
    EXPECT_EQ(library.read("prof/HEA.pr"), kHeaTable);
    win::FailNextRename();
    EXPECT_FALSE(table.writeToFile(Zk_String(L"HEA")));
    EXPECT_EQ(library.read("prof/HEA.pr"), kHeaTable);
    EXPECT_TRUE(table.writeToFile(Zk_String(L"HEA")));
    EXPECT_NE(library.read("prof/HEA.pr").find("HEA200\t1\tHEA 200\tHE 200 A\tHEA 200\tHEA200\t999"), std::string::npos);
}

TEST_F(ValuesTable, ColumnsByIndexAndNameWithShortRowsGivingEmptyTexts) {
    table.rows[1].setLength(3);
    Zk_StringArray column;
    ASSERT_TRUE(table.getColumn(column, 6));
    EXPECT_EQ(column, (Zk_StringArray{L"190", L"", L"230"}));
    ASSERT_TRUE(table.getColumn(column, Zk_String(L"tw")));
    EXPECT_EQ(column, (Zk_StringArray{L"6.5", L"", L"7.5"}));
    EXPECT_FALSE(table.getColumn(column, 9));
    EXPECT_FALSE(table.getColumn(column, -1));
    EXPECT_FALSE(table.getColumn(column, Zk_String(L"Weight")));
    EXPECT_EQ(table.getColumnIdx(Zk_String(L"GER")), 3);
    EXPECT_EQ(table.getColumnIdx(Zk_String(L"xx")), -1);
    Zk_ProfValuesTable empty;
    EXPECT_FALSE(empty.getColumn(column, 0));
}

TEST_F(ValuesTable, RowsAreReadAndDeletedOnlyInsideTheTable) {
    Zk_StringArray row;
    EXPECT_TRUE(table.getRow(row, 0));
    EXPECT_EQ(row[0], L"HEA200");
    EXPECT_FALSE(table.getRow(row, 3));
    EXPECT_FALSE(table.deleteRow(-1));
    EXPECT_TRUE(table.deleteRow(1));
    EXPECT_EQ(table.rows.length(), 2);
    EXPECT_EQ(table.rows[1][0], L"HEA240");
}

TEST_F(ValuesTable, InsertedCopyTakesTheLettersOfItsUserNameAndANewSystemName) {
    ASSERT_EQ(gMacroLangs.GetCurLanguage(), L"ENG");
    ASSERT_TRUE(table.insertRow(0));
    ASSERT_EQ(table.rows.length(), 4);
    const Zk_StringArray& copy = table.rows[1];
    EXPECT_EQ(copy[0], L"HEA2001");
    EXPECT_EQ(copy[2], L"HEA HEA2001");   // letters and the blank, then the system name
    EXPECT_EQ(copy[3], L"HE 200 A");      // other languages as copied
    EXPECT_EQ(copy[6], L"190");
    EXPECT_EQ(table.rows[0][0], L"HEA200");

    // A row without a system name or letters: "1" and the type name.
    table.rows[0][0] = Zk_String();
    table.rows[0][2] = Zk_String(L"300");
    ASSERT_TRUE(table.insertRow(0));
    EXPECT_EQ(table.rows[1][0], L"1");
    EXPECT_EQ(table.rows[1][2], L"HEA1");
}

TEST_F(ValuesTable, InsertOnTheLastRowIsRefusedAndChangesNothing) {
    const Zk_ProfValuesTable before = table;
    EXPECT_FALSE(table.insertRow(2));
    EXPECT_FALSE(table.insertRow(7));
    EXPECT_EQ(table.rows, before.rows);
    EXPECT_EQ(table.insertRow(2, Zk_String(L"X"), Zk_String(L"Y")), Acad::eInvalidInput);
    EXPECT_EQ(table.rows, before.rows);
}

TEST_F(ValuesTable, InsertWithNamesRenamesTheRowAndTheCopyKeepsItsGeneratedName) {
    ASSERT_EQ(table.insertRow(0, Zk_String(L"HEA210"), Zk_String(L"HEA 210")), Acad::eOk);
    EXPECT_EQ(table.rows[0][0], L"HEA210");
    for (int c = 2; c <= 5; ++c) EXPECT_EQ(table.rows[0][c], L"HEA 210") << c;
    EXPECT_EQ(table.rows[1][0], L"HEA2001");
}

TEST_F(ValuesTable, NamesAndValuesAreSetOnlyOnRowsLongEnough) {
    EXPECT_EQ(table.setSysName(0, Zk_String(L"A")), Acad::eOk);
    EXPECT_EQ(table.setSysName(3, Zk_String(L"A")), Acad::eInvalidInput);
    table.rows.append(Zk_StringArray());
    EXPECT_EQ(table.setSysName(3, Zk_String(L"A")), Acad::eInvalidInput);
    table.rows[3] = Zk_StringArray{L"S", L"1", L"a", L"b", L"c"};
    EXPECT_EQ(table.setUserNames(3, Zk_String(L"N")), Acad::eInvalidInput);
    EXPECT_EQ(table.rows[3][2], L"a");

    EXPECT_EQ(table.setValues(0, AcArray<double>{180.0, 200.25, 6.0}), Acad::eOk);
    EXPECT_EQ(table.rows[0][6], L"180");
    EXPECT_EQ(table.rows[0][7], L"200.25");
    EXPECT_EQ(table.rows[0][8], L"6");
    EXPECT_EQ(table.setValues(0, AcArray<double>{1.0, 2.0}), Acad::eInvalidInput);
    EXPECT_EQ(table.rows[0][6], L"180");
    EXPECT_EQ(table.setValues(9, AcArray<double>{1.0, 2.0, 3.0}), Acad::eInvalidInput);
}

TEST_F(ValuesTable, SystemNameListingsAndLookups) {
    Zk_StringArray names{L"stale"};
    table.getSysNames(names);
    EXPECT_EQ(names, (Zk_StringArray{L"HEA-HEA200", L"HEA-HEA220", L"HEA-HEA240"}));
    table.getFilteredSysNames(names);
    EXPECT_EQ(names, (Zk_StringArray{L"HEA-HEA200", L"HEA-HEA240"}));
    // A row without a flag counts as active; a table without rows lists nothing.
    table.rows.append(Zk_StringArray{L"HEA260"});
    table.getSysNames(names, true);
    EXPECT_EQ(names.length(), 3);
    table.rows.removeLast();
    Zk_ProfValuesTable empty;
    empty.getSysNames(names, false);
    EXPECT_TRUE(names.isEmpty());

    int index = -1;
    EXPECT_TRUE(table.findSysName(Zk_String(L"HEA240"), index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(table.findSysName(Zk_String(L"HEA999"), index));
    EXPECT_EQ(table.findUnusedSysName(Zk_String(L"HEA300")), L"HEA300");
    EXPECT_EQ(table.findUnusedSysName(Zk_String(L"HEA200")), L"HEA2001");
}

TEST_F(ValuesTable, FilteredIndexCountsActiveRowsBefore) {
    table.rows[0][1] = Zk_String(L"0");
    EXPECT_EQ(table.getfilteredIdx(0), 0);  // whatever its own flag
    table.rows.append(table.rows[2]);       // rows: 0 inactive, 1 inactive, 2, 3
    EXPECT_EQ(table.getfilteredIdx(3), 1);
    EXPECT_EQ(table.getfilteredIdx(4), -1);
    EXPECT_EQ(table.getfilteredIdx(-1), -1);
}

TEST_F(ValuesTable, KoreanAtIndexSixMeansFiveLanguages) {
    table.columnNames.insertAt(6, Zk_String(L"Korean"));
    EXPECT_EQ(table.getNrLanguages(), 5);
    table.columnNames[6] = Zk_String(L"h");
    EXPECT_EQ(table.getNrLanguages(), 4);
}

TEST_F(ValuesTable, RemovesRowsWhoseFlagIsExactlyZero) {
    table.rows.append(Zk_StringArray{L"HEA260", L" 0"});
    table.rows.append(Zk_StringArray{L"0"});
    table.removeInactiveEntries();
    ASSERT_EQ(table.rows.length(), 4);
    EXPECT_EQ(table.rows[1][0], L"HEA240");
}

TEST_F(ValuesTable, SheetShowsTheTableAndGivesItBack) {
    SheetHost host;
    ASSERT_TRUE(host.created);
    ASSERT_TRUE(table.setToTq(host.sheet));
    EXPECT_EQ(host.sheet.getRowCount(), 3);
    EXPECT_EQ(host.sheet.getColCount(), 9);
    EXPECT_EQ(host.cell(1, 0, 0), L"SysName");
    EXPECT_EQ(host.cell(0, 2, 0), L"HEA");
    EXPECT_EQ(host.cell(1, 3), L"HEA240");
    EXPECT_EQ(host.cell(9, 1), L"6.5");
    EXPECT_EQ(host.cell(2, 2), L"0");

    Zk_ProfValuesTable back;
    ASSERT_TRUE(back.getFromTq(host.sheet));
    EXPECT_EQ(back.typeName, L"HEA");
    EXPECT_EQ(back.columnNames, table.columnNames);
    EXPECT_EQ(back.rows, table.rows);

    // An empty table empties the sheet and reports false; an empty sheet gives nothing.
    Zk_ProfValuesTable empty;
    EXPECT_FALSE(empty.setToTq(host.sheet));
    EXPECT_EQ(host.sheet.getRowCount(), 0);
    EXPECT_EQ(host.sheet.getColCount(), 0);
    EXPECT_FALSE(back.getFromTq(host.sheet));
    EXPECT_EQ(back.rows.length(), 3);
}

TEST_F(ValuesTable, GlobalsGetTheTableWithoutItsFlagColumn) {
    EXPECT_EQ(table.setToGlobals(nullptr), Acad::eInvalidInput);
    ASSERT_EQ(table.setToGlobals(&gSectionTables), Acad::eOk);
    const Zk_SectionTable* held = nullptr;
    ASSERT_EQ(gSectionTables.findTable(Zk_String(L"HEA"), held), Acad::eOk);
    EXPECT_EQ(held->image, L"Prof\\hea.bmp");
    EXPECT_EQ(held->columnNames, (Zk_StringArray{L"SysName", L"ENG", L"GER", L"FRA", L"NED", L"h", L"b", L"tw"}));
    ASSERT_EQ(held->rows.length(), 3);
    for (const Zk_StringArray& row : held->rows) EXPECT_EQ(row.length(), 8);
    EXPECT_EQ(held->rows[1][1], L"HEA 220");
    // The product functions see the edited values at once.
    table.rows[0][6] = Zk_String(L"191");
    table.image = Zk_String(L"1");
    ASSERT_EQ(table.setToGlobals(&gSectionTables), Acad::eOk);
    Zk_String value;
    ASSERT_EQ(getSectionValue(Zk_String(L"HEA-HEA200"), 0, value), Acad::eOk);
    EXPECT_EQ(value, L"191");
    ASSERT_EQ(gSectionTables.findTable(Zk_String(L"HEA"), held), Acad::eOk);
    EXPECT_EQ(held->image, L"1");
}

}  // namespace
