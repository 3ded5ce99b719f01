// A standard evaluated many times in one process behaves at every evaluation as a fresh
// load of its file: what is kept between evaluations (file bytes, parsed sheets, formula
// trees, compiled declarations and equations, data tables) never shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/compiled_standard.h"
#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/sheet_file_cache.h"
#include "engine/standards_evaluator.h"
#include "engine/table_lookup.h"
#include "host/settings.h"
#include "sheet_files.h"
#include "spread/ss_api.h"
#include "win/files.h"
#include "win/paths.h"
#include "win/msgbox.h"

namespace {

void age(const std::string& hostFile, int seconds) {
    const Zk_String file(WindowsPathFromHost(hostFile));
    FILETIME t;
    ASSERT_TRUE(GetFileLastWriteTime(file.wstr(), t));
    std::uint64_t v = (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    v -= static_cast<std::uint64_t>(seconds) * 10000000ULL;
    t.dwHighDateTime = static_cast<DWORD>(v >> 32);
    t.dwLowDateTime = static_cast<DWORD>(v);
    ASSERT_TRUE(SetFileLastWriteTime(file.wstr(), t));
}

void forgetEverythingKept() {
    clearCompiledStandards();
    SSForgetParsedSheets();
    clearSheetFileCache();
    clearDataFileCache();
}

int answerOk(const win::MessageBoxRecord&, void*) { return IDOK; }

// Child calls are evaluated in a window of their own, as the module's pool lends one.
CDlgTqStandards* gChildWindow = nullptr;
bool evaluateChild(KmDlgStandardsData& data) {
    gChildWindow->data() = data;
    if (gChildWindow->evaluate() != Acad::eOk) return false;
    data = gChildWindow->data();
    return true;
}

// What an evaluation gave: its status, every value handed back and the boxes shown.
struct Outcome {
    Acad::ErrorStatus status = Acad::eOk;
    std::vector<std::wstring> values;
    std::vector<std::wstring> boxes;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    os << "status " << static_cast<int>(o.status) << ", values";
    for (const auto& v : o.values) os << " [" << Zk_String(v).toUtf8() << "]";
    for (const auto& b : o.boxes) os << "\n  box: " << Zk_String(b).toUtf8();
    return os;
}

// One input row of the test standard: A (number), Key (text), general variables.
struct Row {
    Row(std::wstring a_, std::wstring key_, std::vector<std::wstring> names = {}, std::vector<std::wstring> values = {})
        : a(std::move(a_)), key(std::move(key_)), genNames(std::move(names)), genValues(std::move(values)) {}
    std::wstring a, key;
    std::vector<std::wstring> genNames, genValues;
};

class CompiledStandard : public ::testing::Test {
protected:
    void SetUp() override {
        stdtest::registerDialogs();
        ASSERT_TRUE(window.Create(CDlgTqStandards::IDD, nullptr));
        savedLibDir = gSettings.libDir;
        savedDiagnostics = gSettings.current.standardsDiagnostics;
        gSettings.libDir = Zk_String(WindowsPathFromHost(folder.hostPath()) + L"\\");
        gSettings.current.standardsDiagnostics = true;  // failures show their boxes
        win::SetMessageBoxHook(&answerOk, nullptr);
        forgetEverythingKept();
        std::ofstream(folder.hostFile("t.txt"), std::ios::binary) << "K1\t12.5\nK2\t20\n// a comment\nK4\tnot a number\n";
        age(folder.hostFile("t.txt"), 3600);
    }
    void TearDown() override {
        useCompiledStandards(true);
        win::SetMessageBoxHook(nullptr, nullptr);
        gSettings.libDir = savedLibDir;
        gSettings.current.standardsDiagnostics = savedDiagnostics;
        window.DestroyWindow();
        forgetEverythingKept();
    }

    // The standard: inputs A and Key, outputs R and T, local L, three equations.
    static stdtest::Grid standard(const std::wstring& rEquation = L"R = IF(L > 50, L - 50, ROUNDTO(L, 2.5))") {
        return {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
                {L"Local"}, {L""}, {L"Double L"}, {L"Calc"},
                {L"L = TONUMBER(GETCELL(\"t.txt\", Key)) * A"}, {rEquation}, {L"T = Key & \"-\" & A"}};
    }
    void write(const stdtest::Grid& grid, int agedSeconds = 3600) {
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile("std.kms"), grid));
        if (agedSeconds > 0) age(folder.hostFile("std.kms"), agedSeconds);
    }

