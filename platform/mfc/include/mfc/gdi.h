// Drawing objects. Nothing is shown on a screen: a CDC draws into the pixel surface of a
// selected bitmap when there is one (memory device contexts), or, for the CPaintDC and
// CClientDC of a window whose picture is being taken (mfc/window_picture.h), into that
// picture; otherwise it only keeps its state. Text is drawn with the bitmap font. Fonts carry a face name and height; bitmaps come from the resources of a module.
#pragma once

#include "mfc/cstring.h"
#include "mfc/geometry.h"
#include "win/bitmap.h"
#include "win/types.h"

class CWnd;
class CDC;
using HBRUSH = void*;
using HPEN = void*;

struct LOGFONTW {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 400;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    wchar_t lfFaceName[32] = {};
};
using LOGFONT = LOGFONTW;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;

namespace mfc {
// The description a font handle was made from; false for an unknown handle.
bool FontInfo(HFONT font, LOGFONTW& out);
}  // namespace mfc

class CFont {
public:
    CFont() = default;
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    BOOL CreateFontIndirect(const LOGFONTW* lf);
    BOOL CreatePointFont(int pointSizeTenths, LPCWSTR faceName, CDC* dc = nullptr);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName);
    int GetLogFont(LOGFONTW* lf) const;
    BOOL DeleteObject();
    operator HFONT() const { return m_hObject; }
    HFONT GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HFONT font);
    HFONT Detach();
    static CFont* FromHandle(HFONT font);  // a temporary wrapper that does not own the handle
    HFONT m_hObject = nullptr;

private:
    bool m_owned = false;
};

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap();
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    // From the bitmap resources of the current resource module (then the others).
    BOOL LoadBitmap(UINT id);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL Attach(HBITMAP bitmap);
    HBITMAP Detach();
    BOOL DeleteObject();
    int GetBitmap(BITMAP* info) const;
    CSize GetBitmapDimension() const;
    win::Surface* surface() const;
    operator HBITMAP() const { return m_hObject; }
    HBITMAP GetSafeHandle() const { return m_hObject; }
    HBITMAP m_hObject = nullptr;
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color) { m_color = color; m_valid = true; return TRUE; }
    BOOL DeleteObject() { m_valid = false; return TRUE; }
    COLORREF color() const { return m_color; }
    operator HBRUSH() const { return m_valid ? const_cast<CBrush*>(this) : nullptr; }
    HBRUSH GetSafeHandle() const { return *this; }

private:
    COLORREF m_color = 0;
    bool m_valid = false;
};

class CPen {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color) {
        m_style = style; m_width = width; m_color = color; return TRUE;
    }
    COLORREF color() const { return m_color; }
    int width() const { return m_width; }
    int style() const { return m_style; }

private:
    int m_style = 0;
    int m_width = 1;
    COLORREF m_color = 0;
};
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;

// Text is measured with a fixed cell: 6 pixels per character, 13 per line (the default
// font); a selected font of height h measures h/2 (at least 1) per character and |h| per line.
class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    CBitmap* SelectObject(CBitmap* bitmap);
    CFont* SelectObject(CFont* font);
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    COLORREF SetTextColor(COLORREF color);
    COLORREF SetBkColor(COLORREF color);
    int SetBkMode(int mode);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_bkColor; }
    int GetBkMode() const { return m_bkMode; }
    void FillSolidRect(const RECT& rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    BOOL FillRect(const RECT* rect, CBrush* brush);
    void FrameRect(const RECT* rect, CBrush* brush);
    BOOL Rectangle(int l, int t, int r, int b);
    BOOL Rectangle(const RECT* rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL SetPixel(int x, int y, COLORREF color);
    COLORREF GetPixel(int x, int y) const;
    BOOL TextOut(int x, int y, const CString& text);
    int DrawText(const CString& text, RECT* rect, UINT format);
    CSize GetTextExtent(const CString& text) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* src, int srcX, int srcY, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* src, int srcX, int srcY, int srcWidth,
                    int srcHeight, DWORD rop);
    void DrawFocusRect(const RECT* rect);
    int SaveDC() { return 1; }
    BOOL RestoreDC(int) { return TRUE; }
    win::Surface* surface() const;  // the selected bitmap's pixels, else the picture drawn, or null
    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    HDC m_hDC = nullptr;

protected:
    CBitmap* m_bitmap = nullptr;
    win::Surface* m_picture = nullptr;  // the window picture a paint or client DC draws on
    CFont* m_font = nullptr;
    CPen* m_pen = nullptr;
    CBrush* m_brush = nullptr;
    COLORREF m_textColor = 0;
    COLORREF m_bkColor = 0xFFFFFF;
    int m_bkMode = OPAQUE;
    CPoint m_pos;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
};
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* wnd);
};
// Validates the window's update region (as BeginPaint/EndPaint).
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;
    RECT m_rcPaint{};

private:
    HWND m_hWndPaint = nullptr;
};

// Icons: handles from the icon resources of a module.
BOOL DestroyIcon(HICON icon);
BOOL DrawIcon(CDC* dc, int x, int y, HICON icon);
