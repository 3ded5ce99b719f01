// Resource and control ids of the array, cut, macro selection and profile dialogs.
#pragma once

constexpr unsigned IDD_DLG_ARRAY = 236;
constexpr unsigned IDD_DLG_MACRO_CUTS = 223;
constexpr unsigned IDD_DLG_SELECT_MACRO = 8717;
constexpr unsigned IDD_DLG_EDIT_PROF_CUTS = 235;
constexpr unsigned IDD_DLG_PROF_FEATURES = 241;

// Shared: the grid placeholder.
constexpr int IDC_SHEET = 1196;

// The array dialog.
constexpr int IDC_ARRAY_TYPE = 1005;
constexpr int IDC_ARRAY_TYPE_LABEL = 1015;
constexpr int IDC_ARRAY_IMAGE = 1345;
constexpr int IDC_ARRAY_IMAGE_LABEL = 1130;
constexpr int IDC_ARRAY_TYPE1_TEXT = 1011;
constexpr int IDC_ARRAY_DIM_CAPTION = 1131;
constexpr int IDC_ARRAY_DIMENSION = 1347;
constexpr int IDC_ARRAY_DIMENSION_LABEL = 1128;
constexpr int IDC_ARRAY_DIM_NAME1 = 1350;
constexpr int IDC_ARRAY_DIM_NAME1_LABEL = 1132;
constexpr int IDC_ARRAY_DIM_NAME2 = 1351;
constexpr int IDC_ARRAY_DIM_NAME2_LABEL = 1133;
constexpr int IDC_ARRAY_TEXT_FIRST = 1002;  // the six texts: 1002, 1003, 1004, 1009, 1010, 1006
constexpr int IDC_ARRAY_COUNT = 1002;
constexpr int IDC_ARRAY_DISTANCE = 1003;
constexpr int IDC_ARRAY_START = 1004;
constexpr int IDC_ARRAY_FIRST_DIM = 1009;
constexpr int IDC_ARRAY_SECOND_DIM = 1010;
constexpr int IDC_ARRAY_SKIP = 1006;
constexpr int IDC_ARRAY_COUNT_LABEL = 1125;
constexpr int IDC_ARRAY_DISTANCE_LABEL = 1129;
constexpr int IDC_ARRAY_START_LABEL = 1134;
constexpr int IDC_ARRAY_FIRST_DIM_LABEL = 1126;
constexpr int IDC_ARRAY_SECOND_DIM_LABEL = 1127;
constexpr int IDC_ARRAY_SKIP_LABEL = 1135;
constexpr int IDC_ARRAY_MIRROR = 1346;
constexpr int IDC_ARRAY_ALTERNATING = 1352;
constexpr int IDC_ARRAY_ENTRIES_GROUP = 1349;
constexpr int IDC_ARRAY_ADD = 1348;
constexpr int IDC_ARRAY_REMOVE = 1087;
constexpr int IDC_ARRAY_ADD_ENTRY = 1089;

// The cut dialog.
constexpr int IDC_CUT_NAME = 1000;
constexpr int IDC_CUT_NAME_LABEL = 1123;
constexpr int IDC_CUT_TEXT2 = 1001;
constexpr int IDC_CUT_KIND = 1284;
constexpr int IDC_CUT_MODE1 = 1288;
constexpr int IDC_CUT_MODE2 = 1289;
constexpr int IDC_CUT_MODE3 = 1290;
constexpr int IDC_CUT_MODE_LABEL = 1280;
constexpr int IDC_CUT_MODE_HINT = 1124;
constexpr int IDC_CUT_CHECK1 = 1323;
constexpr int IDC_CUT_CHECK2 = 1325;
constexpr int IDC_CUT_CHECK3 = 1326;
constexpr int IDC_CUT_CHOICE = 1283;
constexpr int IDC_CUT_CHOICE_LABEL = 1281;
constexpr int IDC_CUT_OWN_MODULE = 1285;
constexpr int IDC_CUT_OTHER_MODULE = 1286;
constexpr int IDC_CUT_TARGET = 1282;
constexpr int IDC_CUT_PICK_MACRO = 1079;

// The macro selection dialog.
constexpr int IDC_SELECT_THUMBNAILS = 9091;
constexpr int IDC_SELECT_FILTER_BUTTON = 1409;
constexpr int IDC_SELECT_FILTER_GROUP = 1175;
constexpr int IDC_SELECT_PREVIEWS = 9093;
constexpr int IDC_SELECT_OTHER = 1352;
constexpr int IDC_SELECT_HINT = 1353;
constexpr unsigned IDI_FILTER_HIDE = 240;
constexpr unsigned IDI_FILTER_SHOW = 241;

// The profile cuts dialog.
constexpr int IDC_PROFCUTS_LIST = 1339;
constexpr int IDC_PROFCUTS_ALL_PREVIEWS = 1340;
constexpr int IDC_PROFCUTS_OTHER_PROFILE = 1341;
constexpr int IDC_PROFCUTS_REMOVE = 1087;
constexpr unsigned IDI_PICK_PROFILE = 217;
constexpr unsigned IDI_REMOVE_CUT = 206;

// The profile features dialog.
constexpr int IDC_FEAT_SECTION = 1250;
constexpr int IDC_FEAT_SECTION_LABEL = 1188;
constexpr int IDC_FEAT_SECTION_PICK = 1251;
constexpr int IDC_FEAT_CAPTION1 = 1299;
constexpr int IDC_FEAT_LEVEL1 = 1252;
constexpr int IDC_FEAT_LEVELS1 = 1254;
constexpr int IDC_FEAT_CAPTION2 = 1301;
constexpr int IDC_FEAT_VALUE2 = 1302;
constexpr int IDC_FEAT_CAPTION3 = 1303;
constexpr int IDC_FEAT_VALUE3 = 1304;
constexpr int IDC_FEAT_LEVEL3 = 1253;
constexpr int IDC_FEAT_LEVELS3 = 1255;
constexpr int IDC_FEAT_CAPTION4 = 1305;
constexpr int IDC_FEAT_VALUE4 = 1306;
constexpr int IDC_FEAT_OPTION = 1018;
