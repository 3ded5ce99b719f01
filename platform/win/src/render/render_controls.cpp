// The look of the standard controls in window pictures.
#include <algorithm>
#include <vector>

#include "win/bitmap_font.h"
#include "win/render.h"
#include "win/window.h"
#include "../window_internal.h"

namespace win {
namespace {

constexpr LRESULT kPushed = 0x4;
constexpr DWORD kLeftText = 0x20;      // BS_LEFTTEXT
constexpr DWORD kNoPrefix = 0x80;      // SS_NOPREFIX
constexpr DWORD kCenterImage = 0x200;  // SS_CENTERIMAGE
constexpr DWORD kMultiLine = 0x2000;   // BS_MULTILINE
constexpr int kComboField = 21;        // height of a combo box's selection field


constexpr int kScrollWidth = 16;

std::wstring TextOf(HWND h) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ItemText(HWND h, UINT lenMsg, UINT textMsg, int i) {
    const LRESULT n = SendMessageW(h, lenMsg, static_cast<WPARAM>(i), 0);
    if (n < 0) return L"";
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    SendMessageW(h, textMsg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(s.data()));
    s.resize(static_cast<std::size_t>(n));
    return s;
}

RECT Bounds(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

DWORD StyleOf(HWND h) { return static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE)); }
DWORD ExStyleOf(HWND h) { return static_cast<DWORD>(GetWindowLongPtrW(h, GWL_EXSTYLE)); }

COLORREF TextColour(const PaintState& s) { return s.disabled ? color::kGrayText : color::kText; }

// A vertical scroll bar in r.
void ScrollBar(Canvas& c, const RECT& r, int first, int shown, int total) {
    c.dither(r, color::kFace, color::kLight);
    const RECT up{r.left, r.top, r.right, r.top + kScrollWidth};
    const RECT down{r.left, r.bottom - kScrollWidth, r.right, r.bottom};
    for (const RECT& b : {up, down}) {
        c.fill(b, color::kFace);
        c.edge(b, Edge::Raised);
    }
    c.arrow((up.left + up.right) / 2, (up.top + up.bottom) / 2 - 1, '^', color::kText);
    c.arrow((down.left + down.right) / 2, (down.top + down.bottom) / 2 - 1, 'v', color::kText);
    const int track = r.bottom - r.top - 2 * kScrollWidth;
    if (total <= 0 || shown >= total || track < 8) return;
    const int thumb = std::max(8, track * shown / total);
    const int top = up.bottom + (track - thumb) * first / std::max(1, total - shown);
    const RECT t{r.left, top, r.right, top + thumb};
    c.fill(t, color::kFace);
    c.edge(t, Edge::Raised);
}

// The box or circle of a check box or radio button at (x, y).
void CheckMark(Canvas& c, int x, int y, COLORREF ink) {
    // A seven-pixel tick, three pixels thick.
    const int pts[7][2] = {{0, 2}, {1, 3}, {2, 4}, {3, 3}, {4, 2}, {5, 1}, {6, 0}};
    for (const auto& p : pts)
        for (int k = 0; k < 3; ++k) c.pixel(x + p[0], y + p[1] + k, ink);
}

void CheckBox(Canvas& c, int x, int y, LRESULT check, bool disabled) {
    const RECT box{x, y, x + 13, y + 13};
    c.edge(box, Edge::Sunken);
    const RECT in{x + 2, y + 2, x + 11, y + 11};
    if (check == static_cast<LRESULT>(BST_INDETERMINATE)) c.dither(in, color::kFace, color::kLight);
    else c.fill(in, disabled ? color::kFace : color::kWindow);
    if (check == static_cast<LRESULT>(BST_CHECKED)) CheckMark(c, x + 3, y + 3, disabled ? color::kGrayText : color::kText);
    if (check == static_cast<LRESULT>(BST_INDETERMINATE)) CheckMark(c, x + 3, y + 3, color::kGrayText);
}

void RadioCircle(Canvas& c, int x, int y, bool checked, bool disabled) {
    // A 12 x 12 circle: rows of (first, last) columns of the outer ring.
    static const int ring[12][2] = {{4, 7}, {2, 9}, {1, 10}, {1, 10}, {0, 11}, {0, 11},
                                    {0, 11}, {0, 11}, {1, 10}, {1, 10}, {2, 9}, {4, 7}};
    for (int r = 0; r < 12; ++r) {
        const int a = ring[r][0], b = ring[r][1];
        c.hline(x + a + 1, x + b, y + r, disabled ? color::kFace : color::kWindow);
        const bool upper = r < 6;
        c.pixel(x + a, y + r, upper ? color::kShadow : color::kLight);
        c.pixel(x + b, y + r, upper ? color::kShadow : color::kLight);
        if (r == 0) c.hline(x + a, x + b + 1, y, color::kShadow);
        if (r == 11) c.hline(x + a, x + b + 1, y + 11, color::kLight);
    }
    c.hline(x + 4, x + 8, y + 1, color::kDarkShadow);
    c.pixel(x + 2, y + 2, color::kDarkShadow);
    c.pixel(x + 3, y + 2, color::kDarkShadow);
    c.vline(x + 1, y + 3, y + 8, color::kDarkShadow);
    if (checked) {
        const COLORREF ink = disabled ? color::kGrayText : color::kText;
        c.fill(RECT{x + 4, y + 5, x + 8, y + 7}, ink);
        c.hline(x + 5, x + 7, y + 4, ink);
        c.hline(x + 5, x + 7, y + 7, ink);
    }
}

const Surface* BitmapSurface(HANDLE image) {
    return image ? SurfaceFromBitmap(reinterpret_cast<HBITMAP>(image)) : nullptr;
}

void PaintButton(HWND h, Canvas& c, const PaintState& s) {
    const DWORD style = StyleOf(h);
    const DWORD kind = style & BS_TYPEMASK;
    const RECT all = Bounds(h);
    const std::wstring text = TextOf(h);
    const LRESULT check = SendMessageW(h, BM_GETCHECK, 0, 0);
    const LRESULT state = SendMessageW(h, BM_GETSTATE, 0, 0);
    const bool bold = s.bold;
    if (kind == BS_GROUPBOX) {
        const int textW = text.empty() ? 0 : TextWidth(text) + 4;
        c.edge(RECT{0, 6, all.right, all.bottom}, Edge::Etched);
        if (textW) {
            c.fill(RECT{7, 0, 7 + textW, kFontCellHeight}, color::kFace);
            c.textIn(RECT{9, 0, all.right - 2, kFontCellHeight}, text, kPrefix, color::kText, bold, s.disabled);
        }
        return;
    }
    const bool checkLike = kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
    const bool radioLike = kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
    if ((checkLike || radioLike) && !(style & BS_PUSHLIKE)) {
        const int boxY = (all.bottom - 13) / 2;
        const bool boxRight = (style & kLeftText) != 0;
        const int boxX = boxRight ? all.right - 13 : 0;
        if (checkLike) CheckBox(c, boxX, boxY, check, s.disabled);
        else RadioCircle(c, boxX, boxY, check == static_cast<LRESULT>(BST_CHECKED), s.disabled);
        const RECT tr = boxRight ? RECT{0, 0, all.right - 17, all.bottom} : RECT{17, 0, all.right, all.bottom};
        c.textIn(tr, text, kAlignMiddle | kPrefix | ((style & kMultiLine) ? kWrap : 0u), color::kText, bold, s.disabled);
        if (s.focused && !text.empty()) {
            const int w = std::min<int>(TextWidth(text), tr.right - tr.left);
            const int ty = (all.bottom - kFontCellHeight) / 2;
            c.dottedFrame(RECT{tr.left - 1, ty, tr.left + w + 2, ty + kFontCellHeight + 1}, color::kText);
        }
        return;
    }
    // Push buttons, push-like check and radio buttons, owner-drawn ones.
    const bool isDefault = kind == BS_DEFPUSHBUTTON;
    const bool down = (state & kPushed) || ((checkLike || radioLike) && check == static_cast<LRESULT>(BST_CHECKED));
    RECT r = all;
    c.fill(r, color::kFace);
    if (isDefault) {
        c.frame(r, color::kText);
        r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    if (style & BS_FLAT) c.frame(r, down ? color::kDarkShadow : color::kShadow);
    else c.edge(r, down ? (isDefault || (state & kPushed) ? Edge::Pressed : Edge::Sunken) : Edge::Raised);
    if (down && (checkLike || radioLike) && !(state & kPushed))
        c.dither(RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, color::kFace, color::kLight);
    if (checkLike && check == static_cast<LRESULT>(BST_INDETERMINATE))
        c.dither(RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2}, color::kFace, color::kLight);
    const int shift = down ? 1 : 0;
    const RECT content{r.left + 3 + shift, r.top + 3 + shift, r.right - 3 + shift, r.bottom - 3 + shift};
    Surface picture;
    bool hasPicture = false;
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(h, BM_GETIMAGE, IMAGE_ICON, 0))) {
        picture = IconPicture(icon, SIZE{16, 16});
        hasPicture = true;
    } else if (const Surface* bmp = BitmapSurface(reinterpret_cast<HANDLE>(SendMessageW(h, BM_GETIMAGE, IMAGE_BITMAP, 0)))) {
        picture = *bmp;
        hasPicture = true;
    }
    if (hasPicture) {
        Canvas inner = c.inside(content);
        const int px = (content.right - content.left - picture.width()) / 2;
        const int py = (content.bottom - content.top - picture.height()) / 2;
        if (s.disabled) {
            // Greyed: every non-background pixel in the shadow colour.
            Surface grey = picture;
            const COLORREF back = picture.pixel(0, 0);
            for (int y = 0; y < grey.height(); ++y)
                for (int x = 0; x < grey.width(); ++x)
                    grey.setPixel(x, y, grey.pixel(x, y) == back ? color::kFace : color::kShadow);
            inner.image(grey, px, py);
        } else if (HANDLE t = GetPropW(h, kTransparentColorProp)) {
            // The button's transparent colour lets the face show through.
            const auto transparent = static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(t) - 1);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (picture.pixel(x, y) != transparent) inner.pixel(px + x, py + y, picture.pixel(x, y));
        } else {
            inner.image(picture, px, py);
        }
    } else {
        c.textIn(content, text, kAlignCenter | kAlignMiddle | kPrefix | ((style & kMultiLine) ? kWrap : 0u), color::kText, bold,
                 s.disabled);
    }
    if (s.focused) c.dottedFrame(RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}, color::kText);
}

