// Dates and times as serial day numbers in the 1900 date system of common spreadsheets:
// day 1 is 1900-01-01, the fraction is the time of day, and day 60 is the 29th of February
// 1900, a day that never was but that these spreadsheets count (so every later serial
// matches theirs). Serial 0 reads as 1900-01-00.
#pragma once

#include <string_view>

namespace spread {

struct CivilDate { int year = 1900, month = 1, day = 0; };

// Largest serial handled: 9999-12-31.
constexpr double kMaxDateSerial = 2958465;

// Serial of a date; months and days out of range roll over (month 13 is January of the
// next year, day 0 the last day of the month before). False before 1900-01-00 or after
// 9999-12-31, or for years outside 0..9999 (years below 1900 count from 1900).
bool SerialFromDate(double year, double month, double day, double& serial);
// Date of the whole days of a serial (0 <= serial <= kMaxDateSerial).
bool DateFromSerial(double serial, CivilDate& out);
// Hours, minutes, seconds of the fraction, rounded to the nearest second.
void TimeFromSerial(double serial, int& hour, int& minute, int& second);
// 1 Sunday .. 7 Saturday.
int WeekdayOfSerial(double serial);
int DaysInMonth(int year, int month);

// A date text "yyyy-mm-dd" (or with "/"), optionally followed by a time "hh:mm[:ss]", or a
// time alone, as a serial. False for anything else or an impossible date.
bool ParseDateText(std::wstring_view text, double& serial);

// The local date and time now, as a serial. Tests set a fixed source (SSSetNowFunc).
double NowSerial();

}  // namespace spread
