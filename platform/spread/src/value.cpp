#include "value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

namespace spread {

namespace {

// Powers of ten that are exact in a double, as whole numbers below 2^53 are.
constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
const wchar_t* const kErrorTexts[] = {L"", L"#DIV/0!", L"#VALUE!", L"#REF!", L"#NAME?", L"#N/A", L"#NUM!", L"#CIRC!"};

wchar_t FoldW(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 32);
    return c;
}
wchar_t LowerW(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
    return c;
}
}  // namespace

const wchar_t* ErrorText(Err e) {
    auto i = static_cast<unsigned>(e);
    return i < sizeof(kErrorTexts) / sizeof(kErrorTexts[0]) ? kErrorTexts[i] : L"#VALUE!";
}

bool ParseErrorText(std::wstring_view text, Err& e) {
    for (unsigned i = 1; i < sizeof(kErrorTexts) / sizeof(kErrorTexts[0]); ++i) {
        if (EqualNoCaseW(text, kErrorTexts[i])) {
            e = static_cast<Err>(i);
            return true;
        }
    }
    return false;
}

std::wstring FormatNumber(double n) {
    std::wstring out;
    FormatNumberInto(n, out);
    return out;
}

void FormatNumberInto(double n, std::wstring& out, bool* exact) {
    if (exact) *exact = false;
    auto put = [&out](const char* from, const char* to) {
        out.resize(static_cast<std::size_t>(to - from));
        wchar_t* w = out.data();
        for (const char* c = from; c != to; ++c) *w++ = static_cast<wchar_t>(*c == 'e' ? 'E' : *c);
    };
    if (std::isnan(n) || std::isinf(n)) {
        out = L"#NUM!";
        return;
    }
    if (n == 0) {
        out = L"0";
        return;
    }
    char buf[64];
    // Whole numbers below 1e15 are written in full by "%.15g".
    if (std::fabs(n) < 1e15 && n == std::trunc(n)) {
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(n));
        put(buf, r.ptr);
        if (exact) *exact = true;
        return;
    }
    // A fraction that is exactly m / 10^d for a whole m below 1e15 (few decimals, as
    // most values in standards are): the decimal m * 10^-d reads back as n and has at
    // most 15 digits, so it is what "%.15g" writes, in full from 1e-4 on.
    const double magnitude = std::fabs(n);
    if (magnitude >= 1e-4 && magnitude < 1e14) {
        for (std::size_t decimals = 1; decimals <= 8; ++decimals) {
            const double m = magnitude * kPow10[decimals];
            if (m >= 1e15) break;
            if (m != std::trunc(m) || m / kPow10[decimals] != magnitude) continue;
            // Sign, then the digits of m with the point before its last `decimals` (zeros
            // in front where m has fewer), trailing zeros and a bare point dropped.
            char* const digits = buf + 1 + 16;
            const auto r = std::to_chars(digits, buf + sizeof buf, static_cast<long long>(m));
            std::size_t count = static_cast<std::size_t>(r.ptr - digits);
            char* first = digits;
            while (count <= decimals) {
                *--first = '0';
                ++count;
            }
            char text[64];
            std::size_t len = 0;
            if (n < 0) text[len++] = '-';
            for (std::size_t i = 0; i < count; ++i) {
                if (i == count - decimals) text[len++] = '.';
                text[len++] = first[i];
            }
            while (text[len - 1] == '0') --len;
            if (text[len - 1] == '.') --len;
            put(text, text + len);
            if (exact) *exact = true;
            return;
        }
    }
    // As "%.15g" writes it (to_chars with a precision is specified to), without the
    // locale and format parsing of printf.
    const auto r = std::to_chars(buf, buf + sizeof buf, n, std::chars_format::general, 15);
    put(buf, r.ptr);
}