void PaintStatic(HWND h, Canvas& c, const PaintState& s) {
    const DWORD style = StyleOf(h);
    const DWORD kind = style & 0x1F;
    const RECT all = Bounds(h);
    RECT r = all;
    if (style & SS_SUNKEN) {
        c.edge(all, Edge::ThinSunken);
        r = RECT{1, 1, all.right - 1, all.bottom - 1};
    }
    if (ExStyleOf(h) & WS_EX_CLIENTEDGE) {
        c.edge(all, Edge::Sunken);
        r = RECT{2, 2, all.right - 2, all.bottom - 2};
    }
    if (ExStyleOf(h) & WS_EX_STATICEDGE) {
        c.edge(all, Edge::ThinSunken);
        r = RECT{1, 1, all.right - 1, all.bottom - 1};
    }
    switch (kind) {
    case SS_ICON: {
        auto icon = reinterpret_cast<HICON>(SendMessageW(h, STM_GETICON, 0, 0));
        if (icon) c.image(IconPicture(icon), r.left, r.top);
        return;
    }
    case SS_BITMAP: {
        if (const Surface* bmp = BitmapSurface(reinterpret_cast<HANDLE>(SendMessageW(h, STM_GETIMAGE, IMAGE_BITMAP, 0)))) {
            int x = r.left, y = r.top;
            if (style & kCenterImage) {
                x = (all.right - bmp->width()) / 2;
                y = (all.bottom - bmp->height()) / 2;
            }
            c.image(*bmp, x, y);
        }
        return;
    }
    case 0x4: c.fill(all, color::kDarkShadow); return;  // black rectangle
    case 0x5: c.fill(all, color::kShadow); return;      // grey rectangle
    case 0x6: c.fill(all, color::kLight); return;       // white rectangle
    case 0x7: c.frame(all, color::kDarkShadow); return;
    case 0x8: c.frame(all, color::kShadow); return;
    case 0x9: c.frame(all, color::kLight); return;
    case 0x10:                                          // etched line
        c.hline(0, all.right, 0, color::kShadow);
        c.hline(0, all.right, 1, color::kLight);
        return;
    case 0x11:
        c.vline(0, 0, all.bottom, color::kShadow);
        c.vline(1, 0, all.bottom, color::kLight);
        return;
    case 0x12: c.edge(all, Edge::Etched); return;
    default: break;
    }
    UINT format = (style & kNoPrefix) ? 0u : kPrefix;
    if (kind == SS_CENTER) format |= kAlignCenter;
    else if (kind == SS_RIGHT) format |= kAlignRight;
    if (kind != 0xB && kind != 0xC) format |= kWrap;  // SS_SIMPLE, SS_LEFTNOWORDWRAP
    if (style & kCenterImage) format |= kAlignMiddle;
    c.textIn(r, TextOf(h), format, color::kText, s.bold, s.disabled);
}

