#include <gtest/gtest.h>

#include "host/properties_list.h"
#include "temp_folder.h"

namespace {

TEST(PropertiesList, TypedValuesRoundTripThroughTheText) {
    Zk_PropertiesList list;
    list.setProperty(L"count", -42);
    list.setProperty(L"x0", 0.1);
    list.setProperty(L"tiny", 1e-300);
    list.setProperty(L"text.a", Zk_String(L"He said \"a;b\"\\\tnext\r\nline"));
    list.setProperty(L"count", 7);  // replaced in place
    Zk_PropertiesList back;
    Zk_String error;
    ASSERT_TRUE(back.parse(list.toText(), &error)) << error.toUtf8();
    ASSERT_EQ(back.count(), 4);
    EXPECT_EQ(back.keyAt(0), L"count");
    int i = 0;
    double d = 0;
    Zk_String s;
    ASSERT_TRUE(back.getProperty(L"count", i));
    EXPECT_EQ(i, 7);
    ASSERT_TRUE(back.getProperty(L"x0", d));
    EXPECT_EQ(d, 0.1);
    back.getProperty(L"tiny", d);
    EXPECT_EQ(d, 1e-300);
    ASSERT_TRUE(back.getProperty(L"text.a", s));
    EXPECT_EQ(s, L"He said \"a;b\"\\\tnext\r\nline");
    // Types are kept apart, but an int serves as a double.
    EXPECT_FALSE(back.getProperty(L"text.a", i));
    EXPECT_TRUE(back.getProperty(L"count", d));
    EXPECT_EQ(d, 7.0);
    EXPECT_FALSE(back.getProperty(L"absent", s));
    EXPECT_EQ(list.toText().toUtf8().substr(0, 16), "int count = 7\r\nd");
}

TEST(PropertiesList, HandEditedFilesWithCommentsAndBlanks) {
    Zk_PropertiesList list;
    ASSERT_TRUE(list.parse(L"# template\n\n  int   a=1  \r\ndouble b = 2.5e1\n\tstring c = \"\"\n"));
    int a = 0;
    double b = 0;
    Zk_String c = L"x";
    EXPECT_TRUE(list.getProperty(L"a", a));
    EXPECT_EQ(a, 1);
    EXPECT_TRUE(list.getProperty(L"b", b));
    EXPECT_EQ(b, 25.0);
    EXPECT_TRUE(list.getProperty(L"c", c));
    EXPECT_EQ(c, L"");
    EXPECT_EQ(list.lineOf(L"b"), 4);
}

TEST(PropertiesList, MalformedLinesAreNamedAndChangeNothing) {
    const struct {
        const wchar_t* text;
        const char* reason;
    } cases[] = {
        {L"int a = 1\nfloat b = 2\n", "line 2: the type"},
        {L"int a = 1\nint a = 2\n", "line 2: the key a appears again (first on line 1)"},
        {L"int a = 99999999999\n", "line 1: \"99999999999\" is not a 32-bit integer"},
        {L"double a = nan\n", "not a finite number"},
        {L"double a = 1e999\n", "not a finite number"},
        {L"string a = plain\n", "double quotes"},
        {L"string a = \"open\n", "no closing quote"},
        {L"string a = \"\\q\"\n", "unknown escape"},
        {L"string a = \"x\" y\n", "after the closing quote"},
        {L"int a b = 1\n", "\"=\" expected"},
        {L"int = 1\n", "not a valid key"},
        {L"int a = 1 2\n", "text after the value"},
    };
    for (const auto& c : cases) {
        Zk_PropertiesList list;
        list.setProperty(L"keep", 1);
        Zk_String error;
        EXPECT_FALSE(list.parse(c.text, &error)) << Zk_String(c.text).toUtf8();
        EXPECT_NE(error.toUtf8().find(c.reason), std::string::npos) << error.toUtf8();
        EXPECT_EQ(list.count(), 1);
        EXPECT_TRUE(list.hasProperty(L"keep"));
    }
}

TEST(PropertiesList, FilesAreWrittenWholeAndErrorsNameThem) {
    TempFolder dir;
    Zk_PropertiesList list;
    list.setProperty(L"n", 3);
    ASSERT_TRUE(list.writeToFile(dir.win(L"a.txt")));
    Zk_PropertiesList back;
    ASSERT_TRUE(back.readFromFile(dir.win(L"a.txt")));
    EXPECT_TRUE(back.hasProperty(L"n"));
    Zk_String error;
    EXPECT_FALSE(back.readFromFile(dir.win(L"missing.txt"), &error));
    EXPECT_NE(error.toUtf8().find("missing.txt: the file cannot be read"), std::string::npos);
    // Values the syntax cannot hold are refused rather than written unreadable.
    Zk_PropertiesList bad;
    bad.setProperty(L"bad key", 1);
    EXPECT_FALSE(bad.writeToFile(dir.win(L"b.txt")));
    Zk_PropertiesList inf;
    inf.setProperty(L"x", 1.0 / 0.0);
    EXPECT_FALSE(inf.writeToFile(dir.win(L"a.txt")));
    ASSERT_TRUE(back.readFromFile(dir.win(L"a.txt"))) << "the old file is intact";
}

}  // namespace
