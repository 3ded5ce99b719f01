// The grids of the macro editor and the macro settings dialog: every one is prepared the
// same way before it is filled (prepareEditorGrid), and CEditorGrid adds what the editor
// pages need of a grid beyond the product's spreadsheet window: header clicks and right
// clicks on cells.
#pragma once

#include <functional>

#include "engine/zk_spread.h"
#include "host/zk_string.h"

// Resets the control and gives it the editor look: row headers, overflowing texts and
// several selection blocks on; redraw, beep, automatic calculation, kept selection and
// protection off; the selection white on dark blue; grid lines and typed formulas on,
// permanent edit mode and arrows leaving edit mode off; columns and rows (at least one
// row) as given, headers and cells in "Tahoma". Redraw is switched on again at the end.
// False when the grid has no window.
bool prepareEditorGrid(Zk_Spread& grid, int columns, int rows);
// Writes the header texts of columns 1, 2, ... (the header row).
void setEditorGridHeaders(Zk_Spread& grid, const Zk_StringArray& headers);
// Gives rows first..last (1-based) the editor font.
void setEditorGridRowFont(Zk_Spread& grid, int first, int last);

class CEditorGrid : public Zk_Spread {
public:
    // A left click on the header of column col (1-based), after the control saw it.
    std::function<void(int col)> onHeaderClick;
    // A right click on a cell (1-based; 0 for headers) at a screen point. When set it
    // replaces the grid's own context menu.
    std::function<void(int col, int row, POINT screen)> onRightClick;

    // The client point at the centre of a cell (row 0: the header row).
    POINT cellCentre(int col, int row) const;

    void OnLButtonDown(UINT flags, CPoint point) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
};
