#include "host/list_utils.h"

#include <gtest/gtest.h>

TEST(ListUtils, SplitAtFirstOrLastSymbol) {
    Zk_String l, r;
    EXPECT_TRUE(splitStringAtSymbol(L"Group\u2022Var=1", L"\u2022", l, r));
    EXPECT_EQ(l, L"Group");
    EXPECT_EQ(r, L"Var=1");
    EXPECT_TRUE(splitStringAtSymbol(L"a.b.Cut", L".", l, r, true));
    EXPECT_EQ(l, L"a.b");
    EXPECT_EQ(r, L"Cut");
    // Symbol at the edges gives empty parts, not failure.
    EXPECT_TRUE(splitStringAtSymbol(L"=x", L"=", l, r));
    EXPECT_EQ(l, L"");
    EXPECT_EQ(r, L"x");
    EXPECT_TRUE(splitStringAtSymbol(L"x=", L"=", l, r));
    EXPECT_EQ(l, L"x");
    EXPECT_EQ(r, L"");
    EXPECT_FALSE(splitStringAtSymbol(L"none", L"=", l, r));
    EXPECT_EQ(l, L"none");
    EXPECT_EQ(r, L"");
    EXPECT_FALSE(splitStringAtSymbol(L"a", L"", l, r));
    // Output may alias the input.
    Zk_String s(L"k=v");
    EXPECT_TRUE(splitStringAtSymbol(s, L"=", s, r));
    EXPECT_EQ(s, L"k");
}

TEST(ListUtils, SplitAndJoinLists) {
    EXPECT_EQ(strToArr(L"a;;b;"), (Zk_StringArray{L"a", L"b"}));
    EXPECT_EQ(strToArr(L"a;;b;", L";", false), (Zk_StringArray{L"a", L"", L"b", L""}));
    EXPECT_EQ(strToArr(L" a , b ,, ", L",", true, true), (Zk_StringArray{L"a", L"b"}));
    EXPECT_EQ(strToArr(L""), Zk_StringArray());
    EXPECT_EQ(strToArr(L"", L";", false), Zk_StringArray{L""});
    EXPECT_EQ(strToArr(L"x\u00bfy\u00bf", L"\u00bf"), (Zk_StringArray{L"x", L"y"}));
    EXPECT_EQ(strToArr(L"a<>b<>c", L"<>"), (Zk_StringArray{L"a", L"b", L"c"}));
    EXPECT_EQ(arrToStr({L"a", L"", L"b"}), L"a;;b");
    EXPECT_EQ(arrToStr({}), L"");
    const Zk_StringArray paths{L"x\\a.dwg", L"y"};
    EXPECT_EQ(strToArr(arrToStr(paths, L";"), L";"), paths);
}

TEST(ListUtils, IsNumber) {
    for (const wchar_t* yes : {L"0", L"-3", L"+2.5", L"1e-3", L" 7 ", L"10."})
        EXPECT_TRUE(isNumber(yes)) << Zk_String(yes).toUtf8();
    for (const wchar_t* no : {L"", L"HEA200", L"1.2.3", L"- 1", L"1e", L"nan"})
        EXPECT_FALSE(isNumber(no)) << Zk_String(no).toUtf8();
}

TEST(ListUtils, DuplicatesReportLaterOccurrencesAndNamesOnce) {
    const Zk_StringArray names{L"A", L"b", L"a", L"B", L"A", L"c", L"A"};
    Zk_Array<int> later;
    Zk_StringArray dup;
    EXPECT_TRUE(getDuplicates(names, later, dup));
    EXPECT_EQ(later, (Zk_Array<int>{4, 6}));
    EXPECT_EQ(dup, Zk_StringArray{L"A"});
    EXPECT_TRUE(getDuplicates(names, later, dup, true));
    EXPECT_EQ(later, (Zk_Array<int>{2, 3, 4, 6}));
    EXPECT_EQ(dup, (Zk_StringArray{L"A", L"b"}));
    EXPECT_TRUE(hasDuplicates(names));
    EXPECT_FALSE(hasDuplicates({L"a", L"A", L"b"}));
    EXPECT_TRUE(hasDuplicates({L"a", L"A"}, true));
    EXPECT_FALSE(hasDuplicates({}));
    EXPECT_FALSE(getDuplicates({L"x"}, later));
    EXPECT_TRUE(later.isEmpty());
    // Empty names count like any other text.
    EXPECT_TRUE(hasDuplicates({L"", L""}));
}

TEST(ListUtils, RemoveComments) {
    EXPECT_EQ(removeComments(L"a // note"), L"a ");
    EXPECT_EQ(removeComments(L"a /* x */ b"), L"a  b");
    EXPECT_EQ(removeComments(L"a /* open"), L"a ");
    EXPECT_EQ(removeComments(L"x // c\ny"), L"x \ny");
    EXPECT_EQ(removeComments(L"/* // */ z"), L" z");
    EXPECT_EQ(removeComments(L"a/b*c"), L"a/b*c");
    Zk_StringArray lines{L"10 /* start", L"20", L"end */ 30x5", L"40 // tail"};
    removeComments(lines);
    EXPECT_EQ(lines, (Zk_StringArray{L"10 ", L"", L" 30x5", L"40 "}));
    Zk_StringArray rows{L"a\tb // c", L"/* kept */"};
    removeLineComments(rows);
    EXPECT_EQ(rows, (Zk_StringArray{L"a\tb ", L"/* kept */"}));
}

