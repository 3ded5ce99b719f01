#include "host/zk_string.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "win/encoding.h"

namespace {

wchar_t fold(wchar_t c, bool ignoreCase) { return ignoreCase ? FoldCase(c) : c; }

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

int clampPos(int pos, int length) { return std::clamp(pos, 0, length); }

// Strict decimal number grammar: [sign] digits [. digits] [e [sign] digits], with at
// least one digit in the mantissa. strtod alone would accept "inf", "nan" and hex.
bool isDecimalNumber(std::wstring_view s) {
    std::size_t i = 0, n = s.size();
    if (i < n && (s[i] == L'+' || s[i] == L'-')) ++i;
    std::size_t digits = 0;
    while (i < n && s[i] >= L'0' && s[i] <= L'9') { ++i; ++digits; }
    if (i < n && s[i] == L'.') {
        ++i;
        while (i < n && s[i] >= L'0' && s[i] <= L'9') { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < n && (s[i] == L'e' || s[i] == L'E')) {
        ++i;
        if (i < n && (s[i] == L'+' || s[i] == L'-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && s[i] >= L'0' && s[i] <= L'9') { ++i; ++expDigits; }
        if (expDigits == 0) return false;
    }
    return i == n;
}

std::wstring_view trimView(std::wstring_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

Zk_String::Zk_String(const wchar_t* text) : m_text(text ? text : L"") {}
Zk_String::Zk_String(std::wstring text) : m_text(std::move(text)) {}
Zk_String::Zk_String(std::wstring_view text) : m_text(text) {}
Zk_String::Zk_String(const char* utf8) : m_text(utf8 ? WideFromUtf8(utf8) : std::wstring()) {}
Zk_String::Zk_String(const std::string& utf8) : m_text(WideFromUtf8(utf8)) {}
Zk_String::Zk_String(wchar_t ch) : m_text(1, ch) {}
Zk_String::Zk_String(char ch) : m_text(1, static_cast<wchar_t>(static_cast<unsigned char>(ch))) {}
Zk_String::Zk_String(int value) : m_text(std::to_wstring(value)) {}
Zk_String::Zk_String(long long value) : m_text(std::to_wstring(value)) {}

Zk_String::Zk_String(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 20);
    if (std::isnan(value)) { m_text = L"nan"; return; }
    if (std::isinf(value)) { m_text = value < 0 ? L"-inf" : L"inf"; return; }
    // Whole numbers as "%.*f" writes them, without the formatter (a zero has no sign).
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char digits[24];
        const auto r = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value));
        m_text.assign(digits, r.ptr);
        if (decimals > 0) {
            m_text += L'.';
            m_text.append(static_cast<std::size_t>(decimals), L'0');
        }
        return;
    }
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s(buf);
    // "-0.00" and the like: the value rounds to zero, write it without a sign.
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    m_text.assign(s.begin(), s.end());
}

Zk_String Zk_String::fromNumber(double value, int trimZeros, int decimals) {
    if (!std::isfinite(value)) return Zk_String(L"0");
    Zk_String text(value, trimZeros != 0 && decimals <= 0 ? 10 : decimals);
    if (trimZeros != 0 && text.contains(Zk_String(L"."))) {
        int end = text.length();
        while (end > 0 && text[end - 1] == L'0') --end;
        if (end > 0 && text[end - 1] == L'.') --end;
        text = text.left(end);
    }
    if (text == L"-0") text = Zk_String(L"0");
    return text;
}

Zk_String Zk_String::fromUtf8(std::string_view utf8) { return Zk_String(WideFromUtf8(utf8)); }
std::string Zk_String::toUtf8() const { return Utf8FromWide(m_text); }

wchar_t Zk_String::operator[](int index) const {
    return index >= 0 && index < length() ? m_text[static_cast<std::size_t>(index)] : L'\0';
}

bool Zk_String::setAt(int index, wchar_t ch) {
    if (index < 0 || index >= length()) return false;
    m_text[static_cast<std::size_t>(index)] = ch;
    return true;
}

Zk_String& Zk_String::append(const Zk_String& other) { m_text += other.m_text; return *this; }
Zk_String& Zk_String::append(wchar_t ch) { m_text += ch; return *this; }
Zk_String& Zk_String::append(std::wstring_view text) { m_text += text; return *this; }

Zk_String& Zk_String::insert(int pos, const Zk_String& other) {
    m_text.insert(static_cast<std::size_t>(clampPos(pos, length())), other.m_text);
    return *this;
}

Zk_String& Zk_String::remove(int pos, int count) {
    if (count <= 0 || pos >= length()) return *this;
    if (pos < 0) { count += pos; pos = 0; }
    if (count > 0) m_text.erase(static_cast<std::size_t>(pos), static_cast<std::size_t>(count));
    return *this;
}

int Zk_String::replace(const Zk_String& what, const Zk_String& with, bool ignoreCase) {
    if (what.isEmpty()) return 0;
    int replaced = 0;
    int pos = find(what, 0, ignoreCase);
    std::wstring out;
    int from = 0;
    while (pos >= 0) {
        out.append(m_text, static_cast<std::size_t>(from), static_cast<std::size_t>(pos - from));
        out += with.m_text;
        from = pos + what.length();
        ++replaced;
        pos = find(what, from, ignoreCase);
    }
    if (replaced == 0) return 0;
    out.append(m_text, static_cast<std::size_t>(from), std::wstring::npos);
    m_text = std::move(out);
    return replaced;
}

int Zk_String::compare(const Zk_String& other, bool ignoreCase) const {
    const std::size_t n = std::min(m_text.size(), other.m_text.size());
    for (std::size_t i = 0; i < n; ++i) {
        const wchar_t a = fold(m_text[i], ignoreCase), b = fold(other.m_text[i], ignoreCase);
        if (a != b) return a < b ? -1 : 1;
    }
    if (m_text.size() == other.m_text.size()) return 0;
    return m_text.size() < other.m_text.size() ? -1 : 1;
}

bool Zk_String::equal(const Zk_String& other, bool ignoreCase) const {
    return m_text.size() == other.m_text.size() && compare(other, ignoreCase) == 0;
}

int Zk_String::find(const Zk_String& what, int start, bool ignoreCase) const {
    start = std::max(start, 0);
    const int n = length(), m = what.length();
    if (m == 0) return start <= n ? start : -1;
    if (!ignoreCase) {
        if (start > n) return -1;
        const auto pos = m_text.find(what.m_text, static_cast<std::size_t>(start));
        return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
    }
    for (int i = start; i + m <= n; ++i) {
        int k = 0;
        while (k < m && fold(m_text[static_cast<std::size_t>(i + k)], ignoreCase) ==
                            fold(what.m_text[static_cast<std::size_t>(k)], ignoreCase))
            ++k;
        if (k == m) return i;
    }
    return -1;
}

int Zk_String::find(wchar_t ch, int start) const {
    if (start >= length()) return -1;
    const auto pos = m_text.find(ch, static_cast<std::size_t>(std::max(start, 0)));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int Zk_String::findLast(const Zk_String& what, bool ignoreCase) const {
    const int n = length(), m = what.length();
    if (m == 0) return n;
    for (int i = n - m; i >= 0; --i) {
        int k = 0;
        while (k < m && fold(m_text[static_cast<std::size_t>(i + k)], ignoreCase) ==
                            fold(what.m_text[static_cast<std::size_t>(k)], ignoreCase))
            ++k;
        if (k == m) return i;
    }
    return -1;
}

int Zk_String::findLast(wchar_t ch) const {
    const auto pos = m_text.rfind(ch);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

bool Zk_String::contains(const Zk_String& what, bool ignoreCase) const { return find(what, 0, ignoreCase) >= 0; }

bool Zk_String::startsWith(const Zk_String& what, bool ignoreCase) const {
    if (what.length() > length()) return false;
    if (!ignoreCase) return m_text.compare(0, what.m_text.size(), what.m_text) == 0;
    return left(what.length()).equal(what, ignoreCase);
}

bool Zk_String::endsWith(const Zk_String& what, bool ignoreCase) const {
    if (what.length() > length()) return false;
    if (!ignoreCase) return m_text.compare(m_text.size() - what.m_text.size(), what.m_text.size(), what.m_text) == 0;
    return right(what.length()).equal(what, ignoreCase);
}

Zk_String Zk_String::mid(int pos, int count) const {
    if (pos < 0) { if (count >= 0) count += pos; pos = 0; }
    if (pos >= length() || count == 0) return {};
    if (count < 0) return Zk_String(m_text.substr(static_cast<std::size_t>(pos)));
    return Zk_String(m_text.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(count)));
}

Zk_String Zk_String::left(int count) const { return mid(0, std::max(count, 0)); }

Zk_String Zk_String::right(int count) const {
    count = std::clamp(count, 0, length());
    return mid(length() - count, count);
}

Zk_String Zk_String::toUpper() const { Zk_String s(*this); return s.makeUpper(); }
Zk_String Zk_String::toLower() const { Zk_String s(*this); return s.makeLower(); }

Zk_String& Zk_String::makeUpper() {
    for (auto& c : m_text) if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    return *this;
}

Zk_String& Zk_String::makeLower() {
    for (auto& c : m_text) if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return *this;
}

Zk_String Zk_String::trimmed() const { return Zk_String(trimView(m_text)); }
Zk_String& Zk_String::trim() { m_text = std::wstring(trimView(m_text)); return *this; }

double Zk_String::toDouble(bool* ok) const {
    const std::wstring_view v = trimView(m_text);
    if (!isDecimalNumber(v)) {
        if (ok) *ok = false;
        return 0.0;
    }
    const std::string narrow(v.begin(), v.end());  // only ASCII here
    errno = 0;
    const double d = std::strtod(narrow.c_str(), nullptr);
    const bool good = std::isfinite(d);
    if (ok) *ok = good;
    return good ? d : 0.0;
}

int Zk_String::toInt(bool* ok) const {
    std::wstring_view v = trimView(m_text);
    std::size_t i = 0;
    bool negative = false;
    if (i < v.size() && (v[i] == L'+' || v[i] == L'-')) negative = v[i++] == L'-';
    long long value = 0;
    bool good = i < v.size();
    for (; i < v.size() && good; ++i) {
        if (v[i] < L'0' || v[i] > L'9') { good = false; break; }
        value = value * 10 + (v[i] - L'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1) good = false;
    }
    if (good) {
        if (negative) value = -value;
        good = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    }
    if (ok) *ok = good;
    return good ? static_cast<int>(value) : 0;
}

bool Zk_String::isNumber() const { bool ok = false; toDouble(&ok); return ok; }

Zk_String operator+(const Zk_String& a, const Zk_String& b) { Zk_String s(a); return s.append(b); }
Zk_String operator+(const Zk_String& a, const wchar_t* b) { Zk_String s(a); return s.append(Zk_String(b)); }
Zk_String operator+(const wchar_t* a, const Zk_String& b) { Zk_String s(a); return s.append(b); }
Zk_String operator+(const Zk_String& a, wchar_t b) { Zk_String s(a); return s.append(b); }
