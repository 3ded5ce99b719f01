#include "tq/standard_declarations.h"

#include "engine/dlg_tq_standards.h"
#include "frame/tq_dlgs_mgr.h"
#include "spread/ss_api.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "win/encoding.h"

namespace tq {

int readStandardDeclarations(const std::wstring& file, KmVarCells& declarations, std::string& error) {
    auto* dlg = static_cast<CDlgTqStandards*>(gTqDlgsMgr.getDlg());
    if (dlg == nullptr) {
        error = "no calculation window can be made";
        return kExitFailed;
    }
    struct Release {
        void* dlg;
        ~Release() { gTqDlgsMgr.releaseDlg(dlg); }
    } release{dlg};
    KmCalcTq& sheet = dlg->calc();
    if (sheet.loadFile(Zk_String(file)) != Acad::eOk) {
        const std::wstring why = SSGetLastErrorText(sheet.GetSafeHwnd());
        error = "cannot read standard " + userPathOf(file) +
                (why.empty() ? std::string() : ": " + win::Utf8FromWide(why));
        return kExitUsage;
    }
    if (sheet.findVarCells() != Acad::eOk) {
        error = "standard " + userPathOf(file) +
                " is malformed: it needs an \"Input\" and an \"Output\" block";
        return kExitFailed;
    }
    declarations = sheet.varCells;
    return kExitOk;
}

}  // namespace tq
