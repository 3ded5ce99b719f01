#include "mfc/dialog_template.h"
#include "res/supportdlg_ids.h"
#include "win/window.h"

namespace {

constexpr DWORD kModal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

mfc::DialogTemplate dialog(const wchar_t* caption, int cx, int cy, DWORD style = kModal) {
    mfc::DialogTemplate t;
    t.caption = caption;
    t.cx = cx;
    t.cy = cy;
    t.style = style;
    return t;
}

// OK and Cancel at the bottom right.
void okCancel(mfc::DialogTemplate& t) {
    t.defPushButton(1, L"OK", t.cx - 112, t.cy - 21, 50, 14).pushButton(2, L"Cancel", t.cx - 57, t.cy - 21, 50, 14);
}

// A labelled edit in the form layout (row counted from 0).
void field(mfc::DialogTemplate& t, int row, const wchar_t* label, int id) {
    const int y = 7 + row * 18;
    t.label(-1, label, 7, y + 2, 80, 10).edit(id, 90, y, t.cx - 97, 14);
}

void comboField(mfc::DialogTemplate& t, int row, const wchar_t* label, int id) {
    const int y = 7 + row * 18;
    t.label(-1, label, 7, y + 2, 80, 10).comboBox(id, 90, y, t.cx - 97, 60);
}

void checkField(mfc::DialogTemplate& t, int row, const wchar_t* text, int id) {
    t.checkBox(id, text, 90, 7 + row * 18, t.cx - 97, 12);
}

mfc::DialogTemplate gridDialog() {
    auto t = dialog(L"Grid", 240, 160);
    field(t, 0, L"Name:", IDC_SUP_EDIT1);
    field(t, 1, L"X spacings:", IDC_SUP_EDIT2);
    field(t, 2, L"Y spacings:", IDC_SUP_EDIT3);
    field(t, 3, L"X labels:", IDC_SUP_EDIT4);
    field(t, 4, L"Y labels:", IDC_SUP_EDIT5);
    field(t, 5, L"Level:", IDC_SUP_EDIT6);
    checkField(t, 6, L"Draw grid lines", IDC_SUP_CHECK1);
    okCancel(t);
    return t;
}

mfc::DialogTemplate claddingDialog() {
    auto t = dialog(L"Cladding settings", 220, 116);
    field(t, 0, L"Material:", IDC_SUP_EDIT1);
    field(t, 1, L"Sheet thickness:", IDC_SUP_EDIT2);
    field(t, 2, L"Overlap:", IDC_SUP_EDIT3);
    comboField(t, 3, L"Sheets for:", IDC_SUP_COMBO1);
    checkField(t, 4, L"Show fixings", IDC_SUP_CHECK1);
    okCancel(t);
    return t;
}

mfc::DialogTemplate cis2Dialog() {
    auto t = dialog(L"CIS/2 information", 240, 116);
    field(t, 0, L"Project:", IDC_SUP_EDIT1);
    field(t, 1, L"Author:", IDC_SUP_EDIT2);
    field(t, 2, L"Organisation:", IDC_SUP_EDIT3);
    field(t, 3, L"File:", IDC_SUP_EDIT4);
    comboField(t, 4, L"Export:", IDC_SUP_COMBO1);
    okCancel(t);
    return t;
}

mfc::DialogTemplate bracingDialog() {
    auto t = dialog(L"Bracing", 220, 98);
    field(t, 0, L"Section:", IDC_SUP_EDIT1);
    comboField(t, 1, L"Type:", IDC_SUP_COMBO1);
    field(t, 2, L"Offset:", IDC_SUP_EDIT2);
    checkField(t, 3, L"Both sides", IDC_SUP_CHECK1);
    okCancel(t);
    return t;
}

mfc::DialogTemplate csp2Dialog() {
    auto t = dialog(L"Cutting optimisation", 220, 98);
    field(t, 0, L"Stock lengths:", IDC_SUP_EDIT1);
    field(t, 1, L"Saw width:", IDC_SUP_EDIT2);
    field(t, 2, L"Least usable rest:", IDC_SUP_EDIT3);
    checkField(t, 3, L"Longest parts first", IDC_SUP_CHECK1);
    okCancel(t);
    return t;
}

mfc::DialogTemplate levelsDialog() {
    auto t = dialog(L"Levels", 220, 170);
    t.listBox(IDC_SUP_LIST, 7, 7, 206, 80);
    t.label(-1, L"Name:", 7, 95, 40, 10).edit(IDC_SUP_EDIT1, 50, 93, 163, 14);
    t.label(-1, L"Height:", 7, 113, 40, 10).edit(IDC_SUP_EDIT2, 50, 111, 163, 14);
    t.pushButton(IDC_SUP_ADD, L"Add", 7, 129, 50, 14)
        .pushButton(IDC_SUP_SET, L"Change", 62, 129, 50, 14)
        .pushButton(IDC_SUP_REMOVE, L"Remove", 117, 129, 50, 14);
    okCancel(t);
    return t;
}

mfc::DialogTemplate lookupDialog() {
    auto t = dialog(L"Look-up table", 260, 160);
    t.label(IDC_SUP_LABEL, L"", 7, 7, 246, 10).listBox(IDC_SUP_LIST, 7, 20, 246, 110);
    okCancel(t);
    return t;
}

mfc::DialogTemplate selectImageDialog() {
    auto t = dialog(L"Select picture", 200, 150);
    t.listBox(IDC_SUP_LIST, 7, 7, 186, 114);
    okCancel(t);
    return t;
}

mfc::DialogTemplate dstvDialog() {
    auto t = dialog(L"DSTV marking points", 220, 150);
    t.listBox(IDC_SUP_LIST, 7, 7, 206, 96);
    t.label(-1, L"File:", 7, 111, 30, 10).edit(IDC_SUP_EDIT1, 40, 109, 173, 14);
    okCancel(t);
    return t;
}

mfc::DialogTemplate openSaveDialog() {
    auto t = dialog(L"Open", 220, 150);
    t.listBox(IDC_SUP_LIST, 7, 7, 206, 96);
    t.label(-1, L"Name:", 7, 111, 30, 10).edit(IDC_SUP_EDIT1, 40, 109, 173, 14);
    okCancel(t);
    return t;
}

mfc::DialogTemplate stringArrayDialog() {
    auto t = dialog(L"Values", 280, 180, kModal | WS_THICKFRAME);
    t.label(IDC_SUP_LABEL, L"", 7, 7, 266, 10).listBox(IDC_SUP_LIST, 7, 20, 266, 100);
    t.edit(IDC_SUP_EDIT1, 7, 125, 266, 14);
    t.pushButton(IDC_SUP_SET, L"Change", 7, 143, 50, 14)
        .pushButton(IDC_SUP_ADD, L"Add", 62, 143, 50, 14)
        .pushButton(IDC_SUP_REMOVE, L"Remove", 117, 143, 50, 14);
    okCancel(t);
    return t;
}

}  // namespace

void registerSupportDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_TQ_GRID, gridDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_CLADDING, claddingDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_CIS2, cis2Dialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_BRACING, bracingDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_CSP2, csp2Dialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_LEVELS, levelsDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_LOOKUP, lookupDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_SELECTIMAGE, selectImageDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_DSTVPOINTS, dstvDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_OPENSAVE, openSaveDialog());
    mfc::RegisterDialogTemplate(module, IDD_TQ_STRINGARRAY, stringArrayDialog());
}
