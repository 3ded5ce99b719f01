#include "acad/main_window.h"

#include "mfc/cwnd.h"
#include "win/window.h"

HWND adsw_acadMainWnd() {
    static HWND frame = nullptr;
    if (frame && IsWindow(frame)) return frame;
    WNDCLASSW wc;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"AcadMainFrame";
    RegisterClassW(&wc);  // fails harmlessly when registered already
    frame = CreateWindowExW(0, L"AcadMainFrame", L"Drawing1", WS_OVERLAPPEDWINDOW, 0, 0, 1024, 768, nullptr, nullptr,
                            nullptr, nullptr);
    return frame;
}

CWnd* acedGetAcadFrame() { return CWnd::FromHandle(adsw_acadMainWnd()); }
CWnd* acedGetAcadDwgView() { return CWnd::FromHandle(adsw_acadMainWnd()); }
