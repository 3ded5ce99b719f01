#include "mfc/rect_tracker.h"

#include <algorithm>

#include "mfc/cwnd.h"
#include "mfc/gdi.h"
#include "win/window.h"


UINT CRectTracker::GetHandleMask() const {
    if (!(m_nStyle & (resizeInside | resizeOutside))) return 0;
    UINT mask = 0x0F;  // the corners always
    CRect r = m_rect;
    r.NormalizeRect();
    // An edge's middle handle only when three handles fit along the edge.
    if (r.Width() >= 3 * m_nHandleSize) mask |= (1u << hitTop) | (1u << hitBottom);
    if (r.Height() >= 3 * m_nHandleSize) mask |= (1u << hitLeft) | (1u << hitRight);
    return mask;
}

BOOL CRectTracker::GetHandleRect(int handle, CRect* rect) const {
    if (handle < 0 || handle > hitLeft || !(GetHandleMask() & (1u << handle)) || !rect) return FALSE;
    CRect r = m_rect;
    r.NormalizeRect();
    int size = m_nHandleSize;
    bool outside = (m_nStyle & resizeOutside) != 0;
    bool leftSide = handle == hitTopLeft || handle == hitBottomLeft || handle == hitLeft;
    bool rightSide = handle == hitTopRight || handle == hitBottomRight || handle == hitRight;
    bool topSide = handle == hitTopLeft || handle == hitTopRight || handle == hitTop;
    bool bottomSide = handle == hitBottomLeft || handle == hitBottomRight || handle == hitBottom;
    // Outside: the square touches the edge from without; inside: from within.
    int x = leftSide ? (outside ? r.left - size : r.left)
            : rightSide ? (outside ? r.right : r.right - size)
                        : (r.left + r.right) / 2 - size / 2;
    int y = topSide ? (outside ? r.top - size : r.top)
            : bottomSide ? (outside ? r.bottom : r.bottom - size)
                         : (r.top + r.bottom) / 2 - size / 2;
    rect->SetRect(x, y, x + size, y + size);
    return TRUE;
}

void CRectTracker::GetTrueRect(RECT* rect) const {
    CRect r = m_rect;
    r.NormalizeRect();
    for (int h = 0; h < 8; ++h) {
        CRect handle;
        if (GetHandleRect(h, &handle)) r.UnionRect(CRect(r), handle);
    }
    *rect = r;
}

int CRectTracker::HitTest(CPoint pt) const {
    for (int h = 0; h < 8; ++h) {
        CRect handle;
        if (GetHandleRect(h, &handle) && handle.PtInRect(pt)) return NormalizeHit(h);
    }
    CRect r = m_rect;
    r.NormalizeRect();
    return r.PtInRect(pt) ? hitMiddle : hitNothing;
}

int CRectTracker::NormalizeHit(int h) const {
    if (h == hitMiddle || h == hitNothing) return h;
    bool flipX = m_rect.right < m_rect.left, flipY = m_rect.bottom < m_rect.top;
    static const int swapX[8] = {hitTopRight, hitTopLeft, hitBottomLeft, hitBottomRight, hitTop, hitLeft, hitBottom, hitRight};
    static const int swapY[8] = {hitBottomLeft, hitBottomRight, hitTopRight, hitTopLeft, hitBottom, hitRight, hitTop, hitLeft};
    if (flipX) h = swapX[h];
    if (flipY) h = swapY[h];
    return h;
}

BOOL CRectTracker::SetCursor(CWnd* wnd, UINT hitTest) const {
    if (!wnd || hitTest != HTCLIENT) return FALSE;
    POINT p;
    GetCursorPos(&p);
    wnd->ScreenToClient(&p);
    int h = HitTest(CPoint(p));
    m_lastCursorHit = h;
    if (h < 0) return FALSE;
    ::SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(32512 + h))));
    return TRUE;
}

