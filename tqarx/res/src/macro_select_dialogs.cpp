#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/macroselect_ids.h"
#include "win/window.h"

// The array and cut dialogs, the macro selection dialog and the two profile dialogs.
// Their texts are numbered texts set when the dialogs open.
namespace {

constexpr DWORD kSizable = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr COLORREF kFace = RGB(212, 208, 200);

mfc::DialogTemplate arrayDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Array";
    t.cx = 330;
    t.cy = 262;
    t.label(IDC_ARRAY_TYPE_LABEL, L"", 7, 9, 50, 10)
        .comboBox(IDC_ARRAY_TYPE, 60, 7, 110, 100)
        .label(IDC_ARRAY_IMAGE_LABEL, L"", 7, 27, 50, 10)
        .comboBox(IDC_ARRAY_IMAGE, 60, 25, 110, 100)
        .label(IDC_ARRAY_COUNT_LABEL, L"", 7, 45, 50, 10)
        .edit(IDC_ARRAY_COUNT, 60, 43, 110, 12)
        .label(IDC_ARRAY_DISTANCE_LABEL, L"", 7, 61, 50, 10)
        .edit(IDC_ARRAY_DISTANCE, 60, 59, 110, 12)
        .label(IDC_ARRAY_START_LABEL, L"", 7, 77, 50, 10)
        .edit(IDC_ARRAY_START, 60, 75, 110, 12)
        .label(IDC_ARRAY_SKIP_LABEL, L"", 7, 93, 50, 18)
        .edit(IDC_ARRAY_SKIP, 60, 91, 110, 12)
        .label(IDC_ARRAY_DIMENSION_LABEL, L"", 7, 113, 50, 10)
        .comboBox(IDC_ARRAY_DIMENSION, 60, 111, 110, 100)
        .groupBox(IDC_ARRAY_DIM_CAPTION, L"", 7, 127, 170, 64)
        .edit(IDC_ARRAY_TYPE1_TEXT, 60, 139, 110, 12)
        .label(IDC_ARRAY_DIM_NAME1_LABEL, L"", 13, 157, 45, 10)
        .comboBox(IDC_ARRAY_DIM_NAME1, 60, 155, 110, 100)
        .label(IDC_ARRAY_DIM_NAME2_LABEL, L"", 13, 173, 45, 10)
        .comboBox(IDC_ARRAY_DIM_NAME2, 60, 171, 110, 100)
        .label(IDC_ARRAY_FIRST_DIM_LABEL, L"", 7, 199, 50, 10)
        .edit(IDC_ARRAY_FIRST_DIM, 60, 197, 110, 12)
        .label(IDC_ARRAY_SECOND_DIM_LABEL, L"", 7, 215, 50, 10)
        .edit(IDC_ARRAY_SECOND_DIM, 60, 213, 110, 12)
        .threeState(IDC_ARRAY_MIRROR, L"", 7, 231, 80, 10)
        .threeState(IDC_ARRAY_ALTERNATING, L"", 90, 231, 100, 10)
        .groupBox(IDC_ARRAY_ENTRIES_GROUP, L"", 185, 7, 138, 200)
        .label(IDC_SHEET, L"", 191, 19, 126, 162, SS_SUNKEN)
        .pushButton(IDC_ARRAY_ADD, L"", 191, 186, 38, 14)
        .pushButton(IDC_ARRAY_REMOVE, L"", 233, 186, 38, 14)
        .pushButton(IDC_ARRAY_ADD_ENTRY, L"", 275, 186, 42, 14)
        .defPushButton(1, L"OK", 219, 241, 50, 14)
        .pushButton(2, L"Cancel", 273, 241, 50, 14);
    return t;
}

