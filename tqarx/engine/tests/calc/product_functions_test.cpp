#include "engine/product_functions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "calc_test_support.h"
#include "engine/standard_sizes.h"
#include "engine/table_lookup.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "acad/main_window.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

KmFuncValue num(double v) { return KmFuncValue::makeNumber(v); }
KmFuncValue txt(const wchar_t* t) { return KmFuncValue::makeText(Zk_String(t)); }

struct Call {
    bool ok;
    KmFuncValue value;
};
Call call(const wchar_t* name, std::vector<KmFuncValue> args) {
    Call c{};
    c.ok = callProductFunction(Zk_String(name), args, c.value);
    return c;
}

::testing::AssertionResult isNumber(const Call& c, double expected) {
    if (!c.ok) return ::testing::AssertionFailure() << "function failed";
    if (c.value.kind != KmFuncValue::Number) return ::testing::AssertionFailure() << "not a number";
    if (c.value.number != expected)
        return ::testing::AssertionFailure() << c.value.number << " != " << expected;
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult isText(const Call& c, const wchar_t* expected) {
    if (!c.ok) return ::testing::AssertionFailure() << "function failed";
    if (c.value.kind != KmFuncValue::Text) return ::testing::AssertionFailure() << "not a text";
    if (c.value.text != Zk_String(expected))
        return ::testing::AssertionFailure() << c.value.text.toUtf8() << " != " << Zk_String(expected).toUtf8();
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult isEmpty(const Call& c) {
    if (!c.ok) return ::testing::AssertionFailure() << "function failed";
    if (c.value.kind != KmFuncValue::Empty) return ::testing::AssertionFailure() << "not empty";
    return ::testing::AssertionSuccess();
}

// The functions as a standards author meets them: typed into a sheet of the control after
// registration, each known by name and held to its argument counts.
TEST(ProductFunctions, RegisteredFunctionsCalculateInASheetWithinTheirArgumentCounts) {
    const RECT rect{0, 0, 200, 100};
    const HWND sheet = SSCreateControl(adsw_acadMainWnd(), 1, rect);
    ASSERT_NE(sheet, nullptr);
    SSSetMaxCols(sheet, 2);
    SSSetMaxRows(sheet, 1);
    auto value = [sheet](const wchar_t* formula) {
        std::wstring text;
        if (!SSSetFormula(sheet, 1, 1, formula)) return std::wstring(L"(does not parse)");
        SSReCalc(sheet);
        SSGetData(sheet, 1, 1, text);
        return text;
    };
    EXPECT_EQ(value(L"ROUNDTO(12.4,5)"), L"#NAME?");  // not known before registration
    ASSERT_TRUE(registerProductFunctions(sheet));
    EXPECT_EQ(value(L"ROUNDTO(12.4,5)"), L"10");
    EXPECT_EQ(value(L"roundto(12.4,5)"), L"10");
    EXPECT_EQ(value(L"GETARRAYITEM(\"a;b;c\",2)"), L"b");
    EXPECT_EQ(value(L"ISNULL(0)+ISPOSITIVE(\"3\")+ISNULL(1/0)"), L"2");
    EXPECT_EQ(value(L"GETSYSNAME(\"NOSUCH200\")"), L"NOSUCH200");
    // Too few or too many arguments: the control's error, never a call with missing ones.
    EXPECT_EQ(value(L"ROUNDTO(12.4)"), L"#VALUE!");
    EXPECT_EQ(value(L"ROUNDTO(12.4,5,1)"), L"#VALUE!");
    EXPECT_EQ(value(L"GETCELL(\"t.txt\")"), L"#VALUE!");
    EXPECT_EQ(value(L"GETCELL(\"t.txt\",1,2,3,4,5,6,7)"), L"#VALUE!");
    EXPECT_EQ(value(L"STDWIDTHWITHTOLERANCE(\"w.txt\",5,10,118,20)"), L"#VALUE!");
    DestroyWindow(sheet);
}

TEST(ProductFunctions, ArgumentKindsAndCountsAreChecked) {
    EXPECT_TRUE(isNumber(call(L"ROUNDTO", {num(12.4), num(5)}), 10));
    EXPECT_FALSE(call(L"ROUNDTO", {txt(L"12"), num(5)}).ok);
    EXPECT_FALSE(call(L"ROUNDTO", {num(12)}).ok);
    EXPECT_FALSE(call(L"ROUNDTO", {num(12), num(5), num(1)}).ok);
    EXPECT_FALSE(call(L"TONUMBER", {num(3)}).ok);
    EXPECT_FALSE(call(L"GETARRAYITEM", {txt(L"a;b"), KmFuncValue{}}).ok);
    KmFuncValue error;
    error.kind = KmFuncValue::Other;
    // ISNULL and ISPOSITIVE take any argument: an error value is neither null nor positive.
    EXPECT_TRUE(isNumber(call(L"ISNULL", {error}), 0));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {error}), 0));
    EXPECT_FALSE(call(L"ISNULL", {}).ok);
}

