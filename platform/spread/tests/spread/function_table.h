// Formula cases checked against their mode 3 text, with the formula named on failure.
#pragma once

#include <cwchar>
#include <string>

#include "spread_fixture.h"

namespace spread_test {

struct Case { const wchar_t* formula; const wchar_t* expected; };

class FunctionTest : public SpreadTest {
protected:
    template <std::size_t N> void RunTable(const Case (&cases)[N]) {
        for (const Case& c : cases)
            EXPECT_EQ(Calc(c.formula), c.expected) << "formula: " << std::string(c.formula, c.formula + std::wcslen(c.formula));
    }
    void Put(SS_COORD col, SS_COORD row, double v) { SSSetFloat(ss, col, row, v); }
    void Put(SS_COORD col, SS_COORD row, int v) { SSSetFloat(ss, col, row, v); }
    void Put(SS_COORD col, SS_COORD row, const wchar_t* text) { SSSetData(ss, col, row, text); }
    void Formula(SS_COORD col, SS_COORD row, const wchar_t* f) { ASSERT_TRUE(SSSetFormula(ss, col, row, f)); }
};

}  // namespace spread_test
