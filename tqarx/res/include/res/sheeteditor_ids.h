// Resource and control ids of the spreadsheet editor's windows: the tool window that
// carries a sheet, the find and replace window, the sheet options and the text prompt.
#pragma once

// The hidden tool window that carries a spreadsheet (bills are written into it).
constexpr unsigned IDD_TQ_AS_TOOL = 248;
constexpr int IDC_AS_TOOL_SHEET = 1196;

// Find and replace.
constexpr unsigned IDD_TQ_FIND_REPLACE = 218;
constexpr int IDC_FIND_LABEL = 1206;
constexpr int IDC_FIND_TEXT = 1207;
constexpr int IDC_REPLACE_LABEL = 1208;
constexpr int IDC_REPLACE_TEXT = 1209;
constexpr int IDC_FIND_NEXT = 1;
constexpr int IDC_REPLACE = 1204;
constexpr int IDC_REPLACE_ALL = 1205;

// Sheet options: counts, header sizes and header texts.
constexpr unsigned IDD_TQ_OPTIONS = 245;
constexpr int IDC_OPTIONS_COLHEAD_LABEL = 1026;
constexpr int IDC_OPTIONS_COLHEAD_SHEET = 1025;
constexpr int IDC_OPTIONS_ROWHEAD_LABEL = 1027;
constexpr int IDC_OPTIONS_ROWHEAD_SHEET = 1002;
constexpr int IDC_OPTIONS_COLS_LABEL = 1016;
constexpr int IDC_OPTIONS_COLS = 1017;
constexpr int IDC_OPTIONS_ROWS_LABEL = 1018;
constexpr int IDC_OPTIONS_ROWS = 1019;
constexpr int IDC_OPTIONS_HEADER_HEIGHT_LABEL = 1020;
constexpr int IDC_OPTIONS_HEADER_HEIGHT = 1021;
constexpr int IDC_OPTIONS_HEADER_WIDTH_LABEL = 1022;
constexpr int IDC_OPTIONS_HEADER_WIDTH = 1023;

// The one-line text prompt.
constexpr unsigned IDD_TQ_PROMPT_STRING = 8069;
constexpr int IDC_PROMPT_LABEL = 8600;
constexpr int IDC_PROMPT_EDIT = 8003;

// The marker in front of a bill's picture rows.
constexpr unsigned IDB_TQ_BILL_PICTURE = 251;
