// Every documented limit (docs/LIMITS.md) at its value and one step past it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "acad/command_line.h"
#include "engine/km_tq_mapping.h"
#include "engine/table_lookup.h"
#include "fuzz_support.h"
#include "host/dialog_support.h"
#include "host/files.h"
#include "host/macro_file.h"
#include "host/macro_model.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "host/texts.h"
#include "launcher/config_files.h"
#include "spread/ss_api.h"
#include "win/files.h"

namespace {

// "1+1+...+1" of exactly n characters (n odd), or "1+...+11" for even n.
std::wstring sumOfLength(int n) {
    std::wstring f = L"1";
    while (static_cast<int>(f.size()) + 2 <= n) f += L"+1";
    if (static_cast<int>(f.size()) < n) f += L"1";
    return f;
}

std::wstring nested(int depth) {
    return std::wstring(depth, L'(') + L"1" + std::wstring(depth, L')');
}

std::wstring sumWithArgs(int n) {
    std::wstring f = L"SUM(";
    for (int i = 0; i < n; ++i) f += (i ? L",1" : L"1");
    return f + L")";
}

TEST(Limits, FormulaLength) {
    HWND ss = fuzz::freshSheet(0);
    EXPECT_TRUE(SSSetFormula(ss, 1, 1, sumOfLength(SS_LIMIT_FORMULA_LEN).c_str()));
    EXPECT_FALSE(SSSetFormula(ss, 1, 2, sumOfLength(SS_LIMIT_FORMULA_LEN + 1).c_str()));
}

TEST(Limits, FormulaNestingDepthAndRunawayParentheses) {
    HWND ss = fuzz::freshSheet(0);
    EXPECT_TRUE(SSSetFormula(ss, 1, 1, nested(SS_LIMIT_FORMULA_DEPTH).c_str()));
    EXPECT_FALSE(SSSetFormula(ss, 1, 2, nested(SS_LIMIT_FORMULA_DEPTH + 1).c_str()));
    // 100,000 "(" is a parse error, not a stack overflow (longer than the length limit
    // too, so also try one that fits in length).
    EXPECT_FALSE(SSSetFormula(ss, 1, 3, std::wstring(100000, L'(').c_str()));
    EXPECT_FALSE(SSSetFormula(ss, 1, 4, std::wstring(SS_LIMIT_FORMULA_LEN, L'(').c_str()));
    std::wstring calls;
    for (int i = 0; i <= SS_LIMIT_FORMULA_DEPTH; ++i) calls += L"ABS(";
    calls += L"1" + std::wstring(SS_LIMIT_FORMULA_DEPTH + 1, L')');
    EXPECT_FALSE(SSSetFormula(ss, 1, 5, calls.c_str()));
}

TEST(Limits, FunctionArguments) {
    HWND ss = fuzz::freshSheet(0);
    ASSERT_TRUE(SSSetFormula(ss, 1, 1, sumWithArgs(SS_LIMIT_FUNC_ARGS).c_str()));
    std::wstring value;
    SSReCalc(ss);
    SSGetValue(ss, 1, 1, value);
    EXPECT_EQ(value, std::to_wstring(SS_LIMIT_FUNC_ARGS));
    EXPECT_FALSE(SSSetFormula(ss, 1, 2, sumWithArgs(SS_LIMIT_FUNC_ARGS + 1).c_str()));
}

std::string sheetDeclaring(long long cols, long long rows) {
    return "KMSHEET\t1\nsize\t" + std::to_string(cols) + "\t" + std::to_string(rows) + "\ngrid\nend\n";
}

TEST(Limits, SheetSizeDeclaredByAFile) {
    HWND ss = fuzz::freshSheet(0);
    EXPECT_TRUE(SSLoadFromBuffer(ss, sheetDeclaring(SS_LIMIT_MAXCOLS, 1), L"wide.kms"));
    EXPECT_EQ(SSGetMaxCols(ss), SS_LIMIT_MAXCOLS);
    EXPECT_TRUE(SSLoadFromBuffer(ss, sheetDeclaring(1, SS_LIMIT_MAXROWS), L"tall.kms"));
    EXPECT_EQ(SSGetMaxRows(ss), SS_LIMIT_MAXROWS);
    // One step past either count, and absurd counts, are refused before anything is
    // allocated; the control keeps what it had.
    for (const std::string& text : {sheetDeclaring(SS_LIMIT_MAXCOLS + 1, 1), sheetDeclaring(1, SS_LIMIT_MAXROWS + 1),
                                    sheetDeclaring(9223372036854775807LL, 9223372036854775807LL),
                                    sheetDeclaring(-1, 5)}) {
        EXPECT_FALSE(SSLoadFromBuffer(ss, text, L"huge.kms")) << text;
        EXPECT_NE(SSGetLastErrorText(ss).find(L"huge.kms"), std::wstring::npos);
        EXPECT_EQ(SSGetMaxRows(ss), SS_LIMIT_MAXROWS);
    }
}

TEST(Limits, CellText) {
    HWND ss = fuzz::freshSheet(0);
    EXPECT_TRUE(SSSetData(ss, 1, 1, std::wstring(SS_LIMIT_CELL_TEXT, L'a').c_str()));
    EXPECT_FALSE(SSSetData(ss, 1, 2, std::wstring(SS_LIMIT_CELL_TEXT + 1, L'a').c_str()));
}

TEST(Limits, DataFileSize) {
    clearDataFileCache();
    std::string bytes(kMaxDataFileBytes, 'x');
    for (std::size_t i = 100; i < bytes.size(); i += 100) bytes[i] = '\n';
    Zk_String text;
    EXPECT_TRUE(readDataFileText(fuzz::writeScratch("at_limit.txt", bytes), text));
    bytes.push_back('x');
    Zk_String error;
    EXPECT_FALSE(readDataFileText(fuzz::writeScratch("past_limit.txt", bytes), text, &error));
    EXPECT_FALSE(error.isEmpty());
    clearDataFileCache();
}

TEST(Limits, LauncherConfigLine) {
    const std::string atLimit = "zklib=" + std::string(launcher::kMaxConfigLine - 6, 'a');
    launcher::LauncherConfig config;
    launcher::ReadZkv6(atLimit + "\n", config);
    EXPECT_EQ(config.libraryDir.size(), launcher::kMaxConfigLine - 6);
    launcher::ReadZkv6(atLimit + "bbb\n", config);
    EXPECT_EQ(config.libraryDir.size(), launcher::kMaxConfigLine - 6);
}

// Range arguments covering more cells of the sheet than the limit give #NUM! at once
// (they are never walked); at the limit they calculate. Only the part inside the sheet
// counts, so whole-column references stay usable in ordinary sheets. The aggregates,
// which visit only the cells in use, take ranges of any size.
std::wstring valueOf(HWND ss, const std::wstring& formula) {
    EXPECT_TRUE(SSSetFormula(ss, 20, 1, formula.c_str())) << std::string(formula.begin(), formula.end());
    SSReCalc(ss);
    std::wstring value;
    SSGetValue(ss, 20, 1, value);
    return value;
}

TEST(Limits, RangeSizeInAFormula) {
    static_assert(SS_LIMIT_RANGE_CELLS == 10000000, "the ranges below are sized for this limit");
    HWND ss = fuzz::freshSheet(0);
    ASSERT_TRUE(SSSetMaxRows(ss, SS_LIMIT_MAXROWS));
    SSSetFloat(ss, 1, 1, 1);
    SSSetFloat(ss, 10, 1000000, 2);
    SSSetFloat(ss, 11, 909091, 4);
    // 10 x 1,000,000 and 1 x 10,000,000 cells: at the limit.
    EXPECT_EQ(valueOf(ss, L"INDEX(A1:J1000000,1000000,10)"), L"2");
    EXPECT_EQ(valueOf(ss, L"MATCH(1,A:A,0)"), L"1");
    // 11 x 909,091 = 10,000,001 cells, and whole columns of a 10,000,000-row sheet: past it.
    for (const wchar_t* f : {L"PRODUCT(A1:K909091)", L"PRODUCT(2,A1:K909091)", L"VLOOKUP(1,A1:K909091,1,0)",
                             L"MATCH(1,A:B,0)", L"INDEX(A:S,1,1)"})
        EXPECT_EQ(valueOf(ss, f), L"#NUM!") << std::string(f, f + std::wcslen(f));
    // Aggregates of the same ranges.
    EXPECT_EQ(valueOf(ss, L"SUM(A1:K909091)+COUNT(A:S)+MAX(A:S)"), L"12");
    // The same whole columns in a sheet of ordinary size cover few cells.
    ASSERT_TRUE(SSSetMaxRows(ss, 1000));
    EXPECT_EQ(valueOf(ss, L"INDEX(A:S,1,1)"), L"1");
}

// Builds head + a comment line + tail of exactly `size` bytes (comment lines start with
// commentStart, which the format skips).
std::string padded(const std::string& head, const std::string& tail, std::size_t size,
                   const std::string& commentStart = "#") {
    const std::size_t fixed = head.size() + commentStart.size() + 1 + tail.size();
    EXPECT_LE(fixed, size);
    return head + commentStart + std::string(size - fixed, 'x') + "\n" + tail;
}

bool commandLineNames(const std::wstring& what, const Zk_String& path) {
    const std::wstring text = acad::CommandLineText();
    return text.find(what) != std::wstring::npos && text.find(path.wstr()) != std::wstring::npos;
}

TEST(Limits, FileReadSizeLimit) {
    const Zk_String path = fuzz::writeScratch("read_limit.bin", std::string(1000, 'a'));
    std::string bytes = "kept";
    EXPECT_TRUE(ReadFileBytes(path.wstr(), bytes, 1000));
    EXPECT_EQ(bytes.size(), 1000u);
    bytes = "kept";
    EXPECT_FALSE(ReadFileBytes(path.wstr(), bytes, 999));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_TOO_LARGE));
    EXPECT_EQ(bytes, "kept");
}

