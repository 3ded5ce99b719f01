#include "criteria.h"

namespace spread {

bool WildcardMatch(std::wstring_view p, std::wstring_view t) {
    std::size_t pi = 0, ti = 0, starP = std::wstring_view::npos, starT = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == L'*') {
            starP = ++pi;
            starT = ti;
            continue;
        }
        if (pi < p.size()) {
            wchar_t pc = p[pi];
            std::size_t step = 1;
            if (pc == L'~' && pi + 1 < p.size()) { pc = p[pi + 1]; step = 2; }
            else if (pc == L'?') { ++pi; ++ti; continue; }
            if (pc == t[ti]) { pi += step; ++ti; continue; }
        }
        if (starP == std::wstring_view::npos) return false;
        pi = starP;
        ti = ++starT;
    }
    while (pi < p.size() && p[pi] == L'*') ++pi;
    return pi == p.size();
}

Criterion ParseCriterion(const EvalVal& v) {
    Criterion c;
    switch (v.t) {
    case EvalVal::T::Number: c.num = v.num; return c;
    case EvalVal::T::Logical: c.operand = Criterion::Operand::Logical; c.num = v.num; return c;
    case EvalVal::T::Error: c.operand = Criterion::Operand::Error; c.err = v.err; return c;
    case EvalVal::T::Text: break;
    default: return c;   // an empty criterion cell counts as the number 0
    }
    std::wstring_view s = v.text;
    bool hasOp = true;
    if (s.substr(0, 2) == L"<=") { c.cmp = Criterion::Cmp::Le; s.remove_prefix(2); }
    else if (s.substr(0, 2) == L">=") { c.cmp = Criterion::Cmp::Ge; s.remove_prefix(2); }
    else if (s.substr(0, 2) == L"<>") { c.cmp = Criterion::Cmp::Ne; s.remove_prefix(2); }
    else if (s.substr(0, 1) == L"<") { c.cmp = Criterion::Cmp::Lt; s.remove_prefix(1); }
    else if (s.substr(0, 1) == L">") { c.cmp = Criterion::Cmp::Gt; s.remove_prefix(1); }
    else if (s.substr(0, 1) == L"=") { c.cmp = Criterion::Cmp::Eq; s.remove_prefix(1); }
    else hasOp = false;
    Err e;
    if (s.empty()) {
        c.operand = hasOp ? Criterion::Operand::Blank : Criterion::Operand::BlankOrEmptyText;
    } else if (ParseNumber(s, c.num)) {
        c.operand = Criterion::Operand::Number;
    } else if (EqualNoCaseW(s, L"TRUE") || EqualNoCaseW(s, L"FALSE")) {
        c.operand = Criterion::Operand::Logical;
        c.num = EqualNoCaseW(s, L"TRUE") ? 1 : 0;
    } else if (ParseErrorText(s, e)) {
        c.operand = Criterion::Operand::Error;
        c.err = e;
    } else {
        c.operand = Criterion::Operand::Text;
        c.text = Upper(s);
        c.wildcards = (c.cmp == Criterion::Cmp::Eq || c.cmp == Criterion::Cmp::Ne) &&
                      c.text.find_first_of(L"*?~") != std::wstring::npos;
    }
    return c;
}

namespace {
bool Order(Criterion::Cmp cmp, int r) {
    switch (cmp) {
    case Criterion::Cmp::Lt: return r < 0;
    case Criterion::Cmp::Le: return r <= 0;
    case Criterion::Cmp::Gt: return r > 0;
    case Criterion::Cmp::Ge: return r >= 0;
    case Criterion::Cmp::Eq: return r == 0;
    case Criterion::Cmp::Ne: return r != 0;
    }
    return false;
}
int Sign(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Whether the cell equals the operand (= and <> are this and its negation).
bool Equal(const Criterion& c, const CellView& cell) {
    switch (c.operand) {
    case Criterion::Operand::Number: {
        if (cell.kind == Kind::Number) return cell.num == c.num;
        double n;
        return cell.kind == Kind::Text && ParseNumber(*cell.text, n) && n == c.num;
    }
    case Criterion::Operand::Logical: return cell.kind == Kind::Logical && cell.num == c.num;
    case Criterion::Operand::Error: return cell.kind == Kind::Error && cell.err == c.err;
    case Criterion::Operand::Blank: return cell.kind == Kind::Empty;
    case Criterion::Operand::BlankOrEmptyText: return cell.kind == Kind::Empty || (cell.kind == Kind::Text && cell.text->empty());
    case Criterion::Operand::Text:
        if (cell.kind != Kind::Text) return false;
        if (c.wildcards) return !cell.text->empty() && WildcardMatch(c.text, Upper(*cell.text));
        return EqualNoCaseW(*cell.text, c.text);
    }
    return false;
}
}  // namespace

bool Matches(const Criterion& c, const CellView& cell) {
    if (c.cmp == Criterion::Cmp::Eq) return Equal(c, cell);
    if (c.cmp == Criterion::Cmp::Ne) return !Equal(c, cell);
    // Ordering compares values of the operand's own kind only.
    switch (c.operand) {
    case Criterion::Operand::Number: return cell.kind == Kind::Number && Order(c.cmp, Sign(cell.num, c.num));
    case Criterion::Operand::Logical: return cell.kind == Kind::Logical && Order(c.cmp, Sign(cell.num, c.num));
    case Criterion::Operand::Text: return cell.kind == Kind::Text && Order(c.cmp, CompareNoCase(*cell.text, c.text));
    default: return false;
    }
}

}  // namespace spread