TEST(ProductFunctions, GetArrayItem) {
    EXPECT_TRUE(isText(call(L"GETARRAYITEM", {txt(L"a;b;c"), num(2)}), L"b"));
    EXPECT_TRUE(isText(call(L"GETARRAYITEM", {txt(L"a;b;c"), num(3.9)}), L"c"));
    EXPECT_TRUE(isText(call(L"GETARRAYITEM", {txt(L"a;b;c"), num(1)}), L"a"));
    EXPECT_TRUE(isEmpty(call(L"GETARRAYITEM", {txt(L"a;b;c"), num(4)})));
    EXPECT_TRUE(isEmpty(call(L"GETARRAYITEM", {txt(L"a;b;c"), num(0)})));
    EXPECT_TRUE(isEmpty(call(L"GETARRAYITEM", {txt(L"a;b;c"), num(-1)})));
    EXPECT_TRUE(isEmpty(call(L"GETARRAYITEM", {txt(L"a;;c"), num(2)})));
}

TEST(ProductFunctions, NumberTests) {
    EXPECT_TRUE(isNumber(call(L"ISNULL", {num(0)}), 1));
    EXPECT_TRUE(isNumber(call(L"ISNULL", {KmFuncValue{}}), 1));
    EXPECT_TRUE(isNumber(call(L"ISNULL", {txt(L"")}), 1));
    EXPECT_TRUE(isNumber(call(L"ISNULL", {txt(L"0")}), 0));
    EXPECT_TRUE(isNumber(call(L"ISNULL", {num(0.001)}), 0));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {txt(L"-3")}), 0));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {txt(L"3mm")}), 1));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {txt(L"abc")}), 0));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {num(2)}), 1));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {num(0)}), 0));
    EXPECT_TRUE(isNumber(call(L"ISPOSITIVE", {KmFuncValue{}}), 0));
    EXPECT_TRUE(isNumber(call(L"TONUMBER", {txt(L" 12.5mm")}), 12.5));
    EXPECT_TRUE(isNumber(call(L"TONUMBER", {txt(L"-1e3x")}), -1000));
    EXPECT_TRUE(isNumber(call(L"TONUMBER", {txt(L"0x10")}), 0));
    EXPECT_TRUE(isNumber(call(L"TONUMBER", {txt(L"inf")}), 0));
    EXPECT_TRUE(isNumber(call(L"TONUMBER", {txt(L"")}), 0));
}

// The leading number reads as the C library reads that part: random decimals with signs,
// points, exponents (out of range too) and trailing text.
TEST(ProductFunctions, LeadingNumbersReadAsTheCLibraryReadsThem) {
    std::mt19937_64 random(20261210);
    const char* tails[] = {"", "mm", " x", "e", "e+", ".", "E-x"};
    for (int i = 0; i < 3000; ++i) {
        std::string part;
        if (random() % 4 == 0) part += random() % 2 ? "-" : "+";
        const int whole = static_cast<int>(random() % 12);
        for (int k = 0; k < whole; ++k) part += static_cast<char>('0' + random() % 10);
        if (random() % 2) {
            part += '.';
            const int decimals = static_cast<int>(random() % 20);
            for (int k = 0; k < decimals; ++k) part += static_cast<char>('0' + random() % 10);
        }
        if (random() % 3 == 0) part += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
        const std::string text = part + tails[random() % std::size(tails)];
        bool ok = false;
        const double got = leadingNumber(Zk_String::fromUtf8(text).view(), &ok);
        char* end = nullptr;
        double want = std::strtod(part.c_str(), &end);
        const bool digits = part.find_first_of("0123456789") != std::string::npos &&
                            part.find_first_of("0123456789") < part.find_first_of("eE");
        const bool wantOk = digits && std::isfinite(want);
        if (!wantOk) want = 0.0;
        EXPECT_EQ(ok, wantOk) << text;
        EXPECT_EQ(got, want) << text;
    }
}

