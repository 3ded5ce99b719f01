#include "date_serial.h"

#include <cmath>
#include <ctime>

#include "spread/ss_api.h"

namespace spread {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Days from 1970-01-01 of a proleptic Gregorian date (civil-from-days algorithm).
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

// From March 1900 on, a serial counts the days since 1899-12-30 (the counted 1900-02-29
// makes up for the one day of difference to an epoch of 1899-12-31).
const long long kEpoch = DaysFromCivil(1899, 12, 30);

SS_NOWFUNC gNow = nullptr;

}  // namespace

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && (IsLeap(year) || year == 1900)) return 29;
    return kDays[(month - 1) % 12];
}

bool SerialFromDate(double year, double month, double day, double& serial) {
    if (!std::isfinite(year) || !std::isfinite(month) || !std::isfinite(day)) return false;
    year = std::trunc(year);
    month = std::trunc(month);
    day = std::trunc(day);
    if (year < 0 || year > 9999) return false;
    if (year < 1900) year += 1900;
    if (std::fabs(month) > 1e6 || std::fabs(day) > 1e8) return false;
    // Whole months roll into years first.
    long long m0 = static_cast<long long>(month) - 1;
    long long y = static_cast<long long>(year) + (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
    int m = static_cast<int>(m0 - (y - static_cast<long long>(year)) * 12) + 1;
    long long d = static_cast<long long>(day);
    double s;
    if (y == 1900 && m <= 2) {
        // January and February 1900, the counted 29th included.
        s = (m == 1 ? 0 : 31) + static_cast<double>(d);
    } else if (y < 1900) {
        return false;
    } else {
        s = static_cast<double>(DaysFromCivil(y, m, 1) - kEpoch) + static_cast<double>(d - 1);
    }
    if (s < 0 || s > kMaxDateSerial) return false;
    serial = s;
    return true;
}

bool DateFromSerial(double serial, CivilDate& out) {
    if (!std::isfinite(serial) || serial < 0 || serial >= kMaxDateSerial + 1) return false;
    long long n = static_cast<long long>(std::floor(serial));
    if (n == 0) { out = {1900, 1, 0}; return true; }
    if (n == 60) { out = {1900, 2, 29}; return true; }
    if (n < 60) {
        out = n <= 31 ? CivilDate{1900, 1, static_cast<int>(n)} : CivilDate{1900, 2, static_cast<int>(n - 31)};
        return true;
    }
    CivilFromDays(n + kEpoch, out.year, out.month, out.day);
    return true;
}

void TimeFromSerial(double serial, int& hour, int& minute, int& second) {
    double frac = serial - std::floor(serial);
    long long secs = static_cast<long long>(std::floor(frac * 86400 + 0.5));
    if (secs >= 86400) secs = 0;
    hour = static_cast<int>(secs / 3600);
    minute = static_cast<int>(secs / 60 % 60);
    second = static_cast<int>(secs % 60);
}

int WeekdayOfSerial(double serial) {
    // Serial 1 (1900-01-01) counts as a Sunday in this system, as those spreadsheets count.
    long long n = static_cast<long long>(std::floor(serial));
    return static_cast<int>(((n - 1) % 7 + 7) % 7) + 1;
}

namespace {
// Digits at p (at most maxDigits, at least one) as a number.
bool Digits(std::wstring_view t, std::size_t& p, int maxDigits, int& out) {
    int n = 0, k = 0;
    while (p < t.size() && k < maxDigits && t[p] >= L'0' && t[p] <= L'9') { n = n * 10 + (t[p] - L'0'); ++p; ++k; }
    out = n;
    return k > 0;
}
bool TimePart(std::wstring_view t, std::size_t& p, double& out) {
    int h, m, s = 0;
    if (!Digits(t, p, 2, h) || p >= t.size() || t[p] != L':') return false;
    ++p;
    if (!Digits(t, p, 2, m)) return false;
    if (p < t.size() && t[p] == L':') { ++p; if (!Digits(t, p, 2, s)) return false; }
    if (h > 23 || m > 59 || s > 59) return false;
    out = (h * 3600 + m * 60 + s) / 86400.0;
    return true;
}
}  // namespace

bool ParseDateText(std::wstring_view text, double& serial) {
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
    std::size_t p = 0;
    double time = 0;
    if (text.size() <= 8 && text.find(L':') != std::wstring_view::npos) {
        if (!TimePart(text, p, time) || p != text.size()) return false;
        serial = time;
        return true;
    }
    int y, m, d;
    if (!Digits(text, p, 4, y) || p != 4 || p >= text.size() || (text[p] != L'-' && text[p] != L'/')) return false;
    wchar_t sep = text[p++];
    if (!Digits(text, p, 2, m) || p >= text.size() || text[p] != sep) return false;
    ++p;
    if (!Digits(text, p, 2, d)) return false;
    // A written year is the year itself (DATE's "years below 1900 count from 1900" is not
    // for texts).
    if (y < 1900 || m < 1 || m > 12 || d < 1 || d > DaysInMonth(y, m)) return false;
    if (p < text.size()) {
        if (text[p] != L' ' && text[p] != L'T') return false;
        ++p;
        if (!TimePart(text, p, time) || p != text.size()) return false;
    }
    double day;
    if (!SerialFromDate(y, m, d, day)) return false;
    serial = day + time;
    return true;
}

double NowSerial() {
    if (gNow) return gNow();
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    double day = 0;
    SerialFromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, day);
    return day + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

}  // namespace spread

SS_NOWFUNC SSSetNowFunc(SS_NOWFUNC now) {
    SS_NOWFUNC old = spread::gNow;
    spread::gNow = now;
    return old;
}
