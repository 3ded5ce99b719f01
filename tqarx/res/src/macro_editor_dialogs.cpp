#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/macroedit_ids.h"
#include "win/window.h"

// The macro editor and its pages. Texts are numbered texts set when the dialogs open;
// the pages are child dialogs placed in the tab control of the main dialog, the grids
// spreadsheet controls made over their placeholder labels.
namespace {

constexpr DWORD kPage = WS_CHILD | DS_CONTROL;
constexpr DWORD kOptionButton = BS_CHECKBOX | BS_PUSHLIKE | BS_BITMAP;
constexpr COLORREF kFace = RGB(212, 208, 200);
constexpr COLORREF kInk = RGB(0, 0, 0);

mfc::DialogTemplate mainDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Macro editor";
    t.cx = 400;
    t.cy = 300;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    t.pushButton(IDC_EM_SELECT_MACRO, L"", 7, 7, 64, 14)
        .comboBox(IDC_EM_MODULE, 76, 7, 120, 120)
        .pushButton(IDC_EM_ADD_MODULE, L"", 200, 7, 16, 14, BS_ICON)
        .pushButton(IDC_EM_RENAME_MODULE, L"", 220, 7, 54, 14)
        .pushButton(IDC_EM_REMOVE_MODULE, L"", 278, 7, 16, 14, BS_ICON)
        .pushButton(IDC_EM_SETTINGS, L"", 300, 7, 70, 14)
        .pushButton(IDC_EM_ZOOM, L"", 376, 7, 16, 14, BS_ICON)
        .tabControl(IDC_EM_TAB, 7, 26, 386, 248)
        .defPushButton(1, L"OK", 343, 280, 50, 14);
    return t;
}

mfc::DialogTemplate constraintsPage() {
    mfc::DialogTemplate t;
    t.caption = L"Regels editeren";
    t.cx = 380;
    t.cy = 230;
    t.style = kPage;
    t.label(IDC_EC_GRID, L"", 4, 4, 372, 120, SS_SUNKEN)
        .groupBox(IDC_EC_FRAME, L"", 4, 128, 372, 98)
        .label(IDC_EC_VALUE_LABEL, L"", 12, 144, 60, 10)
        .edit(IDC_EC_VALUE, 76, 142, 110, 12)
        .label(IDC_EC_VARNAME_LABEL, L"", 12, 160, 60, 10)
        .edit(IDC_EC_VARNAME, 76, 158, 110, 12)
        .label(IDC_EC_OPTIONS_LABEL, L"", 12, 176, 60, 10)
        .comboBox(IDC_EC_OPTIONS, 76, 174, 110, 100)
        .checkBox(IDC_EC_FLAG1, L"", 196, 142, 110, 12)
        .checkBox(IDC_EC_FLAG2, L"", 196, 158, 110, 12)
        .pushButton(IDC_EC_CUT, L"", 196, 174, 60, 14)
        .pushButton(IDC_EC_DELETE, L"", 352, 140, 16, 14, BS_ICON);
    for (int i = 0; i < kEcOptionButtonCount; ++i)
        t.control(WC_BUTTON, kEcOptionButtons[i], L"", kOptionButton | WS_TABSTOP, 12 + 28 * i, 194, 24, 24);
    return t;
}

mfc::DialogTemplate geometriesPage() {
    mfc::DialogTemplate t;
    t.cx = 380;
    t.cy = 230;
    t.style = kPage;
    t.label(IDC_EG_GRID, L"", 4, 4, 372, 222, SS_SUNKEN);
    return t;
}

mfc::DialogTemplate variablesPage() {
    mfc::DialogTemplate t;
    t.cx = 380;
    t.cy = 230;
    t.style = kPage;
    t.groupBox(IDC_EV_VARS_FRAME, L"", 4, 2, 186, 224)
        .label(IDC_EV_VARS_GRID, L"", 10, 14, 174, 188, SS_SUNKEN)
        .pushButton(IDC_EV_ADD, L"", 10, 206, 16, 14, BS_ICON)
        .pushButton(IDC_EV_REMOVE, L"", 30, 206, 16, 14, BS_ICON)
        .groupBox(IDC_EV_DIMS_FRAME, L"", 194, 2, 182, 106)
        .label(IDC_EV_DIMS_GRID, L"", 200, 14, 170, 88, SS_SUNKEN)
        .groupBox(IDC_EV_EQS_FRAME, L"", 194, 112, 182, 114)
        .richEdit(IDC_EV_EQUATIONS, 200, 124, 170, 96, ES_WANTRETURN | WS_VSCROLL);
    return t;
}

mfc::DialogTemplate commandsPage() {
    mfc::DialogTemplate t;
    t.cx = 380;
    t.cy = 230;
    t.style = kPage;
    for (int i = 0; i < kEmcCommandCount; ++i)
        t.pushButton(IDC_EMC_FIRST + i, L"", 10 + 74 * (i % 5), 10 + 34 * (i / 5), 70, 28, BS_BITMAP);
    return t;
}

// 16 x 16 pictures of the select and zoom buttons on the button face.
win::Surface selectGlyph() {  // an arrow pointing up-left
    win::Surface s(16, 16, kFace);
    for (int y = 2; y < 12; ++y) s.fill(RECT{3, y, 3 + (y - 1), y + 1}, kInk);
    s.fill(RECT{7, 11, 9, 15}, kInk);
    return s;
}
win::Surface zoomGlyph() {  // a magnifier
    win::Surface s(16, 16, kFace);
    s.fill(RECT{3, 2, 9, 3}, kInk);
    s.fill(RECT{3, 9, 9, 10}, kInk);
    s.fill(RECT{2, 3, 3, 9}, kInk);
    s.fill(RECT{9, 3, 10, 9}, kInk);
    s.fill(RECT{3, 3, 9, 9}, RGB(200, 230, 255));
    for (int i = 0; i < 5; ++i) s.fill(RECT{9 + i, 9 + i, 11 + i, 11 + i}, kInk);
    return s;
}

}  // namespace

void registerMacroEditorDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_EDIT_MACRO, mainDialog());
    mfc::RegisterDialogTemplate(module, IDD_TAB_EDIT_CONSTRAINTS, constraintsPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_GEOMETRIES, geometriesPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_EDIT_VARS, variablesPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_COMMANDS, commandsPage());
    mfc::RegisterIconPicture(module, IDI_EDIT_MACRO_SELECT, selectGlyph());
    mfc::RegisterIconPicture(module, IDI_EDIT_MACRO_ZOOM, zoomGlyph());
}