void CRectTracker::Draw(CDC* dc) const {
    if (!dc) return;
    CRect r = m_rect;
    r.NormalizeRect();
    if (m_nStyle & (solidLine | dottedLine)) {
        CPen pen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        CPen* old = dc->SelectObject(&pen);
        dc->MoveTo(r.left, r.top);
        dc->LineTo(r.right - 1, r.top);
        dc->LineTo(r.right - 1, r.bottom - 1);
        dc->LineTo(r.left, r.bottom - 1);
        dc->LineTo(r.left, r.top);
        dc->SelectObject(old);
    }
    if (m_nStyle & hatchedBorder) {
        CRect outer = r;
        outer.InflateRect(m_nHandleSize, m_nHandleSize);
        CBrush hatch(RGB(0, 0, 0));
        dc->FrameRect(&outer, &hatch);
    }
    for (int h = 0; h < 8; ++h) {
        CRect handle;
        if (GetHandleRect(h, &handle)) dc->FillSolidRect(handle, RGB(0, 0, 0));
    }
}

void CRectTracker::AdjustRect(int, RECT*) {}
void CRectTracker::OnChangedRect(const CRect&) {}

BOOL CRectTracker::Track(CWnd* wnd, CPoint point, BOOL allowInvert, CWnd* clipTo) {
    int h = HitTest(point);
    if (h < 0) return FALSE;
    BOOL changed = TrackHandle(h, wnd, point, clipTo);
    if (!allowInvert) m_rect.NormalizeRect();
    return changed;
}

BOOL CRectTracker::TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert) {
    m_rect.SetRect(point.x, point.y, point.x, point.y);
    TrackHandle(hitBottomRight, wnd, point, nullptr);
    if (!allowInvert) m_rect.NormalizeRect();
    CRect r = m_rect;
    r.NormalizeRect();
    return !r.IsRectEmpty();
}

BOOL CRectTracker::TrackHandle(int handle, CWnd* wnd, CPoint start, CWnd* clipTo) {
    if (!wnd) return FALSE;
    CRect original = m_rect;
    HWND hwnd = wnd->m_hWnd;
    ::SetCapture(hwnd);
    // Take the rest of the drag from the queue: moves until the button is released.
    for (;;) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) break;  // nothing more: the drag ended
        if (msg.message == WM_MOUSEMOVE || msg.message == WM_LBUTTONUP) {
            POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
            if (msg.hwnd != hwnd) {
                ::MapWindowPoints(msg.hwnd, hwnd, &p, 1);
            }
            int dx = p.x - start.x, dy = p.y - start.y;
            CRect r = original;
            switch (handle) {
            case hitMiddle: r.OffsetRect(dx, dy); break;
            case hitTopLeft: r.left += dx; r.top += dy; break;
            case hitTopRight: r.right += dx; r.top += dy; break;
            case hitBottomRight: r.right += dx; r.bottom += dy; break;
            case hitBottomLeft: r.left += dx; r.bottom += dy; break;
            case hitTop: r.top += dy; break;
            case hitRight: r.right += dx; break;
            case hitBottom: r.bottom += dy; break;
            case hitLeft: r.left += dx; break;
            default: break;
            }
            if (clipTo && handle == hitMiddle) {
                CRect clip;
                clipTo->GetClientRect(&clip);
                if (r.left < clip.left) r.OffsetRect(clip.left - r.left, 0);
                if (r.top < clip.top) r.OffsetRect(0, clip.top - r.top);
                if (r.right > clip.right) r.OffsetRect(clip.right - r.right, 0);
                if (r.bottom > clip.bottom) r.OffsetRect(0, clip.bottom - r.bottom);
            }
            if (handle != hitMiddle) {
                if (std::abs(r.Width()) < m_sizeMin.cx) r.right = r.left + (r.Width() < 0 ? -m_sizeMin.cx : m_sizeMin.cx);
                if (std::abs(r.Height()) < m_sizeMin.cy) r.bottom = r.top + (r.Height() < 0 ? -m_sizeMin.cy : m_sizeMin.cy);
            }
            AdjustRect(handle, &r);
            m_rect = r;
            if (msg.message == WM_LBUTTONUP) break;
            continue;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            m_rect = original;
            break;
        }
        if (msg.message == WM_RBUTTONDOWN) {
            m_rect = original;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (::GetCapture() == hwnd) ReleaseCapture();
    if (m_rect != original) {
        OnChangedRect(original);
        return TRUE;
    }
    return FALSE;
}
