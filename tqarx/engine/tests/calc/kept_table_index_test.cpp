// Look-ups through the key index kept with a table's rows answer as a walk over the
// rows does: the first row of a key decides, whatever rows follow.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/table_lookup.h"

namespace {

std::shared_ptr<const KmTableRows> rowsOf(const wchar_t* text) {
    return std::make_shared<const KmTableRows>(parseTableText(Zk_String(text)));
}

// Both look-ups of key: the same outcome, returned as "value", or "(none)".
std::wstring both(const std::shared_ptr<const KmTableRows>& rows, const wchar_t* key) {
    Zk_String walked, indexed;
    const bool byWalk = lookupTableValue(*rows, Zk_String(key), walked);
    const bool byIndex = lookupKeptTableValue(rows, Zk_String(key), indexed);
    EXPECT_EQ(byWalk, byIndex) << key;
    if (byWalk && byIndex) {
        EXPECT_EQ(walked, indexed) << key;
    }
    return byIndex ? indexed.wstr() : L"(none)";
}

TEST(KeptTableIndex, TheFirstRowOfAKeyDecides) {
    const auto rows = rowsOf(L"M16\t18\nM16\t99\nalone\nalone\t5\n\t7\nm20\tlower\n10.000000;HEA200\t260\r\n");
    EXPECT_EQ(both(rows, L"M16"), L"18");
    EXPECT_EQ(both(rows, L"alone"), L"(none)");  // a first match without a value fails
    EXPECT_EQ(both(rows, L""), L"7");
    EXPECT_EQ(both(rows, L"M20"), L"(none)");    // keys match exactly
    EXPECT_EQ(both(rows, L"10.000000;HEA200"), L"260");
    EXPECT_EQ(both(rows, L"M16 "), L"(none)");
}

TEST(KeptTableIndex, EachTableKeepsItsOwnIndex) {
    // Rows read again from a changed file are another table: never the old answers.
    auto before = rowsOf(L"k\t1\n");
    EXPECT_EQ(both(before, L"k"), L"1");
    auto after = rowsOf(L"k\t2\n");
    EXPECT_EQ(both(after, L"k"), L"2");
    EXPECT_EQ(both(before, L"k"), L"1");
    // More tables than are kept at once: every look-up still answers right.
    std::vector<std::shared_ptr<const KmTableRows>> many;
    for (int i = 0; i < 40; ++i) many.push_back(rowsOf((L"k\t" + std::to_wstring(i) + L"\n").c_str()));
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 40; ++i) EXPECT_EQ(both(many[static_cast<std::size_t>(i)], L"k"), std::to_wstring(i));
    Zk_String value;
    EXPECT_FALSE(lookupKeptTableValue(nullptr, Zk_String(L"k"), value));
}

}  // namespace
