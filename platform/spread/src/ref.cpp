#include "ref.h"

#include "spread/ss_api.h"

namespace spread {

std::wstring ColumnLetters(Coord col) {
    std::wstring s;
    while (col > 0) {
        --col;
        s.insert(s.begin(), static_cast<wchar_t>(L'A' + col % 26));
        col /= 26;
    }
    return s;
}

Coord ColumnFromLetters(std::wstring_view letters) {
    if (letters.empty() || letters.size() > 7) return 0;
    std::int64_t v = 0;
    for (wchar_t c : letters) {
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
        if (c < L'A' || c > L'Z') return 0;
        v = v * 26 + (c - L'A' + 1);
    }
    return v > SS_LIMIT_MAXCOLS ? 0 : static_cast<Coord>(v);
}

std::wstring RefTextA1(const Ref& r) {
    std::wstring s;
    if (r.colAbs) s += L'$';
    s += ColumnLetters(r.col);
    if (r.rowAbs) s += L'$';
    s += std::to_wstring(r.row);
    return s;
}

namespace {
void Part(std::wstring& s, wchar_t letter, Coord v, bool abs, Coord host) {
    s += letter;
    if (abs) {
        s += std::to_wstring(v);
    } else if (v != host) {
        s += L'[';
        s += std::to_wstring(static_cast<long long>(v) - host);
        s += L']';
    }
}
}  // namespace

std::wstring RefTextR1C1(const Ref& r, Coord hostCol, Coord hostRow) {
    std::wstring s;
    Part(s, L'R', r.row, r.rowAbs, hostRow);
    Part(s, L'C', r.col, r.colAbs, hostCol);
    return s;
}

}  // namespace spread
