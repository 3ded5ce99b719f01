// FROMTABLE's four-argument form on look-up sheets kept between look-ups: an unchanged
// sheet without formulas answers later look-ups from memory, with the same result and
// command-line output as the look-up window gives; anything else still opens the window.
#include <gtest/gtest.h>

#include "acad/command_line.h"
#include "engine/kept_lookup_sheet.h"
#include "engine/sheet_file_cache.h"
#include "sheet_files.h"
#include "standards_runs.h"
#include "win/files.h"

namespace {

// Moves the file's last write time back by the given seconds, as a library file is.
void age(const Zk_String& file, int seconds) {
    FILETIME t;
    ASSERT_TRUE(GetFileLastWriteTime(file.wstr(), t));
    std::uint64_t v = (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    v -= static_cast<std::uint64_t>(seconds) * 10000000ULL;
    t.dwHighDateTime = static_cast<DWORD>(v >> 32);
    t.dwLowDateTime = static_cast<DWORD>(v);
    ASSERT_TRUE(SetFileLastWriteTime(file.wstr(), t));
}

class FromTableKept : public ::testing::Test {
protected:
    void SetUp() override {
        stdtest::registerDialogs();
        acad::ClearCommandLine();
        clearKeptLookUpSheets();
        clearSheetFileCache();
        writeBolts(L"#int:16");
    }
    void TearDown() override {
        clearKeptLookUpSheets();
        clearSheetFileCache();
    }

    void writeBolts(const std::wstring& m16Diameter, int agedBy = 3600) {
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("bolts.kms"),
                                        {{L"Size", L"Diameter", L"Edge", L"Grade", L""},
                                         {L"M12", L"#int:12", L"#num:20.5", L"8.8", L""},
                                         {L"M16", m16Diameter, L"#num:25", L"8.8", L""},
                                         {L"M16", L"#int:99", L"#num:99", L"10.9", L""},
                                         {L"", L"#int:7", L"", L"", L""},
                                         {L"M20", L"#int:20", L"#num:30", L"10.9", L"x"}},
                                        true));
        if (agedBy > 0) age(table(), agedBy);
    }
    Zk_String table() const { return folder.winPath("bolts.kms"); }

    // The text cell (1, 1) of a caller sheet calculates to with the look-up's arguments
    // after the file; output gets the command line of that evaluation.
    std::wstring lookUp(const std::wstring& argsAfterFile, std::wstring* output = nullptr) {
        EXPECT_TRUE(stdtest::writeSheet(folder.hostFile("caller.kms"),
                                        {{L"=FROMTABLE(\"" + table().wstr() + L"\"," + argsAfterFile + L")", L"M20"}}));
        acad::ClearCommandLine();
        const std::wstring text = stdtest::evaluateFirstCell(folder.winPath("caller.kms"));
        if (output) *output = acad::CommandLineText();
        return text;
    }

    stdtest::ScratchFolder folder{"fromtable_kept"};
};

TEST_F(FromTableKept, AKeptSheetAnswersAsTheWindowDid) {
    struct Case {
        const wchar_t* args;
        const wchar_t* text;
        const wchar_t* output;  // part of the command line, empty when no result is printed
    } cases[] = {
        {L"\"Size\",\"Diameter\",\"M16\"", L"16", L"Result is long: 16\n"},      // the first M16 row
        {L"\"Size\",\"Edge\",\"M12\"", L"20.5", L"Result is double: 20.500000\n"},
        {L"\"Size\",\"Grade\",\"M20\"", L"10.9", L"Result is string: 10.9\n"},
        {L"\"SIZE\",\"diameter\",\"m20\"", L"20", L"Result is long: 20\n"},      // case ignored
        {L"\"Size\",\"Diameter\",B1", L"20", L"Result is long: 20\n"},           // key from the calling sheet
        {L"\"Size\",\"Diameter\",\"\"", L"7", L"Result is long: 7\n"},           // an empty key finds an empty cell
        {L"\"Size\",\"E\",\"M20\"", L"x", L"Result is string: x\n"},             // an untitled column reads as its letter
        {L"\"Size\",\"Diameter\",\"M2\"", L"", L""},                             // no such key
        {L"\"Size \",\"Diameter\",\"M20\"", L"", L""},                           // no such title
    };
    for (const Case& c : cases) {
        clearKeptLookUpSheets();
        const std::size_t made = keptLookUpSheetsMade();
        std::wstring byWindow, byKept;
        const std::wstring first = lookUp(c.args, &byWindow);
        EXPECT_EQ(keptLookUpSheetsMade(), made + 1) << c.args;
        const std::wstring again = lookUp(c.args, &byKept);
        EXPECT_EQ(keptLookUpSheetsMade(), made + 1) << c.args;  // answered by the kept sheet
        EXPECT_EQ(first, c.text) << c.args;
        EXPECT_EQ(again, c.text) << c.args;
        EXPECT_EQ(byKept, byWindow) << c.args;
        if (*c.output) {
            EXPECT_NE(byKept.find(c.output), std::wstring::npos) << c.args;
        } else {
            EXPECT_EQ(byKept.find(L"Result is"), std::wstring::npos) << c.args;
        }
    }
}

TEST_F(FromTableKept, ARewrittenSheetIsReadAgain) {
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"16");
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"16");
    writeBolts(L"#int:17", 1800);
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"17");
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"17");
}

TEST_F(FromTableKept, SheetsWithFormulasAndFreshFilesAreNotKept) {
    const std::size_t made = keptLookUpSheetsMade();
    writeBolts(L"=2*8");  // a value calculated at each look-up
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"16");
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"16");
    writeBolts(L"#int:18", 0);  // written just now: its write time cannot tell a change yet
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"18");
    EXPECT_EQ(lookUp(L"\"Size\",\"Diameter\",\"M16\""), L"18");
    EXPECT_EQ(keptLookUpSheetsMade(), made);
}

}  // namespace
