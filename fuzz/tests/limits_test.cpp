// Every documented limit (docs/LIMITS.md) at its value and one step past it.
#include <gtest/gtest.h>

#include <string>

#include "engine/table_lookup.h"
#include "fuzz_support.h"
#include "launcher/config_files.h"
#include "spread/ss_api.h"

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

}  // namespace
