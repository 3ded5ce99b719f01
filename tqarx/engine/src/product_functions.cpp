#include "engine/product_functions.h"

#include <charconv>
#include <cmath>
#include <cwchar>
#include <limits>
#include <memory>
#include <vector>

#include "engine/standard_sizes.h"
#include "engine/table_lookup.h"
#include "host/global_str.h"
#include "host/numbers.h"
#include "host/settings.h"
#include "product_functions_sections.h"
#include "mfc/afx_msgbox.h"

namespace {

using Args = KmFuncArgs;

bool numberArg(Args args, std::size_t i, double& value) {
    if (i >= args.size() || args[i].kind != KmFuncValue::Number) return false;
    value = args[i].number;
    return true;
}

// The text argument at i, or null when it is not a text.
const Zk_String* textArg(Args args, std::size_t i) {
    return i < args.size() && args[i].kind == KmFuncValue::Text ? &args[i].text : nullptr;
}

bool textArg(Args args, std::size_t i, Zk_String& value) {
    const Zk_String* text = textArg(args, i);
    if (text) value = *text;
    return text != nullptr;
}

bool fnRoundTo(Args args, KmFuncValue& result) {
    double x = 0.0, step = 0.0;
    if (!numberArg(args, 0, x) || !numberArg(args, 1, step)) return false;
    result.setNumber(ObjectExportRoundTo(x, step));
    return true;
}

bool tableLookup(Args args, KmFuncValue& result, bool translate) {
    const Zk_String* name = textArg(args, 0);
    if (!name || args.size() < 2) return false;
    // The key is built in one string kept from call to call.
    static Zk_String key;
    key.clear();
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i].kind == KmFuncValue::Number)
            appendTableKeyPart(key, i == 1, args[i].number);
        else if (args[i].kind == KmFuncValue::Text)
            appendTableKeyPart(key, i == 1, args[i].text.view());
        else
            return false;
    }
    std::shared_ptr<const KmTableRows> rows;
    if (!readDataTable(*name, rows)) return false;
    if (translate) {
        Zk_String value;
        auto toSystemName = [](const Zk_String& field) {
            Zk_String sys;
            return productSectionSystemName(field, sys) ? sys : field;
        };
        if (!lookupTableValue(*rows, key, value, toSystemName)) return false;
        result.setText(value.view());
        return true;
    }
    const Zk_String* value = findKeptTableValue(rows, key);
    if (!value) return false;
    result.setText(value->view());
    return true;
}

bool fnGetCell(Args args, KmFuncValue& result) { return tableLookup(args, result, false); }
bool fnGetProfCell(Args args, KmFuncValue& result) { return tableLookup(args, result, true); }

bool fnSectionSize(Args args, KmFuncValue& result) {
    Zk_String section, text;
    double column = 0.0;
    if (!textArg(args, 0, section) || !numberArg(args, 1, column)) return false;
    const double index = std::trunc(column) - 1.0;
    if (!(index >= 0.0 && index <= std::numeric_limits<int>::max())) return false;
    if (!productSectionValue(section, static_cast<int>(index), text)) return false;
    result.setNumber(leadingNumber(text.view()));
    return true;
}

bool fnGetSysName(Args args, KmFuncValue& result) {
    Zk_String section, sys;
    if (!textArg(args, 0, section)) return false;
    result.setText((productSectionSystemName(section, sys) ? sys : section).view());
    return true;
}

enum class SizeKind { Width, Thickness, Size };

// A size list parsed from a kept file text, remembered by the text's identity (the same
// object while the file is unchanged): a standard calls the same lists at every evaluation.
struct ParsedSizes {
    std::shared_ptr<const Zk_String> text;
    bool ok = false;
    int badLine = 0;
    KmSizeList sizes;
};

std::shared_ptr<const ParsedSizes> parsedSizes(const std::shared_ptr<const Zk_String>& text) {
    static std::vector<std::shared_ptr<const ParsedSizes>> kept;  // most recent last
    for (std::size_t i = kept.size(); i-- > 0;)
        if (kept[i]->text == text) return kept[i];
    constexpr std::size_t kMaxKept = 16;
    if (kept.size() >= kMaxKept) kept.erase(kept.begin());
    auto parsed = std::make_shared<ParsedSizes>();
    parsed->text = text;
    parsed->ok = parseSizeList(*text, parsed->sizes, &parsed->badLine);
    kept.push_back(parsed);
    return parsed;
}

