#include "mfc/gdi.h"

#include <algorithm>
#include <cwchar>
#include <memory>
#include <unordered_map>

#include "mfc/cwnd.h"
#include "mfc/resources.h"
#include "mfc/window_picture.h"
#include "win/bitmap_font.h"
#include "win/render.h"
#include "win/window.h"

namespace mfc {
bool FontInfo(HFONT font, LOGFONTW& out) {
    win::FontDesc d;
    if (!win::GetFontDesc(font, d)) return false;
    out = LOGFONTW{};
    out.lfHeight = d.height;
    out.lfWidth = d.width;
    out.lfWeight = d.weight;
    out.lfItalic = d.italic;
    out.lfUnderline = d.underline;
    out.lfStrikeOut = d.strikeOut;
    std::wcsncpy(out.lfFaceName, d.face.c_str(), 31);
    return true;
}
}  // namespace mfc

CFont::~CFont() { DeleteObject(); }
BOOL CFont::CreateFontIndirect(const LOGFONTW* lf) {
    if (!lf || m_hObject) return FALSE;
    m_hObject = CreateFontW(lf->lfHeight, lf->lfWidth, lf->lfEscapement, lf->lfOrientation, lf->lfWeight,
                            lf->lfItalic, lf->lfUnderline, lf->lfStrikeOut, lf->lfCharSet, lf->lfOutPrecision,
                            lf->lfClipPrecision, lf->lfQuality, lf->lfPitchAndFamily, lf->lfFaceName);
    m_owned = true;
    return m_hObject != nullptr;
}
BOOL CFont::CreatePointFont(int tenths, LPCWSTR face, CDC*) {
    LOGFONTW lf;
    lf.lfHeight = -(tenths * 96 / 72 + 5) / 10;
    if (face) std::wcsncpy(lf.lfFaceName, face, 31);
    return CreateFontIndirect(&lf);
}
BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName) {
    if (m_hObject) return FALSE;
    m_hObject = CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                            outPrecision, clipPrecision, quality, pitchAndFamily, faceName);
    m_owned = true;
    return m_hObject != nullptr;
}
int CFont::GetLogFont(LOGFONTW* lf) const {
    if (!lf || !mfc::FontInfo(m_hObject, *lf)) return 0;
    return static_cast<int>(sizeof(LOGFONTW));
}
BOOL CFont::DeleteObject() {
    if (!m_hObject) return FALSE;
    if (m_owned) DeleteFontHandle(m_hObject);
    m_hObject = nullptr;
    m_owned = false;
    return TRUE;
}
BOOL CFont::Attach(HFONT font) {
    if (m_hObject || !font) return FALSE;
    m_hObject = font;
    m_owned = true;
    return TRUE;
}
HFONT CFont::Detach() {
    HFONT f = m_hObject;
    m_hObject = nullptr;
    m_owned = false;
    return f;
}
CFont* CFont::FromHandle(HFONT font) {
    static std::unordered_map<HFONT, std::unique_ptr<CFont>> wrappers;
    auto& w = wrappers[font];
    if (!w) {
        w = std::make_unique<CFont>();
        w->m_hObject = font;
    }
    return w.get();
}

CBitmap::~CBitmap() { DeleteObject(); }
BOOL CBitmap::LoadBitmap(UINT id) {
    if (m_hObject) return FALSE;
    const win::Surface* s = mfc::FindBitmapResource(id);
    if (!s) return FALSE;
    m_hObject = win::CreateBitmapFromSurface(*s);
    return m_hObject != nullptr;
}
BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height) {
    if (m_hObject || width < 0 || height < 0) return FALSE;
    m_hObject = win::CreateBitmapFromSurface(win::Surface(width, height, RGB(0, 0, 0)));
    return m_hObject != nullptr;
}
BOOL CBitmap::CreateBitmap(int width, int height, UINT, UINT bitsPerPixel, const void* bits) {
    if (m_hObject || width < 0 || height < 0) return FALSE;
    win::Surface s(width, height, RGB(0, 0, 0));
    if (bits && bitsPerPixel == 32) {
        const auto* px = static_cast<const DWORD*>(bits);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                DWORD v = px[y * width + x];  // 0x00RRGGBB as stored in memory
                s.setPixel(x, y, RGB(static_cast<BYTE>(v >> 16), static_cast<BYTE>(v >> 8), static_cast<BYTE>(v)));
            }
    }
    m_hObject = win::CreateBitmapFromSurface(s);
    return m_hObject != nullptr;
}
BOOL CBitmap::Attach(HBITMAP bitmap) {
    if (m_hObject || !bitmap) return FALSE;
    m_hObject = bitmap;
    return TRUE;
}
HBITMAP CBitmap::Detach() {
    HBITMAP b = m_hObject;
    m_hObject = nullptr;
    return b;
}
BOOL CBitmap::DeleteObject() {
    if (!m_hObject) return FALSE;
    ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}
