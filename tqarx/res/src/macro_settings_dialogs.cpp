#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/macrosettings_ids.h"
#include "win/window.h"

// The macro settings dialog and its pages. Texts are numbered texts set when the dialogs
// open; grids are placeholders the pages replace by spreadsheet windows; the pages are
// child dialogs placed in the tab control of the main dialog.
namespace {

constexpr DWORD kPage = WS_CHILD;
constexpr DWORD kDropDown = 0x2;          // CBS_DROPDOWN: an editable combo
constexpr DWORD kPictureButton = 0x80;    // BS_BITMAP
constexpr int kPageWidth = 420;
constexpr int kPageHeight = 236;

mfc::DialogTemplate page() {
    mfc::DialogTemplate t;
    t.cx = kPageWidth;
    t.cy = kPageHeight;
    t.style = kPage;
    return t;
}

mfc::DialogTemplate mainDialog() {
    mfc::DialogTemplate t;
    t.caption = L"Macro settings";
    t.cx = 440;
    t.cy = 290;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.tabControl(IDC_MS_TAB, 7, 7, 426, 256)
        .defPushButton(1, L"OK", 329, 269, 50, 14)
        .pushButton(2, L"Cancel", 383, 269, 50, 14);
    return t;
}

mfc::DialogTemplate filterPage() {
    mfc::DialogTemplate t = page();
    t.checkBox(IDC_MSF_USE, L"", 7, 5, 200, 12)
        .groupBox(IDC_MSF_AXIS_GROUP, L"", 7, 20, 406, 78)
        .comboBox(IDC_MSF_AXIS_COMBO, 14, 33, 140, 120)
        .checkBox(IDC_MSF_AXIS_ENABLED, L"", 162, 34, 80, 12)
        .radioButton(IDC_MSF_AXIS_CHOICE1, L"", 14, 52, 120, 10)
        .radioButton(IDC_MSF_AXIS_CHOICE2, L"", 14, 64, 120, 10)
        .label(IDC_MSF_AXIS_LOWER_LABEL, L"", 140, 53, 60, 10)
        .edit(IDC_MSF_AXIS_LOWER, 202, 51, 50, 13)
        .label(IDC_MSF_AXIS_UPPER_LABEL, L"", 140, 71, 60, 10)
        .edit(IDC_MSF_AXIS_UPPER, 202, 69, 50, 13)
        .pushButton(IDC_MSF_PICTURE_90, L"", 262, 30, 70, 62, kPictureButton)
        .pushButton(IDC_MSF_PICTURE_180, L"", 336, 30, 70, 62, kPictureButton)
        .groupBox(IDC_MSF_SECTION_GROUP, L"", 7, 102, 406, 128)
        .comboBox(IDC_MSF_SECTION_COMBO, 14, 115, 140, 120)
        .checkBox(IDC_MSF_SECTION_ENABLED, L"", 162, 116, 80, 12)
        .label(IDC_MS_GRID, L"", 14, 134, 200, 90, SS_SUNKEN)
        .pushButton(IDC_MSF_SECTION_ADD, L"", 218, 134, 18, 14)
        .pushButton(IDC_MSF_SECTION_REMOVE, L"", 218, 152, 18, 14)
        .pushButton(IDC_MSF_PICTURE_SECTION, L"", 262, 116, 144, 108, kPictureButton);
    return t;
}

mfc::DialogTemplate filter2Page() {
    mfc::DialogTemplate t = page();
    t.checkBox(IDC_MSF2_USE, L"", 7, 5, 200, 12)
        .groupBox(IDC_MSF2_PATH_GROUP, L"", 7, 20, 406, 78)
        .comboBox(IDC_MSF2_PATH_COMBO, 14, 33, 140, 120)
        .checkBox(IDC_MSF2_PATH_ENABLED, L"", 162, 34, 80, 12)
        .label(IDC_MSF2_PATH_LABEL1, L"", 14, 55, 80, 10)
        .edit(IDC_MSF2_PATH_VALUE1, 96, 53, 50, 13)
        .label(IDC_MSF2_PATH_LABEL2, L"", 14, 73, 80, 10)
        .edit(IDC_MSF2_PATH_VALUE2, 96, 71, 50, 13)
        .pushButton(IDC_MSF2_PATH_PICTURE, L"", 262, 30, 144, 62, kPictureButton)
        .groupBox(IDC_MSF2_SIZE_GROUP, L"", 7, 102, 406, 128)
        .comboBox(IDC_MSF2_SIZE_COMBO, 14, 115, 140, 120)
        .checkBox(IDC_MSF2_SIZE_ENABLED, L"", 162, 116, 80, 12)
        .label(IDC_MSF2_SIZE_LABEL1, L"", 14, 137, 80, 10)
        .edit(IDC_MSF2_SIZE_VALUE1, 96, 135, 50, 13)
        .label(IDC_MSF2_SIZE_LABEL2, L"", 14, 155, 80, 10)
        .edit(IDC_MSF2_SIZE_VALUE2, 96, 153, 50, 13)
        .label(IDC_MSF2_SIZE_LABEL3, L"", 14, 173, 80, 10)
        .edit(IDC_MSF2_SIZE_VALUE3, 96, 171, 50, 13)
        .label(IDC_MSF2_SIZE_LABEL4, L"", 14, 191, 80, 10)
        .edit(IDC_MSF2_SIZE_VALUE4, 96, 189, 50, 13)
        .pushButton(IDC_MSF2_SIZE_PICTURE, L"", 262, 116, 144, 108, kPictureButton);
    return t;
}

mfc::DialogTemplate filterPropsPage() {
    mfc::DialogTemplate t = page();
    t.label(IDC_MSP_ENTRY_LABEL, L"", 7, 9, 70, 10)
        .comboBox(IDC_MSP_ENTRY, 80, 7, 160, 120)
        .label(IDC_MSP_TEMPLATE_LABEL, L"", 7, 27, 70, 10)
        .comboBox(IDC_MSP_TEMPLATE, 80, 25, 160, 120, kDropDown)
        .label(IDC_MSP_PROPS_LABEL, L"", 7, 45, 160, 10)
        .label(IDC_MSP_GRID, L"", 7, 57, 233, 172, SS_SUNKEN)
        .pushButton(IDC_MS_ADD, L"", 244, 57, 18, 14)
        .pushButton(IDC_MS_REMOVE, L"", 244, 75, 18, 14)
        .label(IDC_MS_EXPLANATION, L"", 270, 57, 143, 172);
    return t;
}

mfc::DialogTemplate variablesPage() {
    mfc::DialogTemplate t = page();
    t.label(IDC_MSV_OPTION1_LABEL, L"", 7, 9, 90, 10)
        .comboBox(IDC_MSV_OPTION1, 100, 7, 140, 80)
        .label(IDC_MSV_OPTION2_LABEL, L"", 7, 27, 90, 10)
        .comboBox(IDC_MSV_OPTION2, 100, 25, 140, 80)
        .label(IDC_MSV_NUMBER_LABEL, L"", 7, 45, 90, 10)
        .comboBox(IDC_MSV_NUMBER, 100, 43, 60, 80, kDropDown)
        .label(IDC_MSV_GRID, L"", 7, 64, 233, 165, SS_SUNKEN)
        .pushButton(IDC_MS_ADD, L"", 244, 64, 18, 14)
        .pushButton(IDC_MS_REMOVE, L"", 244, 82, 18, 14)
        .label(IDC_MS_EXPLANATION, L"", 270, 64, 143, 165);
    return t;
}

mfc::DialogTemplate groupsPage() {
    mfc::DialogTemplate t = page();
    t.edit(IDC_MSG_TEXT1, 7, 7, 120, 13)
        .label(IDC_MSG_TEXT1_HELP, L"", 132, 5, 281, 30)
        .edit(IDC_MSG_TEXT2, 7, 40, 120, 13)
        .label(IDC_MSG_TEXT2_HELP, L"", 132, 38, 281, 30)
        .label(IDC_MSG_GRID, L"", 7, 74, 280, 155, SS_SUNKEN)
        .label(IDC_MS_EXPLANATION, L"", 293, 74, 120, 155);
    return t;
}

mfc::DialogTemplate mappingPage() {
    mfc::DialogTemplate t = page();
    t.label(IDC_MSM_TITLE, L"", 7, 5, 300, 10)
        .label(IDC_MSM_STANDARDS, L"", 7, 17, 340, 82, SS_SUNKEN)
        .pushButton(IDC_MS_ADD, L"", 352, 17, 61, 14)
        .pushButton(IDC_MS_REMOVE, L"", 352, 35, 61, 14)
        .pushButton(IDC_MSM_UP, L"", 352, 55, 18, 14)
        .pushButton(IDC_MSM_DOWN, L"", 374, 55, 18, 14)
        .label(IDC_MSM_HINT, L"", 7, 105, 300, 10)
        .label(IDC_MSM_OBJECTS, L"", 7, 117, 406, 112, SS_SUNKEN)
        .label(IDC_MSM_SHEET, L"", 0, 0, 10, 10);
    return t;
}

}  // namespace

void registerMacroSettingsDialogs(HINSTANCE module) {
    mfc::RegisterDialogTemplate(module, IDD_MACRO_SETTINGS, mainDialog());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_FILTER, filterPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_FILTER2, filter2Page());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_FILTER_PROPS, filterPropsPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_VARIABLES, variablesPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_GROUPS, groupsPage());
    mfc::RegisterDialogTemplate(module, IDD_TAB_MACRO_MAPPING, mappingPage());
    // The icons (add, remove, up, down) are the module's shared ones, registered with the
    // designer's and the section library's dialogs.
}
