#include "engine/km_var_cells.h"

#include <climits>

#include "engine/km_dlg_standards_data.h"
#include "engine/step_timers.h"
#include "engine/zk_spread.h"
#include "host/settings.h"
#include "mfc/afx_msgbox.h"
#include "win/msgbox.h"

namespace {

const wchar_t* const kInput = L"Input";
const wchar_t* const kOutput = L"Output";
const wchar_t* const kLocal = L"Local";
const wchar_t* const kCalc = L"Calc";

void reportMissingValue(const KmVarCell& cell, const KmDlgStandardsData& data) {
    const bool input = cell.isInput();
    Zk_String text = Zk_String(L"The following ") + Zk_String(input ? L"Input" : L"Output") +
                     Zk_String(L" variable couldn't be ") + Zk_String(input ? L"retrieved" : L"set") +
                     Zk_String(L" : \n") + cell.varName +
                     Zk_String(L"\nMake sure the variable exists in the macro or module.\n") +
                     Zk_String(L"Spreadsheet : ") + data.tqFileName;
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace

Acad::ErrorStatus KmVarCells::findVarCell(const Zk_String& name, int& index) const {
    for (int i = 0; i < m_cells.length(); ++i) {
        if (m_cells[i].varName.equal(name)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

bool KmVarCells::findKeyword(Zk_Spread& spread, const Zk_String& keyword, int& col, int& row) {
    return spread.searchText(keyword, true, 1, 1, col, row);
}

Acad::ErrorStatus KmVarCells::readDeclarations(Zk_Spread& spread) {
    const wchar_t* const keywords[] = {kInput, kOutput, kLocal, kCalc};
    int start[4];  // first row of each block, 0 when its keyword is missing
    for (int k = 0; k < 4; ++k) {
        int col = 0;
        int row = 0;
        start[k] = findKeyword(spread, Zk_String(keywords[k]), col, row) ? row + 1 : 0;
    }
    if (start[0] == 0 || start[1] == 0) return Acad::eInvalidInput;
    const int rows = spread.getRowCount();
    const int cols = spread.getColCount();
    const KmCellType types[] = {KmCellType::Input, KmCellType::Output, KmCellType::Local};
    for (int k = 0; k < 3; ++k) {
        if (start[k] == 0) continue;
        // The block ends at the first row of the nearest block starting further down.
        int last = INT_MAX;
        for (int other = 0; other < 4; ++other)
            if (start[other] > start[k] && start[other] < last) last = start[other];
        if (last == INT_MAX) continue;
        if (last > rows) last = rows;
        for (int row = start[k]; row <= last; ++row) {
            for (int col = 1; col <= cols; ++col) {
                KmVarCell cell;
                if (cell.initialize(spread, col, row, types[k]) == Acad::eOk) m_cells.append(cell);
            }
        }
    }
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCells::getFromMacro(const KmDlgStandardsData& data) {
    gInitMapping.start();
    Acad::ErrorStatus es = Acad::eInvalidInput;
    if (!data.moduleGroup.isEmpty())
        es = m_mapping.initFromModuleGroup(data.moduleGroup);
    else if (data.dbMacro)
        es = m_mapping.initFromMacro(data);
    else
        return Acad::eInvalidInput;
    gInitMapping.end();
    // Without a mapping the sheet calculates with its own values.
    if (es != Acad::eOk) return Acad::eOk;

    gInitFromMacro.start();
    for (KmVarCell& cell : m_cells) {
        if (cell.isLocal()) {
            cell.setNewValue(Zk_String());
            continue;
        }
        if (cell.setValueFromMacro(m_mapping, data) != Acad::eOk && gSettings.current.standardsDiagnostics)
            reportMissingValue(cell, data);
    }
    gInitFromMacro.end();
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCells::setToMacro(const KmDlgStandardsData& data) {
    for (KmVarCell& cell : m_cells)
        if (cell.isOutput()) cell.setValueToMacro(m_mapping, data);
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCells::getValuesFromTq(Zk_Spread& spread) {
    for (KmVarCell& cell : m_cells) {
        if (!cell.isOutput()) continue;
        Zk_String text;
        if (cell.getCurrentValue(spread, text) != Acad::eOk) return Acad::eInvalidInput;
        cell.value = text;
    }
    return Acad::eOk;
}

Acad::ErrorStatus KmVarCells::setValuesToTq(Zk_Spread& spread, bool typed) {
    for (KmVarCell& cell : m_cells)
        if (cell.setValueToTq(spread, typed) != Acad::eOk) return Acad::eInvalidInput;
    return Acad::eOk;
}

bool KmVarCells::hasSameInput(const KmVarCells& other) const {
    for (const KmVarCell& cell : m_cells) {
        if (!cell.isInput()) continue;
        bool found = false;
        for (const KmVarCell& candidate : other.m_cells) {
            if (candidate.varName.equal(cell.varName) && candidate.valueType == cell.valueType &&
                candidate.value == cell.value) {
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    return true;
}
