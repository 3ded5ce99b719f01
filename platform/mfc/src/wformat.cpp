#include "mfc/wformat.h"

#include <cwchar>
#include <string>
#include <vector>

#include "win/encoding.h"

namespace mfc {
namespace {

// Takes a plain pointer: va_start on a reference parameter is undefined behaviour.
std::wstring Printf(const wchar_t* pattern, ...) {
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list args;
        va_start(args, pattern);
        int n = std::vswprintf(buf.data(), buf.size(), pattern, args);
        va_end(args);
        if (n >= 0) return std::wstring(buf.data(), static_cast<std::size_t>(n));
        if (buf.size() > (1u << 24)) return L"";
        buf.resize(buf.size() * 4);
    }
}

}  // namespace

std::wstring FormatWideV(const wchar_t* format, va_list args) {
    std::wstring out;
    if (!format) return out;
    va_list ap;
    va_copy(ap, args);
    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        std::wstring flags;
        while (*p && std::wcschr(L"-+ #0", *p)) flags += *p++;
        std::wstring width;
        if (*p == L'*') {
            width = std::to_wstring(va_arg(ap, int));
            ++p;
        } else {
            while (*p >= L'0' && *p <= L'9') width += *p++;
        }
        std::wstring precision;
        if (*p == L'.') {
            precision = L".";
            ++p;
            if (*p == L'*') {
                precision += std::to_wstring(va_arg(ap, int));
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9') precision += *p++;
            }
        }
        // Length: h, hh, l, ll, L, z, j, t, I, I32, I64.
        enum { kNone, kShort, kLong, kLongLong, kSize, kLongDouble } len = kNone;
        bool narrow = false;
        for (;;) {
            if (*p == L'h') { narrow = true; len = kShort; ++p; if (*p == L'h') ++p; }
            else if (*p == L'l') { ++p; if (*p == L'l') { len = kLongLong; ++p; } else len = kLong; }
            else if (*p == L'L') { len = kLongDouble; ++p; }
            else if (*p == L'z' || *p == L'j' || *p == L't') { len = kSize; ++p; }
            else if (*p == L'I') {
                ++p;
                if (p[0] == L'6' && p[1] == L'4') { len = kLongLong; p += 2; }
                else if (p[0] == L'3' && p[1] == L'2') { len = kNone; p += 2; }
                else len = kSize;
            } else break;
        }
        wchar_t conv = *p;
        if (!conv) {
            out.append(start);
            break;
        }
        ++p;
        std::wstring base = L"%" + flags + width + precision;
        switch (conv) {
        case L's':
        case L'S': {
            bool isNarrow = (conv == L'S') ? len != kLong : narrow;
            std::wstring text;
            if (isNarrow) {
                const char* s = va_arg(ap, const char*);
                text = s ? WideFromAnsi(s) : L"(null)";
            } else {
                const wchar_t* s = va_arg(ap, const wchar_t*);
                text = s ? s : L"(null)";
            }
            out += Printf((base + L"ls").c_str(), text.c_str());
            break;
        }
        case L'c':
        case L'C': {
            int c = va_arg(ap, int);
            bool isNarrow = (conv == L'C') ? len != kLong : narrow;
            wchar_t ch = isNarrow ? static_cast<wchar_t>(static_cast<unsigned char>(c)) : static_cast<wchar_t>(c);
            out += Printf((base + L"lc").c_str(), static_cast<wint_t>(ch));
            break;
        }
        case L'd':
        case L'i':
        case L'u':
        case L'x':
        case L'X':
        case L'o': {
            std::wstring c(1, conv);
            bool isSigned = conv == L'd' || conv == L'i';
            if (len == kLongLong || len == kSize || len == kLong) {
                if (isSigned) {
                    long long v = len == kLongLong ? va_arg(ap, long long)
                                  : len == kLong   ? static_cast<long long>(va_arg(ap, long))
                                                   : static_cast<long long>(va_arg(ap, std::ptrdiff_t));
                    out += Printf((base + L"ll" + c).c_str(), v);
                } else {
                    unsigned long long v = len == kLongLong ? va_arg(ap, unsigned long long)
                                           : len == kLong   ? static_cast<unsigned long long>(va_arg(ap, unsigned long))
                                                            : static_cast<unsigned long long>(va_arg(ap, std::size_t));
                    out += Printf((base + L"ll" + c).c_str(), v);
                }
            } else if (len == kShort) {
                int v = va_arg(ap, int);
                if (isSigned) out += Printf((base + c).c_str(), static_cast<int>(static_cast<short>(v)));
                else out += Printf((base + c).c_str(), static_cast<unsigned>(static_cast<unsigned short>(v)));
            } else {
                if (isSigned) out += Printf((base + c).c_str(), va_arg(ap, int));
                else out += Printf((base + c).c_str(), va_arg(ap, unsigned));
            }
            break;
        }
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G':
        case L'a':
        case L'A':
            if (len == kLongDouble) out += Printf((base + L"L" + std::wstring(1, conv)).c_str(), va_arg(ap, long double));
            else out += Printf((base + std::wstring(1, conv)).c_str(), va_arg(ap, double));
            break;
        case L'p': out += Printf((base + L"p").c_str(), va_arg(ap, void*)); break;
        case L'n': (void)va_arg(ap, int*); break;
        default: out.append(start, p); break;
        }
    }
    va_end(ap);
    return out;
}

std::wstring FormatWide(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring s = FormatWideV(format, args);
    va_end(args);
    return s;
}

}  // namespace mfc