TEST(ProductFunctions, CalcValuesConvertBothWays) {
    SS_CALCVALUE v;
    v.Status = SS_VALUE_STATUS_OK;
    v.Type = SS_VALUE_TYPE_LONG;
    v.Val.ValLong = 7;
    KmFuncValue f = funcValueFromCalcValue(v);
    EXPECT_EQ(f.kind, KmFuncValue::Number);
    EXPECT_EQ(f.number, 7);

    SS_CALCVALUE s;
    ASSERT_TRUE(SSSetCalcValueStr(&s, L"\"quoted\""));
    f = funcValueFromCalcValue(s);
    EXPECT_EQ(f.kind, KmFuncValue::Text);
    EXPECT_EQ(f.text, Zk_String(L"quoted"));

    // Texts the control passes by reference read the same.
    const std::wstring held = L"\"by reference\"";
    SS_CALCVALUE r;
    r.Status = SS_VALUE_STATUS_OK;
    r.Type = SS_VALUE_TYPE_STRREF;
    r.Val.ValStrRef = {held.data(), static_cast<LONG>(held.size())};
    f = funcValueFromCalcValue(r);
    EXPECT_EQ(f.kind, KmFuncValue::Text);
    EXPECT_EQ(f.text, Zk_String(L"by reference"));
    r.Val.ValStrRef = {held.data(), -1};
    EXPECT_EQ(funcValueFromCalcValue(r).kind, KmFuncValue::Other);

    SS_CALCVALUE out;
    ASSERT_TRUE(calcValueFromFuncValue(KmFuncValue::makeText(Zk_String()), out));
    EXPECT_EQ(out.Status, SS_VALUE_STATUS_EMPTY);
    ASSERT_TRUE(calcValueFromFuncValue(KmFuncValue::makeNumber(2.5), out));
    EXPECT_EQ(out.Type, SS_VALUE_TYPE_DOUBLE);
    EXPECT_EQ(out.Val.ValDouble, 2.5);
}

class DataFiles : public ::testing::Test {
protected:
    TempLibrary lib;
};

TEST_F(DataFiles, GetCellWithOneToSixKeys) {
    lib.write("Connection Standards/Data/bolts.txt",
              "// bolt table\n"
              "M16\t18 // hole\n"
              "\n"
              "M16;10.000000\tshort\n"
              "a;b;c;d;e;f\tsix\n"
              "M20;1.500000;x\t3 keys\textra\n"
              "alone\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"M16")}), L"18 "));
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"M16"), num(10)}), L"short"));
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"M20"), num(1.5), txt(L"x")}), L"3 keys"));
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"a"), txt(L"b"), txt(L"c"), txt(L"d"),
                                         txt(L"e"), txt(L"f")}), L"six"));
    // A commented-out row does not match; a key is compared exactly.
    EXPECT_FALSE(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"bolt table")}).ok);
    EXPECT_FALSE(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"m16")}).ok);
    EXPECT_FALSE(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"M16"), num(10.001)}).ok);
    // A matching row without a second field fails.
    EXPECT_FALSE(call(L"GETCELL", {txt(L"bolts.txt"), txt(L"alone")}).ok);
    EXPECT_FALSE(call(L"GETCELL", {txt(L"missing.txt"), txt(L"M16")}).ok);
    EXPECT_FALSE(call(L"GETCELL", {num(1), txt(L"M16")}).ok);
}