    Outcome evaluate(const Row& row) {
        KmDlgStandardsData data;
        data.evalMode = KmDlgStandardsData::kValueMode;
        data.tqFileName = folder.winPath("std.kms");
        for (const auto& n : row.genNames) data.genVarNames.append(Zk_String(n));
        for (const auto& v : row.genValues) data.genVarValues.append(Zk_String(v));
        const wchar_t* names[] = {L"A", L"Key", L"R", L"T"};
        for (int i = 0; i < 4; ++i) {
            KmVarCell cell;
            cell.varName = names[i];
            cell.cellType = i < 2 ? KmCellType::Input : KmCellType::Output;
            cell.valueType = i == 0 || i == 2 ? KmValueType::Double : KmValueType::String;
            cell.value = i == 0 ? Zk_String(row.a) : i == 1 ? Zk_String(row.key) : Zk_String();
            data.varCells.append(cell);
        }
        const std::size_t seen = win::MessageBoxLog().size();
        window.data() = data;
        Outcome o;
        o.status = window.evaluate();
        for (int i = 0; i < window.data().varCells.length(); ++i) o.values.push_back(window.data().varCells[i].value.wstr());
        const auto& log = win::MessageBoxLog();
        for (std::size_t i = seen; i < log.size(); ++i) o.boxes.push_back(log[i].text);
        return o;
    }
    // The same row evaluated as a fresh load of every file, nothing compiled or kept.
    Outcome evaluateFresh(const Row& row) {
        forgetEverythingKept();
        useCompiledStandards(false);
        Outcome o = evaluate(row);
        useCompiledStandards(true);
        forgetEverythingKept();
        return o;
    }

    stdtest::ScratchFolder folder{"compiled"};
    CDlgTqStandards window;
    Zk_String savedLibDir;
    bool savedDiagnostics = false;
};

TEST_F(CompiledStandard, AnUnchangedFileIsCompiledOnceAndEveryRowStartsFromIt) {
    write(standard());
    const std::size_t made = compiledStandardsMade();
    EXPECT_EQ(evaluate({L"4", L"K1"}).values, (std::vector<std::wstring>{L"4", L"K1", L"50", L"K1-4"}));
    EXPECT_EQ(evaluate({L"5", L"K2"}).values, (std::vector<std::wstring>{L"5", L"K2", L"50", L"K2-5"}));
    EXPECT_EQ(evaluate({L"3", L"K2"}).values, (std::vector<std::wstring>{L"3", L"K2", L"10", L"K2-3"}));
    EXPECT_EQ(compiledStandardsMade(), made + 1);
}

