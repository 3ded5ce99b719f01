#include "host/section_tables.h"

#include <fstream>

#include <gtest/gtest.h>

#include "host/settings.h"
#include "macro_test_support.h"

namespace {

void writeFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A library with two section types, one of them with five languages.
class SectionTables : public ::testing::Test {
protected:
    SectionTables() : folder("sections") {}
    void SetUp() override {
        savedLib = gSettings.libDir;
        writeFile(folder.host() / "prof" / "HEA.pr",
                  "hea.bmp\n"
                  "Name\tActive\tENG\tGER\tFRA\tNED\th\tb\ttw\n"
                  "HEA200\t1\tHE 200 A\tHE200A\tHEA 200\tHEA200\t190\t200\t6.5\n"
                  "HEA220\t0\tHE 220 A\tHE220A\tHEA 220\tHEA220\t210\t220\t7\n");
        writeFile(folder.host() / "prof" / "IPE.pr",
                  "ipe.bmp\n"
                  "Name\tActive\tENG\tGER\tFRA\tNED\tKorean\th\tb\n"
                  "IPE300\t1\tIPE 300\tIPE300\tIPE 300\tIPE300\tIPE300K\t300\t150\n");
        gSettings.libDir = Zk_String(folder.win() + Zk_String(L"\\"));
        gSectionTables.clear();
    }
    void TearDown() override {
        gSettings.libDir = savedLib;
        gSectionTables.clear();
    }
    ScratchFolder folder;
    Zk_String savedLib;
};

TEST_F(SectionTables, ReadsTablesFromTheProfFolderWithoutTheFlagColumn) {
    const Zk_SectionTable* table = nullptr;
    ASSERT_EQ(gSectionTables.findTable(Zk_String(L"HEA.pr"), table), Acad::eOk);
    EXPECT_EQ(table->typeName, L"HEA");
    EXPECT_EQ(table->image, L"hea.bmp");
    EXPECT_EQ(table->columnNames, (Zk_StringArray{L"Name", L"ENG", L"GER", L"FRA", L"NED", L"h", L"b", L"tw"}));
    ASSERT_EQ(table->rows.length(), 2);
    EXPECT_EQ(table->rows[1][0], L"HEA220");
    EXPECT_EQ(table->rows[1][1], L"HE 220 A");
    EXPECT_EQ(gSectionTables.findTable(Zk_String(L"UPN"), table), Acad::eInvalidInput);
}

TEST_F(SectionTables, ValuesByColumnAfterTheLanguages) {
    Zk_StringArray names;
    ASSERT_EQ(getSectionColumnNames(Zk_String(L"HEA-HEA200"), names), Acad::eOk);
    EXPECT_EQ(names, (Zk_StringArray{L"h", L"b", L"tw"}));
    Zk_String value;
    ASSERT_EQ(getSectionValue(Zk_String(L"HEA-HEA220"), 2, value), Acad::eOk);
    EXPECT_EQ(value, L"7");
    // Five languages when the column after the fourth is "Korean".
    ASSERT_EQ(getSectionColumnNames(Zk_String(L"IPE-IPE300"), names), Acad::eOk);
    EXPECT_EQ(names, (Zk_StringArray{L"h", L"b"}));
    ASSERT_EQ(getSectionValue(Zk_String(L"IPE-IPE300"), 0, value), Acad::eOk);
    EXPECT_EQ(value, L"300");
    EXPECT_EQ(getSectionValue(Zk_String(L"IPE-IPE300"), 2, value), Acad::eInvalidInput);
    EXPECT_EQ(getSectionValue(Zk_String(L"IPE-IPE300"), -1, value), Acad::eInvalidInput);
    EXPECT_EQ(getSectionValue(Zk_String(L"IPE-IPE999"), 0, value), Acad::eInvalidInput);
    // A user name finds its section too.
    ASSERT_EQ(getSectionValue(Zk_String(L"HE 200 A"), 1, value), Acad::eOk);
    EXPECT_EQ(value, L"200");
}

TEST_F(SectionTables, SystemAndUserNames) {
    Zk_String name;
    ASSERT_TRUE(gSectionTables.getSystemName(Zk_String(L"hea 220"), name));
    EXPECT_EQ(name, L"HEA-HEA220");
    ASSERT_TRUE(gSectionTables.getSystemName(Zk_String(L"IPE-IPE300"), name));
    EXPECT_EQ(name, L"IPE-IPE300");
    EXPECT_FALSE(gSectionTables.getSystemName(Zk_String(L"PL10"), name));
    ASSERT_TRUE(gSectionTables.getUserName(Zk_String(L"HEA-HEA200"), name));
    EXPECT_EQ(name, L"HE 200 A");
    EXPECT_FALSE(gSectionTables.getUserName(Zk_String(L"HEA-HEA999"), name));
}

TEST_F(SectionTables, AddedTablesReplaceAndAnotherLibraryIsReadAfresh) {
    ASSERT_EQ(gSectionTables.addSectionTable(Zk_String(L"HEA.pr"), Zk_String(L"Prof\\x.bmp"),
                                             Zk_StringArray{L"Name", L"ENG", L"GER", L"FRA", L"NED", L"h"},
                                             Zk_Array<Zk_StringArray>{Zk_StringArray{L"HEA100", L"a", L"b", L"c", L"d", L"96"}}),
              Acad::eOk);
    Zk_String value;
    ASSERT_EQ(getSectionValue(Zk_String(L"HEA-HEA100"), 0, value), Acad::eOk);
    EXPECT_EQ(value, L"96");
    EXPECT_EQ(getSectionValue(Zk_String(L"HEA-HEA200"), 0, value), Acad::eInvalidInput);

    ScratchFolder other("sections_other");
    writeFile(other.host() / "prof" / "HEA.pr", "i\nName\tActive\tENG\tGER\tFRA\tNED\th\nHEA200\t1\ta\tb\tc\td\t191\n");
    gSettings.libDir = other.win();
    ASSERT_EQ(getSectionValue(Zk_String(L"HEA-HEA200"), 0, value), Acad::eOk);
    EXPECT_EQ(value, L"191");
}

TEST_F(SectionTables, ShortOrMissingFilesAreNoTables) {
    writeFile(folder.host() / "prof" / "BAD.pr", "only one row\n");
    const Zk_SectionTable* table = nullptr;
    EXPECT_EQ(gSectionTables.findTable(Zk_String(L"BAD"), table), Acad::eInvalidInput);
    EXPECT_EQ(gSectionTables.loadTableFile(folder.win("prof/none.pr")), Acad::eInvalidInput);
}

}  // namespace