TEST_F(DataFiles, DataFilesAreFoundInLocationOrder) {
    lib.write("t.txt", "k\tlibrary\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"t.txt"), txt(L"k")}), L"library"));
    lib.write("Connection Standards/t.txt", "k\tstandards\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"t.txt"), txt(L"k")}), L"standards"));
    lib.write("Connection Standards/Data/t.txt", "k\tdata\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"t.txt"), txt(L"k")}), L"data"));
    const Zk_String direct = lib.write("elsewhere/t.txt", "k\tdirect\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {KmFuncValue::makeText(direct), txt(L"k")}), L"direct"));
}

TEST_F(DataFiles, ChangedFileIsReadAgain) {
    lib.write("Connection Standards/Data/c.txt", "k\t1\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"c.txt"), txt(L"k")}), L"1"));
    lib.write("Connection Standards/Data/c.txt", "k\t22\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"c.txt"), txt(L"k")}), L"22"));
    // Rewritten at once with the same size: within the file system's time resolution the
    // write time may not change, so a file this fresh is never taken from memory.
    for (const char* value : {"33", "44", "55"}) {
        lib.write("Connection Standards/Data/c.txt", std::string("k\t") + value + "\n");
        EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"c.txt"), txt(L"k")}), Zk_String::fromUtf8(value).c_str()))
            << value;
    }
}

// Table keys join their parts with ";" by place: an empty first part still leads.
TEST_F(DataFiles, KeysJoinEveryPartInPlace) {
    lib.write("Connection Standards/Data/keys.txt", ";b\tempty first\nb\tonly b\na;1.500000\tnumber\n");
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"keys.txt"), txt(L""), txt(L"b")}), L"empty first"));
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"keys.txt"), txt(L"b")}), L"only b"));
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"keys.txt"), txt(L"a"), num(1.5)}), L"number"));
}

// Within a calculation pass a kept table is read as the pass's first look-up found it;
// the next pass (or a look-up outside any) sees the change.
TEST_F(DataFiles, APassReadsEachDataFileAsItsFirstLookUpFoundIt) {
    lib.write("Connection Standards/Data/p.txt", "k\tbefore\n");
    const std::filesystem::path path = lib.root() / "Connection Standards/Data/p.txt";
    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(1));
    {
        const KmDataFileSnapshot pass;
        EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"p.txt"), txt(L"k")}), L"before"));
        lib.write("Connection Standards/Data/p.txt", "k\tafter, longer\n");
        EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"p.txt"), txt(L"k")}), L"before"));
        {
            const KmDataFileSnapshot child;  // a child standard's pass inside the parent's
            EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"p.txt"), txt(L"k")}), L"before"));
        }
        EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"p.txt"), txt(L"k")}), L"before"));
    }
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"p.txt"), txt(L"k")}), L"after, longer"));
    {
        const KmDataFileSnapshot next;
        lib.write("Connection Standards/Data/p.txt", "k\tthird\n");
        EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"p.txt"), txt(L"k")}), L"third"));
    }
}

// A pass first asks the folders of every kept name at once; when one of them changed,
// each name is checked on its own, so only the changed file is read again.
TEST_F(DataFiles, APassSeesTheOneChangedFileAmongManyKept) {
    const auto settle = [&](const std::string& relative) {
        const std::filesystem::path path = lib.root() / relative;
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) - std::chrono::hours(1));
    };
    // More folders to watch than one look can take (two or three for each name).
    constexpr int kNames = 40;
    for (int i = 0; i < kNames; ++i) {
        const std::string file = "Connection Standards/Data/n" + std::to_string(i) + ".txt";
        lib.write(file, "k\t" + std::to_string(i) + "\n");
        settle(file);
    }
    lib.write("Connection Standards/up.txt", "k\tbefore\n");
    settle("Connection Standards/up.txt");
    const auto lookUp = [&](const std::wstring& name) { return call(L"GETCELL", {txt(name.c_str()), txt(L"k")}); };
    {
        const KmDataFileSnapshot pass;
        for (int i = 0; i < kNames; ++i)
            EXPECT_TRUE(isText(lookUp(L"n" + std::to_wstring(i) + L".txt"), std::to_wstring(i).c_str()));
        EXPECT_TRUE(isText(lookUp(L"up.txt"), L"before"));
    }
    lib.write("Connection Standards/up.txt", "k\tafter\n");
    for (int round = 0; round < 2; ++round) {  // the change, then all quiet again
        const KmDataFileSnapshot pass;
        EXPECT_TRUE(isText(lookUp(L"n7.txt"), L"7"));
        EXPECT_TRUE(isText(lookUp(L"up.txt"), L"after"));
        EXPECT_TRUE(isText(lookUp(L"n39.txt"), L"39"));
    }
    lib.write("Connection Standards/Data/n39.txt", "k\tchanged\n");
    const KmDataFileSnapshot pass;
    EXPECT_TRUE(isText(lookUp(L"n39.txt"), L"changed"));
    EXPECT_TRUE(isText(lookUp(L"up.txt"), L"after"));
}

