#include "mfc/rect_tracker.h"

#include <algorithm>

#include "mfc/cwnd.h"
#include "mfc/gdi.h"
#include "win/window.h"

namespace {
// Handle centres in the order of TrackerHit (corners, then edge middles).
CPoint HandleCentre(const CRect& r, int h) {
    int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    switch (h) {
    case CRectTracker::hitTopLeft: return CPoint(r.left, r.top);
    case CRectTracker::hitTopRight: return CPoint(r.right, r.top);
    case CRectTracker::hitBottomRight: return CPoint(r.right, r.bottom);
    case CRectTracker::hitBottomLeft: return CPoint(r.left, r.bottom);
    case CRectTracker::hitTop: return CPoint(cx, r.top);
    case CRectTracker::hitRight: return CPoint(r.right, cy);
    case CRectTracker::hitBottom: return CPoint(cx, r.bottom);
    default: return CPoint(r.left, cy);
    }
}
}  // namespace

UINT CRectTracker::GetHandleMask() const { return (m_nStyle & (resizeInside | resizeOutside)) ? 0xFF : 0; }

void CRectTracker::GetTrueRect(RECT* rect) const {
    CRect r = m_rect;
    r.NormalizeRect();
    if (m_nStyle & resizeOutside) r.InflateRect(m_nHandleSize, m_nHandleSize);
    *rect = r;
}

int CRectTracker::HitTest(CPoint pt) const {
    CRect r = m_rect;
    r.NormalizeRect();
    UINT mask = GetHandleMask();
    int half = m_nHandleSize / 2 + 1;
    for (int h = 0; h < 8; ++h) {
        if (!(mask & (1u << h))) continue;
        CPoint c = HandleCentre(r, h);
        if (m_nStyle & resizeOutside) {
            if (h == hitTopLeft || h == hitBottomLeft || h == hitLeft) c.x -= half;
            if (h == hitTopRight || h == hitBottomRight || h == hitRight) c.x += half;
            if (h == hitTopLeft || h == hitTopRight || h == hitTop) c.y -= half;
            if (h == hitBottomLeft || h == hitBottomRight || h == hitBottom) c.y += half;
        }
        if (std::abs(pt.x - c.x) <= half && std::abs(pt.y - c.y) <= half) return NormalizeHit(h);
    }
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
    CBrush line(RGB(0, 0, 0));
    dc->FrameRect(&r, &line);
    UINT mask = GetHandleMask();
    for (int h = 0; h < 8; ++h) {
        if (!(mask & (1u << h))) continue;
        CPoint c = HandleCentre(r, h);
        dc->FillSolidRect(c.x - m_nHandleSize / 2, c.y - m_nHandleSize / 2, m_nHandleSize, m_nHandleSize, RGB(0, 0, 0));
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
