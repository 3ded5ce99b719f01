// CRectTracker: a rectangle with eight resize handles that the user moves or sizes with
// the mouse. Track and TrackRubberBand take the rest of a drag (mouse moves up to the button
// release) from the message queue, as the scripted user posts it.
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
    virtual UINT GetHandleMask() const;

    CRect m_rect;
    UINT m_nStyle = 0;
    int m_nHandleSize = 4;
    CSize m_sizeMin{1, 1};
    // The last cursor SetCursor chose: the hit code, or hitNothing.
    mutable int m_lastCursorHit = hitNothing;

private:
    BOOL TrackHandle(int handle, CWnd* wnd, CPoint point, CWnd* clipTo);
};
