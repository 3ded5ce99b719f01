#include "host/zk_string.h"

#include <cstdio>

#include <gtest/gtest.h>

TEST(ZkString, ConstructionFromNumbersAndCharacters) {
    EXPECT_EQ(Zk_String(42), L"42");
    EXPECT_EQ(Zk_String(-7), L"-7");
    EXPECT_EQ(Zk_String('x'), L"x");
    EXPECT_EQ(Zk_String(L'\u00e9'), L"\u00e9");
    EXPECT_EQ(Zk_String(3.14159, 2), L"3.14");
    EXPECT_EQ(Zk_String(10.0, 6), L"10.000000");
    // A value rounding to zero never shows a sign.
    EXPECT_EQ(Zk_String(-0.0001, 2), L"0.00");
    EXPECT_EQ(Zk_String(-0.0, 0), L"0");
    EXPECT_EQ(Zk_String(-1.5, 1), L"-1.5");
    // Out-of-range decimal counts are clamped, not undefined.
    EXPECT_EQ(Zk_String(1.0, -3), L"1");
    EXPECT_EQ(Zk_String(1.0, 99).length(), 22);
    EXPECT_EQ(Zk_String(static_cast<const wchar_t*>(nullptr)), L"");
    // Whole numbers and others read as printf writes them (none of these rounds to zero).
    for (double v : {0.0, 7.0, -7.0, 1e14, -999999999999999.0, 1e15, 123456789012345678.0, 2.5, -2.25}) {
        for (int decimals : {0, 2, 10}) {
            char buf[400];
            std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
            EXPECT_EQ(Zk_String(v, decimals).toUtf8(), std::string(buf)) << v << " " << decimals;
        }
    }
}

TEST(ZkString, Utf8RoundTripAndInvalidBytes) {
    const Zk_String s("Stra\xC3\x9F" "e \xE2\x80\xA2");
    EXPECT_EQ(s, L"Stra\u00dfe \u2022");
    EXPECT_EQ(s.toUtf8(), "Stra\xC3\x9F" "e \xE2\x80\xA2");
    // Invalid UTF-8 keeps every byte as a character.
    EXPECT_EQ(Zk_String::fromUtf8("a\xFF" "b").length(), 3);
}

TEST(ZkString, EditingClampsPositions) {
    Zk_String s(L"abcdef");
    s.insert(100, L"X");
    EXPECT_EQ(s, L"abcdefX");
    s.insert(-5, L"Y");
    EXPECT_EQ(s, L"YabcdefX");
    s.remove(-1, 2);  // removes only what lies inside: "Y"
    EXPECT_EQ(s, L"abcdefX");
    s.remove(5, 100);
    EXPECT_EQ(s, L"abcde");
    s.remove(9, 1);
    EXPECT_EQ(s, L"abcde");
    EXPECT_EQ(s.mid(-2, 4), L"ab");
    EXPECT_EQ(s.mid(3), L"de");
    EXPECT_EQ(s.mid(10), L"");
    EXPECT_EQ(s.left(99), L"abcde");
    EXPECT_EQ(s.right(2), L"de");
    EXPECT_EQ(s[-1], L'\0');
    EXPECT_EQ(s[5], L'\0');
    EXPECT_FALSE(s.setAt(5, L'z'));
    EXPECT_TRUE(s.setAt(0, L'z'));
    EXPECT_EQ(s, L"zbcde");
}

TEST(ZkString, ReplaceContinuesAfterInsertedText) {
    Zk_String s(L"a-a-a");
    EXPECT_EQ(s.replace(L"a", L"aa"), 3);
    EXPECT_EQ(s, L"aa-aa-aa");
    Zk_String t(L"Width WIDTH width");
    EXPECT_EQ(t.replace(L"width", L"W", true), 3);
    EXPECT_EQ(t, L"W W W");
    Zk_String u(L"abc");
    EXPECT_EQ(u.replace(L"", L"x"), 0);
    EXPECT_EQ(u, L"abc");
    EXPECT_EQ(u.replace(L"abc", L""), 1);
    EXPECT_TRUE(u.isEmpty());
}

