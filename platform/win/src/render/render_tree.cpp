// Walking a window tree into a picture: frames and captions, clipping to parents' client
// areas, bottom-most children first, and the painter of each window's class.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "win/bitmap_font.h"
#include "win/png.h"
#include "win/render.h"
#include "win/window.h"
#include "../window_internal.h"

namespace win {
namespace {

struct Registry {
    std::map<std::wstring, WindowPainter> painters;  // lower-case class names
    CustomPaintHook custom = nullptr;
    PaintOverrideHook override = nullptr;
    IconPictureSource icons = nullptr;
};
Registry& R() {
    static Registry r;
    return r;
}

std::wstring ClassOf(HWND h) {
    wchar_t cls[128] = {};
    GetClassNameW(h, cls, 128);
    return detail::Lower(cls);
}

bool IsBold(HWND h) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    FontDesc d;
    return font && GetFontDesc(font, d) && d.weight >= 600;
}

std::wstring TextOf(HWND h) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The frame and title bar of a window, in window coordinates.
void PaintNonClient(HWND h, Canvas& c, const RECT& window, const RECT& client) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    const auto ex = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE));
    const int w = window.right - window.left, ht = window.bottom - window.top;
    const RECT all{0, 0, w, ht};
    const bool thick = (style & WS_THICKFRAME) || (style & WS_DLGFRAME) || (ex & WS_EX_DLGMODALFRAME);
    if (thick) {
        c.fill(all, color::kFace);
        c.edge(all, Edge::Raised);
    } else if (style & WS_BORDER) {
        c.frame(all, color::kDarkShadow);
    }
    if (ex & WS_EX_CLIENTEDGE) {
        c.edge(RECT{client.left - 2, client.top - 2, client.right + 2, client.bottom + 2}, Edge::Sunken);
    }
    if ((style & WS_CAPTION) == WS_CAPTION) {
        const int barLeft = client.left, barRight = client.right;
        const int barBottom = client.top - ((ex & WS_EX_CLIENTEDGE) ? 3 : 1);
        const int barTop = barBottom - (kCaptionHeight - 1);
        const RECT bar{barLeft, barTop, barRight, barBottom};
        c.fill(bar, color::kCaption);
        int textRight = barRight - 3;
        if (style & WS_SYSMENU) {
            // The close box: a small raised button with a cross.
            const int bw = 16, bh = kCaptionHeight - 5;
            const RECT box{barRight - 2 - bw, barTop + 2, barRight - 2, barTop + 2 + bh};
            c.fill(box, color::kFace);
            c.edge(box, Edge::Raised);
            const int cx = (box.left + box.right) / 2 - 1, cy = (box.top + box.bottom) / 2 - 1;
            for (int k = -3; k <= 3; ++k) {
                c.pixel(cx + k, cy + k, color::kText);
                c.pixel(cx + k + 1, cy + k, color::kText);
                c.pixel(cx + k, cy - k, color::kText);
                c.pixel(cx + k + 1, cy - k, color::kText);
            }
            textRight = box.left - 2;
        }
        Canvas title = c.inside(RECT{barLeft + 4, barTop, textRight, barBottom});
        title.textIn(RECT{0, 0, textRight - barLeft - 4, barBottom - barTop}, TextOf(h), kAlignMiddle,
                     color::kCaptionText, true);
    }
}

