#include "engine/product_functions.h"

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

using Args = std::vector<KmFuncValue>;

bool numberArg(const Args& args, std::size_t i, double& value) {
    if (i >= args.size() || args[i].kind != KmFuncValue::Number) return false;
    value = args[i].number;
    return true;
}

bool textArg(const Args& args, std::size_t i, Zk_String& value) {
    if (i >= args.size() || args[i].kind != KmFuncValue::Text) return false;
    value = args[i].text;
    return true;
}

void setText(KmFuncValue& result, const Zk_String& text) {
    result = text.isEmpty() ? KmFuncValue{} : KmFuncValue::makeText(text);
}

bool fnRoundTo(const Args& args, KmFuncValue& result) {
    double x = 0.0, step = 0.0;
    if (!numberArg(args, 0, x) || !numberArg(args, 1, step)) return false;
    result = KmFuncValue::makeNumber(ObjectExportRoundTo(x, step));
    return true;
}

bool tableLookup(const Args& args, KmFuncValue& result, bool translate) {
    Zk_String name;
    if (!textArg(args, 0, name) || args.size() < 2) return false;
    std::vector<KmTableKeyPart> parts;
    for (std::size_t i = 1; i < args.size(); ++i) {
        KmTableKeyPart part;
        if (args[i].kind == KmFuncValue::Number) {
            part.isNumber = true;
            part.number = args[i].number;
        } else if (args[i].kind == KmFuncValue::Text) {
            part.text = args[i].text;
        } else {
            return false;
        }
        parts.push_back(std::move(part));
    }
    std::shared_ptr<const KmTableRows> rows;
    if (!readDataTable(name, rows)) return false;
    Zk_String value;
    auto toSystemName = [](const Zk_String& field) {
        Zk_String sys;
        return productSectionSystemName(field, sys) ? sys : field;
    };
    bool found = translate ? lookupTableValue(*rows, buildTableKey(parts), value, toSystemName)
                           : lookupKeptTableValue(rows, buildTableKey(parts), value);
    if (!found) return false;
    setText(result, value);
    return true;
}

bool fnGetCell(const Args& args, KmFuncValue& result) { return tableLookup(args, result, false); }
bool fnGetProfCell(const Args& args, KmFuncValue& result) { return tableLookup(args, result, true); }

bool fnSectionSize(const Args& args, KmFuncValue& result) {
    Zk_String section, text;
    double column = 0.0;
    if (!textArg(args, 0, section) || !numberArg(args, 1, column)) return false;
    const double index = std::trunc(column) - 1.0;
    if (!(index >= 0.0 && index <= std::numeric_limits<int>::max())) return false;
    if (!productSectionValue(section, static_cast<int>(index), text)) return false;
    result = KmFuncValue::makeNumber(leadingNumber(text));
    return true;
}