TEST_F(CompiledStandard, ARewrittenFileIsSeenAtTheNextEvaluation) {
    write(standard());
    const Row row{L"3", L"K2"};
    EXPECT_EQ(evaluate(row).values[2], L"10");
    const std::size_t made = compiledStandardsMade();

    // Another equation of the same length, an older write time.
    write(standard(L"R = IF(L > 50, L + 50, ROUNDTO(L, 2.5))"), 7200);
    EXPECT_EQ(evaluate(row).values[2], L"110");
    EXPECT_EQ(compiledStandardsMade(), made + 1);

    // Declarations moved and renamed: the equations' cells follow the file.
    write({{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
           {L"Local"}, {L""}, {L"Double M"}, {L"Double L"}, {L"Calc"}, {L"M = 1000"},
           {L"L = TONUMBER(GETCELL(\"t.txt\", Key)) * A + M"}, {L"R = L"}, {L"T = \"new\""}});
    EXPECT_EQ(evaluate(row).values, (std::vector<std::wstring>{L"3", L"K2", L"1060", L"new"}));

    // Written just now, then again within the clock's resolution: both versions are seen.
    write(standard(L"R = 1"), 0);
    EXPECT_EQ(evaluate(row).values[2], L"1");
    write(standard(L"R = 2"), 0);
    EXPECT_EQ(evaluate(row).values[2], L"2");

    // And a rewritten data table is read again.
    write(standard());
    std::ofstream(folder.hostFile("t.txt"), std::ios::binary) << "K1\t12.5\nK2\t30\n";
    age(folder.hostFile("t.txt"), 600);
    EXPECT_EQ(evaluate(row).values[2], L"40");
}

// A table is found where a fresh search would find it: one made in a folder searched
// before the one it was found in takes its place, also in a folder that did not exist.
TEST_F(CompiledStandard, ATableMadeWhereItIsSearchedFirstIsFound) {
    write(standard());
    const Row row{L"3", L"K2"};
    EXPECT_EQ(evaluate(row).values[2], L"10");  // t.txt of the library folder: K2 is 20
    std::filesystem::create_directories(folder.hostFile("Connection Standards"));
    std::ofstream(folder.hostFile("Connection Standards/t.txt"), std::ios::binary) << "K2\t30\n";
    EXPECT_EQ(evaluate(row).values[2], L"40");
    std::filesystem::create_directories(folder.hostFile("Connection Standards/data"));  // another case
    std::ofstream(folder.hostFile("Connection Standards/data/T.TXT"), std::ios::binary) << "K2\t40\n";
    EXPECT_EQ(evaluate(row).values[2], L"70");
    // Gone again: the next one in line is used.
    std::filesystem::remove(folder.hostFile("Connection Standards/data/T.TXT"));
    EXPECT_EQ(evaluate(row).values[2], L"40");
    // Changed in place with its size and write time kept: a fresh load reads it again.
    std::ofstream(folder.hostFile("Connection Standards/t.txt"), std::ios::binary) << "K2\t10\n";
    EXPECT_EQ(evaluate(row).values[2], L"30");
}

// A thousand rows in one process give what each row gives as the first evaluation of a
// process: good rows, failing look-ups, text for a number, empty inputs.
TEST_F(CompiledStandard, ManyRowsInOneProcessEqualEachRowEvaluatedFresh) {
    write(standard());
    const wchar_t* as[] = {L"1", L"2.5", L"4", L"7", L"", L"x", L"-3", L"1e3"};
    const wchar_t* keys[] = {L"K1", L"K2", L"K3", L"", L"K4"};
    std::vector<Row> rows;
    for (int i = 0; i < 1000; ++i) rows.push_back({as[(i * 7) % 8], keys[(i * 3 + i / 8) % 5]});
    std::vector<Outcome> inOneProcess;
    for (const Row& row : rows) inOneProcess.push_back(evaluate(row));
    int good = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(inOneProcess[i], evaluateFresh(rows[i])) << "row " << i;
        good += inOneProcess[i].status == Acad::eOk && inOneProcess[i].boxes.empty();
    }
    EXPECT_GT(good, 100);
    EXPECT_LT(good, 900);
}

// Layouts that the compiled equations cannot stand for take the full path each time and
// give what a fresh load gives.
TEST_F(CompiledStandard, UnusualLayoutsAndGeneralVariablesEqualFreshEvaluations) {
    const stdtest::Grid layouts[] = {
        // Declarations below the Calc keyword (read after values were written into them).
        {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
         {L"Calc"}, {L"L = A * 2"}, {L"R = L + 1"}, {L"T = Key"}, {L"Local"}, {L""}, {L"Double L"}},
        // A formula cell in the Calc area.
        {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
         {L"Local"}, {L""}, {L"Double L"}, {L"Calc"}, {L"=A2*0+3"}, {L"L = A * 2"}, {L"R = L + 1"}, {L"T = Key"}},
        // A name declared twice.
        {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
         {L"Local"}, {L""}, {L"Double L"}, {L"Double R"}, {L"Calc"}, {L"L = A * 2"}, {L"R = L + 1"}, {L"T = Key"}},
        // No Calc keyword.
        {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"}},
        // The plain standard, for the rows below.
        standard(),
    };
    const std::vector<Row> rows = {
        {L"2", L"K1"},
        {L"2", L"Calc"},  // an input reading like the Calc keyword, above it
        {L"3", L"K2", {L"gen_Key"}, {L"K1"}},
        {L"3", L"gen_Key", {L"gen_Key"}, {L"K2"}},
        {L"2", L"K1"},
    };
    for (std::size_t l = 0; l < std::size(layouts); ++l) {
        write(layouts[l], static_cast<int>(3600 + 60 * l));
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t r = 0; r < rows.size(); ++r) {
                const Outcome kept = evaluate(rows[r]);
                ASSERT_EQ(kept, evaluateFresh(rows[r])) << "layout " << l << ", row " << r << ", pass " << pass;
                evaluate(rows[r]);  // warms what is kept again for the next row
            }
        }
    }
}

