#include "host/global_str.h"

#include <cstring>

#include "win/globalmem.h"

Zk_String getGlobalStr(HGLOBAL handle) {
    if (!handle) return {};
    const SIZE_T bytes = GlobalSize(handle);
    const auto* p = static_cast<const char16_t*>(GlobalLock(handle));
    if (!p) return {};
    const std::size_t units = bytes / sizeof(char16_t);
    std::wstring text;
    for (std::size_t i = 0; i < units && p[i] != 0; ++i) {
        const char32_t c = p[i];
        // Pair surrogates into one character (wchar_t is 32 bits here).
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units && p[i + 1] >= 0xDC00 && p[i + 1] < 0xE000) {
            text += static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (p[i + 1] - 0xDC00));
            ++i;
        } else {
            text += static_cast<wchar_t>(c);
        }
    }
    GlobalUnlock(handle);
    return Zk_String(std::move(text));
}

namespace {
std::u16string toUtf16(const Zk_String& text) {
    std::u16string out;
    for (const wchar_t wc : text.wstr()) {
        const auto c = static_cast<char32_t>(wc);
        if (c >= 0x10000 && c <= 0x10FFFF) {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(c > 0x10FFFF ? 0xFFFD : c);
        }
    }
    return out;
}
}  // namespace

HGLOBAL setGlobalStr(const Zk_String& text) {
    const std::u16string units = toUtf16(text);
    const SIZE_T bytes = (units.size() + 1) * sizeof(char16_t);
    HGLOBAL handle = GlobalAlloc(GHND, bytes);
    if (!handle) return nullptr;
    void* p = GlobalLock(handle);
    if (!p) {
        GlobalFree(handle);
        return nullptr;
    }
    std::memcpy(p, units.c_str(), bytes);
    GlobalUnlock(handle);
    return handle;
}

bool setGlobalStr(HGLOBAL& handle, const Zk_String& text) {
    HGLOBAL fresh = setGlobalStr(text);
    if (!fresh) return false;
    if (handle) GlobalFree(handle);
    handle = fresh;
    return true;
}
