#include "mfc/dialog_template.h"
#include "res/standards_ids.h"
#include "win/window.h"

// "Formulas", 377 x 197: the grid on top, file name and commands below.
void registerFormulaDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Formulas";
    t.cx = 377;
    t.cy = 197;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    t.label(IDC_FORMULA_GRID, L"", 7, 7, 363, 128, SS_SUNKEN)
        .label(IDC_FORMULA_LABEL, L"File:", 7, 144, 20, 8)
        .edit(IDC_FORMULA_FILE_NAME, 30, 142, 196, 12, ES_AUTOHSCROLL)
        .pushButton(IDC_FORMULA_SAVE, L"Save to File", 30, 158, 60, 14)
        .pushButton(IDC_FORMULA_LOAD, L"Load from File", 94, 158, 60, 14)
        .checkBox(IDC_FORMULA_AUTO_CALC, L"Auto calculate", 30, 178, 64, 10)
        .pushButton(IDC_FORMULA_RECALC, L"Recalculate", 98, 176, 56, 14)
        .groupBox(-1, L"Style", 232, 138, 80, 52)
        .radioButton(IDC_FORMULA_STYLE_DEFAULT, L"&Default", 240, 149, 64, 10, WS_GROUP)
        .radioButton(IDC_FORMULA_STYLE_A1, L"&A1", 240, 162, 64, 10)
        .radioButton(IDC_FORMULA_STYLE_R1C1, L"&R1C1", 240, 175, 64, 10)
        .defPushButton(1, L"OK", 320, 142, 50, 14)
        .pushButton(2, L"Cancel", 320, 160, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_TQ_FORMULA, t);
}
