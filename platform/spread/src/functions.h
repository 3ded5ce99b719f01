// The built-in function table (name, argument counts and kinds, one small body each) and
// the coercion rules every function and operator shares. Below both parser (which looks
// names up) and evaluator (which calls the bodies through this table).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ref.h"
#include "value.h"

namespace spread {

// A value during evaluation: a plain value, or a reference not yet read.
struct EvalVal {
    enum class T : std::uint8_t { Empty, Number, Text, Error, Cell, Range, Logical };
    T t = T::Empty;
    Err err = Err::None;
    double num = 0;
    std::wstring text;
    Range r;   // Cell: col1,row1; Range: all four

    static EvalVal Num(double n) { EvalVal v; v.t = T::Number; v.num = n; return v; }
    static EvalVal Str(std::wstring s) { EvalVal v; v.t = T::Text; v.text = std::move(s); return v; }
    static EvalVal Error(Err e) { EvalVal v; v.t = T::Error; v.err = e; return v; }
    static EvalVal Bool(bool b) { EvalVal v; v.t = T::Logical; v.num = b ? 1 : 0; return v; }
    static EvalVal Cell(Coord c, Coord r) { EvalVal v; v.t = T::Cell; v.r = {c, r, c, r}; return v; }
    static EvalVal RangeOf(const Range& rg) { EvalVal v; v.t = T::Range; v.r = rg; return v; }
    static EvalVal FromValue(const Value& v);
    bool isError() const { return t == T::Error; }
    bool isRef() const { return t == T::Cell || t == T::Range; }
    bool isLogical() const { return t == T::Logical; }

    // The same values set in place: assigning a made value moves its text, and a move
    // copies even an empty short text through a library call, on the evaluator's hottest
    // path.
    void SetNum(double n) { SetPlain(T::Number, Err::None, n); }
    void SetBool(bool b) { SetPlain(T::Logical, Err::None, b ? 1 : 0); }
    void SetError(Err e) { SetPlain(T::Error, e, 0); }
    void SetEmpty() { SetPlain(T::Empty, Err::None, 0); }
    void SetText(std::wstring_view s) {
        SetPlain(T::Text, Err::None, 0);
        text.assign(s);
    }
    void SetRef(T kind, const Range& rg) {
        SetPlain(kind, Err::None, 0);
        r = rg;
    }
    // o's value, its text moved only when it is a text.
    void Take(EvalVal&& o) {
        if (o.t == T::Text) text = std::move(o.text);
        else text.clear();
        t = o.t;
        err = o.err;
        num = o.num;
        r = o.r;
    }

private:
    void SetPlain(T kind, Err e, double n) {
        t = kind;
        err = e;
        num = n;
        text.clear();
        r = Range{};
    }
};

// A cell as functions see it, without copying its text.
struct CellView {
    Kind kind = Kind::Empty;
    Err err = Err::None;
    double num = 0;
    const std::wstring* text = nullptr;
};

// Exact-match index of a one-column or one-row range: normalised key -> first position.
using ExactIndex = std::unordered_map<std::wstring, Coord>;

// Running aggregate over a range in row-major order (SUM, COUNT, AVERAGE, MIN, MAX).
struct AggState {
    double sum = 0;
    double min = 0, max = 0;
    std::int64_t count = 0;    // numbers
    std::int64_t countA = 0;   // non-empty cells
    Err err = Err::None;       // first error met
};

// What the evaluator offers to function bodies.
class EvalContext {
public:
    virtual ~EvalContext() = default;
    // A cell's value; outside the sheet: #REF!.
    virtual CellView View(Coord col, Coord row) = 0;
    // The range clipped to the sheet (false when nothing of it lies inside).
    virtual bool Clip(Range& r) = 0;
    virtual Coord HostCol() const = 0;
    virtual Coord HostRow() const = 0;
    // Aggregate of a range, possibly extended from a cached prefix of the same range.
    virtual AggState Aggregate(const Range& r) = 0;
    // Exact-match index (built once per calculation pass); null when not cached.
    virtual const ExactIndex* Index(const Range& r) = 0;
    // A reference made while evaluating (INDIRECT, OFFSET): calculated before this formula.
    virtual void NoteDynamicRef(const Range&) {}
    // The current date and time as a serial day number.
    virtual double Now() { return 0; }
    // Rows hidden by the user; cells whose formula calls SUBTOTAL (SUBTOTAL skips both).
    virtual bool RowHidden(Coord) { return false; }
    virtual bool IsSubtotalCell(Coord, Coord) { return false; }
    // Upper limits of the sheet (columns, rows).
    virtual Coord MaxCol() { return 0; }
    virtual Coord MaxRow() { return 0; }
};

// Shared coercion.
// Cell or range to a scalar (a range is #VALUE!); plain values pass through.
EvalVal Deref(EvalContext& ctx, const EvalVal& v);
// A cell's value as an evaluation value.
EvalVal FromView(const CellView& c);
// Scalar to number: empty 0, logicals 1 and 0, numeric text its number, other text #VALUE!.
bool ToNumber(const EvalVal& v, double& out, Err& err);
// Scalar to a truth value: numbers (not 0), logicals, texts "TRUE" and "FALSE"; else #VALUE!.
bool ToLogical(const EvalVal& v, bool& out, Err& err);
// Scalar to text: numbers as FormatNumber, logicals "TRUE" and "FALSE".
bool ToText(const EvalVal& v, std::wstring& out, Err& err);
Value ToCellValue(const EvalVal& v);
// The same into out, v's text moved (v is left a valid value).
void TakeCellValue(EvalVal& v, Value& out);
// Common spreadsheet ordering: numbers < texts (without case) < logicals; empty compares as
// 0, "" or FALSE.
int CompareScalars(const EvalVal& a, const EvalVal& b);
// Key of the exact-match index for a cell's value ("" for values that never match).
std::wstring IndexKey(const CellView& c);
std::wstring IndexKey(const EvalVal& v);

struct CallArgs {
    EvalContext& ctx;
    EvalVal* args;
    int argc;
    EvalVal& result;
};

using FnBody = void (*)(CallArgs& call);

// Argument kinds, one letter per argument, the last repeating:
//   n number, s text, v scalar (errors propagate), e scalar (errors reach the body),
//   r raw: references and ranges as they are (errors reach the body).
struct FnDef {
    const wchar_t* name;
    short minArgs;
    short maxArgs;   // -1: no limit
    const char* kinds;
    FnBody body;
};

// Index in the table of an upper-case name, -1 when not built in.
int FindBuiltin(std::wstring_view upperName);
const FnDef& Builtin(int index);
// Coerces arguments by kind and runs the body (wrong counts give #VALUE!).
void CallBuiltin(int index, EvalContext& ctx, EvalVal* args, int argc, EvalVal& result);

// Tables of the function groups (each file adds its own).
struct FnGroup { const FnDef* defs; int count; };
FnGroup MathFunctions();
FnGroup LogicFunctions();
FnGroup StatsFunctions();
FnGroup CriteriaFunctions();
FnGroup DateFunctions();
FnGroup TextFunctions();
FnGroup LookupFunctions();
FnGroup ReferenceFunctions();

// Whether a formula calling this built-in must be calculated on every change.
bool IsVolatileBuiltin(std::wstring_view upperName);

}  // namespace spread
