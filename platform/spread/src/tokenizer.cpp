#include "tokenizer.h"

#include "spread/ss_api.h"

namespace spread {

namespace {

bool IsLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsNameChar(wchar_t c) { return IsLetter(c) || IsDigit(c) || c == L'_' || c == L'.' || c > 127; }

// Value of a run of at most 18 decimal digits (callers limit the length).
long long Digits(std::wstring_view d) {
    long long v = 0;
    for (wchar_t c : d) v = v * 10 + (c - L'0');
    return v;
}

class Lexer {
public:
    Lexer(std::wstring_view s, const RefStyle& st) : s_(s), st_(st) {}

    // A1 reference at p: [$]letters[$]digits, or a whole column [$]letters when allowWhole.
    bool A1(std::size_t& p, Ref& r, bool allowWholeCol, bool& wholeCol) const {
        std::size_t q = p;
        wholeCol = false;
        r = Ref{};
        if (q < s_.size() && s_[q] == L'$') { r.colAbs = true; ++q; }
        std::size_t ls = q;
        while (q < s_.size() && IsLetter(s_[q])) ++q;
        if (q == ls || q - ls > 7) return false;
        r.col = ColumnFromLetters(s_.substr(ls, q - ls));
        if (r.col == 0) return false;
        std::size_t beforeRow = q;
        if (q < s_.size() && s_[q] == L'$') { r.rowAbs = true; ++q; }
        std::size_t ds = q;
        while (q < s_.size() && IsDigit(s_[q])) ++q;
        if (q == ds) {
            if (!allowWholeCol) return false;
            q = beforeRow;
            wholeCol = true;
            r.rowAbs = true;
        } else {
            if (q - ds > 9) return false;
            long long row = Digits(s_.substr(ds, q - ds));
            if (row < 1 || row > SS_LIMIT_MAXROWS) return false;
            r.row = static_cast<Coord>(row);
        }
        if (q < s_.size() && (IsNameChar(s_[q]) || s_[q] == L'(')) return false;
        p = q;
        return true;
    }

    // R1C1 part: letter, then digits (absolute), [offset] (relative) or nothing (same).
    bool Part(std::size_t& q, wchar_t letter, Coord host, Coord& v, bool& abs) const {
        if (q >= s_.size() || (s_[q] != letter && s_[q] != letter + 32)) return false;
        ++q;
        abs = false;
        v = host;
        if (q < s_.size() && IsDigit(s_[q])) {
            std::size_t ds = q;
            while (q < s_.size() && IsDigit(s_[q])) ++q;
            if (q - ds > 9) return false;
            v = static_cast<Coord>(Digits(s_.substr(ds, q - ds)));
            abs = true;
        } else if (q < s_.size() && s_[q] == L'[') {
            ++q;
            std::size_t ds = q;
            if (q < s_.size() && (s_[q] == L'-' || s_[q] == L'+')) ++q;
            std::size_t dd = q;
            while (q < s_.size() && IsDigit(s_[q])) ++q;
            if (q == dd || q - dd > 9 || q >= s_.size() || s_[q] != L']') return false;
            long long off = Digits(s_.substr(dd, q - dd));
            if (s_[ds] == L'-') off = -off;
            ++q;
            long long t = host + off;
            if (t < -2147483647LL || t > 2147483647LL) return false;
            v = static_cast<Coord>(t);
        }
        return true;
    }

    bool R1C1(std::size_t& p, Ref& r) const {
        std::size_t q = p;
        r = Ref{};
        if (!Part(q, L'R', st_.hostRow, r.row, r.rowAbs)) return false;
        if (!Part(q, L'C', st_.hostCol, r.col, r.colAbs)) return false;
        if (q < s_.size() && (IsNameChar(s_[q]) || s_[q] == L'(')) return false;
        p = q;
        return true;
    }

    // A reference or range at p: 1 read (p past it), 0 none there, -1 a malformed range
    // (badRange: where its second half should start).
    int Reference(std::size_t& p, Token& t, std::size_t& badRange) const {
        std::size_t q = p;
        Ref a;
        bool whole = false;
        bool isRef = st_.r1c1 ? R1C1(q, a) : A1(q, a, true, whole);
        if (isRef && !st_.r1c1 && whole) {
            // A whole column is only a reference as the first half of "A:B".
            if (!(q < s_.size() && s_[q] == L':')) isRef = false;
        }
        if (!isRef) return 0;
        t.kind = Tok::Ref;
        t.a = a;
        if (q < s_.size() && s_[q] == L':') {
            std::size_t q2 = q + 1;
            Ref b;
            bool whole2 = false;
            bool ok = st_.r1c1 ? R1C1(q2, b) : A1(q2, b, whole, whole2);
            if (!ok || whole != whole2) {
                badRange = q;
                return -1;
            }
            if (whole) { t.a.row = 1; b.row = st_.maxRow > 0 ? st_.maxRow : SS_LIMIT_MAXROWS; }
            t.kind = Tok::Range;
            t.b = b;
            q = q2;
        }
        p = q;
        return 1;
    }