// Standards whose equations are calculated without being set into their cells, and ones
// that only look as if they could be: what each gives, boxes included, is what a fresh load
// gives, row after row on the sheet kept from the row before.
TEST_F(CompiledStandard, EquationsCalculatedDirectlyEqualFreshEvaluations) {
    const stdtest::Grid head = {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""},
                                {L"Double R"}, {L"String T"}, {L"Local"}, {L""}, {L"Double L", L"7"}, {L"Calc"}};
    auto with = [&](std::vector<std::wstring> equations) {
        stdtest::Grid grid = head;
        for (auto& e : equations) grid.push_back({std::move(e)});
        return grid;
    };
    const stdtest::Grid layouts[] = {
        // A variable clamped by itself with built-in functions only.
        with({L"L = TONUMBER(GETCELL(\"t.txt\", Key)) * A", L"R = L * 3", L"R = IF(R > 100, 100, R)",
              L"T = IF(R = 100, \"max\", Key)"}),
        // A product function reading a variable a later equation assigns: in a sheet that
        // calculates automatically (layout 2, below) it runs again when the variable is
        // set, showing its box about the tolerances twice.
        with({L"L = A", L"R = STDSIZEWITHTOLERANCE(\"s.txt\", 10, L, 0, 0) + TONUMBER(GETCELL(\"t.txt\", Key))",
              L"L = L + 1", L"T = Key"}),
        with({L"L = A", L"R = STDSIZEWITHTOLERANCE(\"s.txt\", 10, L, 0, 0) + TONUMBER(GETCELL(\"t.txt\", Key))",
              L"L = L + 1", L"T = Key"}),
        // An equation reading a cell of the Calc area by its address.
        with({L"L = A * 2", L"R = LEN(A13) + L", L"T = Key"}),
        // A constant beside a declaration, and a formula reading a declaration cell.
        with({L"L = A * 2 + B11", L"R = L + 1", L"T = Key"}),
        {{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
         {L"Local"}, {L""}, {L"Double L", L"=A2*10"}, {L"Calc"}, {L"L = A * 2 + B11"}, {L"R = L + 1"}, {L"T = Key"}},
        // A volatile function.
        with({L"L = A * 2", L"R = L + INDIRECT(\"B11\")", L"T = Key"}),
        // Text results, logical results into numbers and text, failing formulas.
        with({L"L = A > 2", L"R = L + (A > 3)", L"T = A > 2", L"T = T & (1 +", L"R = R / 0"}),
        // Variables written by their first equation before anything reads them, whose
        // first equation fails on some rows (a text refused by a number cell, a formula
        // that does not parse): later equations read the starting values then, never what
        // an earlier row left in the cells.
        with({L"L = IF(A > 4, Key, A * 2)", L"T = Key & (1 +", L"R = L + 1 + LEN(T)", L"T = Key & L"}),
    };
    const std::vector<Row> rows = {{L"2", L"K1"}, {L"5", L"K2"}, {L"40", L"K3"}, {L"", L""},
                                   {L"x", L"K4"}, {L"3", L"K1"}, {L"2", L"K1"}};
    std::ofstream(folder.hostFile("s.txt"), std::ios::binary) << "100\n200\n300\n";
    age(folder.hostFile("s.txt"), 3600);
    for (std::size_t l = 0; l < std::size(layouts); ++l) {
        write(layouts[l], 0);
        if (l == 2) std::ofstream(folder.hostFile("std.kms"), std::ios::binary | std::ios::app) << "bool\t7\t1\n";
        age(folder.hostFile("std.kms"), static_cast<int>(3600 + 60 * l));
        std::vector<Outcome> kept;
        for (const Row& row : rows) kept.push_back(evaluate(row));
        for (std::size_t r = 0; r < rows.size(); ++r)
            ASSERT_EQ(kept[r], evaluateFresh(rows[r])) << "layout " << l << ", row " << r;
    }
}

