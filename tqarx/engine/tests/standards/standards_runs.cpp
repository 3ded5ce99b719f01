#include "standards_runs.h"

#include "engine/formula.h"
#include "mfc/scripted_user.h"

namespace stdtest {

KmDlgStandardsData widthPlateRecord(const Zk_String& file, const wchar_t* width) {
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = file;
    KmVarCell in;
    in.varName = L"Width";
    in.valueType = KmValueType::Double;
    in.value = width;
    KmVarCell out;
    out.varName = L"Plate";
    out.cellType = KmCellType::Output;
    out.valueType = KmValueType::Double;
    data.varCells.append(in);
    data.varCells.append(out);
    return data;
}

std::wstring evaluateFirstCell(const Zk_String& file, std::function<void(CFormula&)> check) {
    ScriptedUser user;
    auto& steps = user.onDialog(L"Formulas");
    if (check) steps.then([&](CDialog& dlg) { check(static_cast<CFormula&>(dlg)); });
    steps.ok();
    CFormula window;
    window.mode = CFormula::kModeEvaluateCell;
    window.fileName = file.wstr();
    window.targetCol = 1;
    window.targetRow = 1;
    window.DoModal();
    return window.resultText;
}

}  // namespace stdtest
