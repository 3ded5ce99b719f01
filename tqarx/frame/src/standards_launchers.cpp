#include "frame/standards_launchers.h"

#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "frame/launch.h"
#include "frame/tq_dlgs_mgr.h"

bool StartDlgStandardsTq(KmDlgStandardsData& data) {
    TqResourceScope resources;
    auto* dlg = static_cast<CDlgTqStandards*>(gTqDlgsMgr.getDlg());
    if (!dlg) return false;
    // Whatever happens in the evaluation, the window goes back to the pool.
    struct Release {
        void* dlg;
        ~Release() { gTqDlgsMgr.releaseDlg(dlg); }
    } release{dlg};
    dlg->data() = data;
    if (dlg->evaluate() != Acad::eOk) return false;
    data = dlg->data();
    return true;
}

namespace {
KmVarCell stringCell(const wchar_t* name, KmCellType type, const wchar_t* value) {
    KmVarCell cell;
    cell.varName = name;
    cell.cellType = type;
    cell.valueType = KmValueType::String;
    cell.value = value;
    return cell;
}
}  // namespace

bool StartDlgStandardsTqtest() {
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = L"c:\\a\\a\\a\\test.kms";
    data.varCells.append(stringCell(L"Column", KmCellType::Input, L"IPE-200"));
    data.varCells.append(stringCell(L"Thickness", KmCellType::Input, L"10"));
    data.varCells.append(stringCell(L"Width", KmCellType::Output, L"212"));
    data.varCells.append(stringCell(L"Length", KmCellType::Output, L"356"));
    return StartDlgStandardsTq(data);
}
