#include "host/zk_array.h"

#include <gtest/gtest.h>

#include "acad/command_line.h"

TEST(ZkArray, InsertRemoveAndBounds) {
    Zk_Array<int> a;
    EXPECT_TRUE(a.insertAt(0, 2));   // into an empty array
    EXPECT_TRUE(a.insertAt(1, 3));   // index == length appends
    EXPECT_TRUE(a.insertAt(0, 1));
    EXPECT_EQ(a, (Zk_Array<int>{1, 2, 3}));
    acad::ClearCommandLine();
    EXPECT_FALSE(a.insertAt(-1, 9));
    EXPECT_FALSE(a.insertAt(4, 9));
    EXPECT_EQ(a, (Zk_Array<int>{1, 2, 3}));
    EXPECT_EQ(acad::CommandLineText(),
              L"*Error* Invalid index passed to insert.\n*Error* Invalid index passed to insert.\n");
    EXPECT_FALSE(a.removeAt(3));
    EXPECT_FALSE(a.removeAt(-1));
    EXPECT_TRUE(a.removeAt(1));
    EXPECT_EQ(a, (Zk_Array<int>{1, 3}));
    EXPECT_THROW(a[2], std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_FALSE(a.setAt(2, 0));
    a.setLength(4);
    EXPECT_EQ(a, (Zk_Array<int>{1, 3, 0, 0}));
    a.setLength(-2);
    EXPECT_TRUE(a.isEmpty());
    EXPECT_FALSE(a.removeLast());
}

TEST(ZkArray, FindGivesFlagAndIndex) {
    const Zk_Array<int> a{5, 7, 5};
    int index = 99;
    EXPECT_TRUE(a.find(5, index));
    EXPECT_EQ(index, 0);
    EXPECT_TRUE(a.findFrom(5, 1, index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(a.find(6, index));
    EXPECT_EQ(index, -1);
}

TEST(ZkStringArray, FindWithCaseFlag) {
    Zk_StringArray s{L"Column", L"column"};
    int index = 0;
    EXPECT_TRUE(s.find(L"column", index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(s.find(L"COLUMN", index, true));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(s.find(L"COLUMN", index, false));
    EXPECT_FALSE(s.contains(L"COLUMN"));
    EXPECT_TRUE(s.contains(L"COLUMN", true));
    EXPECT_FALSE(s.contains(L"Col", true));  // whole texts only
    EXPECT_EQ(s.appendUnique(L"COLUMN", true), 0);
    EXPECT_EQ(s.appendUnique(L"Beam"), 2);
    EXPECT_EQ(s.length(), 3);
    // Arrays of arrays copy by value.
    Zk_Array<Zk_StringArray> rows{s};
    rows[0][0] = L"changed";
    EXPECT_EQ(s[0], L"Column");
}
