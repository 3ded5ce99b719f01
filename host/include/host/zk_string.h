// Zk_String: the product's wide-character string, a value type over std::wstring.
// Positions and counts are ints counted from 0; positions outside the text are
// clamped, never undefined. "ignoreCase" flags compare without letter case
// (ASCII letters fold, as everywhere in the product).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class Zk_String {
public:
    Zk_String() = default;
    Zk_String(const wchar_t* text);                 // null gives an empty string
    Zk_String(std::wstring text);
    Zk_String(std::wstring_view text);
    explicit Zk_String(const char* utf8);           // UTF-8 (invalid bytes taken one by one)
    explicit Zk_String(const std::string& utf8);
    explicit Zk_String(wchar_t ch);
    explicit Zk_String(char ch);
    explicit Zk_String(int value);
    explicit Zk_String(long long value);
    // Fixed-point text with the given number of decimals (clamped to 0..20);
    // a negative zero is written without its sign.
    Zk_String(double value, int decimals);
    // The text of a number: with trimZeros 1 up to 10 decimals (decimals 0) or the given
    // number, trailing zeros and a trailing "." removed ("200", "12.5"); with trimZeros 0
    // exactly `decimals` decimals. Non-finite values give "0".
    static Zk_String fromNumber(double value, int trimZeros, int decimals);

    static Zk_String fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    int length() const { return static_cast<int>(m_text.size()); }
    bool isEmpty() const { return m_text.empty(); }
    const wchar_t* c_str() const { return m_text.c_str(); }
    const std::wstring& wstr() const { return m_text; }
    std::wstring_view view() const { return m_text; }

    // The character at index, or L'\0' outside the text.
    wchar_t operator[](int index) const;
    wchar_t at(int index) const { return (*this)[index]; }
    // Sets the character at index; false (nothing changed) outside the text.
    bool setAt(int index, wchar_t ch);

    Zk_String& append(const Zk_String& other);
    Zk_String& append(wchar_t ch);
    Zk_String& append(std::wstring_view text);
    Zk_String& append(const wchar_t* text) { return append(std::wstring_view(text ? text : L"")); }
    Zk_String& operator+=(const Zk_String& other) { return append(other); }
    Zk_String& operator+=(const wchar_t* other) { return append(Zk_String(other)); }
    Zk_String& operator+=(wchar_t ch) { return append(ch); }
    // Inserts at pos (clamped to 0..length).
    Zk_String& insert(int pos, const Zk_String& other);
    // Removes count characters from pos (what lies inside the text).
    Zk_String& remove(int pos, int count = 1);
    // Replaces every occurrence of what by with, left to right, continuing after the
    // inserted text; returns the number of replacements. An empty what replaces nothing.
    int replace(const Zk_String& what, const Zk_String& with, bool ignoreCase = false);
    void clear() { m_text.clear(); }
    // Replaces the text, reusing this string's storage where it suffices.
    void assign(std::wstring_view text) { m_text.assign(text); }

    // <0, 0 or >0 as this text sorts before, equal to or after other.
    int compare(const Zk_String& other, bool ignoreCase = false) const;
    // Whole-text equality; ignoreCase true compares without letter case.
    bool equal(const Zk_String& other, bool ignoreCase = false) const;

    // Index of the first occurrence of what at or after start, or -1.
    int find(const Zk_String& what, int start = 0, bool ignoreCase = false) const;
    int find(wchar_t ch, int start = 0) const;
    // Index of the last occurrence, or -1.
    int findLast(const Zk_String& what, bool ignoreCase = false) const;
    int findLast(wchar_t ch) const;
    bool contains(const Zk_String& what, bool ignoreCase = false) const;
    bool startsWith(const Zk_String& what, bool ignoreCase = false) const;
    bool endsWith(const Zk_String& what, bool ignoreCase = false) const;

    // Sub-texts; out-of-range parts are clamped.
    Zk_String mid(int pos, int count = -1) const;   // count < 0: to the end
    Zk_String left(int count) const;
    Zk_String right(int count) const;

    Zk_String toUpper() const;
    Zk_String toLower() const;
    Zk_String& makeUpper();
    Zk_String& makeLower();
    // Without leading/trailing white space (blank, tab, CR, LF).
    Zk_String trimmed() const;
    Zk_String& trim();

    // Numeric conversion of the whole text (surrounding blanks allowed, "," not a
    // decimal separator). ok (when given) tells whether the text was a number;
    // the result is 0 when it was not.
    double toDouble(bool* ok = nullptr) const;
    int toInt(bool* ok = nullptr) const;
    bool isNumber() const;

    friend bool operator==(const Zk_String& a, const Zk_String& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const Zk_String& a, const Zk_String& b) { return a.m_text != b.m_text; }
    friend bool operator<(const Zk_String& a, const Zk_String& b) { return a.m_text < b.m_text; }
    friend bool operator==(const Zk_String& a, const wchar_t* b) { return a == Zk_String(b); }
    friend bool operator!=(const Zk_String& a, const wchar_t* b) { return !(a == Zk_String(b)); }

private:
    std::wstring m_text;
};

Zk_String operator+(const Zk_String& a, const Zk_String& b);
Zk_String operator+(const Zk_String& a, const wchar_t* b);
Zk_String operator+(const wchar_t* a, const Zk_String& b);
Zk_String operator+(const Zk_String& a, wchar_t b);

template <>
struct std::hash<Zk_String> {
    std::size_t operator()(const Zk_String& s) const noexcept { return std::hash<std::wstring>()(s.wstr()); }
};
