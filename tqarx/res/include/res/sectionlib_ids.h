// Resource and control ids of the section library dialogs.
#pragma once

constexpr unsigned IDD_EDIT_LIB_SECTIONS = 8721;  // 8137 is the macro dialog's general page
constexpr unsigned IDD_TAB_LIB_GROUPS = 8138;
constexpr unsigned IDD_TAB_LIB_TYPES = 8139;
constexpr unsigned IDD_TAB_LIB_VALUES = 8716;
constexpr unsigned IDD_EDIT_LIB_SIMPLE = 226;

// The main dialog.
constexpr int IDC_LIB_TAB = 8097;

// Shared by the groups and types pages (and New/Delete on the values page).
constexpr int IDC_LIB_ADD = 1189;
constexpr int IDC_LIB_REMOVE = 1190;
constexpr int IDC_LIB_ENABLED = 1185;
constexpr int IDC_LIB_IMAGE = 1195;
constexpr int IDC_LIB_LANG_SHEET = 1193;
constexpr int IDC_LIB_UP = 1443;
constexpr int IDC_LIB_DOWN = 1442;
constexpr int IDC_LIB_IMAGE_LABEL = 1186;
constexpr int IDC_LIB_LANG_LABEL = 1188;
// Groups page.
constexpr int IDC_LIB_GROUP_COMBO = 1194;
constexpr int IDC_LIB_GROUP_LABEL = 1108;
// Types page.
constexpr int IDC_LIB_TYPE_COMBO = 1199;
constexpr int IDC_LIB_TYPE_LABEL = 1081;
constexpr int IDC_LIB_TYPE_GROUP = 1196;
constexpr int IDC_LIB_TYPE_GROUP_LABEL = 1187;
constexpr int IDC_LIB_TYPE_DRAWING = 1198;
constexpr int IDC_LIB_TYPE_DRAWING_LABEL = 1192;
// Values page.
constexpr int IDC_LIB_TABLE_COMBO = 1248;
constexpr int IDC_LIB_TABLE_NEW = 1189;
constexpr int IDC_LIB_TABLE_DELETE = 1190;
constexpr int IDC_LIB_SHEET_OPTIONS = 1200;
constexpr int IDC_LIB_TABLE_RENAME = 1201;
constexpr int IDC_LIB_VALUES_TYPE = 1202;
constexpr int IDC_LIB_VALUES_TYPE_LABEL = 1203;
constexpr int IDC_LIB_SORT_UP = 1199;
constexpr int IDC_LIB_SORT_DOWN = 1198;
constexpr int IDC_LIB_ROW_INSERT = 1204;
constexpr int IDC_LIB_ROW_DELETE = 1205;
constexpr int IDC_LIB_ROW_UP = 1206;
constexpr int IDC_LIB_ROW_DOWN = 1207;
constexpr int IDC_LIB_FIND = 1208;
constexpr int IDC_LIB_VALUES_SHEET = 1196;

// The simple section dialog.
constexpr int IDC_SIMPLE_PICTURE = 1294;
constexpr int IDC_SIMPLE_FRAME = 1360;
constexpr int IDC_SIMPLE_FROM_VALUES = 1358;
constexpr int IDC_SIMPLE_TYPED = 1359;
constexpr int IDC_SIMPLE_NAME = 1000;
constexpr int IDC_SIMPLE_NAME_LABEL = 1123;
constexpr int IDC_SIMPLE_ACTIVE = 1296;
constexpr int IDC_SIMPLE_VALUE_FIRST = 1300;  // value n: 1300 + 2 (n - 1)
constexpr int IDC_SIMPLE_LABEL_FIRST = 1299;  // its label: 1299 + 2 (n - 1)
constexpr int kSimpleValueCount = 11;

// Icons of the values page buttons and the move buttons.
constexpr unsigned IDI_LIB_SORT_UP = 223;
constexpr unsigned IDI_LIB_SORT_DOWN = 224;
constexpr unsigned IDI_LIB_ROW_INSERT = 225;
constexpr unsigned IDI_LIB_ROW_DELETE = 226;
constexpr unsigned IDI_LIB_ROW_UP = 227;
constexpr unsigned IDI_LIB_ROW_DOWN = 228;
constexpr unsigned IDI_LIB_FIND = 238;
constexpr unsigned IDI_LIB_UP = 261;
constexpr unsigned IDI_LIB_DOWN = 262;