// A field's text with a selection [selStart, selEnd) and a caret when focused.
void FieldLine(Canvas& c, int x, int y, const std::wstring& line, int lineStart, int selStart, int selEnd,
               COLORREF ink, bool bold, bool showSel) {
    const int len = static_cast<int>(line.size());
    const int a = std::clamp(selStart - lineStart, 0, len), b = std::clamp(selEnd - lineStart, 0, len);
    if (!showSel || a >= b) {
        c.text(x, y, line, ink, bold);
        return;
    }
    c.text(x, y, std::wstring_view(line).substr(0, static_cast<std::size_t>(a)), ink, bold);
    const int sx = x + a * kFontCellWidth;
    c.fill(RECT{sx, y, sx + (b - a) * kFontCellWidth, y + kFontCellHeight}, color::kHighlight);
    c.text(sx, y, std::wstring_view(line).substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a)),
           color::kHighlightText, bold);
    c.text(x + b * kFontCellWidth, y, std::wstring_view(line).substr(static_cast<std::size_t>(b)), ink, bold);
}

void PaintEdit(HWND h, Canvas& c, const PaintState& s, bool rich) {
    const DWORD style = StyleOf(h);
    const RECT all = Bounds(h);
    const bool readOnly = (style & ES_READONLY) != 0;
    c.fill(all, s.disabled || readOnly ? color::kFace : color::kWindow);
    RECT r = all;
    if ((style & WS_BORDER) || (ExStyleOf(h) & WS_EX_CLIENTEDGE)) {
        c.edge(all, Edge::Sunken);
        r = RECT{2, 2, all.right - 2, all.bottom - 2};
    }
    const bool multi = rich || (style & ES_MULTILINE);
    if (multi && (style & WS_VSCROLL)) {
        ScrollBar(c, RECT{r.right - kScrollWidth, r.top, r.right, r.bottom}, 0, 1, 1);
        r.right -= kScrollWidth;
    }
    std::wstring text = TextOf(h);
    if (style & ES_PASSWORD) text.assign(text.size(), L'*');
    DWORD selStart = 0, selEnd = 0;
    SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const bool showSel = s.focused || (style & ES_NOHIDESEL);
    const COLORREF ink = TextColour(s);
    Canvas inner = c.inside(RECT{r.left + 1, r.top, r.right - 1, r.bottom});
    const int width = r.right - r.left - 2;
    if (!multi) {
        const int y = (r.bottom - r.top - kFontCellHeight) / 2;
        int x = 0;
        if (style & ES_CENTER) x = (width - TextWidth(text)) / 2;
        else if (style & ES_RIGHT) x = width - TextWidth(text);
        // Keep the caret in view when the text is longer than the field.
        const int caretX = static_cast<int>(selEnd) * kFontCellWidth;
        if (caretX > width - 2) x -= caretX - (width - 2);
        FieldLine(inner, x, y, text, 0, static_cast<int>(selStart), static_cast<int>(selEnd), ink, s.bold, showSel);
        if (s.focused && selStart == selEnd) inner.vline(x + caretX, y + 1, y + kFontCellHeight - 1, color::kText);
        return;
    }
    // Multi-line: lines at line breaks, wrapped when the field does not scroll sideways.
    const bool wrap = !(style & (ES_AUTOHSCROLL | WS_HSCROLL));
    int lineStart = 0, y = 0;
    std::size_t pos = 0;
    while (pos <= text.size() && y < r.bottom - r.top) {
        std::size_t end = text.find(L'\n', pos);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(pos, end - pos);
        const bool cr = !line.empty() && line.back() == L'\r';
        if (cr) line.pop_back();
        std::wstring parts[64];
        const int n = wrap ? LayoutLines(line, width, true, parts, 64) : 1;
        if (!wrap) parts[0] = line;
        int offset = 0;
        for (int i = 0; i < n && y < r.bottom - r.top; ++i, y += kFontCellHeight) {
            const std::size_t at = line.find(parts[i], static_cast<std::size_t>(offset));
            const int start = lineStart + static_cast<int>(at == std::wstring::npos ? offset : at);
            FieldLine(inner, 0, y, parts[i], start, static_cast<int>(selStart), static_cast<int>(selEnd), ink, s.bold,
                      showSel);
            offset = start - lineStart + static_cast<int>(parts[i].size());
        }
        lineStart += static_cast<int>(end - pos) + 1;
        if (end == text.size()) break;
        pos = end + 1;
    }
}