mfc::DialogTemplate cutsDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Cut";
    t.cx = 330;
    t.cy = 252;
    t.style = kSizable;
    t.label(IDC_CUT_NAME_LABEL, L"", 7, 9, 40, 10)
        .edit(IDC_CUT_NAME, 50, 7, 120, 12)
        .edit(IDC_CUT_TEXT2, 50, 23, 120, 12)
        .control(L"ComboBox", IDC_CUT_KIND, L"", 0x3 | WS_VSCROLL, 180, 7, 143, 160)
        .label(IDC_SHEET, L"", 7, 41, 163, 94, SS_SUNKEN)
        .label(IDC_CUT_MODE_LABEL, L"", 180, 52, 140, 10)
        .radioButton(IDC_CUT_MODE1, L"", 180, 64, 140, 10, WS_GROUP)
        .radioButton(IDC_CUT_MODE2, L"", 180, 76, 140, 10)
        .radioButton(IDC_CUT_MODE3, L"", 180, 88, 140, 10)
        .label(IDC_CUT_MODE_HINT, L"", 180, 101, 140, 10)
        .label(IDC_CUT_CHOICE_LABEL, L"", 180, 117, 56, 10)
        .comboBox(IDC_CUT_CHOICE, 240, 115, 83, 80)
        .checkBox(IDC_CUT_CHECK1, L"", 180, 133, 140, 10)
        .checkBox(IDC_CUT_CHECK2, L"", 180, 145, 140, 10)
        .checkBox(IDC_CUT_CHECK3, L"", 180, 157, 140, 10)
        .radioButton(IDC_CUT_OWN_MODULE, L"", 7, 143, 160, 10, WS_GROUP)
        .radioButton(IDC_CUT_OTHER_MODULE, L"", 7, 155, 160, 10)
        .control(L"ComboBox", IDC_CUT_TARGET, L"", 0x2 | WS_VSCROLL, 7, 169, 163, 100)
        .pushButton(IDC_CUT_PICK_MACRO, L"", 180, 168, 60, 14)
        .defPushButton(1, L"OK", 219, 231, 50, 14)
        .pushButton(2, L"Cancel", 273, 231, 50, 14);
    return t;
}

mfc::DialogTemplate selectMacroDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Select";
    t.cx = 340;
    t.cy = 262;
    t.style = kSizable;
    t.control(L"SysListView32", IDC_SELECT_THUMBNAILS, L"", WS_BORDER | WS_TABSTOP, 7, 7, 326, 148)
        .label(IDC_SELECT_HINT, L"", 7, 122, 326, 30, 0)
        .groupBox(IDC_SELECT_FILTER_GROUP, L"", 7, 160, 326, 72)
        .pushButton(IDC_SELECT_FILTER_BUTTON, L"", 311, 157, 18, 14)
        .label(IDC_SHEET, L"", 13, 174, 314, 54, SS_SUNKEN)
        .checkBox(IDC_SELECT_PREVIEWS, L"", 7, 241, 100, 10)
        .pushButton(IDC_SELECT_OTHER, L"", 170, 239, 50, 14)
        .defPushButton(1, L"OK", 229, 239, 50, 14)
        .pushButton(2, L"Cancel", 283, 239, 50, 14);
    t.controls[1].hidden = true;  // the hint shows only when asked for
    return t;
}

mfc::DialogTemplate profCutsDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Cuts";
    t.cx = 224;
    t.cy = 82;
    t.comboBox(IDC_PROFCUTS_LIST, 7, 7, 166, 100)
        .pushButton(IDC_PROFCUTS_REMOVE, L"", 178, 6, 18, 14)
        .pushButton(IDC_PROFCUTS_OTHER_PROFILE, L"", 7, 26, 110, 16)
        .checkBox(IDC_PROFCUTS_ALL_PREVIEWS, L"", 7, 48, 160, 10)
        .defPushButton(1, L"Close", 167, 61, 50, 14);
    return t;
}

