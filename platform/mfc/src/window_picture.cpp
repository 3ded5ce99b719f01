// Window pictures for the framework: WM_PAINT into the picture for self-painting windows,
// icon pictures from the resources, and saving the open windows' pictures.
#include "mfc/window_picture.h"

#include <filesystem>

#include "mfc/cwnd.h"
#include "mfc/resources.h"
#include "win/paths.h"
#include "win/png.h"
#include "win/render.h"
#include "win/window.h"

namespace mfc {
namespace {

struct Target {
    HWND hwnd = nullptr;
    win::Surface* surface = nullptr;
};
Target gTarget;

// Sends WM_PAINT with the window's client area as the target; what it draws lands on top
// of what is already there (so transparent drawing shows the background).
bool PaintIntoPicture(HWND hwnd, win::Canvas& canvas, const win::PaintState&) {
    RECT cr;
    if (!GetClientRect(hwnd, &cr) || cr.right <= 0 || cr.bottom <= 0) return false;
    win::Surface client(cr.right, cr.bottom, win::color::kFace);
    const POINT o = canvas.origin();
    const win::Surface& under = canvas.surface();
    for (int y = 0; y < cr.bottom; ++y)
        for (int x = 0; x < cr.right; ++x) client.setPixel(x, y, under.pixel(o.x + x, o.y + y));
    const Target saved = gTarget;
    gTarget = Target{hwnd, &client};
    SendMessageW(hwnd, WM_PAINT, 0, 0);
    gTarget = saved;
    canvas.image(client, 0, 0);
    return true;
}

bool IconFromResources(HICON icon, win::Surface& picture) {
    const win::Surface* s = IconPictureOf(icon);
    if (!s) return false;
    picture = *s;
    return true;
}

bool AskTheWindowObject(HWND hwnd, win::Canvas& canvas, const win::PaintState& state) {
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    return wnd && wnd->DrawPicture(canvas, state);
}

const bool gHooks = [] {
    win::SetPaintOverrideHook(&AskTheWindowObject);
    win::SetCustomPaintHook(&PaintIntoPicture);
    win::SetIconPictureSource(&IconFromResources);
    return true;
}();

}  // namespace

win::Surface* PictureBeingTaken(HWND hwnd) { return hwnd && hwnd == gTarget.hwnd ? gTarget.surface : nullptr; }

std::vector<HWND> VisibleTopLevelWindows() {
    std::vector<HWND> out;
    for (int i = 0; i < win::LiveWindowCount(); ++i) {
        HWND h = win::WindowAtIndex(i);
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
        if (!(style & WS_CHILD) && (style & WS_VISIBLE)) out.push_back(h);
    }
    return out;
}

std::vector<std::string> SaveWindowPictures(const std::string& folder, const std::string& name) {
    std::vector<std::string> written;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    int n = 0;
    for (HWND h : VisibleTopLevelWindows()) {
        ++n;
        const std::string file =
            (std::filesystem::absolute(folder, ec) / (name + (n > 1 ? "-" + std::to_string(n) : "") + ".png")).string();
        if (win::RenderWindowToPng(h, WindowsPathFromHost(file))) written.push_back(file);
    }
    return written;
}

}  // namespace mfc

bool CWnd::DrawPicture(win::Canvas&, const win::PaintState&) { return false; }
