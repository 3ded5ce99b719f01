// The colours a control is drawn with, as its parent chooses them in OnCtlColor
// (WM_CTLCOLORSTATIC, ...EDIT, ...BTN, ...LISTBOX, ...DLG): the text colour, the background
// mode (TRANSPARENT lets the parent's background show through, e.g. plain labels over a
// picture) and the brush that fills the background. QueryControlColors asks the parent the
// way the control would before it draws itself, so a renderer draws what the dialog chose.
#pragma once

#include "mfc/cwnd.h"  // CTLCOLOR_
#include "mfc/gdi.h"

// Stock brushes: NULL_BRUSH fills nothing (a transparent background).
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
HBRUSH GetStockBrush(int index);  // null for an unknown index

namespace mfc {

struct ControlColors {
    UINT kind = CTLCOLOR_STATIC;   // which CTLCOLOR_ the control asks with
    COLORREF text = RGB(0, 0, 0);  // as the handler left the device context
    COLORREF background = RGB(255, 255, 255);
    bool transparent = false;  // background mode TRANSPARENT
    bool answered = false;     // the parent returned a brush
    bool nullBrush = false;    // ... and it was NULL_BRUSH
    COLORREF brush = 0;        // the returned brush's colour (a solid brush)
};

// The message a control asks its colours with: statics, check boxes, radio buttons, group
// boxes and read-only or disabled edits ask CTLCOLOR_STATIC, edits CTLCOLOR_EDIT, list
// boxes CTLCOLOR_LISTBOX, push buttons CTLCOLOR_BTN; a dialog asks itself CTLCOLOR_DLG.
ControlColors QueryControlColors(HWND control);

// Internal: the device context of a colour query in progress, or null.
CDC* ColorQueryDC(HDC hdc);

}  // namespace mfc