bool standardSize(Args args, KmFuncValue& result, SizeKind kind) {
    Zk_String name, path;
    std::shared_ptr<const Zk_String> text;
    double step = 0.0, thickness = 0.0, value = 0.0, down = 0.0, up = 0.0;
    std::size_t i = 0;
    if (!textArg(args, i++, name) || !numberArg(args, i++, step)) return false;
    if (kind == SizeKind::Width && !numberArg(args, i++, thickness)) return false;
    if (!numberArg(args, i++, value) || !numberArg(args, i++, down) || !numberArg(args, i++, up))
        return false;
    if (!readDataFileByName(name, path, text)) return false;
    const std::shared_ptr<const ParsedSizes> parsed = parsedSizes(text);
    const KmSizeList& sizes = parsed->sizes;
    const int badLine = parsed->badLine;
    if (!parsed->ok) {
        // Only this call fails; the pass goes on.
        if (gSettings.current.standardsDiagnostics)
            MessageBoxW(SSGetCalcWindow(), malformedSizeLineText(path, *text, badLine).c_str(), AfxGetAppName(),
                        MB_ICONEXCLAMATION | MB_OK);
        return false;
    }
    if (down + up <= 0.0 && gSettings.current.standardsDiagnostics) {
        MessageBoxW(SSGetCalcWindow(), invalidTolerancesText(down, up).c_str(), AfxGetAppName(),
                    MB_ICONEXCLAMATION | MB_OK);
    }
    std::vector<double> candidates;
    switch (kind) {
    case SizeKind::Width: candidates = widthCandidates(sizes, thickness); break;
    case SizeKind::Thickness: candidates = sizes.b; break;
    case SizeKind::Size: candidates = sizes.a; break;
    }
    result.setNumber(standardSizeWithTolerance(candidates, step, value, down, up));
    return true;
}

bool fnStdWidth(Args args, KmFuncValue& result) { return standardSize(args, result, SizeKind::Width); }
bool fnStdThickness(Args args, KmFuncValue& result) { return standardSize(args, result, SizeKind::Thickness); }
bool fnStdSize(Args args, KmFuncValue& result) { return standardSize(args, result, SizeKind::Size); }

bool fnGetArrayItem(Args args, KmFuncValue& result) {
    Zk_String list;
    double n = 0.0;
    if (!textArg(args, 0, list) || !numberArg(args, 1, n)) return false;
    const double index = std::trunc(n);
    result.setEmpty();
    if (!(index >= 1.0)) return true;
    int item = 1;
    int start = 0;
    for (;;) {
        const int sep = list.find(L';', start);
        if (static_cast<double>(item) == index) {
            result.setText(list.mid(start, sep < 0 ? -1 : sep - start).view());
            return true;
        }
        if (sep < 0) return true;
        start = sep + 1;
        ++item;
    }
}

bool fnToNumber(Args args, KmFuncValue& result) {
    const Zk_String* text = textArg(args, 0);
    if (!text) return false;
    result.setNumber(leadingNumber(text->view()));
    return true;
}

bool fnIsNull(Args args, KmFuncValue& result) {
    if (args.empty()) return false;
    const KmFuncValue& a = args[0];
    bool isNull = false;
    switch (a.kind) {
    case KmFuncValue::Empty: isNull = true; break;
    case KmFuncValue::Number: isNull = a.number == 0.0; break;
    case KmFuncValue::Text: isNull = a.text.isEmpty(); break;
    case KmFuncValue::Other: isNull = false; break;  // an error value is no null
    }
    result.setNumber(isNull ? 1.0 : 0.0);
    return true;
}

bool fnIsPositive(Args args, KmFuncValue& result) {
    if (args.empty()) return false;
    const KmFuncValue& a = args[0];
    bool positive = false;
    switch (a.kind) {
    case KmFuncValue::Empty: positive = false; break;
    case KmFuncValue::Number: positive = a.number > 0.0; break;
    case KmFuncValue::Text: {
        bool ok = false;
        const double v = leadingNumber(a.text.view(), &ok);
        positive = !a.text.isEmpty() && ok && v > 0.0;
        break;
    }
    case KmFuncValue::Other: positive = false; break;  // an error value is not positive
    }
    result.setNumber(positive ? 1.0 : 0.0);
    return true;
}

