#include "evaluator.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "date_serial.h"
#include "sheet.h"
#include "win/globalmem.h"

namespace spread {

namespace {

std::vector<HWND>& CalcWindows() {
    static std::vector<HWND> w;
    return w;
}

// a op b into a.
void ArithInto(Op op, EvalVal& a, const EvalVal& b) {
    double x, y;
    Err e = Err::None;
    if (!ToNumber(a, x, e) || !ToNumber(b, y, e)) return a.SetError(e);
    double r = 0;
    switch (op) {
    case Op::Add: r = x + y; break;
    case Op::Sub: r = x - y; break;
    case Op::Mul: r = x * y; break;
    case Op::Div:
        if (y == 0) return a.SetError(Err::Div0);
        r = x / y;
        break;
    case Op::Pow:
        if (x == 0 && y == 0) return a.SetError(Err::Num);
        if (x == 0 && y < 0) return a.SetError(Err::Div0);
        if (x < 0 && y != std::floor(y)) return a.SetError(Err::Num);
        r = std::pow(x, y);
        break;
    default: break;
    }
    if (std::isnan(r) || std::isinf(r)) return a.SetError(Err::Num);
    a.SetNum(r);
}

// The four arithmetic operators on two numbers, the result left in a; false where Arith
// must decide (a quotient by zero, a result that is no finite number).
bool NumericInPlace(Op op, EvalVal& a, const EvalVal& b) {
    double r = 0;
    switch (op) {
    case Op::Add: r = a.num + b.num; break;
    case Op::Sub: r = a.num - b.num; break;
    case Op::Mul: r = a.num * b.num; break;
    case Op::Div:
        if (b.num == 0) return false;
        r = a.num / b.num;
        break;
    default: return false;
    }
    if (std::isnan(r) || std::isinf(r)) return false;
    a.num = r;
    return true;
}

// a op b into a (the first error of the two, else a logical).
void CompareInto(Op op, EvalVal& a, const EvalVal& b) {
    if (a.isError()) return;
    if (b.isError()) return a.SetError(b.err);
    int c = CompareScalars(a, b);
    bool r = false;
    switch (op) {
    case Op::Eq: r = c == 0; break;
    case Op::Ne: r = c != 0; break;
    case Op::Lt: r = c < 0; break;
    case Op::Le: r = c <= 0; break;
    case Op::Gt: r = c > 0; break;
    case Op::Ge: r = c >= 0; break;
    default: break;
    }
    a.SetBool(r);
}

// Value for a custom function argument; strings get a new global block (freed by the
// caller), or with byRef a view of v's text.
void ToCalcValue(const EvalVal& v, SS_CALCVALUE& out, bool byRef) {
    out = SS_CALCVALUE{};
    switch (v.t) {
    case EvalVal::T::Empty: out.Status = SS_VALUE_STATUS_EMPTY; break;
    case EvalVal::T::Logical:
        // Product functions take logicals as the integers 1 and 0.
        out.Status = SS_VALUE_STATUS_OK;
        out.Type = SS_VALUE_TYPE_LONG;
        out.Val.ValLong = v.num != 0 ? 1 : 0;
        break;
    case EvalVal::T::Number:
        out.Status = SS_VALUE_STATUS_OK;
        if (v.num == std::trunc(v.num) && std::fabs(v.num) <= 2147483647.0) {
            out.Type = SS_VALUE_TYPE_LONG;
            out.Val.ValLong = static_cast<LONG>(v.num);
        } else {
            out.Type = SS_VALUE_TYPE_DOUBLE;
            out.Val.ValDouble = v.num;
        }
        break;
    case EvalVal::T::Text:
        if (byRef) {
            out.Status = SS_VALUE_STATUS_OK;
            out.Type = SS_VALUE_TYPE_STRREF;
            out.Val.ValStrRef = {v.text.data(), static_cast<LONG>(v.text.size())};
        } else if (!SSSetCalcValueStr(&out, v.text)) {
            out.Status = SS_VALUE_STATUS_ERROR;
            out.Val.ValLong = SS_ERROR_VALUE;
        }
        break;
    case EvalVal::T::Error:
        out.Status = SS_VALUE_STATUS_ERROR;
        out.Type = SS_VALUE_TYPE_LONG;
        out.Val.ValLong = static_cast<LONG>(v.err);
        break;
    case EvalVal::T::Cell:
        out.Status = SS_VALUE_STATUS_OK;
        out.Type = SS_VALUE_TYPE_CELL;
        out.Val.ValCell = {v.r.col1, v.r.row1};
        break;
    case EvalVal::T::Range:
        out.Status = SS_VALUE_STATUS_OK;
        out.Type = SS_VALUE_TYPE_RANGE;
        out.Val.ValRange = {v.r.col1, v.r.row1, v.r.col2, v.r.row2};
        break;
    }
}

void FreeCalcValue(SS_CALCVALUE& v) {
    if (v.Type == SS_VALUE_TYPE_STR && v.Val.hValStr) {
        GlobalFree(v.Val.hValStr);
        v.Val.hValStr = nullptr;
    }
}

EvalVal FromCalcValue(const SS_CALCVALUE& v) {
    if (v.Status == SS_VALUE_STATUS_EMPTY) return EvalVal{};
    if (v.Status == SS_VALUE_STATUS_ERROR) {
        if (v.Type == SS_VALUE_TYPE_LONG && v.Val.ValLong >= SS_ERROR_DIV0 && v.Val.ValLong <= SS_ERROR_CIRC)
            return EvalVal::Error(static_cast<Err>(v.Val.ValLong));
        return EvalVal::Error(Err::Value);
    }
    if (v.Status != SS_VALUE_STATUS_OK) return EvalVal::Error(Err::Value);
    switch (v.Type) {
    case SS_VALUE_TYPE_LONG: return EvalVal::Num(static_cast<double>(v.Val.ValLong));
    case SS_VALUE_TYPE_DOUBLE: return EvalVal::Num(v.Val.ValDouble);
    case SS_VALUE_TYPE_STR: return EvalVal::Str(SSGetGlobalStr(v.Val.hValStr));
    case SS_VALUE_TYPE_STRREF: {
        const SS_STRREF& r = v.Val.ValStrRef;
        if (r.Len < 0 || (r.Len > 0 && !r.Ptr)) return EvalVal::Error(Err::Value);
        return EvalVal::Str(std::wstring(r.Ptr, static_cast<std::size_t>(r.Len)));
    }
    case SS_VALUE_TYPE_CELL: return EvalVal::Cell(v.Val.ValCell.Col, v.Val.ValCell.Row);
    case SS_VALUE_TYPE_RANGE: {
        const SS_RANGEREF& r = v.Val.ValRange;
        return EvalVal::RangeOf({r.Col1, r.Row1, r.Col2, r.Row2});
    }
    default: return EvalVal::Error(Err::Value);
    }
}

}  // namespace

void PushCalcWindow(HWND h) { CalcWindows().push_back(h); }
void PopCalcWindow() {
    if (!CalcWindows().empty()) CalcWindows().pop_back();
}

CellView Evaluator::View(Coord col, Coord row) { return sheet_.View(col, row); }

bool Evaluator::Clip(Range& r) {
    if (r.col1 < 1) r.col1 = 1;
    if (r.row1 < 1) r.row1 = 1;
    if (r.col2 > sheet_.MaxCols()) r.col2 = sheet_.MaxCols();
    if (r.row2 > sheet_.MaxRows()) r.row2 = sheet_.MaxRows();
    return r.col1 <= r.col2 && r.row1 <= r.row2;
}

AggState Evaluator::Aggregate(const Range& r) { return sheet_.Aggregate(r); }
double Evaluator::Now() { return NowSerial(); }
bool Evaluator::RowHidden(Coord row) { return sheet_.RowHidden(row); }
bool Evaluator::IsSubtotalCell(Coord col, Coord row) { return sheet_.CallsSubtotal(col, row); }
Coord Evaluator::MaxCol() { return sheet_.MaxCols(); }
Coord Evaluator::MaxRow() { return sheet_.MaxRows(); }
const ExactIndex* Evaluator::Index(const Range& r) { return sheet_.Index(r); }

void Evaluator::CallCustom(const Ast& ast, const Node& n, EvalVal* args, EvalVal& result, bool& found) {
    const CustomFunction* cf = sheet_.FindCustom(ast.strings[n.str]);
    found = cf != nullptr;
    if (!cf) return;
    // Copies: the callback may change the registrations.
    SS_CALCFUNC func = cf->func;
    LONG flags = cf->flags;
    if (n.argc < cf->minArgs || (cf->maxArgs >= 0 && n.argc > cf->maxArgs)) {
        result.SetError(Err::Value);
        return;
    }
    // Arguments on the stack for the usual few, so that a call allocates nothing for them.
    constexpr int kInlineArgs = 8;
    SS_CALCVALUE inlineArgs[kInlineArgs];
    std::vector<SS_CALCVALUE> moreArgs(n.argc > kInlineArgs ? n.argc : 0);
    SS_CALCVALUE* const cv = n.argc > kInlineArgs ? moreArgs.data() : inlineArgs;
    // The arguments are this call's own stack entries: cells are read in place, and a
    // string passed by reference stays put while the callback runs (a calculation it
    // starts uses a stack of its own).
    const bool byRef = (flags & SS_CUSTFUNC_WANTSTRREF) != 0;
    for (int i = 0; i < n.argc; ++i) {
        EvalVal& a = args[i];
        if (a.t == EvalVal::T::Cell && !(flags & SS_CUSTFUNC_WANTCELLREF)) a.Take(Deref(*this, a));
        ToCalcValue(a, cv[i], byRef);
    }
    SS_CALCVALUE res;
    res.Status = SS_VALUE_STATUS_EMPTY;
    BOOL ok = func(&res, cv, static_cast<short>(n.argc));
    for (int i = 0; i < n.argc; ++i) FreeCalcValue(cv[i]);
    if (!ok) {
        result.SetError(Err::Value);
    } else {
        result.Take(FromCalcValue(res));
        if (result.isRef()) result.Take(Deref(*this, result));
    }
    FreeCalcValue(res);
}

namespace {
// Value stacks reused across evaluations; one per nesting level, since a custom function
// may calculate another formula while this one runs.
std::vector<std::unique_ptr<std::vector<EvalVal>>>& StackPool() {
    static std::vector<std::unique_ptr<std::vector<EvalVal>>> pool;   // growing keeps each stack in place
    return pool;
}
std::size_t gDepth = 0;

// The value stack of one evaluation. Its entries are kept from evaluation to evaluation
// and never destroyed: a push only sets the entry's value (every push sets all of it),
// and texts keep their storage. Entries left holding a large text give it back at the end.
class ValueStack {
public:
    ValueStack() {
        auto& pool = StackPool();
        if (pool.size() <= gDepth) pool.push_back(std::make_unique<std::vector<EvalVal>>());
        slots_ = pool[gDepth++].get();
        Refresh();
    }
    ~ValueStack() {
        constexpr std::size_t kKeptText = 256;
        for (std::size_t i = 0; i < high_; ++i)
            if ((*slots_)[i].text.capacity() > kKeptText) std::wstring().swap((*slots_)[i].text);
        --gDepth;
    }
    ValueStack(const ValueStack&) = delete;
    ValueStack& operator=(const ValueStack&) = delete;

