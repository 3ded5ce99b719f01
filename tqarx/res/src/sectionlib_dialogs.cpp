#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/sectionlib_ids.h"
#include "win/window.h"

// The section library dialogs. Texts are numbered texts set when the dialogs open; the
// pages are child dialogs placed in the tab control of the main dialog.
namespace {

constexpr DWORD kPage = WS_CHILD;
constexpr DWORD kDropDown = 0x2;  // CBS_DROPDOWN: an editable combo

mfc::DialogTemplate mainDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Section library";
    t.cx = 440;
    t.cy = 290;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    t.tabControl(IDC_LIB_TAB, 7, 7, 426, 256)
        .defPushButton(1, L"OK", 329, 269, 50, 14)
        .pushButton(2, L"Cancel", 383, 269, 50, 14);
    return t;
}

// The part the groups and types pages share: the name combo with Add, Remove and the move
// buttons, the enabled check and the picture combo.
void listPageTop(mfc::DialogTemplate& t, int comboId, int labelId) {
    t.label(labelId, L"", 7, 9, 40, 10)
        .comboBox(comboId, 50, 7, 150, 120)
        .pushButton(IDC_LIB_ADD, L"", 206, 7, 60, 14)
        .pushButton(IDC_LIB_REMOVE, L"", 270, 7, 60, 14)
        .pushButton(IDC_LIB_UP, L"", 340, 7, 20, 14)
        .pushButton(IDC_LIB_DOWN, L"", 364, 7, 20, 14)
        .checkBox(IDC_LIB_ENABLED, L"", 50, 26, 120, 12)
        .label(IDC_LIB_IMAGE_LABEL, L"", 7, 44, 40, 10)
        .comboBox(IDC_LIB_IMAGE, 50, 42, 150, 120);
}

mfc::DialogTemplate groupsPage() {
    mfc::DialogTemplate t;
    t.cx = 420;
    t.cy = 236;
    t.style = kPage;
    listPageTop(t, IDC_LIB_GROUP_COMBO, IDC_LIB_GROUP_LABEL);
    t.label(IDC_LIB_LANG_LABEL, L"", 7, 62, 120, 10).label(IDC_LIB_LANG_SHEET, L"", 7, 74, 250, 150, SS_SUNKEN);
    return t;
}

mfc::DialogTemplate typesPage() {
    mfc::DialogTemplate t;
    t.cx = 420;
    t.cy = 236;
    t.style = kPage;
    listPageTop(t, IDC_LIB_TYPE_COMBO, IDC_LIB_TYPE_LABEL);
    t.label(IDC_LIB_TYPE_GROUP_LABEL, L"", 7, 62, 40, 10)
        .comboBox(IDC_LIB_TYPE_GROUP, 50, 60, 150, 120)
        .label(IDC_LIB_TYPE_DRAWING_LABEL, L"", 7, 80, 40, 10)
        .comboBox(IDC_LIB_TYPE_DRAWING, 50, 78, 150, 120, kDropDown)
        .label(IDC_LIB_LANG_LABEL, L"", 7, 98, 120, 10)
        .label(IDC_LIB_LANG_SHEET, L"", 7, 110, 250, 116, SS_SUNKEN);
    return t;
}

mfc::DialogTemplate valuesPage() {
    mfc::DialogTemplate t;
    t.cx = 420;
    t.cy = 236;
    t.style = kPage;
    t.comboBox(IDC_LIB_TABLE_COMBO, 7, 7, 140, 120)
        .pushButton(IDC_LIB_TABLE_NEW, L"", 152, 7, 56, 14)
        .pushButton(IDC_LIB_TABLE_DELETE, L"", 212, 7, 56, 14)
        .pushButton(IDC_LIB_SHEET_OPTIONS, L"", 272, 7, 70, 14)
        .pushButton(IDC_LIB_TABLE_RENAME, L"", 346, 7, 56, 14)
        .label(IDC_LIB_VALUES_TYPE_LABEL, L"", 7, 27, 30, 10)
        .comboBox(IDC_LIB_VALUES_TYPE, 40, 25, 140, 200)
        .pushButton(IDC_LIB_SORT_UP, L"", 190, 25, 18, 14)
        .pushButton(IDC_LIB_SORT_DOWN, L"", 210, 25, 18, 14)
        .pushButton(IDC_LIB_ROW_INSERT, L"", 238, 25, 18, 14)
        .pushButton(IDC_LIB_ROW_DELETE, L"", 258, 25, 18, 14)
        .pushButton(IDC_LIB_ROW_UP, L"", 278, 25, 18, 14)
        .pushButton(IDC_LIB_ROW_DOWN, L"", 298, 25, 18, 14)
        .pushButton(IDC_LIB_FIND, L"", 326, 25, 18, 14)
        .label(IDC_LIB_VALUES_SHEET, L"", 7, 44, 406, 186, SS_SUNKEN);
    return t;
}

mfc::DialogTemplate simpleDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Add section";
    t.cx = 300;
    t.cy = 252;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    t.pushButton(IDC_SIMPLE_PICTURE, L"", 7, 7, 80, 60)
        .groupBox(IDC_SIMPLE_FRAME, L"", 95, 7, 198, 62)
        .radioButton(IDC_SIMPLE_FROM_VALUES, L"", 102, 19, 180, 10)
        .radioButton(IDC_SIMPLE_TYPED, L"", 102, 31, 180, 10)
        .label(IDC_SIMPLE_NAME_LABEL, L"", 102, 48, 30, 10)
        .edit(IDC_SIMPLE_NAME, 135, 46, 150, 14)
        .checkBox(IDC_SIMPLE_ACTIVE, L"", 7, 74, 120, 12);
    for (int n = 0; n < kSimpleValueCount; ++n) {
        t.label(IDC_SIMPLE_LABEL_FIRST + 2 * n, L"", 7, 94 + 13 * n, 140, 10)
            .edit(IDC_SIMPLE_VALUE_FIRST + 2 * n, 150, 92 + 13 * n, 80, 12);
    }
    t.defPushButton(1, L"OK", 189, 233, 50, 14).pushButton(2, L"Cancel", 243, 233, 50, 14);
    return t;
}

}  // namespace

void registerSectionLibDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_EDIT_LIB_SECTIONS, mainDialog());
    mfc::RegisterDialogTemplate(module, IDD_TAB_LIB_GROUPS, groupsPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_LIB_TYPES, typesPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_LIB_VALUES, valuesPage());
    mfc::RegisterDialogTemplate(module, IDD_EDIT_LIB_SIMPLE, simpleDialog());
    for (UINT icon : {IDI_LIB_SORT_UP, IDI_LIB_SORT_DOWN, IDI_LIB_ROW_INSERT, IDI_LIB_ROW_DELETE, IDI_LIB_ROW_UP,
                      IDI_LIB_ROW_DOWN, IDI_LIB_FIND, IDI_LIB_UP, IDI_LIB_DOWN})
        mfc::RegisterIconResource(module, icon, 16, 16);
}
