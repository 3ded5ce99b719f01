#include "mfc/button_st.h"

#include "mfc/resources.h"
#include "win/bitmap.h"
#include "win/window.h"

namespace {
constexpr const wchar_t* kTransparentProp = L"TqTransparentColor";
}

namespace mfc {
bool ButtonTransparentColor(HWND button, COLORREF& color) {
    HANDLE h = GetPropW(button, kTransparentProp);
    if (!h) return false;
    color = static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(h) - 1);
    return true;
}
}  // namespace mfc

CButtonST::~CButtonST() {
    if (m_hWnd && ::IsWindow(m_hWnd) && m_owned) CButton::SetBitmap(nullptr);
    ReleaseOwnedBitmap();
}

void CButtonST::ReleaseOwnedBitmap() {
    if (m_owned) DeleteObject(m_owned);
    m_owned = nullptr;
}

bool CButtonST::SetIcon(UINT iconId) {
    HICON icon = AfxLoadIcon(iconId);
    if (!icon) return false;
    m_iconId = iconId;
    m_icon = icon;
    if (GetSafeHwnd()) {
        ModifyStyle(BS_BITMAP, BS_ICON);
        CButton::SetIcon(icon);
    }
    return true;
}

void CButtonST::SetBitmaps(HBITMAP bitmap, COLORREF transparent) {
    if (bitmap != m_owned) ReleaseOwnedBitmap();
    m_bitmap = bitmap;
    m_transparent = transparent;
    m_hasTransparent = true;
    if (GetSafeHwnd()) {
        ModifyStyle(BS_ICON, BS_BITMAP);
        CButton::SetBitmap(bitmap);
        SetPropW(m_hWnd, kTransparentProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(transparent) + 1));
    }
}

bool CButtonST::LoadBitmapFile(const CString& path, COLORREF transparent) {
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, path.GetString(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!bitmap) return false;
    SetBitmaps(bitmap, transparent);
    m_owned = bitmap;
    return true;
}

void CButtonST::SetFlat(bool flat) {
    m_flat = flat;
    if (GetSafeHwnd()) ModifyStyle(flat ? 0 : BS_FLAT, flat ? BS_FLAT : 0);
}

bool CButtonST::isFlat() const { return GetSafeHwnd() ? (GetStyle() & BS_FLAT) != 0 : m_flat; }

void CButtonST::PreSubclassWindow() {
    if (m_flat) ModifyStyle(0, BS_FLAT);
    if (m_icon) {
        ModifyStyle(BS_BITMAP, BS_ICON);
        CButton::SetIcon(m_icon);
    } else if (m_bitmap) {
        SetBitmaps(m_bitmap, m_transparent);
    }
}

LRESULT CButtonST::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!m_tooltip.IsEmpty()) m_tipShown = true;
        break;
    case WM_MOUSELEAVE:
    case WM_LBUTTONDOWN:
    case WM_KILLFOCUS:
        m_tipShown = false;
        break;
    default: break;
    }
    return CButton::WindowProc(msg, wParam, lParam);
}
