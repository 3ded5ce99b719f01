// The host helpers of the macro settings: the targets of standards, random names and the
// list builder of fixed choices.
#include <gtest/gtest.h>

#include <cwctype>
#include <set>

#include "host/random_string.h"
#include "host/string_arr.h"
#include "host/tab_mapping_data.h"

namespace {

TEST(TabMappingData, TargetsOfStandardsAndModules) {
    TabMappingData data;
    data.standards = Zk_StringArray{L"EndPlate", L"Childs\\BoltLayout"};
    data.mappings = Zk_StringArray{L"Abc", L"Module.Bolts"};
    Zk_String target;
    EXPECT_TRUE(data.getMapping(Zk_String(L"endplate"), target));
    EXPECT_EQ(target, L"Abc");
    EXPECT_FALSE(data.getMapping(Zk_String(L"Other"), target));
    EXPECT_TRUE(target.isEmpty());
    // A name without its target (lists of unequal length) has none.
    data.standards.append(Zk_String(L"Orphan"));
    EXPECT_FALSE(data.getMapping(Zk_String(L"Orphan"), target));

    EXPECT_TRUE(TabMappingData::isModuleTarget(Zk_String(L"Module.Bolts")));
    EXPECT_FALSE(TabMappingData::isModuleTarget(Zk_String(L"Modules")));
    EXPECT_EQ(TabMappingData::moduleOfTarget(Zk_String(L"Module.Plate.1")), L"Plate.1");
    EXPECT_EQ(TabMappingData::moduleTarget(Zk_String(L"Plate")), L"Module.Plate");
}

TEST(RandomString, DrawsLettersAndDigitsOfTheLengthAsked) {
    std::set<std::wstring> seen;
    for (int i = 0; i < 20; ++i) {
        Zk_String text;
        ASSERT_TRUE(generateRandomString(24, text));
        ASSERT_EQ(text.length(), 24);
        for (wchar_t ch : text.wstr()) EXPECT_TRUE(std::iswalnum(ch) && ch < 128) << static_cast<int>(ch);
        seen.insert(text.wstr());
    }
    EXPECT_EQ(seen.size(), 20u);
    Zk_String text(L"old");
    EXPECT_FALSE(generateRandomString(0, text));
    EXPECT_TRUE(text.isEmpty());
}

TEST(RandomString, AReplacedSourceIsUsedAndItsFailureReported) {
    const RandomStringSource before = setRandomStringSource([](int, Zk_String& text) {
        text = Zk_String(L"partial");
        return false;
    });
    Zk_String text;
    EXPECT_FALSE(generateRandomString(24, text));
    EXPECT_TRUE(text.isEmpty());
    setRandomStringSource(before);
    EXPECT_TRUE(generateRandomString(5, text));
}

TEST(StringArr, ListsTheTextsLeavingEmptyOnesOut) {
    EXPECT_EQ(stringArr(Zk_String(L"a"), Zk_String(L"b")), (Zk_StringArray{L"a", L"b"}));
    EXPECT_EQ(stringArr(Zk_String(L"a"), Zk_String(), Zk_String(L"c")), (Zk_StringArray{L"a", L"c"}));
    EXPECT_TRUE(stringArr(Zk_String()).isEmpty());
}

}  // namespace
