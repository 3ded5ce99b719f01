// Date and time formats of TEXT: y (yy, yyyy), m (m, mm, mmm, mmmm, mmmmm), d (d, dd, ddd,
// dddd), h, hh, m and mm after an hour or before seconds as minutes, s, ss, AM/PM and A/P
// for the 12-hour clock; "quoted" texts and \x stand as written, other characters too.
#pragma once

#include <string>
#include <string_view>

namespace spread {

// Whether a format holds date or time codes outside quoted texts and no digit placeholder
// (0 or #): "0 mm" stays a number format with the text " mm".
bool IsDateFormat(std::wstring_view format);
// The serial formatted; false when the serial is no date (negative or too large).
bool FormatDateTime(double serial, std::wstring_view format, std::wstring& out);

}  // namespace spread