// Arguments and result of a call, reused from call to call (their texts keep their
// storage), one set per nesting level: a function may start a calculation that calls
// another.
struct CallValues {
    std::vector<KmFuncValue> args;  // grows, never shrinks: the first count are this call's
    KmFuncValue result;
};

struct CallLease {
    struct Pool {
        std::vector<std::unique_ptr<CallValues>> levels;
        std::size_t depth = 0;
    };
    CallLease() : pool(sharedPool()) {
        if (pool.levels.size() <= pool.depth) pool.levels.push_back(std::make_unique<CallValues>());
        values = pool.levels[pool.depth++].get();
    }
    ~CallLease() { --pool.depth; }
    CallLease(const CallLease&) = delete;
    CallLease& operator=(const CallLease&) = delete;
    // Calculations run on the control's thread only (as the evaluator's own stacks).
    static Pool& sharedPool() {
        static Pool p;
        return p;
    }
    Pool& pool;
    CallValues* values;
};

template <KmProductFunction F>
BOOL callback(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount) {
    if (!result || (argCount > 0 && !args)) return FALSE;
    CallLease lease;
    CallValues& call = *lease.values;
    const std::size_t count = argCount > 0 ? static_cast<std::size_t>(argCount) : 0;
    if (call.args.size() < count) call.args.resize(count);
    for (std::size_t i = 0; i < count; ++i) assignFuncValue(args[i], call.args[i]);
    KmFuncValue& out = call.result;
    out.setEmpty();
    if (!F(KmFuncArgs(call.args.data(), count), out)) return FALSE;
    // A text result is handed over by reference: the control copies it as soon as this
    // returns, before any other call at this level can change it.
    if (out.kind == KmFuncValue::Text && !out.text.isEmpty()) {
        result->Status = SS_VALUE_STATUS_OK;
        result->Type = SS_VALUE_TYPE_STRREF;
        result->Val.ValStrRef = {out.text.c_str(), static_cast<LONG>(out.text.length())};
        return TRUE;
    }
    return calcValueFromFuncValue(out, *result) ? TRUE : FALSE;
}

#define KM_FUNCTION(name, minArgs, maxArgs, fn) \
    KmProductFunctionInfo{name, minArgs, maxArgs, fn, &callback<fn>}

const KmProductFunctionInfo kFunctions[] = {
    KM_FUNCTION(L"ROUNDTO", 2, 2, fnRoundTo),
    KM_FUNCTION(L"GETCELL", 2, 7, fnGetCell),
    KM_FUNCTION(L"GETPROFCELL", 2, 7, fnGetProfCell),
    KM_FUNCTION(L"SECTIONSIZE", 2, 2, fnSectionSize),
    KM_FUNCTION(L"GETSYSNAME", 1, 1, fnGetSysName),
    KM_FUNCTION(L"STDWIDTHWITHTOLERANCE", 6, 6, fnStdWidth),
    KM_FUNCTION(L"STDTHICKNESSWITHTOLERANCE", 5, 5, fnStdThickness),
    KM_FUNCTION(L"STDSIZEWITHTOLERANCE", 5, 5, fnStdSize),
    KM_FUNCTION(L"GETARRAYITEM", 2, 2, fnGetArrayItem),
    KM_FUNCTION(L"TONUMBER", 1, 1, fnToNumber),
    KM_FUNCTION(L"ISNULL", 1, 1, fnIsNull),
    KM_FUNCTION(L"ISPOSITIVE", 1, 1, fnIsPositive),
};
#undef KM_FUNCTION

}  // namespace

std::span<const KmProductFunctionInfo> productFunctions() { return kFunctions; }

bool registerProductFunctions(HWND control) {
    bool ok = true;
    for (const KmProductFunctionInfo& f : kFunctions)
        ok = SSAddCustomFunctionExt(control, f.name, f.minArgs, f.maxArgs, f.callback, kProductFunctionFlags) && ok;
    return ok;
}

bool callProductFunction(const Zk_String& name, const std::vector<KmFuncValue>& args, KmFuncValue& result) {
    for (const KmProductFunctionInfo& f : kFunctions) {
        if (!name.equal(f.name, true)) continue;
        const int n = static_cast<int>(args.size());
        if (n < f.minArgs || n > f.maxArgs) return false;
        return f.function(KmFuncArgs(args.data(), args.size()), result);
    }
    return false;
}