    bool Run(std::vector<Token>& out, std::wstring& error) {
        std::size_t p = 0;
        bool space = false;
        while (p < s_.size()) {
            wchar_t c = s_[p];
            if (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') { ++p; space = true; continue; }
            Token t;
            t.pos = p;
            t.spaceBefore = space;
            space = false;
            if (IsDigit(c) || (c == L'.' && p + 1 < s_.size() && IsDigit(s_[p + 1]))) {
                // A1 mode: "1:3" row ranges are not supported; a number is digits, ".", exponent.
                std::size_t q = p;
                while (q < s_.size() && IsDigit(s_[q])) ++q;
                if (q < s_.size() && s_[q] == L'.') { ++q; while (q < s_.size() && IsDigit(s_[q])) ++q; }
                if (q < s_.size() && (s_[q] == L'e' || s_[q] == L'E')) {
                    std::size_t e = q + 1;
                    if (e < s_.size() && (s_[e] == L'+' || s_[e] == L'-')) ++e;
                    if (e < s_.size() && IsDigit(s_[e])) {
                        q = e;
                        while (q < s_.size() && IsDigit(s_[q])) ++q;
                    }
                }
                double v = 0;
                if (!ParseNumber(s_.substr(p, q - p), v)) return Fail(error, p, L"bad number");
                t.kind = Tok::Number;
                t.num = v;
                p = q;
            } else if (c == L'"') {
                std::size_t q = p + 1;
                std::wstring str;
                for (;;) {
                    if (q >= s_.size()) return Fail(error, p, L"unterminated string");
                    if (s_[q] == L'"') {
                        if (q + 1 < s_.size() && s_[q + 1] == L'"') { str += L'"'; q += 2; continue; }
                        ++q;
                        break;
                    }
                    str += s_[q++];
                }
                t.kind = Tok::String;
                t.text = std::move(str);
                p = q;
            } else if (c == L'#') {
                std::size_t q = p + 1;
                while (q < s_.size() && (IsLetter(s_[q]) || s_[q] == L'/' || IsDigit(s_[q]))) ++q;
                if (q < s_.size() && (s_[q] == L'!' || s_[q] == L'?')) ++q;
                Err e;
                if (!ParseErrorText(s_.substr(p, q - p), e)) return Fail(error, p, L"unknown error value");
                t.kind = Tok::Error;
                t.err = e;
                p = q;
            } else if (IsLetter(c) || c == L'$' || c == L'_') {
                std::size_t q = p;
                std::size_t badRange = 0;
                const int ref = Reference(q, t, badRange);
                if (ref < 0) return Fail(error, badRange, L"bad range");
                if (ref > 0) {
                    p = q;
                } else {
                    if (c == L'$') return Fail(error, p, L"bad reference");
                    q = p;
                    while (q < s_.size() && IsNameChar(s_[q])) ++q;
                    t.kind = Tok::Name;
                    t.text = std::wstring(s_.substr(p, q - p));
                    p = q;
                }
            } else if (c == L'(') { t.kind = Tok::LParen; ++p; }
            else if (c == L')') { t.kind = Tok::RParen; ++p; }
            else if (c == L',' || c == L';') { t.kind = Tok::Comma; ++p; }
            else if (c == L'<' || c == L'>') {
                t.kind = Tok::Op;
                t.text = c;
                ++p;
                if (p < s_.size() && (s_[p] == L'=' || (c == L'<' && s_[p] == L'>'))) t.text += s_[p++];
            } else if (c == L'+' || c == L'-' || c == L'*' || c == L'/' || c == L'^' || c == L'&' || c == L'=' || c == L'%') {
                t.kind = Tok::Op;
                t.text = c;
                ++p;
            } else {
                return Fail(error, p, L"unexpected character");
            }
            t.end = p;
            out.push_back(std::move(t));
        }
        return true;
    }

private:
    static bool Fail(std::wstring& error, std::size_t pos, const wchar_t* what) {
        error = std::wstring(what) + L" at position " + std::to_wstring(pos + 1);
        return false;
    }
    std::wstring_view s_;
    const RefStyle& st_;
};

}  // namespace

bool Tokenize(std::wstring_view text, const RefStyle& style, std::vector<Token>& out, std::wstring& error) {
    out.clear();
    return Lexer(text, style).Run(out, error);
}

bool LexReference(std::wstring_view text, const RefStyle& style, std::size_t& p, Token& out) {
    if (p >= text.size()) return false;
    const wchar_t c = text[p];
    if (!(IsLetter(c) || c == L'$' || c == L'_')) return false;
    std::size_t q = p, badRange = 0;
    out = Token{};
    if (Lexer(text, style).Reference(q, out, badRange) <= 0) return false;
    out.pos = p;
    out.end = q;
    p = q;
    return true;
}

}  // namespace spread
