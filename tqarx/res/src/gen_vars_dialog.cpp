#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/standards_ids.h"
#include "win/window.h"

namespace {
// A 16 x 16 arrow icon: a black triangle over a stem on the button face colour.
win::Surface arrowIcon(bool up) {
    win::Surface s(16, 16, RGB(212, 208, 200));
    for (int row = 0; row < 5; ++row) {
        const int y = up ? 3 + row : 12 - row;
        for (int x = 7 - row; x <= 8 + row; ++x) s.setPixel(x, y, RGB(0, 0, 0));
    }
    for (int k = 0; k < 5; ++k)
        for (int x = 6; x <= 9; ++x) s.setPixel(x, up ? 8 + k : 3 + k, RGB(0, 0, 0));
    return s;
}
}  // namespace

// General variables, 310 x 284: the drawing variables above the standard variables, each
// sheet with Add, Remove and the two move buttons below it. The captions are numbered
// texts set when the dialog opens.
void registerGenVarsDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"General variables";
    t.cx = 310;
    t.cy = 284;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_SETFONT;
    t.groupBox(IDC_GENVARS_DWG_FRAME, L"", 7, 7, 296, 120)
        .label(IDC_GENVARS_DWG_SHEET, L"", 14, 18, 282, 86, SS_SUNKEN)
        .pushButton(IDC_GENVARS_DWG_ADD, L"Add", 14, 108, 50, 14)
        .pushButton(IDC_GENVARS_DWG_REMOVE, L"Remove", 68, 108, 50, 14)
        .pushButton(IDC_GENVARS_DWG_UP, L"", 246, 108, 22, 14)
        .pushButton(IDC_GENVARS_DWG_DOWN, L"", 274, 108, 22, 14)
        .groupBox(IDC_GENVARS_STD_FRAME, L"", 7, 132, 296, 124)
        .label(IDC_GENVARS_STD_SHEET, L"", 14, 143, 282, 86, SS_SUNKEN)
        .pushButton(IDC_GENVARS_STD_ADD, L"Add", 14, 234, 50, 14)
        .pushButton(IDC_GENVARS_STD_REMOVE, L"Remove", 68, 234, 50, 14)
        .pushButton(IDC_GENVARS_STD_UP, L"", 246, 234, 22, 14)
        .pushButton(IDC_GENVARS_STD_DOWN, L"", 274, 234, 22, 14)
        .defPushButton(1, L"OK", 199, 263, 50, 14)
        .pushButton(2, L"Cancel", 253, 263, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_TQ_GEN_VARS, t);
    mfc::RegisterIconPicture(module, IDI_TQ_ARROW_UP, arrowIcon(true));
    mfc::RegisterIconPicture(module, IDI_TQ_ARROW_DOWN, arrowIcon(false));
}
