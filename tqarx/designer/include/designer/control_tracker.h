// The selection machinery of the designer: CControlRect is one control window with its
// tracker rectangle; CControlTracker knows every control rectangle drawn on the dialog
// and which of them are selected, and turns mouse presses into selecting, moving,
// resizing and rubber-band selection.
#pragma once

#include "mfc/carray.h"
#include "mfc/cwnd.h"
#include "mfc/rect_tracker.h"

class CDC;

class CControlRect : public CRectTracker, public CWnd {
public:
    CControlRect();
    ~CControlRect() override;  // destroys the window

    // Creates the control window on parent; a non-empty rect becomes the tracker rect.
    BOOL create(DWORD exStyle, LPCWSTR className, LPCWSTR text, CWnd* parent, DWORD style, const CRect& rect,
                UINT id);
    // Sets the tracker rectangle and moves the window to it.
    void setRect(const CRect& rect);
    // Resizes from the handle under point following the drag; the window follows.
    BOOL trackResize(CWnd* dialog, CPoint point);

    UINT GetHandleMask() const override { return 0xFF; }  // every handle, also when small

    bool selected = false;
};

class CControlTracker : public CRectTracker {
public:
    CControlTracker() = default;
    ~CControlTracker() override = default;

    void setDialog(CWnd* dialog) { m_dialog = dialog; }
    CWnd* dialog() const { return m_dialog; }
    // Appends rect and brings its window in front of the other windows.
    void addRect(CControlRect* rect);
    // Clears the selection, then forgets the rectangle of that identifier.
    bool forgetRect(int resId);
    void clearSelection();
    bool selectRect(int resId, bool clearFirst = false);
    // The identifiers of the selection, in selection order.
    void getSelectedIds(CArray<int>& ids) const;
    // The identifier of the one selected rectangle; -1 unless exactly one is selected.
    int getSingleSelectedId() const;
    int nrSelected() const { return static_cast<int>(selRects.GetSize()); }
    int nrRects() const { return static_cast<int>(allRects.GetSize()); }

    // A left press at point (client pixels) with the key flags (MK_CONTROL, MK_SHIFT).
    void onLButtonDown(UINT flags, CPoint point, bool allowRubberBand = true);
    BOOL onSetCursor(UINT hitTest) const;
    void onPaint(CDC* dc) const;

    CArray<CControlRect*> allRects;  // drawing order; not owned
    CArray<CControlRect*> selRects;  // selection order

private:
    void select(CControlRect* rect);
    void deselect(CControlRect* rect);
    void moveSelection(CPoint point);
    void rubberBand(CPoint point);
    void repaint();

    CWnd* m_dialog = nullptr;
};