mfc::DialogTemplate profFeaturesDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Features";
    t.cx = 252;
    t.cy = 140;
    t.label(IDC_FEAT_SECTION_LABEL, L"", 7, 9, 60, 10)
        .comboBox(IDC_FEAT_SECTION, 70, 7, 110, 100)
        .pushButton(IDC_FEAT_SECTION_PICK, L"", 184, 6, 61, 14)
        .label(IDC_FEAT_CAPTION1, L"", 7, 27, 60, 10)
        .comboBox(IDC_FEAT_LEVEL1, 70, 25, 110, 100)
        .pushButton(IDC_FEAT_LEVELS1, L"", 184, 24, 18, 14)
        .label(IDC_FEAT_CAPTION2, L"", 7, 45, 60, 10)
        .edit(IDC_FEAT_VALUE2, 70, 43, 110, 12)
        .label(IDC_FEAT_CAPTION3, L"", 7, 63, 60, 10)
        .edit(IDC_FEAT_VALUE3, 70, 61, 110, 12)
        .comboBox(IDC_FEAT_LEVEL3, 70, 61, 110, 100)
        .pushButton(IDC_FEAT_LEVELS3, L"", 184, 60, 40, 14)
        .label(IDC_FEAT_CAPTION4, L"", 7, 81, 60, 10)
        .edit(IDC_FEAT_VALUE4, 70, 79, 110, 12)
        .checkBox(IDC_FEAT_OPTION, L"", 7, 99, 170, 10)
        .defPushButton(1, L"OK", 141, 119, 50, 14)
        .pushButton(2, L"Cancel", 195, 119, 50, 14);
    return t;
}

// 16 x 16 pictures of the icon buttons.
win::Surface glyph() { return win::Surface(16, 16, kFace); }

win::Surface pickGlyph() {  // an arrow pointing at a profile
    win::Surface s = glyph();
    s.fill(RECT{9, 2, 14, 14}, RGB(96, 112, 128));
    for (int i = 0; i < 7; ++i) {
        s.setPixel(1 + i, 1 + i, RGB(0, 0, 0));
        s.setPixel(2 + i, 1 + i, RGB(0, 0, 0));
    }
    s.fill(RECT{1, 1, 5, 3}, RGB(0, 0, 0));
    s.fill(RECT{1, 1, 3, 5}, RGB(0, 0, 0));
    return s;
}

win::Surface filterGlyph(bool open) {  // a funnel with an arrow up (hide) or down (show)
    win::Surface s = glyph();
    for (int row = 0; row < 6; ++row) s.fill(RECT{1 + row, 2 + row, 12 - row, 3 + row}, RGB(40, 60, 140));
    s.fill(RECT{5, 8, 8, 14}, RGB(40, 60, 140));
    const int tip = open ? 3 : 13;
    const int step = open ? 1 : -1;
    for (int k = 0; k < 3; ++k) s.fill(RECT{13 - k, tip + k * step, 14 + k + 1, tip + k * step + 1}, RGB(0, 0, 0));
    s.fill(RECT{13, 4, 14, 13}, RGB(0, 0, 0));
    return s;
}

}  // namespace

void registerMacroSelectDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_DLG_ARRAY, arrayDialog());
    mfc::RegisterDialogTemplate(module, IDD_DLG_MACRO_CUTS, cutsDialog());
    mfc::RegisterDialogTemplate(module, IDD_DLG_SELECT_MACRO, selectMacroDialog());
    mfc::RegisterDialogTemplate(module, IDD_DLG_EDIT_PROF_CUTS, profCutsDialog());
    mfc::RegisterDialogTemplate(module, IDD_DLG_PROF_FEATURES, profFeaturesDialog());
    mfc::RegisterIconPicture(module, IDI_PICK_PROFILE, pickGlyph());
    mfc::RegisterIconPicture(module, IDI_FILTER_HIDE, filterGlyph(true));
    mfc::RegisterIconPicture(module, IDI_FILTER_SHOW, filterGlyph(false));
}