void PaintTree(HWND h, Surface& surface, POINT rootOrigin, const RECT& clip, bool parentDisabled, bool root) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    // The root is drawn even when hidden: a picture of a dialog not shown yet is wanted.
    if (!(style & WS_VISIBLE) && !root) return;
    RECT wr;
    GetWindowRect(h, &wr);
    const POINT origin{wr.left - rootOrigin.x, wr.top - rootOrigin.y};
    RECT windowClip{std::max(origin.x, clip.left), std::max(origin.y, clip.top),
                    std::min<LONG>(origin.x + wr.right - wr.left, clip.right),
                    std::min<LONG>(origin.y + wr.bottom - wr.top, clip.bottom)};
    if (windowClip.right <= windowClip.left || windowClip.bottom <= windowClip.top) return;
    Canvas canvas(surface, origin, windowClip);

    POINT clientOrigin{0, 0};
    ClientToScreen(h, &clientOrigin);
    RECT cr;
    GetClientRect(h, &cr);
    const RECT client{clientOrigin.x - wr.left, clientOrigin.y - wr.top, clientOrigin.x - wr.left + cr.right,
                      clientOrigin.y - wr.top + cr.bottom};

    PaintState state;
    state.disabled = parentDisabled || (style & WS_DISABLED);
    state.focused = GetFocus() == h;
    state.bold = IsBold(h);

    const std::wstring cls = ClassOf(h);
    const bool standard = cls == L"button" || cls == L"static" || cls == L"edit" || cls == L"combobox" ||
                          cls == L"listbox" || cls == L"systabcontrol32" || cls == L"richedit20w" ||
                          cls == L"syslistview32";
    // Controls draw their own borders; other windows get a frame and caption here.
    if (!standard) PaintNonClient(h, canvas, wr, client);
    auto painter = R().painters.find(cls);
    if (R().override && R().override(h, canvas, state)) {
        // drawn by the window's own object
    } else if (painter != R().painters.end()) {
        painter->second(h, canvas, state);
    } else if (standard) {
        PaintStandardWindow(h, canvas, state);
    } else {
        bool drawn = false;
        if (cls == L"#32770" || !(style & WS_CHILD)) {
            canvas.fill(client, color::kFace);
        }
        if (R().custom) {
            Canvas inner = canvas.inside(client);
            drawn = R().custom(h, inner, state);
        }
        (void)drawn;
    }

    // Children inside the client area, bottom of the z-order first.
    RECT childClip{std::max<LONG>(origin.x + client.left, windowClip.left),
                   std::max<LONG>(origin.y + client.top, windowClip.top),
                   std::min<LONG>(origin.x + client.right, windowClip.right),
                   std::min<LONG>(origin.y + client.bottom, windowClip.bottom)};
    if (childClip.right <= childClip.left || childClip.bottom <= childClip.top) return;
    HWND last = GetWindow(h, GW_CHILD);
    if (!last) return;
    last = GetWindow(last, GW_HWNDLAST);
    for (HWND k = last; k; k = GetWindow(k, GW_HWNDPREV)) PaintTree(k, surface, rootOrigin, childClip, state.disabled, false);
}

}  // namespace

void RegisterWindowPainter(std::wstring_view className, WindowPainter painter) {
    R().painters[detail::Lower(className)] = painter;
}
void SetCustomPaintHook(CustomPaintHook hook) { R().custom = hook; }
void SetPaintOverrideHook(PaintOverrideHook hook) { R().override = hook; }
void SetIconPictureSource(IconPictureSource source) { R().icons = source; }

Surface IconPicture(HICON icon, SIZE size) {
    Surface pic;
    if (icon && R().icons && R().icons(icon, pic) && !pic.empty()) return pic;
    const int w = size.cx > 0 ? size.cx : 32, h = size.cy > 0 ? size.cy : 32;
    // A generic picture: a framed white tile with a small blue diamond.
    pic = Surface(w, h, color::kFace);
    pic.fill(RECT{1, 1, w - 1, h - 1}, color::kWindow);
    for (int x = 0; x < w; ++x) {
        pic.setPixel(x, 0, color::kShadow);
        pic.setPixel(x, h - 1, color::kShadow);
    }
    for (int y = 0; y < h; ++y) {
        pic.setPixel(0, y, color::kShadow);
        pic.setPixel(w - 1, y, color::kShadow);
    }
    const int cx = w / 2, cy = h / 2, r = std::max(1, std::min(w, h) / 4);
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (std::abs(x) + std::abs(y) <= r) pic.setPixel(cx + x, cy + y, color::kHighlight);
    return pic;
}

Surface RenderWindow(HWND hwnd) {
    if (!IsWindow(hwnd)) return {};
    RECT wr;
    GetWindowRect(hwnd, &wr);
    const int w = wr.right - wr.left, h = wr.bottom - wr.top;
    if (w <= 0 || h <= 0 || w > kMaxBitmapSide || h > kMaxBitmapSide) return {};
    Surface surface(w, h, color::kFace);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    bool disabledAbove = false;
    if (style & WS_CHILD) {
        for (HWND p = GetParent(hwnd); p && (GetWindowLongPtrW(p, GWL_STYLE) & WS_CHILD); p = GetParent(p))
            if (GetWindowLongPtrW(p, GWL_STYLE) & WS_DISABLED) disabledAbove = true;
    }
    PaintTree(hwnd, surface, POINT{wr.left, wr.top}, RECT{0, 0, w, h}, disabledAbove, true);
    return surface;
}

bool RenderWindowToPng(HWND hwnd, std::wstring_view winPath) {
    const Surface picture = RenderWindow(hwnd);
    return !picture.empty() && WritePngFile(winPath, picture);
}

}  // namespace win
