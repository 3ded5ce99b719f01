// Conversions between the wide strings of the product and the byte strings of the host.
// Wide <-> UTF-8 is used for everything that reaches the host (paths, files, processes).
// Wide <-> ANSI treats the narrow string as Latin-1: every byte is one character, as is.
#pragma once

#include <string>
#include <string_view>

// Invalid UTF-8 never throws: a byte that does not start a valid sequence becomes the
// character of the same value (0x80..0xFF), so no input is lost.
std::wstring WideFromUtf8(std::string_view utf8);
// Unpaired surrogates and values outside Unicode become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

// Latin-1: bytes become characters 0..255 and back; characters above 255 become '?'.
std::wstring WideFromAnsi(std::string_view ansi);
std::string AnsiFromWide(std::wstring_view wide);

// Case folding used for every comparison "without regard to case": ASCII letters, and for
// wide characters also the Latin-1 letters (U+00C0..U+00DE).
wchar_t FoldCase(wchar_t c);
char FoldCase(char c);
bool EqualNoCase(std::wstring_view a, std::wstring_view b);
bool EqualNoCase(std::string_view a, std::string_view b);

// The same functions under the layer's namespace.
namespace win {
using ::AnsiFromWide;
using ::EqualNoCase;
using ::FoldCase;
using ::Utf8FromWide;
using ::WideFromAnsi;
using ::WideFromUtf8;
}  // namespace win
