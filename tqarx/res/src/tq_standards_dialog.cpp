#include "mfc/dialog_template.h"
#include "res/standards_ids.h"
#include "win/window.h"

void registerFormulaDialog(HINSTANCE module);
void registerGenVarsDialog(HINSTANCE module);

namespace {

// "Dialog", 260 x 207, never shown: it only carries the calculation sheet.
void registerTqStandardsDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Dialog";
    t.cx = 260;
    t.cy = 207;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;  // no WS_VISIBLE
    t.defPushButton(1, L"OK", 149, 186, 50, 14)
        .pushButton(2, L"Cancel", 203, 186, 50, 14)
        .label(IDC_STANDARDS_SHEET, L"", 7, 7, 246, 172);
    mfc::RegisterDialogTemplate(module, IDD_TQ_STANDARDS, t);
}

}  // namespace

// The standards engine's dialogs: the calculation window, the formula window and the
// general-variables dialog.
void registerStandardsDialogs(HINSTANCE module) {
    registerTqStandardsDialog(module);
    registerFormulaDialog(module);
    registerGenVarsDialog(module);
}
