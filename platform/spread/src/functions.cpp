#include "functions.h"

#include <cmath>
#include <cstring>
#include <cwchar>
#include <vector>

#include "spread/ss_api.h"

namespace spread {

EvalVal EvalVal::FromValue(const Value& v) {
    switch (v.kind) {
    case Kind::Empty: return EvalVal{};
    case Kind::Number: return Num(v.num);
    case Kind::Text: return Str(v.text);
    case Kind::Error: return Error(v.err);
    case Kind::Logical: return Bool(v.num != 0);
    }
    return EvalVal{};
}

EvalVal FromView(const CellView& c) {
    switch (c.kind) {
    case Kind::Number: return EvalVal::Num(c.num);
    case Kind::Text: return EvalVal::Str(*c.text);
    case Kind::Error: return EvalVal::Error(c.err);
    case Kind::Logical: return EvalVal::Bool(c.num != 0);
    default: return EvalVal{};
    }
}

EvalVal Deref(EvalContext& ctx, const EvalVal& v) {
    if (v.t == EvalVal::T::Range) {
        // A one-cell range is that cell.
        if (v.r.col1 == v.r.col2 && v.r.row1 == v.r.row2) return Deref(ctx, EvalVal::Cell(v.r.col1, v.r.row1));
        return EvalVal::Error(Err::Value);
    }
    if (v.t != EvalVal::T::Cell) return v;
    return FromView(ctx.View(v.r.col1, v.r.row1));
}

bool ToNumber(const EvalVal& v, double& out, Err& err) {
    switch (v.t) {
    case EvalVal::T::Empty: out = 0; return true;
    case EvalVal::T::Number: case EvalVal::T::Logical: out = v.num; return true;
    case EvalVal::T::Text:
        if (ParseNumber(v.text, out)) return true;
        err = Err::Value;
        return false;
    case EvalVal::T::Error: err = v.err; return false;
    default: err = Err::Value; return false;
    }
}

bool ToLogical(const EvalVal& v, bool& out, Err& err) {
    switch (v.t) {
    case EvalVal::T::Empty: out = false; return true;
    case EvalVal::T::Number: case EvalVal::T::Logical: out = v.num != 0; return true;
    case EvalVal::T::Text:
        if (EqualNoCaseW(Trim(v.text), L"TRUE")) { out = true; return true; }
        if (EqualNoCaseW(Trim(v.text), L"FALSE")) { out = false; return true; }
        err = Err::Value;
        return false;
    case EvalVal::T::Error: err = v.err; return false;
    default: err = Err::Value; return false;
    }
}

bool ToText(const EvalVal& v, std::wstring& out, Err& err) {
    switch (v.t) {
    case EvalVal::T::Empty: out.clear(); return true;
    case EvalVal::T::Logical: out = v.num != 0 ? L"TRUE" : L"FALSE"; return true;
    case EvalVal::T::Number: out = FormatNumber(v.num); return true;
    case EvalVal::T::Text: out = v.text; return true;
    case EvalVal::T::Error: err = v.err; return false;
    default: err = Err::Value; return false;
    }
}

Value ToCellValue(const EvalVal& v) {
    switch (v.t) {
    case EvalVal::T::Empty: return Value{};
    case EvalVal::T::Number:
        if (std::isnan(v.num) || std::isinf(v.num)) return Value::Error(Err::Num);
        return Value::Number(v.num == 0 ? 0.0 : v.num);
    case EvalVal::T::Text: return Value::Text(v.text);
    case EvalVal::T::Error: return Value::Error(v.err);
    case EvalVal::T::Logical: return Value::Logical(v.num != 0);
    default: return Value::Error(Err::Value);
    }
}

void TakeCellValue(EvalVal& v, Value& out) {
    out.err = Err::None;
    out.num = 0;
    switch (v.t) {
    case EvalVal::T::Empty: out.kind = Kind::Empty; break;
    case EvalVal::T::Number:
        if (std::isnan(v.num) || std::isinf(v.num)) {
            out.kind = Kind::Error;
            out.err = Err::Num;
        } else {
            out.kind = Kind::Number;
            out.num = v.num == 0 ? 0.0 : v.num;
        }
        break;
    case EvalVal::T::Text:
        out.kind = Kind::Text;
        out.text = std::move(v.text);
        return;
    case EvalVal::T::Error:
        out.kind = Kind::Error;
        out.err = v.err;
        break;
    case EvalVal::T::Logical:
        out.kind = Kind::Logical;
        out.num = v.num != 0 ? 1 : 0;
        break;
    default:
        out.kind = Kind::Error;
        out.err = Err::Value;
        break;
    }
    out.text.clear();
}

int CompareScalars(const EvalVal& a, const EvalVal& b) {
    // Class 0 numbers, 1 texts, 2 logicals; an empty value takes the other side's class.
    auto cls = [](const EvalVal& v) {
        if (v.t == EvalVal::T::Text) return 1;
        if (v.t == EvalVal::T::Logical) return 2;
        return 0;
    };
    int ca = a.t == EvalVal::T::Empty ? cls(b) : cls(a);
    int cb = b.t == EvalVal::T::Empty ? cls(a) : cls(b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca != 1) {
        double x = a.t == EvalVal::T::Empty ? 0 : a.num, y = b.t == EvalVal::T::Empty ? 0 : b.num;
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    const std::wstring empty;
    return CompareNoCase(a.t == EvalVal::T::Text ? a.text : empty, b.t == EvalVal::T::Text ? b.text : empty);
}

namespace {
std::wstring NumberKey(double n) {
    std::uint64_t bits;
    if (n == 0) n = 0;   // -0 and 0 match
    std::memcpy(&bits, &n, sizeof bits);
    std::wstring k(5, L'N');
    for (int i = 0; i < 4; ++i) k[1 + i] = static_cast<wchar_t>((bits >> (16 * i)) & 0xFFFF);
    return k;
}
}  // namespace

std::wstring IndexKey(const CellView& c) {
    if (c.kind == Kind::Number) return NumberKey(c.num);
    if (c.kind == Kind::Text) return L"T" + Upper(*c.text);
    if (c.kind == Kind::Logical) return c.num != 0 ? L"L1" : L"L0";
    return {};
}

std::wstring IndexKey(const EvalVal& v) {
    if (v.t == EvalVal::T::Number) return NumberKey(v.num);
    if (v.t == EvalVal::T::Text) return L"T" + Upper(v.text);
    if (v.t == EvalVal::T::Logical) return v.num != 0 ? L"L1" : L"L0";
    return {};
}

namespace {

struct Table {
    std::vector<const FnDef*> defs;
    std::unordered_map<std::wstring, int> byName;
    Table() {
        for (FnGroup g : {MathFunctions(), LogicFunctions(), StatsFunctions(), CriteriaFunctions(), DateFunctions(),
                          TextFunctions(), LookupFunctions(), ReferenceFunctions()}) {
            for (int i = 0; i < g.count; ++i) {
                byName.emplace(g.defs[i].name, static_cast<int>(defs.size()));
                defs.push_back(&g.defs[i]);
            }
        }
    }
};

const Table& TheTable() {
    static const Table t;
    return t;
}

}  // namespace

int FindBuiltin(std::wstring_view upperName) {
    const Table& t = TheTable();
    auto it = t.byName.find(std::wstring(upperName));
    return it == t.byName.end() ? -1 : it->second;
}

const FnDef& Builtin(int index) { return *TheTable().defs[static_cast<std::size_t>(index)]; }

namespace {
// Whether a range covers more cells of the sheet than a function may walk.
bool RangeTooLarge(EvalContext& ctx, const EvalVal& v) {
    if (v.t != EvalVal::T::Range) return false;
    Range r = v.r;
    if (!ctx.Clip(r)) return false;
    return static_cast<long long>(r.col2 - r.col1 + 1) * (r.row2 - r.row1 + 1) > SS_LIMIT_RANGE_CELLS;
}
// The aggregates visit only the cells of a large range that hold something, so any
// range is cheap for them.
bool VisitsUsedCellsOnly(const FnDef& d) {
    for (const wchar_t* name : {L"SUM", L"MIN", L"MAX", L"AVERAGE", L"COUNT", L"COUNTA"})
        if (std::wcscmp(d.name, name) == 0) return true;
    return false;
}
}  // namespace

void CallBuiltin(int index, EvalContext& ctx, EvalVal* args, int argc, EvalVal& result) {
    const FnDef& d = Builtin(index);
    if (argc < d.minArgs || (d.maxArgs >= 0 && argc > d.maxArgs)) {
        result = EvalVal::Error(Err::Value);
        return;
    }
    for (int i = 0; i < argc; ++i) {
        if (RangeTooLarge(ctx, args[i]) && !VisitsUsedCellsOnly(d)) {
            result = EvalVal::Error(Err::Num);
            return;
        }
    }
    std::size_t nk = std::strlen(d.kinds);
    for (int i = 0; i < argc; ++i) {
        char k = nk == 0 ? 'r' : d.kinds[static_cast<std::size_t>(i) < nk ? i : nk - 1];
        EvalVal& a = args[i];
        if (k == 'r') continue;
        a = Deref(ctx, a);
        if (k == 'e') continue;
        if (a.isError()) { result = a; return; }
        Err err = Err::None;
        if (k == 'n') {
            double n;
            if (!ToNumber(a, n, err)) { result = EvalVal::Error(err); return; }
            a = EvalVal::Num(n);
        } else if (k == 's') {
            std::wstring s;
            if (!ToText(a, s, err)) { result = EvalVal::Error(err); return; }
            a = EvalVal::Str(std::move(s));
        }
    }
    result = EvalVal{};
    CallArgs call{ctx, args, argc, result};
    d.body(call);
}

bool IsVolatileBuiltin(std::wstring_view upperName) {
    return upperName == L"INDIRECT" || upperName == L"OFFSET" || upperName == L"TODAY" || upperName == L"NOW";
}

}  // namespace spread
