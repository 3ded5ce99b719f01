#include "mfc/dialog_template.h"
#include "res/macrosub_ids.h"
#include "win/window.h"

// The sub-dialogs of the macro dialog. Their texts are numbered texts set when they open;
// checks that stand for a flag several macros may hold differently are three-state
// buttons the dialog cycles itself.
namespace {

constexpr DWORD kResizable = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kTriState = BS_3STATE | WS_TABSTOP;
constexpr DWORD kPushCheck = BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_TABSTOP;

mfc::DialogTemplate boltDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Bolt settings";
    t.cx = 330;
    t.cy = 269;
    t.style = kResizable;
    t.label(IDC_MB_ASSEMBLY_TEXT, L"", 7, 9, 68, 10)
        .comboBox(IDC_MB_ASSEMBLY, 78, 7, 87, 120)
        .label(IDC_MB_DIAMETER_TEXT, L"", 7, 25, 68, 10)
        .comboBox(IDC_MB_DIAMETER, 78, 23, 87, 120)
        .label(IDC_MB_TOLERANCE_TEXT, L"", 7, 41, 68, 10)
        .edit(IDC_MB_TOLERANCE, 78, 39, 50, 12)
        .label(IDC_MB_PENETRATION_TEXT, L"", 7, 57, 68, 10)
        .edit(IDC_MB_PENETRATION, 78, 55, 50, 12)
        .label(IDC_MB_ADDED_TEXT, L"", 7, 73, 68, 10)
        .edit(IDC_MB_ADDED, 78, 71, 50, 12)
        .checkBox(IDC_MB_FILL_HOLES, L"", 7, 89, 158, 10)
        .label(IDC_MB_HOLES_TEXT, L"", 7, 101, 158, 10)
        .control(L"Button", IDC_MB_TAPPED, L"", kTriState, 7, 115, 158, 10)
        .control(L"Button", IDC_MB_FLIP, L"", kTriState, 7, 127, 158, 10)
        .control(L"Button", IDC_MB_COUNTERSUNK, L"", kTriState, 7, 139, 158, 10)
        .control(L"Button", IDC_MB_WORKSHOP, L"", kTriState, 7, 151, 158, 10)
        .label(IDC_MB_HOLES_CAPTION, L"", 7, 165, 158, 10)
        .label(IDC_MB_HOLE_GRID, L"", 7, 176, 158, 48, SS_SUNKEN)
        .control(L"Button", IDC_MB_PICTURE, L"", BS_PUSHBUTTON | BS_BITMAP | WS_DISABLED, 175, 7, 148, 80)
        .groupBox(IDC_MB_SLOT_FRAME, L"", 175, 91, 148, 133)
        .comboBox(IDC_MB_SLOTS, 181, 103, 136, 100)
        .control(L"Button", IDC_MB_SLOT_ACTIVE, L"", kTriState, 181, 119, 136, 10)
        .label(IDC_MB_SLOT_RADIUS_TEXT, L"", 181, 135, 66, 10)
        .edit(IDC_MB_SLOT_RADIUS, 250, 133, 67, 12)
        .label(IDC_MB_SLOT_LENGTH_TEXT, L"", 181, 151, 66, 10)
        .edit(IDC_MB_SLOT_LENGTH, 250, 149, 67, 12)
        .label(IDC_MB_SLOT_ANGLE_TEXT, L"", 181, 167, 66, 10)
        .edit(IDC_MB_SLOT_ANGLE, 250, 165, 67, 12)
        .label(IDC_MB_SLOT_EXTRA_TEXT, L"", 181, 183, 66, 10)
        .edit(IDC_MB_SLOT_EXTRA, 250, 181, 67, 12)
        .label(IDC_MB_SLOT_CHOICE_TEXT, L"", 181, 199, 66, 10)
        .comboBox(IDC_MB_SLOT_CHOICE, 250, 197, 67, 80);
    // Nuts and washers: a picture button each with its caption below.
    const int buttons[5] = {IDC_MB_NUT1, IDC_MB_NUT2, IDC_MB_WASHER1, IDC_MB_WASHER2, IDC_MB_WASHERS};
    const int captions[5] = {IDC_MB_NUT1_TEXT, IDC_MB_NUT2_TEXT, IDC_MB_WASHER1_TEXT, IDC_MB_WASHER2_TEXT,
                             IDC_MB_WASHERS_TEXT};
    for (int i = 0; i < 5; ++i) {
        t.control(L"Button", buttons[i], L"", kPushCheck, 7 + 64 * i, 229, 18, 14)
            .label(captions[i], L"", 27 + 64 * i, 231, 42, 10, SS_NOTIFY);  // the first nut's toggles it
    }
    t.defPushButton(1, L"", 273, 248, 50, 14);
    return t;
}

