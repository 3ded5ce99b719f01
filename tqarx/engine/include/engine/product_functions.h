// The twelve product functions that standards sheets call in their equations
// (ROUNDTO, GETCELL, GETPROFCELL, SECTIONSIZE, GETSYSNAME, STDWIDTHWITHTOLERANCE,
// STDTHICKNESSWITHTOLERANCE, STDSIZEWITHTOLERANCE, GETARRAYITEM, TONUMBER, ISNULL,
// ISPOSITIVE).
//
// Each function works on plain values (KmFuncValue) so that it can be called without a
// sheet; the control's callbacks only convert the calculation values in and out.
// A function that fails leaves the control's error in the calling cell.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "host/zk_string.h"
#include "spread/ss_api.h"

struct KmFuncValue {
    enum Kind { Empty, Number, Text, Other };  // Other: errors, cells, ranges
    Kind kind = Empty;
    double number = 0.0;
    Zk_String text;

    static KmFuncValue makeNumber(double value) { return {Number, value, {}}; }
    static KmFuncValue makeText(const Zk_String& value) { return {Text, 0.0, value}; }

    // In place, keeping the text's storage for the next value (values reused call to call).
    void setEmpty() {
        kind = Empty;
        number = 0.0;
        text.clear();
    }
    void setNumber(double value) {
        setEmpty();
        kind = Number;
        number = value;
    }
    // An empty text is the empty value.
    void setText(std::wstring_view value) {
        setEmpty();
        if (value.empty()) return;
        kind = Text;
        text.assign(value);
    }
};

using KmFuncArgs = std::span<const KmFuncValue>;
using KmProductFunction = bool (*)(KmFuncArgs args, KmFuncValue& result);

struct KmProductFunctionInfo {
    const wchar_t* name;
    short minArgs;
    short maxArgs;
    KmProductFunction function;
    SS_CALCFUNC callback;
};

// How the functions are registered on a control: cell references arrive as values, texts
// by reference (no global blocks), and text results are given by reference too.
constexpr long kProductFunctionFlags = SS_CUSTFUNC_WANTVALUES | SS_CUSTFUNC_WANTSTRREF;

// The twelve functions with their argument counts, in registration order.
std::span<const KmProductFunctionInfo> productFunctions();

// Registers every product function on the control (with kProductFunctionFlags); false
// when one registration fails.
bool registerProductFunctions(HWND control);

// Calls a function by name (case ignored) on values, checking the argument count as the
// control does. False when the name is unknown, the count is wrong or the function fails.
bool callProductFunction(const Zk_String& name, const std::vector<KmFuncValue>& args,
                         KmFuncValue& result);

// A calculation value as a function argument: integers widened to doubles, strings with
// one leading and one trailing double quote removed.
KmFuncValue funcValueFromCalcValue(const SS_CALCVALUE& value);
// The same into an existing value (its text storage reused).
void assignFuncValue(const SS_CALCVALUE& value, KmFuncValue& out);
// Writes a function result: numbers as doubles, texts as strings, an empty text as the
// empty value. False when a string cannot be allocated.
bool calcValueFromFuncValue(const KmFuncValue& value, SS_CALCVALUE& out);

// The leading numeric part of text as a number ("12.5mm" -> 12.5); 0 when there is
// none. ok (when given) tells whether there was one.
double leadingNumber(std::wstring_view text, bool* ok = nullptr);