TEST_F(DataFiles, BinaryEmptyOrOversizedFilesFail) {
    lib.write("Connection Standards/Data/bin.txt", std::string("k\t1\n\0\x01\x02", 7));
    EXPECT_FALSE(call(L"GETCELL", {txt(L"bin.txt"), txt(L"k")}).ok);
    lib.write("Connection Standards/Data/empty.txt", "// nothing\n\n");
    EXPECT_FALSE(call(L"GETCELL", {txt(L"empty.txt"), txt(L"k")}).ok);
    lib.write("Connection Standards/Data/huge.txt", "k\t1\n" + std::string(kMaxDataFileBytes, 'x'));
    EXPECT_FALSE(call(L"GETCELL", {txt(L"huge.txt"), txt(L"k")}).ok);
    std::filesystem::create_directories(lib.root() / "Connection Standards/Data/dir.txt");
    EXPECT_FALSE(call(L"GETCELL", {txt(L"dir.txt"), txt(L"k")}).ok);
    lib.write("Connection Standards/Data/sizes.txt", std::string("100\n\0", 5));
    EXPECT_FALSE(call(L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(5), num(118), num(0), num(5)}).ok);
}

TEST_F(DataFiles, StandardSizeFunctions) {
    lib.write("Connection Standards/Data/plates.txt", "100\n120\n140\n");
    EXPECT_TRUE(isNumber(call(L"STDSIZEWITHTOLERANCE", {txt(L"plates.txt"), num(5), num(118), num(0), num(5)}), 120));
    EXPECT_TRUE(isNumber(call(L"STDSIZEWITHTOLERANCE", {txt(L"plates.txt"), num(5), num(123), num(0), num(1)}), 123));

    lib.write("Connection Standards/Data/flats.txt", "/* width x thickness */\n150x10\n100x12\n90\n120x10\n");
    // Thickness 12 leaves 90 and 100: 118 within (-20, +0) goes down to 100.
    EXPECT_TRUE(isNumber(call(L"STDWIDTHWITHTOLERANCE", {txt(L"flats.txt"), num(5), num(12), num(118), num(20), num(0)}), 100));
    // Thickness 10 has 120 as well.
    EXPECT_TRUE(isNumber(call(L"STDWIDTHWITHTOLERANCE", {txt(L"flats.txt"), num(5), num(10), num(118), num(20), num(5)}), 120));
    // Thicknesses come from the second values (0 for a single number).
    EXPECT_TRUE(isNumber(call(L"STDTHICKNESSWITHTOLERANCE", {txt(L"flats.txt"), num(1), num(11), num(0), num(2)}), 12));
    EXPECT_FALSE(call(L"STDWIDTHWITHTOLERANCE", {txt(L"flats.txt"), num(5), txt(L"10"), num(118), num(20), num(5)}).ok);

    lib.write("Connection Standards/Data/bad.txt", "100\nwide\n");
    EXPECT_FALSE(call(L"STDSIZEWITHTOLERANCE", {txt(L"bad.txt"), num(5), num(118), num(0), num(5)}).ok);
}

TEST_F(DataFiles, AMalformedSizeLineFailsTheCallNamingFileAndLine) {
    // Line 4 of the file (a block comment spans lines 1 and 2) is malformed.
    lib.write("Connection Standards/Data/odd.txt", "/* sizes\n   in mm */\n100\n120 mm\n140\n");
    int line = 0;
    KmSizeList sizes;
    EXPECT_FALSE(parseSizeList(Zk_String(L"/* sizes\n   in mm */\n100\n120 mm\n140\n"), sizes, &line));
    EXPECT_EQ(line, 4);
    win::ClearMessageBoxLog();
    gSettings.current.standardsDiagnostics = false;
    EXPECT_FALSE(call(L"STDSIZEWITHTOLERANCE", {txt(L"odd.txt"), num(5), num(118), num(0), num(5)}).ok);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    gSettings.current.standardsDiagnostics = true;
    EXPECT_FALSE(call(L"STDSIZEWITHTOLERANCE", {txt(L"odd.txt"), num(5), num(118), num(0), num(5)}).ok);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    const std::wstring& text = win::MessageBoxLog()[0].text;
    EXPECT_EQ(text.rfind(L"The size list ", 0), 0u) << Zk_String(text).toUtf8();
    EXPECT_NE(text.find(L"odd.txt has a malformed line (line: 4):\n120 mm\n"
                        L"Every line must hold a size A or a pair AxB of numbers."),
              std::wstring::npos)
        << Zk_String(text).toUtf8();
    // Another file in the same pass still works.
    lib.write("Connection Standards/Data/plates.txt", "100\n120\n140\n");
    EXPECT_TRUE(isNumber(call(L"STDSIZEWITHTOLERANCE", {txt(L"plates.txt"), num(5), num(118), num(0), num(5)}), 120));
}