mfc::DialogTemplate profileDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Profile";
    t.cx = 340;
    t.cy = 220;
    t.style = kResizable;
    t.checkBox(IDC_MP_SEGMENT_MODE, L"", 7, 7, 160, 10)
        .label(IDC_MP_GROUP_TEXT, L"", 7, 9, 50, 10)
        .edit(IDC_MP_GROUP, 60, 7, 107, 12)
        .label(IDC_MP_SECTION_TEXT, L"", 7, 25, 50, 10)
        .comboBox(IDC_MP_SECTION, 60, 23, 107, 120)
        .pushButton(IDC_MP_SECTION_SELECT, L"", 170, 23, 70, 13)
        .control(L"Static", IDC_MP_SECTION_IMAGE, L"", SS_BITMAP | SS_SUNKEN, 245, 7, 60, 32)
        .pushButton(IDC_MP_ZOOM, L"", 310, 7, 22, 18)
        // Offset.
        .groupBox(IDC_MP_OFFSET_TEXT, L"", 7, 42, 160, 110)
        .comboBox(IDC_MP_OFFSET, 13, 54, 148, 150);
    const int positions[9] = {IDC_MP_POS1, IDC_MP_POS2, IDC_MP_POS3, IDC_MP_POS4, IDC_MP_POS5,
                              IDC_MP_POS6, IDC_MP_POS7, IDC_MP_POS8, IDC_MP_POS9};
    for (int i = 0; i < 9; ++i)
        t.control(L"Button", positions[i], L"", kPushCheck, 13 + 16 * (i % 3), 72 + 16 * (i / 3), 14, 14);
    t.label(IDC_MP_X_TEXT, L"", 70, 74, 30, 10)
        .edit(IDC_MP_X, 103, 72, 58, 12)
        .label(IDC_MP_Y_TEXT, L"", 70, 90, 30, 10)
        .edit(IDC_MP_Y, 103, 88, 58, 12)
        .pushButton(IDC_MP_SECTION_POINT, L"", 70, 106, 91, 13)
        // Rotation.
        .groupBox(IDC_MP_ROTATION_FRAME, L"", 173, 42, 160, 60)
        .radioButton(IDC_MP_ROT0, L"", 179, 54, 35, 10, WS_GROUP | WS_TABSTOP)
        .radioButton(IDC_MP_ROT90, L"", 217, 54, 35, 10)
        .radioButton(IDC_MP_ROT180, L"", 255, 54, 35, 10)
        .radioButton(IDC_MP_ROT270, L"", 293, 54, 35, 10)
        .radioButton(IDC_MP_ROT_KEEP, L"", 179, 68, 70, 10)
        .radioButton(IDC_MP_ROT_OTHER, L"", 179, 84, 70, 10)
        .edit(IDC_MP_ROT_VALUE, 255, 82, 70, 12)
        // Base plane.
        .groupBox(IDC_MP_PLANE_FRAME, L"", 173, 106, 160, 88)
        .radioButton(IDC_MP_PLANE_WCS, L"", 179, 118, 70, 10, WS_GROUP | WS_TABSTOP)
        .radioButton(IDC_MP_PLANE_KEEP, L"", 255, 118, 70, 10)
        .radioButton(IDC_MP_PLANE_PICKED, L"", 179, 132, 146, 10)
        .radioButton(IDC_MP_PLANE_OBJECT, L"", 179, 146, 82, 10)
        .comboBox(IDC_MP_AXIS, 263, 144, 64, 80)
        .radioButton(IDC_MP_PLANE_COORDSYS, L"", 179, 162, 82, 10)
        .comboBox(IDC_MP_COORDSYS, 263, 160, 64, 80)
        .pushButton(IDC_MP_PLANE_PICK, L"", 263, 176, 64, 13)
        // Placement on the polyline.
        .control(L"Button", IDC_MP_OPTION, L"", kTriState, 7, 158, 160, 10)
        .checkBox(IDC_MP_ON_SEGMENT, L"", 7, 172, 160, 10)
        .label(IDC_MP_SEGMENT_TEXT, L"", 19, 186, 60, 10)
        .edit(IDC_MP_SEGMENT_NR, 82, 184, 40, 12)
        .defPushButton(1, L"", 283, 200, 50, 14)
        // The morphed end, below the bottom edge: the dialog grows to show it for a
        // morphed profile.
        .label(IDC_MP_MORPH_TEXT1, L"", 7, 224, 50, 10)
        .comboBox(IDC_MP_END_FAMILY, 60, 222, 50, 120)
        .comboBox(IDC_MP_END_SECTION, 113, 222, 107, 120)
        .pushButton(IDC_MP_END_SELECT, L"", 223, 222, 70, 13)
        .label(IDC_MP_MORPH_TEXT2, L"", 7, 242, 50, 10)
        .edit(IDC_MP_MORPH_GROUP1, 60, 240, 80, 12)
        .label(IDC_MP_MORPH_TEXT3, L"", 150, 242, 50, 10)
        .edit(IDC_MP_MORPH_GROUP2, 203, 240, 90, 12);
    return t;
}