int CBitmap::GetBitmap(BITMAP* info) const { return m_hObject ? GetObjectW(m_hObject, sizeof(BITMAP), info) : 0; }
CSize CBitmap::GetBitmapDimension() const {
    win::Surface* s = surface();
    return s ? CSize(s->width(), s->height()) : CSize(0, 0);
}
win::Surface* CBitmap::surface() const { return m_hObject ? win::SurfaceFromBitmap(m_hObject) : nullptr; }

CDC::~CDC() = default;
BOOL CDC::CreateCompatibleDC(CDC*) {
    m_hDC = reinterpret_cast<HDC>(this);
    return TRUE;
}
BOOL CDC::DeleteDC() {
    m_hDC = nullptr;
    m_bitmap = nullptr;
    return TRUE;
}
CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    CBitmap* old = m_bitmap;
    m_bitmap = bitmap;
    return old;
}
CFont* CDC::SelectObject(CFont* font) {
    CFont* old = m_font;
    m_font = font;
    return old;
}
CPen* CDC::SelectObject(CPen* pen) {
    CPen* old = m_pen;
    m_pen = pen;
    return old;
}
CBrush* CDC::SelectObject(CBrush* brush) {
    CBrush* old = m_brush;
    m_brush = brush;
    return old;
}
COLORREF CDC::SetTextColor(COLORREF c) {
    COLORREF old = m_textColor;
    m_textColor = c;
    return old;
}
COLORREF CDC::SetBkColor(COLORREF c) {
    COLORREF old = m_bkColor;
    m_bkColor = c;
    return old;
}
int CDC::SetBkMode(int mode) {
    int old = m_bkMode;
    m_bkMode = mode;
    return old;
}
win::Surface* CDC::surface() const { return m_bitmap ? m_bitmap->surface() : m_picture; }
void CDC::FillSolidRect(const RECT& r, COLORREF c) {
    if (auto* s = surface()) s->fill(r, c);
    m_bkColor = c;
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF c) { FillSolidRect(RECT{x, y, x + cx, y + cy}, c); }
BOOL CDC::FillRect(const RECT* r, CBrush* brush) {
    if (!r || !brush) return FALSE;
    if (auto* s = surface()) s->fill(*r, brush->color());
    return TRUE;
}
void CDC::FrameRect(const RECT* r, CBrush* brush) {
    if (!r || !brush) return;
    if (auto* s = surface()) {
        COLORREF c = brush->color();
        s->fill(RECT{r->left, r->top, r->right, r->top + 1}, c);
        s->fill(RECT{r->left, r->bottom - 1, r->right, r->bottom}, c);
        s->fill(RECT{r->left, r->top, r->left + 1, r->bottom}, c);
        s->fill(RECT{r->right - 1, r->top, r->right, r->bottom}, c);
    }
}
BOOL CDC::Rectangle(int l, int t, int r, int b) {
    if (auto* s = surface()) {
        if (m_brush) s->fill(RECT{l, t, r, b}, m_brush->color());
        CBrush edge(m_pen ? m_pen->color() : RGB(0, 0, 0));
        RECT rc{l, t, r, b};
        FrameRect(&rc, &edge);
    }
    return TRUE;
}
CPoint CDC::MoveTo(int x, int y) {
    CPoint old = m_pos;
    m_pos = CPoint(x, y);
    return old;
}
BOOL CDC::LineTo(int x, int y) {
    if (auto* s = surface()) {
        COLORREF c = m_pen ? m_pen->color() : RGB(0, 0, 0);
        int x0 = m_pos.x, y0 = m_pos.y;
        int dx = std::abs(x - x0), dy = -std::abs(y - y0);
        int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1, err = dx + dy;
        while (x0 != x || y0 != y) {
            s->setPixel(x0, y0, c);
            int e2 = 2 * err;
            if (e2 >= dy) { err += dy; x0 += sx; }
            if (e2 <= dx) { err += dx; y0 += sy; }
        }
    }
    m_pos = CPoint(x, y);
    return TRUE;
}
BOOL CDC::SetPixel(int x, int y, COLORREF c) {
    if (auto* s = surface()) s->setPixel(x, y, c);
    return TRUE;
}
COLORREF CDC::GetPixel(int x, int y) const {
    auto* s = surface();
    return s ? s->pixel(x, y) : 0;
}
CSize CDC::GetTextExtent(const CString& text) const {
    int cw = 6, ch = 13;
    LOGFONTW lf;
    if (m_font && mfc::FontInfo(m_font->m_hObject, lf) && lf.lfHeight != 0) {
        ch = std::abs(static_cast<int>(lf.lfHeight));
        cw = std::max(1, ch / 2);
    }
    return CSize(cw * text.GetLength(), ch);
}
BOOL CDC::TextOut(int x, int y, const CString& text) {
    if (auto* s = surface()) {
        if (m_bkMode == OPAQUE) {
            CSize size = GetTextExtent(text);
            s->fill(RECT{x, y, x + size.cx, y + size.cy}, m_bkColor);
        }
        LOGFONTW lf;
        const bool bold = m_font && mfc::FontInfo(m_font->m_hObject, lf) && lf.lfWeight >= FW_BOLD;
        win::DrawText(*s, x, y, text.str(), m_textColor, RECT{0, 0, s->width(), s->height()}, bold);
    }
    return TRUE;
}
int CDC::DrawText(const CString& text, RECT* rect, UINT format) {
    CSize size = GetTextExtent(text);
    if (rect && (format & DT_CALCRECT)) {
        rect->right = rect->left + size.cx;
        rect->bottom = rect->top + size.cy;
        return size.cy;
    }
    if (auto* s = surface(); s && rect) {
        if (m_bkMode == OPAQUE) s->fill(*rect, m_bkColor);
        UINT f = 0;
        if (format & DT_CENTER) f |= win::kAlignCenter;
        if (format & DT_RIGHT) f |= win::kAlignRight;
        if (format & DT_VCENTER) f |= win::kAlignMiddle;
        if (!(format & DT_SINGLELINE) && (format & DT_WORDBREAK)) f |= win::kWrap;
        if (!(format & DT_NOPREFIX)) f |= win::kPrefix;
        win::Canvas canvas(*s, POINT{0, 0}, RECT{0, 0, s->width(), s->height()});
        LOGFONTW lf;
        const bool bold = m_font && mfc::FontInfo(m_font->m_hObject, lf) && lf.lfWeight >= FW_BOLD;
        canvas.textIn(*rect, text.str(), f, m_textColor, bold);
    }
    return size.cy;
}
BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* src, int srcX, int srcY, DWORD) {
    auto* d = surface();
    auto* s = src ? src->surface() : nullptr;
    if (!d || !s) return TRUE;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            int sx = srcX + i, sy = srcY + j;
            if (sx >= 0 && sy >= 0 && sx < s->width() && sy < s->height()) d->setPixel(x + i, y + j, s->pixel(sx, sy));
        }
    return TRUE;
}
BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* src, int srcX, int srcY, int srcWidth, int srcHeight,
                     DWORD rop) {
    if (width == srcWidth && height == srcHeight) return BitBlt(x, y, width, height, src, srcX, srcY, rop);
    auto* d = surface();
    auto* s = src ? src->surface() : nullptr;
    if (!d || !s || width <= 0 || height <= 0) return TRUE;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            int sx = srcX + i * srcWidth / width, sy = srcY + j * srcHeight / height;
            if (sx >= 0 && sy >= 0 && sx < s->width() && sy < s->height()) d->setPixel(x + i, y + j, s->pixel(sx, sy));
        }
    return TRUE;
}
void CDC::DrawFocusRect(const RECT* r) {
    if (auto* s = surface(); s && r) {
        win::Canvas canvas(*s, POINT{0, 0}, RECT{0, 0, s->width(), s->height()});
        canvas.dottedFrame(*r, RGB(0, 0, 0));
    }
}

