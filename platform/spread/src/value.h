// Values of cells and of formula evaluation, error codes, and the number texts shared by
// every layer above.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace spread {

enum class Err : std::uint8_t { None = 0, Div0 = 1, Value = 2, Ref = 3, Name = 4, NA = 5, Num = 6, Circ = 7 };

// Logical: TRUE (num 1) or FALSE (num 0), a kind of its own that arithmetic reads as 1 and 0.
enum class Kind : std::uint8_t { Empty, Number, Text, Error, Logical };

// A calculated or entered value.
struct Value {
    Kind kind = Kind::Empty;
    Err err = Err::None;
    double num = 0;
    std::wstring text;

    static Value Number(double n) { Value v; v.kind = Kind::Number; v.num = n; return v; }
    static Value Text(std::wstring s) { Value v; v.kind = Kind::Text; v.text = std::move(s); return v; }
    static Value Error(Err e) { Value v; v.kind = Kind::Error; v.err = e; return v; }
    static Value Logical(bool b) { Value v; v.kind = Kind::Logical; v.num = b ? 1 : 0; return v; }
    bool isError() const { return kind == Kind::Error; }
    // In place: assigning a made value moves its text, and a move copies even an empty
    // short text through a library call, on every value a calculation sets.
    void SetNumber(double n) {
        kind = Kind::Number;
        err = Err::None;
        num = n;
        text.clear();
    }
    void SetEmpty() {
        kind = Kind::Empty;
        err = Err::None;
        num = 0;
        text.clear();
    }
    void SetText(std::wstring_view s) {
        kind = Kind::Text;
        err = Err::None;
        num = 0;
        text.assign(s);
    }
    bool operator==(const Value& o) const {
        return kind == o.kind && err == o.err && num == o.num && text == o.text;
    }
};

const wchar_t* ErrorText(Err e);
// "#DIV/0!" etc. (without case) back to the code.
bool ParseErrorText(std::wstring_view text, Err& e);

// Up to 15 significant digits, no trailing zeros, "E+nn" for very large or small numbers.
std::wstring FormatNumber(double n);
// The same into out (its storage reused); exact (when given) tells whether out reads back
// as n itself (whole numbers and few decimals), so that reading it again can be skipped.
void FormatNumberInto(double n, std::wstring& out, bool* exact = nullptr);
// Fixed decimals, optional thousands separators.
std::wstring FormatFixed(double n, int decimals, bool separator);
// Whole text (surrounding blanks allowed) as a number; optional thousands separators.
bool ParseNumber(std::wstring_view text, double& out, bool allowSeparators = false);
// The plain (mode 3) text of a value.
std::wstring PlainText(const Value& v);

std::wstring_view Trim(std::wstring_view s);
std::wstring Upper(std::wstring_view s);
std::wstring Lower(std::wstring_view s);
bool EqualNoCaseW(std::wstring_view a, std::wstring_view b);
int CompareNoCase(std::wstring_view a, std::wstring_view b);

}  // namespace spread