bool fnGetSysName(const Args& args, KmFuncValue& result) {
    Zk_String section, sys;
    if (!textArg(args, 0, section)) return false;
    setText(result, productSectionSystemName(section, sys) ? sys : section);
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

bool standardSize(const Args& args, KmFuncValue& result, SizeKind kind) {
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
    result = KmFuncValue::makeNumber(standardSizeWithTolerance(candidates, step, value, down, up));
    return true;
}

bool fnStdWidth(const Args& args, KmFuncValue& result) { return standardSize(args, result, SizeKind::Width); }
bool fnStdThickness(const Args& args, KmFuncValue& result) { return standardSize(args, result, SizeKind::Thickness); }
bool fnStdSize(const Args& args, KmFuncValue& result) { return standardSize(args, result, SizeKind::Size); }

bool fnGetArrayItem(const Args& args, KmFuncValue& result) {
    Zk_String list;
    double n = 0.0;
    if (!textArg(args, 0, list) || !numberArg(args, 1, n)) return false;
    const double index = std::trunc(n);
    result = KmFuncValue{};
    if (!(index >= 1.0)) return true;
    int item = 1;
    int start = 0;
    for (;;) {
        const int sep = list.find(L';', start);
        if (static_cast<double>(item) == index) {
            setText(result, list.mid(start, sep < 0 ? -1 : sep - start));
            return true;
        }
        if (sep < 0) return true;
        start = sep + 1;
        ++item;
    }
}

bool fnToNumber(const Args& args, KmFuncValue& result) {
    Zk_String text;
    if (!textArg(args, 0, text)) return false;
    result = KmFuncValue::makeNumber(leadingNumber(text));
    return true;
}

bool fnIsNull(const Args& args, KmFuncValue& result) {
    if (args.empty()) return false;
    const KmFuncValue& a = args[0];
    bool isNull = false;
    switch (a.kind) {
    case KmFuncValue::Empty: isNull = true; break;
    case KmFuncValue::Number: isNull = a.number == 0.0; break;
    case KmFuncValue::Text: isNull = a.text.isEmpty(); break;
    case KmFuncValue::Other: isNull = false; break;  // an error value is no null
    }
    result = KmFuncValue::makeNumber(isNull ? 1.0 : 0.0);
    return true;
}

bool fnIsPositive(const Args& args, KmFuncValue& result) {
    if (args.empty()) return false;
    const KmFuncValue& a = args[0];
    bool positive = false;
    switch (a.kind) {
    case KmFuncValue::Empty: positive = false; break;
    case KmFuncValue::Number: positive = a.number > 0.0; break;
    case KmFuncValue::Text: {
        bool ok = false;
        const double v = leadingNumber(a.text, &ok);
        positive = !a.text.isEmpty() && ok && v > 0.0;
        break;
    }
    case KmFuncValue::Other: positive = false; break;  // an error value is not positive
    }
    result = KmFuncValue::makeNumber(positive ? 1.0 : 0.0);
    return true;
}

// Argument lists reused from call to call, one per nesting level (a function may start a
// calculation that calls another).
struct ArgsLease {
    ArgsLease() {
        if (pool().size() <= depth()) pool().push_back(std::make_unique<Args>());
        values = pool()[depth()++].get();
        values->clear();
    }
    ~ArgsLease() { --depth(); }
    static std::vector<std::unique_ptr<Args>>& pool() {
        static thread_local std::vector<std::unique_ptr<Args>> p;
        return p;
    }
    static std::size_t& depth() {
        static thread_local std::size_t d = 0;
        return d;
    }
    Args* values;
};

template <KmProductFunction F>
BOOL callback(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount) {
    if (!result || (argCount > 0 && !args)) return FALSE;
    ArgsLease lease;
    Args& values = *lease.values;
    for (short i = 0; i < argCount; ++i) values.push_back(funcValueFromCalcValue(args[i]));
    KmFuncValue out;
    if (!F(values, out)) return FALSE;
    // A text result is handed over by reference: the control copies it as soon as this
    // returns, before any other callback can run on this thread.
    static thread_local Zk_String resultText;
    if (out.kind == KmFuncValue::Text && !out.text.isEmpty()) {
        resultText = std::move(out.text);
        result->Status = SS_VALUE_STATUS_OK;
        result->Type = SS_VALUE_TYPE_STRREF;
        result->Val.ValStrRef = {resultText.c_str(), static_cast<LONG>(resultText.length())};
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
        return f.function(args, result);
    }
    return false;
}

KmFuncValue funcValueFromCalcValue(const SS_CALCVALUE& value) {
    KmFuncValue v;
    if (value.Status == SS_VALUE_STATUS_EMPTY) return v;
    if (value.Status != SS_VALUE_STATUS_OK) {
        v.kind = KmFuncValue::Other;
        return v;
    }
    switch (value.Type) {
    case SS_VALUE_TYPE_LONG: return KmFuncValue::makeNumber(static_cast<double>(value.Val.ValLong));
    case SS_VALUE_TYPE_DOUBLE: return KmFuncValue::makeNumber(value.Val.ValDouble);
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
                return v;
            }
            text = std::wstring_view(r.Ptr, static_cast<std::size_t>(r.Len));
        }
        if (!text.empty() && text.front() == L'"') text.remove_prefix(1);
        if (!text.empty() && text.back() == L'"') text.remove_suffix(1);
        v.kind = KmFuncValue::Text;
        v.text = Zk_String(text);
        return v;
    }
    default:
        v.kind = KmFuncValue::Other;
        return v;
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

double leadingNumber(const Zk_String& text, bool* ok) {
    // Decimal forms only: [blanks][sign]digits[.digits][e[sign]digits].
    const std::wstring& t = text.wstr();
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
        const std::wstring part = t.substr(start, i - start);
        v = std::wcstod(part.c_str(), nullptr);
        found = std::isfinite(v);
    }
    if (ok) *ok = found;
    return found ? v : 0.0;
}
