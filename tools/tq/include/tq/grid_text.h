// The text of a tab-separated grid file as tq import reads it. Read: UTF-8 with or without
// a byte-order mark, and UTF-16 (little or big endian) with its byte-order mark, as
// desktop spreadsheets save "Unicode text". Refused: a binary file (a NUL byte, or control
// bytes other than tab, line feed, carriage return, vertical tab and form feed) and bytes
// that are no UTF-8.
#pragma once

#include <cstddef>
#include <string>

namespace tq {

// False with why ("a NUL byte at offset 12: a binary file, not a grid", "line 3: byte
// 0xE9 is no UTF-8; save the grid as UTF-8 or UTF-16 text").
// One UTF-8 sequence at s[i]: its length, with its code point in code; 0 when the bytes
// there are no valid (shortest-form, non-surrogate) sequence.
std::size_t utf8Sequence(const std::string& s, std::size_t i, char32_t& code);

bool decodeGridText(const std::string& bytes, std::wstring& text, std::string& why);

}  // namespace tq
