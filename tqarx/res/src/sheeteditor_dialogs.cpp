#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "res/sheeteditor_ids.h"
#include "win/window.h"

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;

// "Dialog", 186 x 95, never shown: it only carries a spreadsheet.
void registerAsToolDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Dialog";
    t.cx = 186;
    t.cy = 95;
    t.style = kDialogStyle;
    t.defPushButton(1, L"OK", 75, 74, 50, 14)
        .pushButton(2, L"Cancel", 129, 74, 50, 14)
        .label(IDC_AS_TOOL_SHEET, L"", 7, 7, 172, 62);
    mfc::RegisterDialogTemplate(module, IDD_TQ_AS_TOOL, t);
}

// 256 x 90: the two texts on the left, the four commands on the right. The captions
// are set from the numbered texts when the window opens.
void registerFindReplaceDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Find";
    t.cx = 256;
    t.cy = 90;
    t.style = kDialogStyle | WS_THICKFRAME;
    t.label(IDC_FIND_LABEL, L"Find:", 7, 10, 60, 8)
        .edit(IDC_FIND_TEXT, 70, 8, 120, 12, ES_AUTOHSCROLL | WS_TABSTOP)
        .label(IDC_REPLACE_LABEL, L"Replace:", 7, 30, 60, 8)
        .edit(IDC_REPLACE_TEXT, 70, 28, 120, 12, ES_AUTOHSCROLL | WS_TABSTOP)
        .defPushButton(IDC_FIND_NEXT, L"Find next", 199, 7, 50, 14)
        .pushButton(IDC_REPLACE, L"Replace", 199, 25, 50, 14)
        .pushButton(IDC_REPLACE_ALL, L"Replace all", 199, 43, 50, 14)
        .pushButton(2, L"Close", 199, 69, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_TQ_FIND_REPLACE, t);
}

// 252 x 206: the column-header preview across the top, the row-header preview below on
// the left, the four numbers on the right.
void registerOptionsDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"Sheet settings";
    t.cx = 252;
    t.cy = 206;
    t.style = kDialogStyle;
    t.label(IDC_OPTIONS_COLHEAD_LABEL, L"Column headers", 7, 5, 238, 17)
        .label(IDC_OPTIONS_COLHEAD_SHEET, L"", 7, 24, 238, 34, SS_SUNKEN)
        .label(IDC_OPTIONS_ROWHEAD_LABEL, L"Row headers", 7, 63, 110, 8)
        .label(IDC_OPTIONS_ROWHEAD_SHEET, L"", 7, 74, 110, 105, SS_SUNKEN)
        .label(IDC_OPTIONS_COLS_LABEL, L"Columns", 126, 76, 80, 8)
        .edit(IDC_OPTIONS_COLS, 208, 74, 37, 12, ES_AUTOHSCROLL | WS_TABSTOP)
        .label(IDC_OPTIONS_ROWS_LABEL, L"Rows", 126, 94, 80, 8)
        .edit(IDC_OPTIONS_ROWS, 208, 92, 37, 12, ES_AUTOHSCROLL | WS_TABSTOP)
        .label(IDC_OPTIONS_HEADER_HEIGHT_LABEL, L"Header height", 126, 112, 80, 8)
        .edit(IDC_OPTIONS_HEADER_HEIGHT, 208, 110, 37, 12, ES_AUTOHSCROLL | WS_TABSTOP)
        .label(IDC_OPTIONS_HEADER_WIDTH_LABEL, L"Header width", 126, 130, 80, 8)
        .edit(IDC_OPTIONS_HEADER_WIDTH, 208, 128, 37, 12, ES_AUTOHSCROLL | WS_TABSTOP)
        .defPushButton(1, L"OK", 141, 185, 50, 14)
        .pushButton(2, L"Cancel", 195, 185, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_TQ_OPTIONS, t);
}

// 173 x 98: the prompt, the edit, OK and Cancel (their captions come from the caller).
void registerPromptStringDialog(HINSTANCE module) {
    mfc::DialogTemplate t;
    t.caption = L"";
    t.cx = 173;
    t.cy = 98;
    t.style = kDialogStyle;
    t.label(IDC_PROMPT_LABEL, L"", 7, 7, 159, 34)
        .edit(IDC_PROMPT_EDIT, 7, 46, 159, 14, ES_AUTOHSCROLL | WS_TABSTOP)
        .defPushButton(1, L"OK", 62, 77, 50, 14)
        .pushButton(2, L"Cancel", 116, 77, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_TQ_PROMPT_STRING, t);
}

// A 16 x 16 picture-frame sign shown in front of a bill's picture rows.
win::Surface billPictureMarker() {
    win::Surface s(16, 16, RGB(255, 255, 255));
    s.fill(RECT{1, 2, 15, 14}, RGB(90, 90, 90));
    s.fill(RECT{2, 3, 14, 13}, RGB(200, 225, 255));
    s.fill(RECT{4, 8, 8, 12}, RGB(60, 140, 60));
    s.fill(RECT{8, 6, 12, 12}, RGB(40, 110, 40));
    return s;
}

}  // namespace

void registerSheetEditorDialogs(HINSTANCE module) {
    registerAsToolDialog(module);
    registerFindReplaceDialog(module);
    registerOptionsDialog(module);
    registerPromptStringDialog(module);
    mfc::RegisterBitmapResource(module, IDB_TQ_BILL_PICTURE, billPictureMarker());
}