// The sheet kept from the last evaluation is not used once anything changed it, and a
// load without an evaluation always gives the file as it is.
TEST_F(CompiledStandard, AChangedKeptSheetIsLoadedAgain) {
    stdtest::Grid grid = standard(L"R = L + B11");
    grid[10].push_back(L"5");  // B11, beside the local's declaration
    write(grid);
    const Row row{L"2", L"K1"};
    EXPECT_EQ(evaluate(row).values[2], L"30");
    ASSERT_TRUE(window.calc().writeCellText(2, 11, Zk_String(L"500")));
    EXPECT_EQ(evaluate(row).values[2], L"30");
    ASSERT_TRUE(window.calc().setNumberType(2, 11, 2, 11, 0));
    EXPECT_EQ(evaluate(row).values[2], L"30");

    window.data().evalMode = 2;  // load only
    ASSERT_EQ(window.evaluate(), Acad::eOk);
    Zk_String text;
    ASSERT_TRUE(window.calc().readCellText(1, 2, text));
    EXPECT_EQ(text, L"Double A");
    EXPECT_EQ(evaluate(row).values[2], L"30");
}

// A child sheet is found where a fresh search would find it: one made in a folder searched
// before the one it was found in takes its place at the next evaluation.
TEST_F(CompiledStandard, AChildSheetMadeWhereItIsSearchedFirstIsUsed) {
    write({{L"Input"}, {L"Double A"}, {L"String Key"}, {L""}, {L"Output"}, {L""}, {L"Double R"}, {L"String T"},
           {L"Local"}, {L""}, {L"Double L"}, {L"Calc"}, {L"CallChild(\"c.kms\", A, R)"}, {L"T = Key"}});
    auto child = [&](const std::string& file, const std::wstring& factor) {
        std::filesystem::create_directories(std::filesystem::path(folder.hostFile(file)).parent_path());
        ASSERT_TRUE(stdtest::writeSheet(folder.hostFile(file), {{L"Input"}, {L"Double A"}, {L"Output"}, {L""},
                                                                {L"Double R"}, {L"Calc"}, {L"R = A * " + factor}}));
        age(folder.hostFile(file), 3600);
    };
    CDlgTqStandards childWindow;
    ASSERT_TRUE(childWindow.Create(CDlgTqStandards::IDD, nullptr));
    gChildWindow = &childWindow;
    setStandardsEvaluator(&evaluateChild);
    struct Restore {
        ~Restore() { setStandardsEvaluator(nullptr); }
    } restore;
    child("Connection Standards/Childs/c.kms", L"10");
    const Row row{L"3", L"K1"};
    EXPECT_EQ(evaluate(row).values[2], L"30");
    EXPECT_EQ(evaluate(row).values[2], L"30");
    child("Connection Standards/c.kms", L"100");
    EXPECT_EQ(evaluate(row).values[2], L"300");
    std::filesystem::remove(folder.hostFile("Connection Standards/c.kms"));
    EXPECT_EQ(evaluate(row).values[2], L"30");
    EXPECT_EQ(evaluate(row), evaluateFresh(row));
    childWindow.DestroyWindow();
}

// A size list rewritten between evaluations (the same size each time) is read again.
TEST_F(CompiledStandard, ARewrittenSizeListIsSeenAtTheNextEvaluation) {
    write(standard(L"R = STDSIZEWITHTOLERANCE(\"s.txt\", 10, A, 0, 500)"));
    auto sizes = [&](const char* text) {
        std::ofstream(folder.hostFile("s.txt"), std::ios::binary) << text;
        age(folder.hostFile("s.txt"), 3600);
    };
    sizes("100\n200\n");
    const Row row{L"150", L"K1"};
    EXPECT_EQ(evaluate(row).values[2], L"200");
    EXPECT_EQ(evaluate(row).values[2], L"200");
    sizes("100\n300\n");
    EXPECT_EQ(evaluate(row).values[2], L"300");
    sizes("100\n400\n");
    EXPECT_EQ(evaluate(row).values[2], L"400");
    EXPECT_EQ(evaluate(row), evaluateFresh(row));
}

}  // namespace
