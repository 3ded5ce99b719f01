// printf-style formatting of wide text with the Windows meaning of the conversions:
// in a wide format "%s" takes a wide string and "%S"/"%hs" a narrow one; "%c" a wide
// character, "%C" a narrow one. Other conversions are those of swprintf.
#pragma once

#include <cstdarg>
#include <string>

namespace mfc {

std::wstring FormatWideV(const wchar_t* format, va_list args);
std::wstring FormatWide(const wchar_t* format, ...);

}  // namespace mfc