void PaintCombo(HWND h, Canvas& c, const PaintState& s) {
    const DWORD style = StyleOf(h);
    const DWORD kind = style & 0x3;
    const RECT all = Bounds(h);
    const int fieldH = std::min<int>(all.bottom, kComboField);
    const int sel = static_cast<int>(SendMessageW(h, CB_GETCURSEL, 0, 0));
    const std::wstring selected = sel >= 0 ? ItemText(h, CB_GETLBTEXTLEN, CB_GETLBTEXT, sel) : L"";
    const std::wstring shown = kind == CBS_DROPDOWNLIST ? (sel >= 0 ? selected : TextOf(h)) : TextOf(h);
    const COLORREF ink = TextColour(s);
    const RECT field{0, 0, all.right, fieldH};
    c.fill(field, s.disabled ? color::kFace : color::kWindow);
    c.edge(field, Edge::Sunken);
    int textRight = field.right - 2;
    if (kind != CBS_SIMPLE) {
        const RECT button{field.right - 2 - kScrollWidth, 2, field.right - 2, fieldH - 2};
        c.fill(button, color::kFace);
        c.edge(button, Edge::Raised);
        c.arrow((button.left + button.right) / 2, (button.top + button.bottom) / 2 - 1, 'v',
                s.disabled ? color::kGrayText : color::kText);
        textRight = button.left;
    }
    Canvas inner = c.inside(RECT{3, 2, textRight - 1, fieldH - 2});
    const int ty = (fieldH - 4 - kFontCellHeight) / 2;
    // A check combo's mark and a picture combo's picture of the current item come first.
    if (sel >= 0 && SendMessageW(h, TQ_CB_ISCHECKLIST, 0, 0)) {
        const LRESULT mark = SendMessageW(h, TQ_CB_GETITEMCHECK, static_cast<WPARAM>(sel), 0);
        CheckBox(inner, 1, (fieldH - 4 - 13) / 2, mark == 1 ? BST_CHECKED : BST_UNCHECKED, s.disabled);
        inner = inner.inside(RECT{17, 0, textRight, fieldH});
    }
    if (const Surface* pic = sel >= 0 ? BitmapSurface(reinterpret_cast<HANDLE>(SendMessageW(
                                            h, TQ_CB_GETITEMIMAGE, static_cast<WPARAM>(sel), 0)))
                                      : nullptr) {
        inner.image(*pic, 1, std::max(0, (fieldH - 4 - pic->height()) / 2));
        inner = inner.inside(RECT{pic->width() + 4, 0, textRight, fieldH});
    }
    if (kind == CBS_DROPDOWNLIST && s.focused) {
        inner.fill(RECT{0, ty, TextWidth(shown) + 2, ty + kFontCellHeight}, color::kHighlight);
        inner.text(1, ty, shown, color::kHighlightText, s.bold);
        inner.dottedFrame(RECT{0, ty, TextWidth(shown) + 2, ty + kFontCellHeight}, color::kText);
    } else {
        inner.text(1, ty, shown, ink, s.bold);
    }
    if (kind == CBS_SIMPLE && all.bottom > fieldH + 4) {
        // The list below the edit.
        const RECT list{0, fieldH + 1, all.right, all.bottom};
        c.fill(list, color::kWindow);
        c.edge(list, Edge::Sunken);
        const int n = static_cast<int>(SendMessageW(h, CB_GETCOUNT, 0, 0));
        Canvas items = c.inside(RECT{2, list.top + 2, list.right - 2, list.bottom - 2});
        for (int i = 0, y = 0; i < n && y < list.bottom - list.top; ++i, y += kFontCellHeight) {
            const std::wstring t = ItemText(h, CB_GETLBTEXTLEN, CB_GETLBTEXT, i);
            if (i == sel) {
                items.fill(RECT{0, y, list.right, y + kFontCellHeight}, color::kHighlight);
                items.text(2, y, t, color::kHighlightText, s.bold);
            } else {
                items.text(2, y, t, ink, s.bold);
            }
        }
    }
}

