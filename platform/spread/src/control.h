// The window side of the control: one Control per live window of class "fpUSpread70",
// found by handle; user input (clicks, typing) and notifications to the parent.
#pragma once

#include <memory>
#include <string>

#include "sheet.h"

namespace spread {

struct Control {
    HWND hwnd = nullptr;
    std::unique_ptr<Sheet> sheet;
    std::wstring lastError;
};

// The control of a window; null for anything that is not a live spreadsheet control. The
// returned pointer keeps the control alive while a call runs, even if a callback destroys
// the window meanwhile.
std::shared_ptr<Control> ControlOf(HWND hwnd);

void Notify(Control& c, WORD code);
bool UserClick(Control& c, Coord col, Coord row, bool dbl);
bool UserType(Control& c, Coord col, Coord row, const std::wstring& text);
bool BeginEdit(Control& c);
bool EndEdit(Control& c, bool commit);
bool CellFromPixel(const Sheet& s, int x, int y, Coord& col, Coord& row);

}  // namespace spread