std::wstring FormatFixed(double n, int decimals, bool separator) {
    if (std::isnan(n) || std::isinf(n)) return L"#NUM!";
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    // Half away from zero at the last shown decimal, as written rather than as stored
    // (2.675 shows 2.68).
    double f = std::pow(10.0, decimals);
    double y = std::fabs(n) * f;
    if (y < 1e15) n = std::copysign(std::floor(y * (1 + 1e-15) + 0.5) / f, n);
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, n);
    std::string s = buf;
    if (s[0] == '-') {
        // "-0.00" reads as "0.00".
        bool allZero = true;
        for (char c : s.substr(1)) if (c != '0' && c != '.') allZero = false;
        if (allZero) s.erase(0, 1);
    }
    if (separator) {
        std::size_t start = (s[0] == '-') ? 1 : 0;
        std::size_t dot = s.find('.');
        if (dot == std::string::npos) dot = s.size();
        for (std::size_t i = dot; i > start + 3; i -= 3) s.insert(i - 3, ",");
    }
    return std::wstring(s.begin(), s.end());
}

namespace {

// "[-]digits[.digits]" with at most 15 digits in all: the digits as a whole number are
// exact in a double, and so is the power of ten; their quotient is then the correctly
// rounded value, the same the general reader gives. False for any other form.
bool ParseShortDecimal(std::wstring_view t, double& out) {
    std::size_t i = 0;
    const bool negative = !t.empty() && t[0] == L'-';
    if (negative) ++i;
    long long whole = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const wchar_t c = t[i];
        if (c >= L'0' && c <= L'9') {
            if (++digits > 15) return false;
            whole = whole * 10 + (c - L'0');
            if (point) ++decimals;
        } else if (c == L'.' && !point && digits > 0) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0 || (point && decimals == 0)) return false;
    double v = static_cast<double>(whole);
    if (decimals > 0) v /= kPow10[decimals];
    out = negative ? -v : v;
    return true;
}

}  // namespace

bool ParseNumber(std::wstring_view text, double& out, bool allowSeparators) {
    text = Trim(text);
    if (text.empty() || text.size() > 300) return false;
    if (ParseShortDecimal(text, out)) return true;
    char buf[320];
    std::size_t n = 0;
    bool digits = false;
    for (wchar_t c : text) {
        if (c == L',' && allowSeparators) continue;
        // Only the characters of a plain decimal number: no hex, no "inf"/"nan".
        if (c >= L'0' && c <= L'9') digits = true;
        else if (!(c == L'.' || c == L'-' || c == L'+' || c == L'e' || c == L'E')) return false;
        buf[n++] = static_cast<char>(c);
    }
    if (!digits) return false;
    const char* p = buf;
    if (*p == '+') {
        ++p;
        if (p < buf + n && (*p == '-' || *p == '+')) return false;
    }
    double v = 0;
    auto [end, ec] = std::from_chars(p, buf + n, v);
    if (ec != std::errc() || end != buf + n || std::isinf(v) || std::isnan(v)) return false;
    out = v;
    return true;
}

std::wstring PlainText(const Value& v) {
    switch (v.kind) {
    case Kind::Empty: return {};
    case Kind::Number: return FormatNumber(v.num);
    case Kind::Text: return v.text;
    case Kind::Error: return ErrorText(v.err);
    case Kind::Logical: return v.num != 0 ? L"TRUE" : L"FALSE";
    }
    return {};
}

std::wstring_view Trim(std::wstring_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && (s[a] == L' ' || s[a] == L'\t')) ++a;
    while (b > a && (s[b - 1] == L' ' || s[b - 1] == L'\t')) --b;
    return s.substr(a, b - a);
}

std::wstring Upper(std::wstring_view s) {
    std::wstring r(s);
    for (auto& c : r) c = FoldW(c);
    return r;
}

std::wstring Lower(std::wstring_view s) {
    std::wstring r(s);
    for (auto& c : r) c = LowerW(c);
    return r;
}

bool EqualNoCaseW(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldW(a[i]) != FoldW(b[i])) return false;
    return true;
}

int CompareNoCase(std::wstring_view a, std::wstring_view b) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        wchar_t x = FoldW(a[i]), y = FoldW(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace spread
