#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/designer_ids.h"
#include "win/window.h"

// The dialog designer, 420 x 300: the template's picture and controls fill the area above
// the row of tool buttons; the property fields sit in a frame at the bottom, OK and
// Cancel at the bottom right. Captions are set when the window opens.
void registerDesignerDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Dialog designer";
    t.cx = 420;
    t.cy = 300;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | DS_SETFONT;
    const int row = 226;
    const int tools[] = {IDC_DES_OPEN, IDC_DES_SAVE, IDC_DES_ADD, IDC_DES_DELETE, IDC_DES_WIDTH,
                         IDC_DES_HEIGHT, IDC_DES_COPY};
    int x = 7;
    for (int id : tools) {
        t.pushButton(id, L"", x, row, 16, 14);
        x += 18;
    }
    t.pushButton(IDC_DES_OUTLINE, L"_ _", x, row, 16, 14);
    x += 18;
    t.pushButton(IDC_DES_STICKRIGHT, L"| |", x, row, 16, 14);
    x += 18;
    t.pushButton(IDC_DES_IMAGE, L"", x, row, 16, 14);
    t.groupBox(IDC_DES_FRAME, L"", 7, 244, 340, 49)
        .comboBox(IDC_DES_TYPE, 13, 266, 100, 150)
        .label(IDC_DES_CONTENTS_LABEL, L"", 119, 256, 100, 9)
        .edit(IDC_DES_CONTENTS, 119, 266, 100, 13, ES_AUTOHSCROLL)
        .label(IDC_DES_LIST_LABEL, L"", 225, 256, 116, 9)
        .edit(IDC_DES_LIST, 225, 266, 116, 13, ES_AUTOHSCROLL)
        .defPushButton(1, L"OK", 363, 279, 50, 14)
        .pushButton(2, L"Cancel", 363, 261, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_DLGDESIGNER, t);
    mfc::RegisterIconResource(module, IDI_DES_WINDOW, 32, 32);
    for (unsigned icon : {IDI_DES_DELETE, IDI_DES_ADD, IDI_DES_COPY, IDI_DES_IMAGE, IDI_DES_OPEN, IDI_DES_SAVE,
                          IDI_DES_WIDTH, IDI_DES_HEIGHT, IDI_DES_FLEX})
        mfc::RegisterIconResource(module, icon, 16, 16);
}
