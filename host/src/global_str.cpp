#include "host/global_str.h"

#include <cstring>

#include "win/globalmem.h"

// The units are the platform's wide characters, as the spreadsheet control reads and
// writes them, with a terminating zero.

Zk_String getGlobalStr(HGLOBAL handle) {
    if (!handle) return {};
    const std::size_t units = GlobalSize(handle) / sizeof(WCHAR);
    const auto* p = static_cast<const WCHAR*>(GlobalLock(handle));
    if (!p) return {};
    std::size_t n = 0;
    while (n < units && p[n] != 0) ++n;  // never reads past the block
    std::wstring text(p, n);
    GlobalUnlock(handle);
    return Zk_String(std::move(text));
}

HGLOBAL setGlobalStr(const Zk_String& text) {
    const SIZE_T bytes = (static_cast<SIZE_T>(text.length()) + 1) * sizeof(WCHAR);
    HGLOBAL handle = GlobalAlloc(GHND, bytes);
    if (!handle) return nullptr;
    void* p = GlobalLock(handle);
    if (!p) {
        GlobalFree(handle);
        return nullptr;
    }
    std::memcpy(p, text.c_str(), bytes);
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