TEST(Limits, SpreadsheetFileSize) {
    HWND ss = fuzz::freshSheet(0);
    const std::string head = "KMSHEET\t1\n";
    const std::string tail = "size\t1\t1\ngrid\nloaded\nend\n";
    const Zk_String atLimit = fuzz::writeScratch("at_limit.kms", padded(head, tail, SS_LIMIT_FILE_BYTES));
    ASSERT_TRUE(SSLoadFromFile(ss, atLimit.c_str())) << SSGetLastErrorText(ss).size();
    std::wstring text;
    SSGetData(ss, 1, 1, text);
    EXPECT_EQ(text, L"loaded");
    // One byte more: refused before reading, the control keeps what it had.
    const Zk_String past = fuzz::writeScratch("past_limit.kms", padded(head, tail, SS_LIMIT_FILE_BYTES + 1));
    EXPECT_FALSE(SSLoadFromFile(ss, past.c_str()));
    EXPECT_NE(SSGetLastErrorText(ss).find(past.wstr() + L": larger than 16777216 bytes"), std::wstring::npos);
    SSGetData(ss, 1, 1, text);
    EXPECT_EQ(text, L"loaded");
}

// Every text file the host reads whole (mapping, macro, section table, language,
// settings and dialog state files) goes through readTextFile and its one limit: at the
// limit the text is read; one byte past it the file is refused before anything is read.
TEST(Limits, TextFileSize) {
    const Zk_String atLimit = fuzz::writeScratch("at_limit.txt", padded("", "last line\n", kMaxTextFileBytes));
    Zk_String text;
    ASSERT_TRUE(readTextFile(atLimit, text));
    EXPECT_TRUE(text.endsWith(L"last line\n"));
    acad::ClearCommandLine();
    const Zk_String past = fuzz::writeScratch("past_limit.txt", padded("", "last line\n", kMaxTextFileBytes + 1));
    text = Zk_String(L"kept");
    EXPECT_FALSE(readTextFile(past, text));
    EXPECT_TRUE(lastReadWasTooLarge());
    EXPECT_EQ(text, Zk_String(L"kept"));
    EXPECT_TRUE(commandLineNames(L"*Error* File too large (more than 16777216 bytes): ", past));
}

