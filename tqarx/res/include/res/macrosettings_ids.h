// Resource and control ids of the macro settings dialog and its six pages.
#pragma once

constexpr unsigned IDD_MACRO_SETTINGS = 8141;
constexpr unsigned IDD_TAB_MACRO_FILTER = 8142;
constexpr unsigned IDD_TAB_MACRO_FILTER2 = 213;
constexpr unsigned IDD_TAB_MACRO_FILTER_PROPS = 8718;
constexpr unsigned IDD_TAB_MACRO_VARIABLES = 214;
constexpr unsigned IDD_TAB_MACRO_GROUPS = 215;
constexpr unsigned IDD_TAB_MACRO_MAPPING = 8720;

// The main dialog.
constexpr int IDC_MS_TAB = 8097;

// Add and remove buttons of the grids (filter properties, variables, mapping).
constexpr int IDC_MS_ADD = 1088;
constexpr int IDC_MS_REMOVE = 1089;
// The explanation text of the filter properties, variables and groups pages.
constexpr int IDC_MS_EXPLANATION = 1175;
// The grid of the filters page (section angles).
constexpr int IDC_MS_GRID = 1001;

// Filters page.
constexpr int IDC_MSF_USE = 1351;
constexpr int IDC_MSF_AXIS_GROUP = 1140;
constexpr int IDC_MSF_SECTION_GROUP = 1141;
constexpr int IDC_MSF_AXIS_ENABLED = 1146;
constexpr int IDC_MSF_AXIS_LOWER_LABEL = 1147;
constexpr int IDC_MSF_AXIS_UPPER_LABEL = 1148;
constexpr int IDC_MSF_AXIS_LOWER = 1149;
constexpr int IDC_MSF_AXIS_UPPER = 1150;
constexpr int IDC_MSF_AXIS_CHOICE1 = 1144;
constexpr int IDC_MSF_AXIS_CHOICE2 = 1145;
constexpr int IDC_MSF_AXIS_COMBO = 1151;
constexpr int IDC_MSF_SECTION_COMBO = 1152;
constexpr int IDC_MSF_SECTION_ENABLED = 1153;
constexpr int IDC_MSF_SECTION_ADD = 1155;
constexpr int IDC_MSF_SECTION_REMOVE = 1154;
constexpr int IDC_MSF_PICTURE_90 = 1158;
constexpr int IDC_MSF_PICTURE_180 = 1157;
constexpr int IDC_MSF_PICTURE_SECTION = 1159;

// Filters 2 page.
constexpr int IDC_MSF2_USE = 1179;
constexpr int IDC_MSF2_PATH_COMBO = 1174;
constexpr int IDC_MSF2_PATH_GROUP = 1159;
constexpr int IDC_MSF2_PATH_ENABLED = 1160;
constexpr int IDC_MSF2_PATH_LABEL1 = 1161;
constexpr int IDC_MSF2_PATH_VALUE1 = 1162;
constexpr int IDC_MSF2_PATH_LABEL2 = 1163;
constexpr int IDC_MSF2_PATH_VALUE2 = 1164;
constexpr int IDC_MSF2_PATH_PICTURE = 1165;
constexpr int IDC_MSF2_SIZE_COMBO = 1173;
constexpr int IDC_MSF2_SIZE_GROUP = 1166;
constexpr int IDC_MSF2_SIZE_ENABLED = 1167;
constexpr int IDC_MSF2_SIZE_LABEL1 = 1168;
constexpr int IDC_MSF2_SIZE_VALUE1 = 1169;
constexpr int IDC_MSF2_SIZE_LABEL2 = 1170;
constexpr int IDC_MSF2_SIZE_VALUE2 = 1171;
constexpr int IDC_MSF2_SIZE_LABEL3 = 1175;
constexpr int IDC_MSF2_SIZE_VALUE3 = 1176;
constexpr int IDC_MSF2_SIZE_LABEL4 = 1177;
constexpr int IDC_MSF2_SIZE_VALUE4 = 1178;
constexpr int IDC_MSF2_SIZE_PICTURE = 1172;

// Filter properties page.
constexpr int IDC_MSP_ENTRY = 1282;
constexpr int IDC_MSP_TEMPLATE = 1322;
constexpr int IDC_MSP_ENTRY_LABEL = 1280;
constexpr int IDC_MSP_PROPS_LABEL = 1281;
constexpr int IDC_MSP_TEMPLATE_LABEL = 1318;
constexpr int IDC_MSP_GRID = 1283;

// Variables page.
constexpr int IDC_MSV_OPTION1 = 1364;
constexpr int IDC_MSV_OPTION1_LABEL = 1363;
constexpr int IDC_MSV_OPTION2 = 1366;
constexpr int IDC_MSV_OPTION2_LABEL = 1365;
constexpr int IDC_MSV_NUMBER = 1368;
constexpr int IDC_MSV_NUMBER_LABEL = 1367;
constexpr int IDC_MSV_GRID = 1369;

// Groups page.
constexpr int IDC_MSG_TEXT1 = 1182;
constexpr int IDC_MSG_TEXT2 = 1018;
constexpr int IDC_MSG_TEXT1_HELP = 1180;
constexpr int IDC_MSG_TEXT2_HELP = 1181;
constexpr int IDC_MSG_GRID = 1183;

// Mapping page.
constexpr int IDC_MSM_TITLE = 1440;
constexpr int IDC_MSM_HINT = 1444;
constexpr int IDC_MSM_STANDARDS = 1441;
constexpr int IDC_MSM_UP = 1443;
constexpr int IDC_MSM_DOWN = 1442;
constexpr int IDC_MSM_OBJECTS = 1445;
constexpr int IDC_MSM_SHEET = 1446;   // the hidden calculation sheet

// Icons.
constexpr unsigned IDI_MS_ADD = 212;
constexpr unsigned IDI_MS_REMOVE = 206;
constexpr unsigned IDI_MS_UP = 261;
constexpr unsigned IDI_MS_DOWN = 262;