CClientDC::CClientDC(CWnd* wnd) {
    m_hDC = reinterpret_cast<HDC>(wnd ? wnd->m_hWnd : nullptr);
    if (wnd) m_picture = mfc::PictureBeingTaken(wnd->m_hWnd);
}
CWindowDC::CWindowDC(CWnd* wnd) { m_hDC = reinterpret_cast<HDC>(wnd ? wnd->m_hWnd : nullptr); }
CPaintDC::CPaintDC(CWnd* wnd) : m_hWndPaint(wnd ? wnd->m_hWnd : nullptr) {
    m_hDC = reinterpret_cast<HDC>(m_hWndPaint);
    if (m_hWndPaint) ::GetClientRect(m_hWndPaint, &m_rcPaint);
    m_picture = mfc::PictureBeingTaken(m_hWndPaint);
}
CPaintDC::~CPaintDC() {
    if (m_hWndPaint && IsWindow(m_hWndPaint)) ::ValidateRect(m_hWndPaint, nullptr);
}

BOOL DestroyIcon(HICON) { return TRUE; }
BOOL DrawIcon(CDC* dc, int x, int y, HICON icon) {
    if (!icon) return FALSE;
    if (win::Surface* s = dc ? dc->surface() : nullptr) s->blit(win::IconPicture(icon, mfc::IconSize(icon)), x, y);
    return TRUE;
}
