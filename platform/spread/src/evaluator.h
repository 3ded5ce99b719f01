// Runs a formula's postfix tree with a value stack (no recursion), calling built-ins
// through the function table and custom functions through the control's callbacks.
#pragma once

#include <vector>

#include "ast.h"
#include "functions.h"

namespace spread {

class Sheet;

class Evaluator : public EvalContext {
public:
    Evaluator(Sheet& sheet, Coord col, Coord row) : sheet_(sheet), col_(col), row_(row) {}
    // The formula's value into out.
    void Run(const Ast& ast, Value& out);

    CellView View(Coord col, Coord row) override;
    bool Clip(Range& r) override;
    Coord HostCol() const override { return col_; }
    Coord HostRow() const override { return row_; }
    AggState Aggregate(const Range& r) override;
    const ExactIndex* Index(const Range& r) override;
    void NoteDynamicRef(const Range& r) override { dynamic_.push_back(r); }
    double Now() override;
    bool RowHidden(Coord row) override;
    bool IsSubtotalCell(Coord col, Coord row) override;
    Coord MaxCol() override;
    Coord MaxRow() override;
    // References made by INDIRECT and OFFSET during Run.
    const std::vector<Range>& DynamicRefs() const { return dynamic_; }

private:
    void CallCustom(const Ast& ast, const struct Node& n, EvalVal* args, EvalVal& result, bool& found);
    Sheet& sheet_;
    Coord col_, row_;
    std::vector<Range> dynamic_;
};

}  // namespace spread