    // A new top entry holding its last value: the caller sets it.
    [[gnu::always_inline]] EvalVal& Push() {
        if (top_ == size_) Grow();
        if (top_ == high_) ++high_;
        return base_[top_++];
    }
    void Pop() { --top_; }
    void PopTo(std::size_t size) { top_ = size; }
    std::size_t Size() const { return top_; }
    bool Empty() const { return top_ == 0; }
    EvalVal& Top() { return base_[top_ - 1]; }
    EvalVal& operator[](std::size_t i) { return base_[i]; }
    EvalVal* At(std::size_t i) { return base_ + i; }

private:
    void Grow() {
        slots_->resize(std::max<std::size_t>(16, slots_->size() * 2));
        Refresh();
    }
    void Refresh() {
        base_ = slots_->data();
        size_ = slots_->size();
    }
    std::vector<EvalVal>* slots_;
    EvalVal* base_ = nullptr;
    std::size_t size_ = 0;
    std::size_t top_ = 0;
    std::size_t high_ = 0;  // entries used in this evaluation
};
}  // namespace

void Evaluator::Run(const Ast& ast, Value& out) {
    ValueStack st;
    const std::vector<Node>& nodes = ast.nodes;
    std::size_t pc = 0;
    // A reference as the value of its cell; numbers and empty cells in place.
    auto scalar = [&](EvalVal& v) {
        if (v.t == EvalVal::T::Cell) {
            const CellView c = View(v.r.col1, v.r.row1);
            if (c.kind == Kind::Number || c.kind == Kind::Empty) {
                v.t = c.kind == Kind::Number ? EvalVal::T::Number : EvalVal::T::Empty;
                v.num = c.kind == Kind::Number ? c.num : 0;
                v.r = Range{};
                return;
            }
        }
        if (v.isRef()) v.Take(Deref(*this, v));
    };
    auto fail = [&out] { out = Value::Error(Err::Value); };
    while (pc < nodes.size()) {
        const Node& n = nodes[pc];
        switch (n.op) {
        case Op::Num: st.Push().SetNum(n.num); break;
        case Op::Bool: st.Push().SetBool(n.num != 0); break;
        case Op::Str: st.Push().SetText(ast.strings[n.str]); break;
        case Op::Error: st.Push().SetError(n.err); break;
        case Op::Ref:
            if (n.refInvalid || n.a.col < 1 || n.a.row < 1) st.Push().SetError(Err::Ref);
            else st.Push().SetRef(EvalVal::T::Cell, {n.a.col, n.a.row, n.a.col, n.a.row});
            break;
        case Op::Range:
            if (n.refInvalid || n.a.col < 1 || n.a.row < 1) st.Push().SetError(Err::Ref);
            else st.Push().SetRef(EvalVal::T::Range, {n.a.col, n.a.row, n.b.col, n.b.row});
            break;
        case Op::Name: st.Push().SetError(Err::Name); break;
        case Op::Missing: st.Push().SetEmpty(); break;
        case Op::ImplicitFalse: st.Push().SetBool(false); break;
        case Op::Neg: case Op::Pos: case Op::Pct: {
            EvalVal& v = st.Top();
            scalar(v);
            double x;
            Err e = Err::None;
            if (!ToNumber(v, x, e)) v.SetError(e);
            else v.SetNum(n.op == Op::Neg ? -x : (n.op == Op::Pct ? x / 100 : x));
            break;
        }
        case Op::Paren: break;
        case Op::Add: case Op::Sub: case Op::Mul: case Op::Div: case Op::Pow:
        case Op::Cat: case Op::Eq: case Op::Ne: case Op::Lt: case Op::Le: case Op::Gt: case Op::Ge: {
            EvalVal& a = st[st.Size() - 2];
            EvalVal& b = st.Top();
            scalar(a);
            scalar(b);
            if (a.t == EvalVal::T::Number && b.t == EvalVal::T::Number && n.op <= Op::Div &&
                NumericInPlace(n.op, a, b)) {
                st.Pop();
                break;
            }
            if (n.op == Op::Cat) {
                std::wstring x, y;
                Err e = Err::None;
                if (!ToText(a, x, e) || !ToText(b, y, e)) {
                    a.SetError(e);
                } else {
                    x += y;
                    a.SetError(Err::None);
                    a.t = EvalVal::T::Text;
                    a.text = std::move(x);
                }
            } else if (BinaryPrecedence(n.op) == 1) {
                CompareInto(n.op, a, b);
            } else {
                ArithInto(n.op, a, b);
            }
            st.Pop();
            break;
        }
        case Op::IfJump: {
            bool x = false;
            Err e = Err::None;
            EvalVal& c = st.Top();
            scalar(c);
            const bool known = ToLogical(c, x, e);
            st.Pop();
            if (!known) {
                st.Push().SetError(e);
                pc = nodes[n.target - 1].target + 1;   // past the IF call
                if (pc <= n.target) return fail();     // jumps only go forward
                continue;
            }
            if (!x) {
                if (n.target <= pc) return fail();
                pc = n.target;
                continue;
            }
            break;
        }
        case Op::Jump:
            if (n.target < pc) return fail();   // jumps only go forward
            pc = n.target + 1;
            continue;
        case Op::Call: {
            static const int kIf = FindBuiltin(L"IF");
            if (n.fn >= 0 && n.fn == kIf && Builtin(n.fn).body != nullptr && n.argc >= 2) {
                break;   // lazy IF: the chosen operand is already on the stack
            }
            std::size_t first = st.Size() - n.argc;
            EvalVal result;
            bool found = false;
            // A built-in function is only looked up among the custom ones when one of
            // those has a built-in name.
            if (n.fn < 0 || sheet_.CustomShadowsBuiltin()) CallCustom(ast, n, st.At(first), result, found);
            if (!found) {
                if (n.fn >= 0) CallBuiltin(n.fn, *this, st.At(first), n.argc, result);
                else result.SetError(Err::Name);
            }
            st.PopTo(first);
            st.Push().Take(std::move(result));
            break;
        }
        }
        ++pc;
    }
    if (st.Empty()) {
        out = Value{};
        return;
    }
    EvalVal& r = st.Top();
    if (r.isRef()) {
        r.Take(Deref(*this, r));
        // A formula showing an empty cell shows 0, as in common spreadsheets.
        if (r.t == EvalVal::T::Empty) r.SetNum(0);
    }
    TakeCellValue(r, out);
}

}  // namespace spread

HWND SSGetCalcWindow() {
    auto& w = spread::CalcWindows();
    return w.empty() ? nullptr : w.back();
}
