// KmVarCells: the ordered declarations of one standards spreadsheet and the mapping
// that connects them to a macro.
//
// Blocks start below keyword cells "Input", "Output", "Local" (and "Calc"); a block
// runs from the row after its keyword to the row after the next keyword further down
// (clamped to the sheet), so the row directly after a keyword belongs to both blocks.
#pragma once

#include "acad/error_status.h"
#include "engine/km_tq_mapping.h"
#include "engine/km_var_cell.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_Spread;           // engine/zk_spread.h
class KmDlgStandardsData;  // engine/km_dlg_standards_data.h

class KmVarCells {
public:
    virtual ~KmVarCells() = default;

    int length() const { return m_cells.length(); }
    KmVarCell& operator[](int index) { return m_cells[index]; }
    const KmVarCell& operator[](int index) const { return m_cells[index]; }
    void append(const KmVarCell& cell) { m_cells.append(cell); }
    void reserve(int count) { m_cells.reserve(count); }
    bool removeAt(int index) { return m_cells.removeAt(index); }
    void resetVarCells() { m_cells.removeAll(); }
    // First cell named name (exact comparison); eInvalidInput when none.
    Acad::ErrorStatus findVarCell(const Zk_String& name, int& index) const;
    const Zk_Array<KmVarCell>& cells() const { return m_cells; }

    KmTqMapping& mapping() { return m_mapping; }
    const KmTqMapping& mapping() const { return m_mapping; }

    // Row of the first cell whose text is exactly keyword (row by row from row 1,
    // columns 1 to last); false when there is none.
    static bool findKeyword(Zk_Spread& spread, const Zk_String& keyword, int& col, int& row);
    // Appends the declarations of the Input, Output and Local blocks, in that order.
    // Missing "Input" or "Output": eInvalidInput; missing "Local": no locals.
    Acad::ErrorStatus readDeclarations(Zk_Spread& spread);

    // Loads the mapping and reads every input and output from the macro; locals are emptied.
    Acad::ErrorStatus getFromMacro(const KmDlgStandardsData& data);
    // Writes every output into the macro; failures are ignored.
    Acad::ErrorStatus setToMacro(const KmDlgStandardsData& data);
    // Reads every output's current text from the sheet.
    Acad::ErrorStatus getValuesFromTq(Zk_Spread& spread);
    // Writes every value into its declaration cell.
    // typed as KmVarCell::setNewValue.
    Acad::ErrorStatus setValuesToTq(Zk_Spread& spread, bool typed = false);
    // Each input has a cell of the same name, type and value in other.
    bool hasSameInput(const KmVarCells& other) const;

    friend bool operator==(const KmVarCells&, const KmVarCells&) = default;

private:
    Zk_Array<KmVarCell> m_cells;
    KmTqMapping m_mapping;
};
