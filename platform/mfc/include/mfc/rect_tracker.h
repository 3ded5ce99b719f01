// CRectTracker: a rectangle with eight resize handles that the user moves or sizes with
// the mouse, as the dialog designer uses it for each control it lays out.
//
// Handles are squares of m_nHandleSize pixels, centred on the corners and edge middles
// (resizeInside: inside the rectangle, resizeOutside: outside it); GetHandleRect gives each
// one, HitTest and Draw use the same squares. GetHandleMask tells which handles exist: all
// eight with a resize style, none without; the edge-middle handles are left out while the
// rectangle is too small to hold three handles along that side. Track (from a press on a
// handle or inside) and TrackRubberBand (from a press beside everything) take the rest of
// the drag (mouse moves up to the button release; Escape or the right button restores the
// rectangle) from the message queue, as the scripted user posts it with drag(); the keys
// held meanwhile (Ctrl, Shift) stay readable through GetKeyState. SetCursor picks the
// cursor of the handle under the mouse; m_lastCursorHit keeps which.
#pragma once

#include "mfc/geometry.h"

class CDC;
class CWnd;

class CRectTracker {
public:
    enum StyleFlags {
        solidLine = 1, dottedLine = 2, hatchedBorder = 4, resizeInside = 8, resizeOutside = 16, hatchInside = 32
    };
    enum TrackerHit {
        hitNothing = -1, hitTopLeft = 0, hitTopRight = 1, hitBottomRight = 2, hitBottomLeft = 3,
        hitTop = 4, hitRight = 5, hitBottom = 6, hitLeft = 7, hitMiddle = 8
    };
    CRectTracker() = default;
    CRectTracker(const RECT* rect, UINT style) : m_rect(*rect), m_nStyle(style) {}
    virtual ~CRectTracker() = default;

    int HitTest(CPoint point) const;
    int NormalizeHit(int handle) const;
    void GetTrueRect(RECT* rect) const;
    BOOL SetCursor(CWnd* wnd, UINT hitTest) const;  // TRUE when the point is on the tracker
    void Draw(CDC* dc) const;
    // Moves or sizes m_rect following the drag; TRUE when it changed.
    BOOL Track(CWnd* wnd, CPoint point, BOOL allowInvert = FALSE, CWnd* clipTo = nullptr);
    // Spans m_rect from point to where the drag ends; TRUE when it is not empty.
    BOOL TrackRubberBand(CWnd* wnd, CPoint point, BOOL allowInvert = TRUE);
    virtual void AdjustRect(int handle, RECT* rect);
    virtual void OnChangedRect(const CRect& oldRect);
    virtual UINT GetHandleMask() const;  // bit n: handle n (TrackerHit order) exists
    // The square of a handle in the same coordinates as m_rect; false when it has none.
    BOOL GetHandleRect(int handle, CRect* rect) const;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 4;
    CSize m_sizeMin{1, 1};
    // The last cursor SetCursor chose: the hit code, or hitNothing.
    mutable int m_lastCursorHit = hitNothing;

private:
    BOOL TrackHandle(int handle, CWnd* wnd, CPoint point, CWnd* clipTo);
};
