// CButtonST: a push button (or a push-like check box) that shows an icon of the module's
// resources or a bitmap, with a tool tip text, an optional flat look, an optional border
// and a transparent colour for its bitmap (e.g. a silver 0xC0C0C0 background that lets the
// dialog show through).
//
// The picture goes to the window as its image (BM_SETIMAGE), flat is the window's BS_FLAT
// style and the transparent colour a window property, so anything holding the window reads
// them. A disabled bitmap button serves as an illustration. The tool tip is shown while the
// mouse rests on the button (a WM_MOUSEMOVE over it shows it, WM_MOUSELEAVE hides it).
#pragma once

#include "mfc/controls.h"

class CButtonST : public CButton {
public:
    CButtonST() = default;
    ~CButtonST() override;

    // Shows icon resource iconId (looked up like dialogs); false when it does not exist.
    bool SetIcon(UINT iconId);
    using CButton::SetIcon;
    UINT iconId() const { return m_iconId; }
    // Shows a bitmap the caller keeps; transparent: the colour that is not drawn.
    void SetBitmaps(HBITMAP bitmap, COLORREF transparent);
    // Loads a bitmap file and shows it (the button owns it); false when it cannot be read.
    bool LoadBitmapFile(const CString& path, COLORREF transparent);
    bool hasTransparentColor() const { return m_hasTransparent; }
    COLORREF transparentColor() const { return m_transparent; }

    void SetTooltipText(LPCWSTR text) { m_tooltip = text ? text : L""; }
    void SetTooltipText(const CString& text) { m_tooltip = text; }
    const CString& GetTooltipText() const { return m_tooltip; }
    bool isTooltipShown() const { return m_tipShown; }

    void SetFlat(bool flat = true);
    bool isFlat() const;
    void DrawBorder(bool border = true) { m_border = border; }
    bool drawsBorder() const { return m_border; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    void PreSubclassWindow() override;  // applies what was set before the window existed

private:
    void ReleaseOwnedBitmap();
    UINT m_iconId = 0;
    HICON m_icon = nullptr;
    HBITMAP m_bitmap = nullptr;
    HBITMAP m_owned = nullptr;
    COLORREF m_transparent = 0;
    bool m_hasTransparent = false;
    CString m_tooltip;
    bool m_flat = false;
    bool m_border = true;
    bool m_tipShown = false;
};

namespace mfc {
// The transparent colour a CButtonST (or any button) was given; false when it has none.
bool ButtonTransparentColor(HWND button, COLORREF& color);
}  // namespace mfc