void PaintList(HWND h, Canvas& c, const PaintState& s) {
    const DWORD style = StyleOf(h);
    const RECT all = Bounds(h);
    c.fill(all, color::kWindow);
    RECT r = all;
    if ((style & WS_BORDER) || (ExStyleOf(h) & WS_EX_CLIENTEDGE)) {
        c.edge(all, Edge::Sunken);
        r = RECT{2, 2, all.right - 2, all.bottom - 2};
    }
    const int n = static_cast<int>(SendMessageW(h, LB_GETCOUNT, 0, 0));
    const int visible = std::max(1, (r.bottom - r.top) / kFontCellHeight);
    const bool multi = (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    const int cur = static_cast<int>(SendMessageW(h, LB_GETCURSEL, 0, 0));
    // Keep the current item in view.
    int first = 0;
    if (cur >= visible) first = std::min(cur - visible + 1, std::max(0, n - visible));
    if ((style & WS_VSCROLL) && n > visible) {
        ScrollBar(c, RECT{r.right - kScrollWidth, r.top, r.right, r.bottom}, first, visible, n);
        r.right -= kScrollWidth;
    }
    Canvas items = c.inside(r);
    const COLORREF ink = TextColour(s);
    for (int i = first, y = 0; i < n && y < r.bottom - r.top; ++i, y += kFontCellHeight) {
        const std::wstring t = ItemText(h, LB_GETTEXTLEN, LB_GETTEXT, i);
        const bool selected = multi ? SendMessageW(h, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0 : i == cur;
        const RECT row{0, y, r.right - r.left, y + kFontCellHeight};
        if (selected && !s.disabled) {
            items.fill(row, color::kHighlight);
            items.text(2, y, t, color::kHighlightText, s.bold);
        } else {
            items.text(2, y, t, ink, s.bold);
        }
        if (s.focused && i == cur) items.dottedFrame(row, selected ? color::kHighlightText : color::kText);
    }
}

void PaintTabs(HWND h, Canvas& c, const PaintState& s) {
    const RECT all = Bounds(h);
    const int n = static_cast<int>(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
    const int cur = static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0));
    int tabsBottom = 0;
    std::vector<RECT> rects(static_cast<std::size_t>(std::max(0, n)));
    for (int i = 0; i < n; ++i) {
        SendMessageW(h, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rects[i]));
        tabsBottom = std::max<int>(tabsBottom, rects[i].bottom);
    }
    // The body: a raised frame below the tabs (its inside is left to the pages).
    const RECT body{0, tabsBottom, all.right, all.bottom};
    c.hline(body.left, body.right - 1, body.top, color::kLight);
    c.vline(body.left, body.top, body.bottom - 1, color::kLight);
    c.hline(body.left, body.right, body.bottom - 1, color::kDarkShadow);
    c.vline(body.right - 1, body.top, body.bottom, color::kDarkShadow);
    c.hline(body.left + 1, body.right - 1, body.bottom - 2, color::kShadow);
    c.vline(body.right - 2, body.top + 1, body.bottom - 1, color::kShadow);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < n; ++i) {
            if ((i == cur) != (pass == 1)) continue;  // the current tab last, on top
            RECT t = rects[static_cast<std::size_t>(i)];
            if (i == cur) t = RECT{t.left - 2, t.top - 2, t.right + 2, t.bottom + 1};
            c.fill(RECT{t.left + 1, t.top + 1, t.right - 1, t.bottom}, color::kFace);
            c.hline(t.left + 2, t.right - 2, t.top, color::kLight);
            c.vline(t.left, t.top + 2, t.bottom, color::kLight);
            c.pixel(t.left + 1, t.top + 1, color::kLight);
            c.vline(t.right - 1, t.top + 2, t.bottom, color::kDarkShadow);
            c.pixel(t.right - 2, t.top + 1, color::kDarkShadow);
            c.vline(t.right - 2, t.top + 2, t.bottom, color::kShadow);
            wchar_t buf[256] = {};
            TCITEMW item;
            item.mask = TCIF_TEXT;
            item.pszText = buf;
            item.cchTextMax = 256;
            SendMessageW(h, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            c.textIn(RECT{t.left, t.top + 1, t.right, t.bottom}, buf, kAlignCenter | kAlignMiddle | kPrefix,
                     color::kText, s.bold, s.disabled);
            if (i == cur && s.focused)
                c.dottedFrame(RECT{t.left + 3, t.top + 3, t.right - 3, t.bottom - 2}, color::kText);
        }
    }
}