TEST(ListUtils, SubstringsBeforeAndAfter) {
    EXPECT_EQ(getSubstrBefore(L"Plate.Top.Cut", L"."), L"Plate");
    EXPECT_EQ(getSubstrBefore(L"Plate.Top.Cut", L".", true), L"Plate.Top");
    EXPECT_EQ(getSubstrBefore(L"Plate", L"."), L"Plate");
    EXPECT_EQ(getSubstrAfter(L"Plate.Top.Cut", L".", true), L"Cut");
    EXPECT_EQ(getSubstrAfter(L"Plate", L"."), L"");
}

TEST(ListUtils, ColumnLetters) {
    EXPECT_EQ(getAlfabet(0), L"");
    EXPECT_EQ(getAlfabet(-4), L"");
    EXPECT_EQ(getAlfabet(1), L"A");
    EXPECT_EQ(getAlfabet(26), L"Z");
    EXPECT_EQ(getAlfabet(27), L"AA");
    EXPECT_EQ(getAlfabet(52), L"AZ");
    EXPECT_EQ(getAlfabet(53), L"BA");
    EXPECT_EQ(getAlfabet(702), L"ZZ");
    EXPECT_EQ(getAlfabet(703), L"AAA");
    for (int c = 1; c < 20000; c += 7) ASSERT_EQ(getColumnNumber(getAlfabet(c)), c);
    EXPECT_EQ(getColumnNumber(L"aa"), 27);
    EXPECT_EQ(getColumnNumber(L"A1"), 0);
    EXPECT_EQ(getColumnNumber(L""), 0);
}

TEST(ListUtils, NameHelpers) {
    EXPECT_EQ(findNonExistingString(L"Sheet", {L"A"}), L"Sheet");
    EXPECT_EQ(findNonExistingString(L"Sheet", {L"sheet", L"Sheet1", L"SHEET2"}), L"Sheet3");
    EXPECT_EQ(findNonExistingString(L"Sheet", {L"sheet"}, false), L"Sheet");
    EXPECT_FALSE(hasInvalidFileNameChars(L"End plate_2 (a)"));
    for (const wchar_t* bad : {L"a/b", L"a\\b", L"a:b", L"a*", L"a?", L"\"a\"", L"<a>", L"a|b", L"a\tb"})
        EXPECT_TRUE(hasInvalidFileNameChars(bad)) << Zk_String(bad).toUtf8();
    EXPECT_EQ(stripNumbersAtEnd(L"Beam12"), L"Beam");
    EXPECT_EQ(stripNumbersAtEnd(L"B2eam"), L"B2eam");
    EXPECT_EQ(stripNumbersAtEnd(L"123"), L"");
    int pos = 0;
    EXPECT_EQ(findFirstNumbers(L"HEA200x10", &pos), L"200");
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(findFirstNumbers(L"none", &pos), L"");
    EXPECT_EQ(pos, -1);
}

TEST(ListUtils, SortingIsStableAndNaturalOrderCountsDigits) {
    Zk_StringArray a{L"b", L"B", L"a", L"A"};
    sortStrings(a);
    EXPECT_EQ(a, (Zk_StringArray{L"A", L"B", L"a", L"b"}));
    Zk_StringArray c{L"b", L"B", L"a", L"A"};
    sortStrings(c, true);  // equal without case: previous order kept
    EXPECT_EQ(c, (Zk_StringArray{L"a", L"A", L"b", L"B"}));
    sortStrings(c, true, true);
    EXPECT_EQ(c, (Zk_StringArray{L"b", L"B", L"a", L"A"}));
    Zk_StringArray n{L"M10", L"M2", L"m1", L"M02x", L"M"};
    sortStringsNatural(n);
    EXPECT_EQ(n, (Zk_StringArray{L"M", L"m1", L"M2", L"M02x", L"M10"}));
    EXPECT_EQ(compareNatural(L"A007", L"A7"), 0);
    EXPECT_EQ(sortedIndexes({L"c", L"a", L"b"}), (Zk_Array<int>{1, 2, 0}));
}

TEST(ListUtils, AddToSortedStringsInNaturalOrder) {
    Zk_StringArray names{L"HEA100", L"HEA200", L"HEA1000"};
    EXPECT_EQ(ObjectExportAddToSorted(names, Zk_String(L"HEA300")), 2);
    EXPECT_EQ(ObjectExportAddToSorted(names, Zk_String(L"HEA50")), 0);
    EXPECT_EQ(ObjectExportAddToSorted(names, Zk_String(L"HEA2000")), 5);
    EXPECT_EQ(ObjectExportAddToSorted(names, Zk_String(L"HEA300"), true), 3);
    EXPECT_EQ(names, (Zk_StringArray{L"HEA50", L"HEA100", L"HEA200", L"HEA300", L"HEA1000", L"HEA2000"}));
}
