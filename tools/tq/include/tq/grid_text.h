// The text of a tab-separated grid file as tq import reads it. Read: UTF-8 with or without
// a byte-order mark, and UTF-16 (little or big endian) with its byte-order mark, as
// desktop spreadsheets save "Unicode text". Refused: a binary file (a NUL byte, or control
// bytes other than tab, line feed, carriage return, vertical tab and form feed) and bytes
// that are no UTF-8.
#pragma once

#include <string>

namespace tq {

// False with why ("a NUL byte at offset 12: a binary file, not a grid", "line 3: byte
// 0xE9 is no UTF-8; save the grid as UTF-8 or UTF-16 text").
bool decodeGridText(const std::string& bytes, std::wstring& text, std::string& why);

}  // namespace tq
