// Gallery entries of the standards engine: the general-variables dialog, the formula
// window and the hidden calculation window of a standard, on the example library.
#include "engine/dlg_gen_vars.h"
#include "engine/dlg_tq_standards.h"
#include "engine/formula.h"
#include "frame/gen_vars_launcher.h"
#include "frame/tq_dlgs_mgr.h"
#include "host/settings.h"
#include "tq/gallery.h"

namespace tq::gallery {
namespace {

// The example standard of the library (Windows path).
std::wstring exampleStandard() {
    return gSettings.libDir.wstr() + L"Connection Standards\\EndPlate.kms";
}

}  // namespace

void addEngineEntries(Gallery& gallery) {
    gallery.add("CDlgGenVars", [](Camera& camera) {
        KmAutoStandardsData data;
        data.addDwgGenVar(L"PlateGrade", L"S355", L"Macros\\EndPlate.dwg");
        data.addDwgGenVar(L"BoltGrade", L"8.8", L"");
        data.addStdGenVar(L"Thickness", L"10", L"yes", L"");
        data.addStdGenVar(L"EdgeDistance", L"35", L"", L"Macros\\Plates\\");
        camera.onDialog(IDD_TQ_GEN_VARS).then(camera.shot()).cancel();
        StartDlgGenVars(data);
    });

    gallery.add("CFormula", [](Camera& camera) {
        camera.onDialog(L"Formulas").then(camera.shot()).cancel();
        CFormula window;
        window.mode = CFormula::kModeEvaluateCell;
        window.fileName = exampleStandard();
        window.targetCol = 1;
        window.targetRow = 1;
        window.DoModal();
    });

    gallery.add("CDlgTqStandards", [](Camera& camera) {
        // Never shown in use: drawn as it stands with the example standard loaded.
        auto* dlg = static_cast<CDlgTqStandards*>(gTqDlgsMgr.getDlg());
        if (!dlg) {
            camera.fail("no calculation window can be made");
            return;
        }
        dlg->data().evalMode = 2;  // load only
        dlg->data().tqFileName = Zk_String(exampleStandard());
        dlg->evaluate();
        camera.shoot(dlg->GetSafeHwnd());
        gTqDlgsMgr.releaseDlg(dlg);
    });
}

}  // namespace tq::gallery
