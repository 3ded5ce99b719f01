// Resource and control ids of the macro editor and its four pages.
#pragma once

constexpr unsigned IDD_EDIT_MACRO = 8715;
constexpr unsigned IDD_TAB_EDIT_CONSTRAINTS = 207;
constexpr unsigned IDD_TAB_GEOMETRIES = 8135;
constexpr unsigned IDD_TAB_EDIT_VARS = 8099;
constexpr unsigned IDD_TAB_MACRO_COMMANDS = 216;

// Icons of the editor's buttons (206 and 212 are the module's delete and add icons).
constexpr unsigned IDI_EDIT_MACRO_REMOVE = 206;
constexpr unsigned IDI_EDIT_MACRO_ADD = 212;
constexpr unsigned IDI_EDIT_MACRO_SELECT = 217;
constexpr unsigned IDI_EDIT_MACRO_ZOOM = 234;

// The main dialog.
constexpr int IDC_EM_SELECT_MACRO = 1079;
constexpr int IDC_EM_MODULE = 1088;
constexpr int IDC_EM_ADD_MODULE = 1090;
constexpr int IDC_EM_RENAME_MODULE = 1183;
constexpr int IDC_EM_REMOVE_MODULE = 1089;
constexpr int IDC_EM_SETTINGS = 1137;
constexpr int IDC_EM_ZOOM = 1320;
constexpr int IDC_EM_TAB = 8097;

// The constraints page.
constexpr int IDC_EC_GRID = 1001;
constexpr int IDC_EC_VALUE = 1030;
constexpr int IDC_EC_VALUE_LABEL = 1122;
constexpr int IDC_EC_VARNAME = 1000;
constexpr int IDC_EC_VARNAME_LABEL = 1123;
constexpr int IDC_EC_OPTIONS = 1005;
constexpr int IDC_EC_OPTIONS_LABEL = 1015;
constexpr int IDC_EC_FLAG1 = 1283;
constexpr int IDC_EC_FLAG2 = 1284;
constexpr int IDC_EC_CUT = 1334;
constexpr int IDC_EC_FRAME = 1081;
constexpr int IDC_EC_DELETE = 1087;
// The five option buttons, in button order.
constexpr int IDC_EC_OPTION1 = 1083;
constexpr int IDC_EC_OPTION2 = 1077;
constexpr int IDC_EC_OPTION3 = 1084;
constexpr int IDC_EC_OPTION4 = 1085;
constexpr int IDC_EC_OPTION5 = 1086;
constexpr int kEcOptionButtonCount = 5;
constexpr int kEcOptionButtons[kEcOptionButtonCount] = {IDC_EC_OPTION1, IDC_EC_OPTION2, IDC_EC_OPTION3,
                                                         IDC_EC_OPTION4, IDC_EC_OPTION5};

// The geometries page.
constexpr int IDC_EG_GRID = 1196;

// The variables page.
constexpr int IDC_EV_VARS_FRAME = 1130;
constexpr int IDC_EV_DIMS_FRAME = 1133;
constexpr int IDC_EV_EQS_FRAME = 1134;
constexpr int IDC_EV_VARS_GRID = 1127;
constexpr int IDC_EV_DIMS_GRID = 1128;
constexpr int IDC_EV_EQUATIONS = 1129;
constexpr int IDC_EV_ADD = 1131;
constexpr int IDC_EV_REMOVE = 1132;

// The commands page: buttons 1024 to 1037 run macro commands 0 to 13.
constexpr int IDC_EMC_FIRST = 1024;
constexpr int kEmcCommandCount = 14;

// Context-menu commands of a constraint row: the first to the sixth action of the host's list.
constexpr unsigned kEcMenuCommandCount = 6;
constexpr unsigned kEcMenuCommands[kEcMenuCommandCount] = {32811, 32812, 32816, 32817, 32818, 32800};