TEST_F(DataFiles, InvalidTolerancesWarnOnlyWithDiagnostics) {
    lib.write("Connection Standards/Data/plates.txt", "100\n120\n140\n");
    win::ClearMessageBoxLog();
    gSettings.current.standardsDiagnostics = false;
    EXPECT_TRUE(call(L"STDSIZEWITHTOLERANCE", {txt(L"plates.txt"), num(5), num(118), num(0), num(0)}).ok);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    gSettings.current.standardsDiagnostics = true;
    // The calculation continues after the warning.
    EXPECT_TRUE(isNumber(call(L"STDSIZEWITHTOLERANCE", {txt(L"plates.txt"), num(5), num(120), num(-1), num(1)}), 120));
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text, invalidTolerancesText(-1, 1).wstr());
    EXPECT_EQ(win::MessageBoxLog()[0].flags & MB_ICONMASK, MB_ICONEXCLAMATION);
}

class SectionFunctions : public DataFiles {
protected:
    void SetUp() override {
        gSectionTables.clear();
        Zk_StringArray columns{Zk_String(L"Name"), Zk_String(L"ENG"), Zk_String(L"GER"), Zk_String(L"FRA"),
                               Zk_String(L"ITA"), Zk_String(L"h"), Zk_String(L"b")};
        Zk_Array<Zk_StringArray> rows;
        rows.append(Zk_StringArray{Zk_String(L"HEA200"), Zk_String(L"HE 200 A"), Zk_String(L"HE 200 A"),
                                   Zk_String(L"HE 200 A"), Zk_String(L"HE 200 A"), Zk_String(L"190"),
                                   Zk_String(L"200")});
        ASSERT_EQ(gSectionTables.addSectionTable(Zk_String(L"HEA"), Zk_String(), columns, rows), Acad::eOk);
    }
    void TearDown() override { gSectionTables.clear(); }
};

TEST_F(SectionFunctions, SectionValuesAndSystemNames) {
    EXPECT_TRUE(isNumber(call(L"SECTIONSIZE", {txt(L"HEA-HEA200"), num(1)}), 190));
    EXPECT_TRUE(isNumber(call(L"SECTIONSIZE", {txt(L"HEA-HEA200"), num(2.7)}), 200));
    EXPECT_FALSE(call(L"SECTIONSIZE", {txt(L"HEA-HEA200"), num(0)}).ok);
    EXPECT_FALSE(call(L"SECTIONSIZE", {txt(L"HEA-HEA200"), num(9)}).ok);
    EXPECT_FALSE(call(L"SECTIONSIZE", {txt(L"HEA-XX"), num(1)}).ok);
    EXPECT_TRUE(isText(call(L"GETSYSNAME", {txt(L"HE 200 A")}), L"HEA-HEA200"));
    EXPECT_TRUE(isText(call(L"GETSYSNAME", {txt(L"unknown")}), L"unknown"));
}

TEST_F(SectionFunctions, GetProfCellTranslatesFirstFields) {
    lib.write("Connection Standards/Data/prof.txt", "HE 200 A\t42\nplain\t1\n");
    EXPECT_TRUE(isText(call(L"GETPROFCELL", {txt(L"prof.txt"), txt(L"HEA-HEA200")}), L"42"));
    EXPECT_TRUE(isText(call(L"GETPROFCELL", {txt(L"prof.txt"), txt(L"plain")}), L"1"));
    // GETCELL compares the fields as written.
    EXPECT_FALSE(call(L"GETCELL", {txt(L"prof.txt"), txt(L"HEA-HEA200")}).ok);
    EXPECT_TRUE(isText(call(L"GETCELL", {txt(L"prof.txt"), txt(L"HE 200 A")}), L"42"));
}

}  // namespace