// The thumbnail list ("SysListView32" in icon view): each item's picture above its name,
// the selected names on the highlight.
void PaintThumbnails(HWND h, Canvas& c, const PaintState& s) {
    const RECT all = Bounds(h);
    c.fill(all, color::kWindow);
    if ((StyleOf(h) & WS_BORDER) || (ExStyleOf(h) & WS_EX_CLIENTEDGE)) c.edge(all, Edge::Sunken);
    RECT wr;
    GetWindowRect(h, &wr);
    POINT origin{0, 0};
    ClientToScreen(h, &origin);
    Canvas client = c.inside(RECT{origin.x - wr.left, origin.y - wr.top, all.right - 2, all.bottom - 2});
    const int n = static_cast<int>(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        RECT r{};
        if (!SendMessageW(h, LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
        wchar_t name[260] = {};
        LVITEMW item;
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_STATE;
        item.iItem = i;
        item.stateMask = LVIS_SELECTED;
        item.pszText = name;
        item.cchTextMax = 260;
        SendMessageW(h, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        const int captionTop = r.bottom - kFontCellHeight - 2;
        if (const Surface* pic = BitmapSurface(item.image)) {
            Canvas cell = client.inside(RECT{r.left, r.top, r.right, captionTop});
            cell.image(*pic, (r.right - r.left - pic->width()) / 2, std::max(0, (captionTop - r.top - pic->height()) / 2));
        }
        const bool selected = (item.state & LVIS_SELECTED) != 0;
        const int w = std::min<int>(TextWidth(name) + 4, r.right - r.left);
        const RECT label{(r.left + r.right - w) / 2, captionTop, (r.left + r.right + w) / 2, captionTop + kFontCellHeight};
        if (selected) client.fill(label, color::kHighlight);
        client.textIn(RECT{r.left, captionTop, r.right, captionTop + kFontCellHeight}, name, kAlignCenter,
                      selected ? color::kHighlightText : TextColour(s));
    }
}

}  // namespace

void PaintStandardWindow(HWND h, Canvas& c, const PaintState& s) {
    wchar_t cls[128] = {};
    GetClassNameW(h, cls, 128);
    const std::wstring name = detail::Lower(cls);
    if (name == L"button") PaintButton(h, c, s);
    else if (name == L"static") PaintStatic(h, c, s);
    else if (name == L"edit") PaintEdit(h, c, s, false);
    else if (name == L"richedit20w") PaintEdit(h, c, s, true);
    else if (name == L"combobox") PaintCombo(h, c, s);
    else if (name == L"listbox") PaintList(h, c, s);
    else if (name == L"systabcontrol32") PaintTabs(h, c, s);
    else if (name == L"syslistview32") PaintThumbnails(h, c, s);
}

}  // namespace win
