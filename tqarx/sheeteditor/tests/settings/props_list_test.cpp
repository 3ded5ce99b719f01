// The typed key list: its text form in a sheet, its file form, look-ups and typed reads.
#include <gtest/gtest.h>

#include "sheeteditor/zk_simple_props_list.h"
#include "sheeteditor_test_support.h"

namespace {

using namespace sheettest;

const Zk_String kSep(Zk_SimplePropsList::kSeparator);

Zk_String withSeparators(const wchar_t* text) {
    Zk_String s(text);
    s.replace(L"|", kSep);
    return s;
}

TEST(PropsListText, EntriesAreWrittenInOrderWithEveryFieldFollowedByTheSeparator) {
    Zk_SimplePropsList list;
    EXPECT_TRUE(list.setText(L"defaultFont", L"Arial"));
    EXPECT_TRUE(list.setInt(L"marginLeft", -3));
    EXPECT_TRUE(list.setReal(L"scale", 1.005));
    EXPECT_TRUE(list.setInt(L"big", 70000, Zk_SimplePropsList::kLong));
    EXPECT_TRUE(list.setBool(L"border", true));
    EXPECT_EQ(list.toText(), withSeparators(L"defaultFont|4|Arial|marginLeft|2|-3|scale|1|1.00|big|3|70000|"
                                            L"border|2|1|"));
    EXPECT_TRUE(Zk_SimplePropsList().toText().isEmpty());
}

TEST(PropsListText, AnIncompleteLastGroupIsDroppedAndUnknownTypesBecomeNone) {
    Zk_SimplePropsList list;
    EXPECT_TRUE(list.fromText(withSeparators(L"count|2|42|name|4|a b|tail|4|")));
    ASSERT_EQ(list.count(), 2);
    int count = 0;
    EXPECT_TRUE(list.getInt(L"count", count));
    EXPECT_EQ(count, 42);
    Zk_String name;
    EXPECT_TRUE(list.getText(L"name", name));
    EXPECT_EQ(name, L"a b");
    EXPECT_EQ(list.find(L"tail"), -1);

    EXPECT_TRUE(list.fromText(withSeparators(L"odd|9|zzz|r|1|2.5|")));
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0).type, Zk_SimplePropsList::kNone);
    double r = 0;
    EXPECT_TRUE(list.getReal(L"r", r));
    EXPECT_DOUBLE_EQ(r, 2.5);

    // An empty text is a failed read that leaves an empty list.
    EXPECT_FALSE(list.fromText(Zk_String()));
    EXPECT_EQ(list.count(), 0);
}

TEST(PropsListText, ASeparatorInsideATextCannotShiftTheEntriesAfterIt) {
    Zk_SimplePropsList list;
    list.setText(L"title", withSeparators(L"a|b"));
    list.setInt(L"after", 3);
    Zk_SimplePropsList back;
    ASSERT_TRUE(back.fromText(list.toText()));
    Zk_String title;
    EXPECT_TRUE(back.getText(L"title", title));
    EXPECT_EQ(title, L"a?b");
    int after = 0;
    EXPECT_TRUE(back.getInt(L"after", after));
    EXPECT_EQ(after, 3);
}

TEST(PropsListText, TextRoundTripsAndAReadReplacesTheList) {
    Zk_SimplePropsList list;
    list.setText(L"a", L"x y");
    list.setInt(L"b", 7);
    Zk_SimplePropsList back;
    back.setInt(L"old", 1);
    EXPECT_TRUE(back.fromText(list.toText()));
    EXPECT_EQ(back, list);
}

TEST(PropsListLookup, NamesIgnoreCaseAndASecondSetReplacesInPlace) {
    Zk_SimplePropsList list;
    list.setText(L"defaultFont", L"Tahoma");
    list.setInt(L"height", 13);
    EXPECT_EQ(list.find(L"DEFAULTFONT"), 0);
    // Another type replaces type and value in place and empties the text.
    list.setInt(L"DefaultFont", 5);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(0).name, L"defaultFont");
    EXPECT_EQ(list.at(0).type, Zk_SimplePropsList::kInteger);
    EXPECT_TRUE(list.at(0).text.isEmpty());
    EXPECT_FALSE(list.setInt(Zk_String(), 1));
    EXPECT_EQ(list.count(), 2);
}

TEST(PropsListLookup, TypedReadsWantTheirTypeAndLeaveEmptyValuesWhenThatFails) {
    Zk_SimplePropsList list;
    list.setText(L"t", L"text");
    list.setInt(L"l", 5, Zk_SimplePropsList::kLong);
    int i = 9;
    EXPECT_FALSE(list.getInt(L"t", i));
    EXPECT_EQ(i, 0);
    EXPECT_FALSE(list.getInt(L"l", i));  // a long is no integer entry
    bool b = true;
    EXPECT_FALSE(list.getBool(L"missing", b));
    EXPECT_FALSE(b);
    Zk_String t = L"x";
    EXPECT_FALSE(list.getText(L"l", t));
    EXPECT_TRUE(t.isEmpty());
}

class PropsListFile : public SheetEditorTest {};

TEST_F(PropsListFile, FilesAreReadByteByByteWithTheByteA4AsSeparator) {
    const fs::path file = root / "s.kmd";
    writeBytes(file, kmd("footerFile|4|caf\xE9.txt|marginTop|2|12|"));
    Zk_SimplePropsList list;
    ASSERT_TRUE(list.readFile(winPath(file)));
    Zk_String footer;
    EXPECT_TRUE(list.getText(L"footerFile", footer));
    EXPECT_EQ(footer, Zk_String(L"caf\u00E9.txt"));
    // Written back, the same bytes.
    const fs::path copy = root / "copy.kmd";
    ASSERT_TRUE(list.writeFile(winPath(copy)));
    EXPECT_EQ(readBytes(copy), readBytes(file));
}

TEST_F(PropsListFile, AMissingFileOrNoNameFailsWithAnEmptyList) {
    Zk_SimplePropsList list;
    list.setInt(L"x", 1);
    EXPECT_FALSE(list.readFile(winPath(root / "none.kmd")));
    EXPECT_EQ(list.count(), 0);
    list.setInt(L"x", 1);
    EXPECT_FALSE(list.readFile(Zk_String()));
    EXPECT_EQ(list.count(), 0);
    // Writing into a folder that does not exist fails and leaves nothing.
    EXPECT_FALSE(list.writeFile(winPath(root / "no" / "where.kmd")));
    EXPECT_FALSE(fs::exists(root / "no"));
}

}  // namespace
