// Pictures of windows: draws a window and its visible descendants into a pixel surface in
// a plain classic grey look, so that tests and the gallery can look at dialogs that are
// never shown on a screen.
//
// What is drawn comes from the windows' own state (class, text, styles, check state,
// items, selection, focus), read through their messages:
//   frames and captions of top-level windows (close box with WS_SYSMENU); dialogs' grey
//   client; "Button" push buttons (pushed, default, focus, flat, icon or bitmap image),
//   check boxes (checked, mixed), radio buttons, push-like check and radio buttons, group
//   boxes; "Static" texts (left, centred, right, wrapped), icons, bitmaps, rectangles,
//   frames and etched lines; "Edit" and "RichEdit20W" fields with their text (single and
//   multi-line, password, read-only), selection and caret; "ComboBox" in its three styles
//   with the shown text (check combos: the item's mark; picture combos: its picture);
//   "ListBox" items with the selection and a scroll bar when they do not fit;
//   "SysTabControl32" items with the current one raised; "SysListView32" thumbnails with
//   their pictures and names, the selected ones highlighted.
// Hidden windows (and everything under them) are not drawn; disabled windows and those
// under a disabled parent are drawn greyed. Windows of other classes get their registered
// painter (RegisterWindowPainter; the spreadsheet control registers one), else the custom
// paint hook (the window framework sends WM_PAINT into the picture), else only their
// children. Text uses the bitmap font (win/bitmap_font.h); bold fonts are drawn bold.
#pragma once

#include <string>
#include <string_view>

#include "win/bitmap.h"
#include "win/types.h"

namespace win {

// The classic system colours the pictures use.
namespace color {
constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kDarkShadow = RGB(64, 64, 64);
constexpr COLORREF kWindow = RGB(255, 255, 255);
constexpr COLORREF kText = RGB(0, 0, 0);
constexpr COLORREF kGrayText = RGB(128, 128, 128);
constexpr COLORREF kHighlight = RGB(10, 36, 106);
constexpr COLORREF kHighlightText = RGB(255, 255, 255);
constexpr COLORREF kCaption = RGB(10, 36, 106);
constexpr COLORREF kCaptionText = RGB(255, 255, 255);
constexpr COLORREF kDesktop = RGB(58, 110, 165);
}  // namespace color

// Edges as classic controls draw them.
enum class Edge {
    Raised,      // buttons, window frames: light top-left, dark bottom-right, two lines
    Sunken,      // edit fields, list boxes: the reverse
    Pressed,     // a pushed button: dark outer line, shadow inner line
    Etched,      // group boxes and etched lines
    ThinRaised,  // one line each side
    ThinSunken,
};

// Parts of a text drawn in a rectangle.
constexpr UINT kAlignLeft = 0x0;
constexpr UINT kAlignCenter = 0x1;
constexpr UINT kAlignRight = 0x2;
constexpr UINT kAlignMiddle = 0x4;  // vertically centred
constexpr UINT kWrap = 0x10;        // words wrapped to the width
constexpr UINT kPrefix = 0x20;      // "&x" underlines x, "&&" is "&"

// A surface seen through one window: coordinates are the window's (0, 0 at the top-left
// of its window rectangle) and drawing stays inside the clip rectangle.
class Canvas {
public:
    Canvas(Surface& surface, POINT origin, RECT clip);

    Surface& surface() const { return *m_surface; }
    POINT origin() const { return m_origin; }
    // The clip rectangle in this canvas's coordinates.
    RECT clip() const;
    // A canvas with its origin at r's top-left and drawing clipped to r as well.
    Canvas inside(const RECT& r) const;

    void pixel(int x, int y, COLORREF c);
    void fill(const RECT& r, COLORREF c);
    // A fill of alternate pixels of a and b (classic mixed states and scroll bar tracks).
    void dither(const RECT& r, COLORREF a, COLORREF b);
    void hline(int x0, int x1, int y, COLORREF c);  // x1 exclusive
    void vline(int x, int y0, int y1, COLORREF c);  // y1 exclusive
    void frame(const RECT& r, COLORREF c);
    void dottedFrame(const RECT& r, COLORREF c);
    void edge(const RECT& r, Edge kind);
    // One line of text with its cell's top-left at (x, y); returns the x after it.
    int text(int x, int y, std::wstring_view s, COLORREF c, bool bold = false);
    // Text laid out in r (see the kAlign... flags); disabled text is embossed.
    void textIn(const RECT& r, std::wstring_view s, UINT format, COLORREF c, bool bold = false,
                bool disabled = false);
    void image(const Surface& img, int x, int y);
    // A down, up, left or right pointing arrow with its centre at (cx, cy).
    void arrow(int cx, int cy, char direction, COLORREF c);

private:
    Surface* m_surface;
    POINT m_origin;
    RECT m_clip;  // surface coordinates
};

// Lines of text as the layout would break them into width pixels (wrapping words when
// wrap, always at line breaks).
int LayoutLines(std::wstring_view text, int width, bool wrap, std::wstring* lines, int maxLines);

// What a painter knows of the window beside its handle.
struct PaintState {
    bool disabled = false;  // the window or an ancestor is disabled
    bool focused = false;
    bool bold = false;      // its font is bold
};

// Draws one window (without its children) onto canvas, in window coordinates.
using WindowPainter = void (*)(HWND hwnd, Canvas& canvas, const PaintState& state);
// Draws hwnd's class (case-insensitive); replaces a painter registered before.
void RegisterWindowPainter(std::wstring_view className, WindowPainter painter);

// A button's transparent colour: the window property holds the colour plus one; pixels of
// that colour in its picture are not drawn (the framework's image button sets it).
inline constexpr const wchar_t* kTransparentColorProp = L"TqTransparentColor";

// Asked first for every window: draws the window instead of its class's painter (the
// window framework asks the window's object, see CWnd::DrawPicture). Returns whether it drew.
using PaintOverrideHook = bool (*)(HWND hwnd, Canvas& canvas, const PaintState& state);
void SetPaintOverrideHook(PaintOverrideHook hook);

// For windows without a painter: draws the window's own content (e.g. by sending it
// WM_PAINT with the canvas as target). Returns whether it drew anything.
using CustomPaintHook = bool (*)(HWND hwnd, Canvas& canvas, const PaintState& state);
void SetCustomPaintHook(CustomPaintHook hook);

// Pictures of icon handles (icons carry no pixels of their own here); without one an icon
// is drawn as a generic framed picture of its size.
using IconPictureSource = bool (*)(HICON icon, Surface& picture);
void SetIconPictureSource(IconPictureSource source);
// The picture of an icon: the source's, else a generic one of size (32 x 32 when 0).
Surface IconPicture(HICON icon, SIZE size = {});

// Draws one standard control's look (what the painters registered for the standard
// classes use), for painters of framework controls that look like one.
void PaintStandardWindow(HWND hwnd, Canvas& canvas, const PaintState& state);

// The picture of hwnd's window rectangle with its visible descendants. Empty for a
// window that is not live or has an empty rectangle.
Surface RenderWindow(HWND hwnd);
// Writes that picture as a PNG file; false when the window cannot be drawn or the file
// cannot be written.
bool RenderWindowToPng(HWND hwnd, std::wstring_view winPath);

}  // namespace win
