// Test helpers that run the standards engine as the module's callers do: the value-mode
// record of the plate sheets (input Width, output Plate), and the formula window opened
// by a user on cell (1, 1) of a sheet.
#pragma once

#include <functional>
#include <string>

#include "engine/km_dlg_standards_data.h"
#include "host/zk_string.h"

class CFormula;

namespace stdtest {

// Value mode on file with the Double input Width and the Double output Plate.
KmDlgStandardsData widthPlateRecord(const Zk_String& file, const wchar_t* width);

// Opens the formula window in mode 1 on cell (1, 1) of file; the user closes it with OK.
// Returns the text the cell calculated to; check runs while the window is open.
std::wstring evaluateFirstCell(const Zk_String& file, std::function<void(CFormula&)> check = nullptr);

}  // namespace stdtest