mfc::DialogTemplate segmentedDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Segmented profile";
    t.cx = 250;
    t.cy = 220;
    t.style = kResizable;
    t.label(IDC_MS_RECORDS_TEXT, L"", 7, 9, 60, 10)
        .comboBox(IDC_MS_RECORDS, 70, 7, 173, 120)
        .label(IDC_MS_NAME_TEXT, L"", 7, 27, 60, 10)
        .edit(IDC_MS_NAME, 70, 25, 173, 12)
        .label(IDC_MS_CLEARANCE_TEXT, L"", 7, 43, 60, 10)
        .edit(IDC_MS_CLEARANCE, 70, 41, 50, 12)
        .label(IDC_MS_CLEARANCE_UNIT, L"", 123, 43, 30, 10)
        .checkBox(IDC_MS_BREAK, L"", 7, 59, 236, 10)
        .pushButton(IDC_MS_INSERT_ROW, L"+", 7, 75, 20, 14)
        .pushButton(IDC_MS_DELETE_ROW, L"-", 30, 75, 20, 14)
        .pushButton(IDC_MS_PICK_POINT, L"", 143, 75, 100, 14)
        .label(IDC_MS_GRID, L"", 7, 93, 236, 100, SS_SUNKEN)
        .defPushButton(1, L"", 139, 199, 50, 14)
        .pushButton(2, L"", 193, 199, 50, 14);
    return t;
}

void patternHalf(mfc::DialogTemplate& t, int x, int frame, int useSpacing, int spacing, int option, int edgeText,
                 int edge, int choice, int grid) {
    t.groupBox(frame, L"", x, 7, 158, 170)
        .control(L"Button", useSpacing, L"", kTriState, x + 6, 21, 86, 10)
        .edit(spacing, x + 95, 19, 57, 12)
        .control(L"Button", option, L"", kTriState, x + 6, 37, 146, 10)
        .label(edgeText, L"", x + 6, 53, 86, 10)
        .edit(edge, x + 95, 51, 57, 12)
        .comboBox(choice, x + 6, 67, 146, 80)
        .label(grid, L"", x + 6, 85, 146, 86, SS_SUNKEN);
}

mfc::DialogTemplate patternDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Bolt pattern";
    t.cx = 330;
    t.cy = 222;
    patternHalf(t, 7, IDC_PT_FRAME1, IDC_PT_USE_SPACING1, IDC_PT_SPACING1, IDC_PT_OPTION1, IDC_PT_EDGE_TEXT1,
                IDC_PT_EDGE1, IDC_PT_CHOICE1, IDC_PT_GRID1);
    patternHalf(t, 165, IDC_PT_FRAME2, IDC_PT_USE_SPACING2, IDC_PT_SPACING2, IDC_PT_OPTION2, IDC_PT_EDGE_TEXT2,
                IDC_PT_EDGE2, IDC_PT_CHOICE2, IDC_PT_GRID2);
    t.control(L"Button", IDC_PT_STAGGER, L"", kTriState, 7, 184, 100, 10);
    for (int i = 0; i < IDC_PT_ALTERNATION_COUNT; ++i)
        t.control(L"Button", IDC_PT_ALTERNATION_FIRST + i, L"", kPushCheck | BS_BITMAP | BS_FLAT, 115 + 24 * i, 180, 22,
                  18);
    t.defPushButton(1, L"", 219, 202, 50, 14).pushButton(2, L"", 273, 202, 50, 14);
    return t;
}

}  // namespace

void registerMacroSubDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_MACRO_BOLT_ADV, boltDialog());
    mfc::RegisterDialogTemplate(module, IDD_MACRO_PROF_ADV, profileDialog());
    mfc::RegisterDialogTemplate(module, IDD_MACRO_PROF_SEGM, segmentedDialog());
    mfc::RegisterDialogTemplate(module, IDD_MACRO_PATTERN, patternDialog());
}
