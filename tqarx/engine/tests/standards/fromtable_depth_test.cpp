// FROMTABLE look-ups nested through tables whose cells look up further tables: up to the
// limit they resolve; one level more, or a table that looks itself up, ends with
// #VALUE! and a command-line message naming the tables, never a stack overflow.
#include <gtest/gtest.h>

#include "acad/command_line.h"
#include "engine/formula.h"
#include "sheet_files.h"
#include "standards_runs.h"

namespace {

class FromTableDepth : public ::testing::Test {
protected:
    void SetUp() override {
        stdtest::registerDialogs();
        acad::ClearCommandLine();
    }

    std::wstring table(int i) const { return folder.winPath("t" + std::to_string(i) + ".kms").wstr(); }
    // The value of row "k" in the table's "Value" column.
    std::wstring lookUp(const std::wstring& file) const {
        return L"=FROMTABLE(\"" + file + L"\",\"Key\",\"Value\",\"k\")";
    }
    void writeTable(const std::string& name, const std::wstring& value) {
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile(name), {{L"Key", L"Value"}, {L"k", value}}, true));
    }

    // Tables t0 .. t(last-1) each look up the next; t(last) holds 42.
    void writeChain(int last) {
        for (int i = 0; i < last; ++i) writeTable("t" + std::to_string(i) + ".kms", lookUp(table(i + 1)));
        writeTable("t" + std::to_string(last) + ".kms", L"#int:42");
    }

    // Opens the formula window on a sheet whose A1 looks up `file`; the text of A1.
    std::wstring evaluate(const std::wstring& file) {
        EXPECT_TRUE(stdtest::writeSheet(folder.hostFile("caller.kms"), {{lookUp(file)}}));
        return stdtest::evaluateFirstCell(folder.winPath("caller.kms"));
    }

    stdtest::ScratchFolder folder{"fromtable_depth"};
};

TEST_F(FromTableDepth, LookUpsNestUpToTheLimit) {
    // The caller's look-up of t0 is the first; t(limit-1) holds the value.
    writeChain(CFormula::kMaxFromTableDepth - 1);
    EXPECT_EQ(evaluate(table(0)), L"42");
    EXPECT_EQ(acad::CommandLineText().find(L"*Error*"), std::wstring::npos);
}

TEST_F(FromTableDepth, OneLevelMoreFailsNamingTheTables) {
    writeChain(CFormula::kMaxFromTableDepth);
    EXPECT_EQ(evaluate(table(0)), L"#VALUE!");
    const std::wstring text = acad::CommandLineText();
    const std::wstring message = L"*Error* FROMTABLE look-ups nest more than 16 deep: " + table(0) + L" -> ";
    const std::size_t at = text.find(message);
    ASSERT_NE(at, std::wstring::npos);
    const std::size_t end = text.find(L'\n', at);
    EXPECT_EQ(text.substr(end - table(16).size(), table(16).size()), table(16));
    // The table past the limit was never opened.
    EXPECT_EQ(text.find(L"Loading spreadsheet:" + table(16)), std::wstring::npos);
}

TEST_F(FromTableDepth, TableThatLooksItselfUpEnds) {
    const std::wstring self = folder.winPath("self.kms").wstr();
    writeTable("self.kms", lookUp(self));
    // The innermost look-up past the limit fails; each table above reads that error.
    EXPECT_EQ(evaluate(self), L"#VALUE!");
    const std::wstring text = acad::CommandLineText();
    std::wstring chain;
    for (int i = 0; i < CFormula::kMaxFromTableDepth; ++i) chain += self + L" -> ";
    EXPECT_NE(text.find(L"*Error* FROMTABLE look-ups nest more than 16 deep: " + chain + self + L"\n"),
              std::wstring::npos)
        << Zk_String(text).toUtf8();
    // It was reported once, not once per level.
    EXPECT_EQ(text.find(L"nest more than", text.find(L"nest more than") + 1), std::wstring::npos);
}

}  // namespace