KmFuncValue funcValueFromCalcValue(const SS_CALCVALUE& value) {
    KmFuncValue v;
    assignFuncValue(value, v);
    return v;
}

void assignFuncValue(const SS_CALCVALUE& value, KmFuncValue& v) {
    v.setEmpty();
    if (value.Status == SS_VALUE_STATUS_EMPTY) return;
    if (value.Status != SS_VALUE_STATUS_OK) {
        v.kind = KmFuncValue::Other;
        return;
    }
    switch (value.Type) {
    case SS_VALUE_TYPE_LONG: v.setNumber(static_cast<double>(value.Val.ValLong)); return;
    case SS_VALUE_TYPE_DOUBLE: v.setNumber(value.Val.ValDouble); return;
    case SS_VALUE_TYPE_STR:
    case SS_VALUE_TYPE_STRREF: {
        std::wstring_view text;
        std::wstring held;
        if (value.Type == SS_VALUE_TYPE_STR) {
            held = getGlobalStr(value.Val.hValStr).wstr();
            text = held;
        } else {
            const SS_STRREF& r = value.Val.ValStrRef;
            if (r.Len < 0 || (r.Len > 0 && !r.Ptr)) {
                v.kind = KmFuncValue::Other;
                return;
            }
            text = std::wstring_view(r.Ptr, static_cast<std::size_t>(r.Len));
        }
        if (!text.empty() && text.front() == L'"') text.remove_prefix(1);
        if (!text.empty() && text.back() == L'"') text.remove_suffix(1);
        v.kind = KmFuncValue::Text;
        v.text.assign(text);
        return;
    }
    default:
        v.kind = KmFuncValue::Other;
        return;
    }
}

bool calcValueFromFuncValue(const KmFuncValue& value, SS_CALCVALUE& out) {
    switch (value.kind) {
    case KmFuncValue::Number:
        out.Status = SS_VALUE_STATUS_OK;
        out.Type = SS_VALUE_TYPE_DOUBLE;
        out.Val.ValDouble = value.number;
        return true;
    case KmFuncValue::Text:
        if (value.text.isEmpty()) break;
        return SSSetCalcValueStr(&out, value.text.view()) != FALSE;
    case KmFuncValue::Empty:
    case KmFuncValue::Other:
        break;
    }
    out.Status = SS_VALUE_STATUS_EMPTY;
    return true;
}

double leadingNumber(std::wstring_view t, bool* ok) {
    // Decimal forms only: [blanks][sign]digits[.digits][e[sign]digits].
    std::size_t i = 0;
    while (i < t.size() && (t[i] == L' ' || t[i] == L'\t')) ++i;
    const std::size_t start = i;
    auto digit = [&](std::size_t k) { return k < t.size() && t[k] >= L'0' && t[k] <= L'9'; };
    if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) ++i;
    std::size_t digits = 0;
    while (digit(i)) { ++i; ++digits; }
    if (i < t.size() && t[i] == L'.') {
        ++i;
        while (digit(i)) { ++i; ++digits; }
    }
    double v = 0.0;
    bool found = digits > 0;
    if (found) {
        if (i < t.size() && (t[i] == L'e' || t[i] == L'E')) {
            std::size_t k = i + 1;
            if (k < t.size() && (t[k] == L'+' || t[k] == L'-')) ++k;
            if (digit(k)) {
                while (digit(k)) ++k;
                i = k;
            }
        }
        // The part is ASCII: read as the C reader reads it in the classic locale (the
        // nearest double), without its locale and with the point always ".".
        const std::wstring_view part = t.substr(start, i - start);
        std::string narrow(part.size(), '0');
        for (std::size_t k = 0; k < part.size(); ++k) narrow[k] = static_cast<char>(part[k]);
        const char* first = narrow.data();
        if (*first == '+') ++first;  // from_chars takes no plus sign
        const auto r = std::from_chars(first, narrow.data() + narrow.size(), v);
        if (r.ec == std::errc::result_out_of_range) v = std::wcstod(std::wstring(part).c_str(), nullptr);
        found = std::isfinite(v);
    }
    if (ok) *ok = found;
    return found ? v : 0.0;
}