// Each reader of such a file fails on one byte more than the limit, says so naming the
// file, and leaves what it had; the saves that read the file first change nothing.
TEST(Limits, TextFileReadersPastTheLimit) {
    const std::size_t past = kMaxTextFileBytes + 1;

    acad::ClearCommandLine();
    const std::string mapping = padded("Mapping version 1.0\nOTHER=A\xC6\x92G\xE2\x80\xA2" "Distance A\n",
                                       "LIMIT=B\xC6\x92G\xE2\x80\xA2" "Distance B\n", past);
    const Zk_String map = fuzz::writeScratch("mapping_limit.map", mapping);
    const Zk_String tqFile = fuzz::scratchPath("mapping_limit.kms");
    KmTqMapping m;
    ASSERT_EQ(m.initMappingFromLine(Zk_String(std::string("NEW=C\xC6\x92G\xE2\x80\xA2" "Distance C"))), Acad::eOk);
    EXPECT_NE(KmTqMapping().getMappingFromFile(tqFile, Zk_String(L"LIMIT")), Acad::eOk);
    EXPECT_TRUE(commandLineNames(L"*Error* File too large", map));
    // Saving a mapping into a file that cannot be read would lose every other mapping.
    EXPECT_NE(m.setMappingToFile(tqFile, Zk_String(L"NEW")), Acad::eOk);
    EXPECT_EQ(fuzz::readHostFile(fuzz::scratchDir() + "/mapping_limit.map"), mapping);

    Zk_DbMacro dbMacro;
    MacroData data;
    Zk_String error;
    const Zk_String mac = fuzz::writeScratch("past_limit.mac", padded("Macro version 1.0\nmacro Limit\n", "", past));
    EXPECT_FALSE(readMacroFile(mac, dbMacro, data, error));
    EXPECT_EQ(error, mac + Zk_String(L": larger than 16777216 bytes, not read"));

    acad::ClearCommandLine();
    Zk_SectionTableManager tables;
    const Zk_String pr = fuzz::writeScratch("LIMB.pr", padded("lim.bmp\nName\tActive\n", "", past));
    EXPECT_NE(tables.loadTableFile(pr), Acad::eOk);
    EXPECT_TRUE(commandLineNames(L"*Error* File too large", pr));
    EXPECT_FALSE(tables.hasTable(Zk_String(L"LIMB")));

    acad::ClearCommandLine();
    Zk_Settings settings;
    settings.workLanguage = Zk_String(L"FRA");
    const Zk_String cfg = fuzz::writeScratch("settings_limit.txt", padded("WorkLanguage=NLD\n", "", past));
    EXPECT_FALSE(settings.loadFile(cfg));
    EXPECT_EQ(settings.workLanguage, Zk_String(L"FRA"));
    EXPECT_TRUE(commandLineNames(L"*Error* File too large", cfg));

    // A language that cannot be read falls back to English.
    const char* oldLangDir = std::getenv("TQ_LANGDIR");
    const std::string keepLangDir = oldLangDir ? oldLangDir : "";
    fuzz::writeScratch("lang_limit/ENG.txt", "1\tEnglish one\n");
    acad::ClearCommandLine();
    const Zk_String lang = fuzz::writeScratch("lang_limit/LMT.txt", padded("1\tLimit one\n", "", past));
    ::setenv("TQ_LANGDIR", (fuzz::scratchDir() + "/lang_limit").c_str(), 1);
    reloadTexts();
    EXPECT_EQ(gMacroLangs.GetStringInLanguage(1, Zk_String(L"LMT")), Zk_String(L"English one"));
    EXPECT_TRUE(commandLineNames(L"*Error* File too large", lang));
    if (oldLangDir) ::setenv("TQ_LANGDIR", keepLangDir.c_str(), 1);
    else ::unsetenv("TQ_LANGDIR");
    reloadTexts();

    // A dialog state file that cannot be read is not replaced by one value.
    const char* oldStateDir = std::getenv("TQ_DLGSTATE_DIR");
    const std::string keepStateDir = oldStateDir ? oldStateDir : "";
    const std::string state = padded("DLG_X\tRECT\t1 2 3 4\n", "", past);
    fuzz::writeScratch("state_limit/dialogs.txt", state);
    ::setenv("TQ_DLGSTATE_DIR", (fuzz::scratchDir() + "/state_limit").c_str(), 1);
    EXPECT_FALSE(writeDlgRect(Zk_String(L"DLG_Y"), RECT{0, 0, 10, 10}));
    EXPECT_EQ(fuzz::readHostFile(fuzz::scratchDir() + "/state_limit/dialogs.txt"), state);
    if (oldStateDir) ::setenv("TQ_DLGSTATE_DIR", keepStateDir.c_str(), 1);
    else ::unsetenv("TQ_DLGSTATE_DIR");
}

}  // namespace