TEST(ZkString, WholeTextCompareWithAndWithoutCase) {
    const Zk_String a(L"Plate"), b(L"PLATE");
    EXPECT_FALSE(a.equal(b));
    EXPECT_TRUE(a.equal(b, true));
    EXPECT_FALSE(a.equal(L"Plat", true));   // a prefix is not equal
    EXPECT_FALSE(a.equal(L"Plates", true));
    EXPECT_TRUE(Zk_String().equal(L""));
    EXPECT_LT(Zk_String(L"Plat").compare(a), 0);
    EXPECT_GT(a.compare(L"Plat"), 0);
    EXPECT_GT(a.compare(b), 0);  // 'l' > 'L'
    EXPECT_EQ(a.compare(b, true), 0);
    EXPECT_TRUE(Zk_String(L"A") < Zk_String(L"a"));
}

TEST(ZkString, SearchWithCaseFlag) {
    const Zk_String s(L"Bolt.NrBolts1.nrbolts");
    EXPECT_EQ(s.find(L"NrBolts"), 5);
    EXPECT_EQ(s.find(L"nrbolts"), 14);
    EXPECT_EQ(s.find(L"nrbolts", 0, true), 5);
    EXPECT_EQ(s.find(L"nrbolts", 6, true), 14);
    EXPECT_EQ(s.find(L"x"), -1);
    EXPECT_EQ(s.findLast(L"."), 13);
    EXPECT_EQ(s.findLast(L'.'), 13);
    EXPECT_EQ(s.find(L'.', 5), 13);
    EXPECT_EQ(s.find(L'.', 99), -1);
    EXPECT_TRUE(s.startsWith(L"bolt", true));
    EXPECT_FALSE(s.startsWith(L"bolt"));
    EXPECT_TRUE(s.endsWith(L"BOLTS", true));
    EXPECT_FALSE(Zk_String(L"ab").endsWith(L"xab"));
}

TEST(ZkString, NumericConversionIsStrict) {
    bool ok = false;
    EXPECT_DOUBLE_EQ(Zk_String(L" 12.5 ").toDouble(&ok), 12.5);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(Zk_String(L"-1e3").toDouble(&ok), -1000.0);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(Zk_String(L".5").toDouble(&ok), 0.5);
    EXPECT_TRUE(ok);
    for (const wchar_t* bad : {L"", L"-", L".", L"1e", L"12abc", L"inf", L"nan", L"0x10", L"1,5", L"1e999"}) {
        EXPECT_DOUBLE_EQ(Zk_String(bad).toDouble(&ok), 0.0) << Zk_String(bad).toUtf8();
        EXPECT_FALSE(ok) << Zk_String(bad).toUtf8();
    }
    EXPECT_EQ(Zk_String(L"2147483647").toInt(&ok), 2147483647);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Zk_String(L"-2147483648").toInt(&ok), -2147483647 - 1);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Zk_String(L"2147483648").toInt(&ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Zk_String(L"99999999999999999999").toInt(&ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Zk_String(L"1.0").toInt(&ok), 0);
    EXPECT_FALSE(ok);
}

TEST(ZkString, CaseAndTrim) {
    EXPECT_EQ(Zk_String(L"dlg_GenVars").toUpper(), L"DLG_GENVARS");
    EXPECT_EQ(Zk_String(L"ABC").toLower(), L"abc");
    EXPECT_EQ(Zk_String(L" \t x y \r\n").trimmed(), L"x y");
    EXPECT_EQ(Zk_String(L"   ").trimmed(), L"");
    EXPECT_EQ(Zk_String(L"a") + L"b" + Zk_String(L"c") + L'd', L"abcd");
    EXPECT_EQ(L"x" + Zk_String(L"y"), L"xy");
}

TEST(ZkString, NumberTextsWithTrimmedZeros) {
    EXPECT_EQ(Zk_String::fromNumber(200.0, 1, 0), L"200");
    EXPECT_EQ(Zk_String::fromNumber(12.5, 1, 0), L"12.5");
    EXPECT_EQ(Zk_String::fromNumber(-0.0000000001, 1, 0), L"-0.0000000001");
    EXPECT_EQ(Zk_String::fromNumber(-0.00000000001, 1, 0), L"0");
    EXPECT_EQ(Zk_String::fromNumber(2.25, 0, 3), L"2.250");
    EXPECT_EQ(Zk_String::fromNumber(1.0 / 0.0, 1, 0), L"0");
}
