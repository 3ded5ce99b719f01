#include "mfc/afx_msgbox.h"

#include <string>

#include "mfc/resources.h"
#include "win/window.h"

namespace {
std::wstring& AppName() {
    static std::wstring name = L"tq";
    return name;
}
}  // namespace

void AfxSetAppName(LPCWSTR name) { AppName() = name ? name : L""; }
LPCWSTR AfxGetAppName() { return AppName().c_str(); }

int AfxMessageBox(LPCWSTR text, UINT type, UINT) {
    return MessageBoxW(GetActiveWindow(), text, AfxGetAppName(), type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
    std::wstring text;
    if (!mfc::FindStringResource(stringId, text)) text = L"(text " + std::to_wstring(stringId) + L")";
    return AfxMessageBox(text.c_str(), type, helpId);
}
