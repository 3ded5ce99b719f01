// MacroVarsGrid: the variables grid of a macro page. One row per variable that the
// page's template does not show: the caption in columns 1 and 2 (joined, locked), the
// value in columns 3 and 4 (joined) as a text cell (cell kinds 1 and 2), a drop-down
// list (3), an editable drop-down (4) or a check box (5), locked when read-only.
// Pattern rows show the pattern's value; array rows a button that opens the array.
#pragma once

#include <memory>
#include <vector>

#include "host/macro_tab_data.h"
#include "host/zk_string.h"

class CWnd;
class Zk_Spread;

class MacroVarsGrid {
public:
    enum RowKind { kCellRow, kPatternRow, kArrayRow };
    struct Row {
        RowKind kind = kCellRow;
        Zk_String name;
        int cellKind = kCellText;
        Zk_String shown;  // the value text as the grid was given it
    };

    MacroVarsGrid();
    ~MacroVarsGrid();

    // Creates the grid over the placeholder control of page.
    bool create(CWnd* page, int placeholderId);
    bool isCreated() const;
    Zk_Spread* spread() const { return m_spread.get(); }
    int controlId() const;

    // Empties the grid and its rows.
    void clear();
    // Adds a row; the result is its number (from 1).
    int addCell(const MacroCell& cell);
    int addPattern(const MacroPatternProps& pattern);
    int addArray(const DynArrayData& array);
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int number) const { return m_rows[number - 1]; }

    // Shows a value in a row.
    void showValue(int number, const Zk_String& value);
    // Puts a value into a row as the user would (it counts as changed).
    void enterValue(int number, const Zk_String& value);
    // The value of a row as the user left it: kind 1 cells as a number with 2 decimals,
    // anything else as text. A value the user did not touch gives original back, so
    // that showing a value never changes it.
    Zk_String value(int number, const Zk_String& original) const;

    // The row of a value cell the user acts on; 0 for none.
    int rowOfCell(int col, int row) const;
    // True while a cell is being edited.
    bool isEditing() const;
    // Ends a cell edit, keeping the text.
    void endEdit();

private:
    int addRow(const Row& row, const Zk_String& caption, bool locked, const Zk_StringArray& choices);
    std::unique_ptr<Zk_Spread> m_spread;
    std::vector<Row> m_rows;
};

// A grid text of a number cell: the number rounded to 2 decimals in its shortest form;
// a text that is no number stays as it is.
Zk_String gridNumberText(const Zk_String& text);
