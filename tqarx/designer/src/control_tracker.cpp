#include "designer/control_tracker.h"

#include "mfc/gdi.h"
#include "win/window.h"

namespace {
constexpr int kHandleSize = 5;
}

// ---- CControlRect ----

CControlRect::CControlRect() {
    m_nStyle = solidLine | resizeOutside;
    m_nHandleSize = kHandleSize;
}

CControlRect::~CControlRect() {
    if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

BOOL CControlRect::create(DWORD exStyle, LPCWSTR className, LPCWSTR text, CWnd* parent, DWORD style,
                          const CRect& rect, UINT id) {
    if (!rect.IsRectEmpty()) m_rect = rect;
    return CreateEx(exStyle, className, text, style, rect, parent, id);
}

void CControlRect::setRect(const CRect& rect) {
    m_rect = rect;
    if (m_hWnd) MoveWindow(rect);
}

BOOL CControlRect::trackResize(CWnd* dialog, CPoint point) {
    const BOOL changed = Track(dialog, point, FALSE);
    if (m_hWnd) MoveWindow(m_rect);
    return changed;
}

// ---- CControlTracker ----

void CControlTracker::addRect(CControlRect* rect) {
    if (!rect) return;
    allRects.Add(rect);
    if (rect->m_hWnd) ::SetWindowPos(rect->m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool CControlTracker::forgetRect(int resId) {
    clearSelection();
    for (INT_PTR i = 0; i < allRects.GetSize(); ++i) {
        if (allRects[i]->GetDlgCtrlID() == resId) {
            allRects.RemoveAt(i);
            return true;
        }
    }
    return false;
}

void CControlTracker::clearSelection() {
    for (CControlRect* r : selRects) r->selected = false;
    selRects.RemoveAll();
}

void CControlTracker::select(CControlRect* rect) {
    if (rect->selected) return;
    rect->selected = true;
    selRects.Add(rect);
}

void CControlTracker::deselect(CControlRect* rect) {
    rect->selected = false;
    for (INT_PTR i = 0; i < selRects.GetSize(); ++i)
        if (selRects[i] == rect) {
            selRects.RemoveAt(i);
            break;
        }
}

bool CControlTracker::selectRect(int resId, bool clearFirst) {
    if (clearFirst) clearSelection();
    for (CControlRect* r : allRects)
        if (r->GetDlgCtrlID() == resId) {
            select(r);
            return true;
        }
    return false;
}

void CControlTracker::getSelectedIds(CArray<int>& ids) const {
    ids.RemoveAll();
    for (CControlRect* r : selRects) ids.Add(r->GetDlgCtrlID());
}

int CControlTracker::getSingleSelectedId() const {
    return selRects.GetSize() == 1 ? selRects[0]->GetDlgCtrlID() : -1;
}

void CControlTracker::repaint() {
    if (m_dialog && m_dialog->m_hWnd) m_dialog->Invalidate();
}

void CControlTracker::onLButtonDown(UINT flags, CPoint point, bool allowRubberBand) {
    if (!m_dialog) return;
    const bool ctrl = (flags & MK_CONTROL) != 0;
    const bool shift = (flags & MK_SHIFT) != 0;
    CControlRect* hit = nullptr;
    int hitCode = hitNothing;
    for (CControlRect* r : allRects) {
        hitCode = r->HitTest(point);
        if (hitCode != hitNothing) {
            hit = r;
            break;
        }
    }
    if (hit) {
        if (ctrl) {
            if (hit->selected) deselect(hit);
            else select(hit);
        } else if (shift) {
            select(hit);
        } else {
            if (!hit->selected) clearSelection();
            select(hit);
            if (hitCode == hitMiddle) moveSelection(point);
            else hit->trackResize(m_dialog, point);
        }
        repaint();
        return;
    }
    if (ctrl || shift || !allowRubberBand) return;
    clearSelection();
    rubberBand(point);
    repaint();
}

void CControlTracker::moveSelection(CPoint point) {
    if (selRects.IsEmpty()) return;
    CRect bounds = selRects[0]->m_rect;
    for (CControlRect* r : selRects) {
        bounds.left = std::min(bounds.left, r->m_rect.left);
        bounds.top = std::min(bounds.top, r->m_rect.top);
        bounds.right = std::max(bounds.right, r->m_rect.right);
        bounds.bottom = std::max(bounds.bottom, r->m_rect.bottom);
    }
    m_rect = bounds;
    if (!Track(m_dialog, point, FALSE)) return;
    const int dx = m_rect.left - bounds.left, dy = m_rect.top - bounds.top;
    if (dx == 0 && dy == 0) return;
    for (CControlRect* r : selRects) {
        CRect moved = r->m_rect;
        moved.OffsetRect(dx, dy);
        r->setRect(moved);
    }
}

void CControlTracker::rubberBand(CPoint point) {
    TrackRubberBand(m_dialog, point, TRUE);
    CRect band = m_rect;
    band.NormalizeRect();
    for (CControlRect* r : allRects) {
        CRect rect = r->m_rect;
        rect.NormalizeRect();
        CRect common;
        if (common.IntersectRect(band, rect) && common.EqualRect(rect)) select(r);
    }
}

BOOL CControlTracker::onSetCursor(UINT hitTest) const {
    if (!m_dialog) return FALSE;
    for (CControlRect* r : allRects)
        if (r->SetCursor(m_dialog, hitTest)) return TRUE;
    return FALSE;
}

void CControlTracker::onPaint(CDC* dc) const {
    for (CControlRect* r : selRects) r->Draw(dc);
}
