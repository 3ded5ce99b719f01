// Text functions.
#include <cmath>
#include <cstdio>

#include "date_format.h"
#include "date_serial.h"
#include "functions.h"

namespace spread {

namespace {

#define ARG(i) call.args[i]
#define NUM(i) call.args[i].num
#define STR(i) call.args[i].text

void fConcat(CallArgs& call) {
    std::wstring s;
    for (int i = 0; i < call.argc; ++i) s += STR(i);
    call.result = EvalVal::Str(std::move(s));
}
void fLeft(CallArgs& call) {
    double n = call.argc > 1 ? NUM(1) : 1;
    if (n < 0) { call.result = EvalVal::Error(Err::Value); return; }
    std::size_t k = n >= static_cast<double>(STR(0).size()) ? STR(0).size() : static_cast<std::size_t>(n);
    call.result = EvalVal::Str(STR(0).substr(0, k));
}
void fRight(CallArgs& call) {
    double n = call.argc > 1 ? NUM(1) : 1;
    if (n < 0) { call.result = EvalVal::Error(Err::Value); return; }
    std::size_t len = STR(0).size();
    std::size_t k = n >= static_cast<double>(len) ? len : static_cast<std::size_t>(n);
    call.result = EvalVal::Str(STR(0).substr(len - k));
}
void fMid(CallArgs& call) {
    double start = std::trunc(NUM(1)), n = std::trunc(NUM(2));
    if (start < 1 || n < 0) { call.result = EvalVal::Error(Err::Value); return; }
    std::size_t len = STR(0).size();
    if (start > static_cast<double>(len)) { call.result = EvalVal::Str(L""); return; }
    std::size_t s = static_cast<std::size_t>(start) - 1;
    std::size_t k = n > static_cast<double>(len - s) ? len - s : static_cast<std::size_t>(n);
    call.result = EvalVal::Str(STR(0).substr(s, k));
}
void fLen(CallArgs& call) { call.result = EvalVal::Num(static_cast<double>(STR(0).size())); }
void fUpper(CallArgs& call) { call.result = EvalVal::Str(Upper(STR(0))); }
void fLower(CallArgs& call) { call.result = EvalVal::Str(Lower(STR(0))); }
void fTrim(CallArgs& call) {
    // Leading and trailing spaces removed, inner runs of spaces become one.
    std::wstring out;
    bool space = false;
    for (wchar_t c : STR(0)) {
        if (c == L' ') { space = true; continue; }
        if (space && !out.empty()) out += L' ';
        space = false;
        out += c;
    }
    call.result = EvalVal::Str(std::move(out));
}
void FindImpl(CallArgs& call, bool noCase) {
    std::wstring what = STR(0), in = STR(1);
    double start = call.argc > 2 ? std::trunc(NUM(2)) : 1;
    if (start < 1 || start > static_cast<double>(in.size()) + 1) { call.result = EvalVal::Error(Err::Value); return; }
    if (noCase) { what = Upper(what); in = Upper(in); }
    std::size_t p = in.find(what, static_cast<std::size_t>(start) - 1);
    if (p == std::wstring::npos) call.result = EvalVal::Error(Err::Value);
    else call.result = EvalVal::Num(static_cast<double>(p + 1));
}
void fFind(CallArgs& call) { FindImpl(call, false); }
void fSearch(CallArgs& call) { FindImpl(call, true); }
void fSubstitute(CallArgs& call) {
    const std::wstring& text = STR(0);
    const std::wstring& from = STR(1);
    const std::wstring& to = STR(2);
    int which = 0;
    if (call.argc > 3) {
        if (NUM(3) < 1) { call.result = EvalVal::Error(Err::Value); return; }
        which = static_cast<int>(std::fmin(NUM(3), 2147483647.0));
    }
    if (from.empty()) { call.result = EvalVal::Str(text); return; }
    std::wstring out;
    std::size_t pos = 0;
    int seen = 0;
    for (;;) {
        std::size_t p = text.find(from, pos);
        if (p == std::wstring::npos) break;
        ++seen;
        out.append(text, pos, p - pos);
        out += (which == 0 || seen == which) ? to : from;
        pos = p + from.size();
    }
    out.append(text, pos, std::wstring::npos);
    call.result = EvalVal::Str(std::move(out));
}
void fReplace(CallArgs& call) {
    std::wstring text = STR(0);
    double start = std::trunc(NUM(1)), n = std::trunc(NUM(2));
    if (start < 1 || n < 0) { call.result = EvalVal::Error(Err::Value); return; }
    std::size_t s = start > static_cast<double>(text.size()) ? text.size() : static_cast<std::size_t>(start) - 1;
    std::size_t k = n > static_cast<double>(text.size() - s) ? text.size() - s : static_cast<std::size_t>(n);
    text.replace(s, k, STR(3));
    call.result = EvalVal::Str(std::move(text));
}
void fRept(CallArgs& call) {
    double n = std::trunc(NUM(1));
    if (n < 0 || n * static_cast<double>(STR(0).size()) > 1000000) { call.result = EvalVal::Error(Err::Value); return; }
    std::wstring out;
    for (int i = 0; i < static_cast<int>(n); ++i) out += STR(0);
    call.result = EvalVal::Str(std::move(out));
}
void fExact(CallArgs& call) { call.result = EvalVal::Bool(STR(0) == STR(1)); }
void fValue(CallArgs& call) {
    if (ARG(0).t == EvalVal::T::Number) { call.result = ARG(0); return; }
    if (ARG(0).t == EvalVal::T::Empty) { call.result = EvalVal::Num(0); return; }
    std::wstring t = ARG(0).text;
    double n;
    bool pct = !t.empty() && Trim(t).size() > 1 && Trim(t).back() == L'%';
    std::wstring_view body = Trim(t);
    if (pct) body.remove_suffix(1);
    if (ParseNumber(body, n, true)) call.result = EvalVal::Num(pct ? n / 100 : n);
    else call.result = EvalVal::Error(Err::Value);
}
void fChar(CallArgs& call) {
    double n = std::trunc(NUM(0));
    if (n < 1 || n > 65535) { call.result = EvalVal::Error(Err::Value); return; }
    call.result = EvalVal::Str(std::wstring(1, static_cast<wchar_t>(n)));
}
void fCode(CallArgs& call) {
    if (STR(0).empty()) { call.result = EvalVal::Error(Err::Value); return; }
    call.result = EvalVal::Num(static_cast<double>(STR(0)[0]));
}

// PROPER: the first letter of every word upper case, the other letters lower case.
void fProper(CallArgs& call) {
    std::wstring s = Lower(STR(0));
    bool start = true;
    for (auto& c : s) {
        wchar_t up = Upper(std::wstring_view(&c, 1))[0];
        bool letter = up != c || Lower(std::wstring_view(&c, 1))[0] != c;
        if (start && letter) c = up;
        start = !letter;
    }
    call.result = EvalVal::Str(std::move(s));
}

// FIXED(number, [decimals = 2], [no separators = FALSE]): negative decimals round to tens,
// hundreds...
void fFixed(CallArgs& call) {
    double n = NUM(0), dec = call.argc > 1 ? std::trunc(NUM(1)) : 2;
    bool noSep = call.argc > 2 && NUM(2) != 0;
    if (dec > 127) { call.result = EvalVal::Error(Err::Value); return; }
    if (dec < 0) {
        double f = std::pow(10.0, std::fmin(-dec, 300.0));
        n = std::copysign(std::floor(std::fabs(n) / f + 0.5) * f, n);
        dec = 0;
    }
    call.result = EvalVal::Str(FormatFixed(n, static_cast<int>(dec), !noSep));
}

// TEXT(value, format): a format with date or time codes (see date_format.h) shows the
// value as a date; otherwise the format's number part ("0", "0.00", "#,##0.0", "0%", "0.00E+00")
// shapes the number; characters before and after it are kept; "General" or "@" or an empty
// format give the plain text.
void fText(CallArgs& call) {
    EvalVal& v = ARG(0);
    const std::wstring& fmt = STR(1);
    double n;
    if (v.isLogical()) { call.result = EvalVal::Str(v.num != 0 ? L"TRUE" : L"FALSE"); return; }
    bool plain = fmt.empty() || fmt == L"@" || EqualNoCaseW(fmt, L"General");
    if (!plain && IsDateFormat(fmt)) {
        // A date text formats as the date it names.
        if (v.t == EvalVal::T::Text && !ParseNumber(v.text, n) && !ParseDateText(v.text, n)) { call.result = EvalVal::Str(v.text); return; }
        Err e = Err::None;
        if (v.t != EvalVal::T::Text && !ToNumber(v, n, e)) { call.result = EvalVal::Error(e); return; }
        std::wstring out;
        if (!FormatDateTime(n, fmt, out)) call.result = EvalVal::Error(Err::Value);
        else call.result = EvalVal::Str(std::move(out));
        return;
    }
    if (v.t == EvalVal::T::Text && !ParseNumber(v.text, n)) { call.result = EvalVal::Str(v.text); return; }
    Err e;
    if (!ToNumber(v, n, e)) { call.result = EvalVal::Error(e); return; }
    if (fmt.empty() || fmt == L"@" || EqualNoCaseW(fmt, L"General")) { call.result = EvalVal::Str(FormatNumber(n)); return; }
    std::size_t a = fmt.find_first_of(L"0#");
    if (a == std::wstring::npos) { call.result = EvalVal::Str(fmt); return; }
    std::size_t b = a;
    while (b < fmt.size() && (fmt[b] == L'0' || fmt[b] == L'#' || fmt[b] == L',' || fmt[b] == L'.')) ++b;
    std::wstring pat = fmt.substr(a, b - a);
    bool sci = b + 1 < fmt.size() && (fmt[b] == L'E' || fmt[b] == L'e') && (fmt[b + 1] == L'+' || fmt[b + 1] == L'-');
    std::size_t tail = b;
    if (sci) { tail = b + 2; while (tail < fmt.size() && fmt[tail] == L'0') ++tail; }
    std::wstring prefix = fmt.substr(0, a), suffix = fmt.substr(tail);
    bool pct = prefix.find(L'%') != std::wstring::npos || suffix.find(L'%') != std::wstring::npos;
    if (pct) n *= 100;
    std::size_t dot = pat.find(L'.');
    int decimals = dot == std::wstring::npos ? 0 : static_cast<int>(pat.size() - dot - 1);
    bool sep = pat.find(L',') != std::wstring::npos;
    std::wstring body;
    if (sci) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*E", decimals, n);
        for (const char* p = buf; *p; ++p) body += static_cast<wchar_t>(*p);
    } else {
        body = FormatFixed(n, decimals, sep);
    }
    call.result = EvalVal::Str(prefix + body + suffix);
}

const FnDef kDefs[] = {
    {L"CONCATENATE", 1, -1, "s", fConcat},
    {L"CONCAT", 1, -1, "s", fConcat},
    {L"LEFT", 1, 2, "sn", fLeft},
    {L"RIGHT", 1, 2, "sn", fRight},
    {L"MID", 3, 3, "snn", fMid},
    {L"LEN", 1, 1, "s", fLen},
    {L"UPPER", 1, 1, "s", fUpper},
    {L"LOWER", 1, 1, "s", fLower},
    {L"TRIM", 1, 1, "s", fTrim},
    {L"FIND", 2, 3, "ssn", fFind},
    {L"SEARCH", 2, 3, "ssn", fSearch},
    {L"SUBSTITUTE", 3, 4, "sssn", fSubstitute},
    {L"REPLACE", 4, 4, "snns", fReplace},
    {L"REPT", 2, 2, "sn", fRept},
    {L"EXACT", 2, 2, "s", fExact},
    {L"VALUE", 1, 1, "v", fValue},
    {L"TEXT", 2, 2, "vs", fText},
    {L"PROPER", 1, 1, "s", fProper},
    {L"FIXED", 1, 3, "n", fFixed},
    {L"CHAR", 1, 1, "n", fChar},
    {L"CODE", 1, 1, "s", fCode},
};

}  // namespace

FnGroup TextFunctions() { return {kDefs, static_cast<int>(sizeof(kDefs) / sizeof(kDefs[0]))}; }

}  // namespace spread
