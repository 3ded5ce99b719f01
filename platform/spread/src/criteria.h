// Criteria of the conditional functions (SUMIF, COUNTIFS, ...) as common spreadsheets read
// them: a number or logical matches equal cells; a text may start with = <> < <= > >= and
// compares with the rest; "=" alone matches empty cells, "<>" alone cells with something in
// them, an empty criterion text empty cells and empty texts; an empty cell as criterion is
// the number 0. Text compares without case, and
// with = and <> the wildcards * (any run) and ? (one character) apply, ~ taking the next
// character as it is.
#pragma once

#include <string>

#include "functions.h"

namespace spread {

struct Criterion {
    enum class Cmp { Eq, Ne, Lt, Le, Gt, Ge } cmp = Cmp::Eq;
    enum class Operand { Number, Text, Logical, Error, Blank, BlankOrEmptyText } operand = Operand::Number;
    double num = 0;
    std::wstring text;   // upper case
    bool wildcards = false;
    Err err = Err::None;
};

// The criterion of a scalar (a value or a criterion text).
Criterion ParseCriterion(const EvalVal& v);
bool Matches(const Criterion& c, const CellView& cell);
// Whole-text match of pattern (* ? ~) against text, both in upper case.
bool WildcardMatch(std::wstring_view pattern, std::wstring_view text);

}  // namespace spread
