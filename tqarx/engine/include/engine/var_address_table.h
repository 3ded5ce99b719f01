// Names replaced by what stands for them in formulas, as whole words outside string
// literals: one name at a time (replaceWholeWords), or all declared variables of a
// calculation pass at once (VarAddressTable).
//
// VarAddressTable: the declared variables of one calculation pass with the cell
// addresses that stand for them in formulas. substitute() turns "Width * 2" into "B3 * 2" in one pass over the
// expression: each whole word outside double-quoted literals that names a variable is
// replaced by its address; the first declaration of a name wins. Names made of other
// characters than ASCII letters, digits and "_" fall back to replacing name by name in
// declaration order.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/zk_string.h"

// The most occurrences of one name replaced in one text.
constexpr int kMaxWordReplacements = 99999999;

// Replaces whole-word occurrences of word in text by with, left to right, continuing
// after the inserted text, at most maxCount times. A whole word has no ASCII letter,
// digit or "_" on either side. Text inside double-quoted string literals ("" inside
// one stands for a quote) is left alone, so names never reach into literal texts.
// Returns the number of replacements.
int replaceWholeWords(Zk_String& text, const Zk_String& word, const Zk_String& with,
                      int maxCount = kMaxWordReplacements);

class VarAddressTable {
public:
    void clear();
    void add(const Zk_String& name, const Zk_String& address);
    // Replaces the variable names in expression by their addresses.
    void substitute(Zk_String& expression) const;

private:
    struct Entry {
        Zk_String name;
        Zk_String address;
    };
    struct WordHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view w) const { return std::hash<std::wstring_view>{}(w); }
    };
    std::vector<Entry> m_entries;
    std::unordered_map<std::wstring, std::size_t, WordHash, std::equal_to<>> m_byName;  // first entry per name
    bool m_onlyWordNames = true;
};
