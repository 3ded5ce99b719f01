// Resource and control ids of the macro dialog and its two page kinds.
#pragma once

// The macro dialog: the property window of placed macros.
constexpr unsigned IDD_MACRO = 8131;
constexpr int IDC_MACRO_TAB = 8097;           // tab control: one item per page
constexpr int IDC_MACRO_SELECT = 1176;        // pick other macros
constexpr int IDC_MACRO_GROUP = 1177;         // group combo
constexpr int IDC_MACRO_FILTER = 1178;        // filter combo
constexpr int IDC_MACRO_GROUP_LABEL = 1179;
constexpr int IDC_MACRO_FILTER_LABEL = 1180;
constexpr int IDC_MACRO_VIEW3 = 1181;         // view buttons: views 3, 0, 1, 2
constexpr int IDC_MACRO_VIEW0 = 1182;
constexpr int IDC_MACRO_VIEW1 = 1183;
constexpr int IDC_MACRO_VIEW2 = 1184;
constexpr int IDC_MACRO_STANDARDS = 1185;     // load from standards
constexpr int IDC_MACRO_CLASH = 1292;         // collision check on/off
constexpr int IDC_MACRO_REAPPLY = 1293;       // apply again and close
constexpr int IDC_MACRO_LOAD_PROPS = 1299;    // load properties from a file
constexpr int IDC_MACRO_SAVE_PROPS = 1302;    // save properties to a file

// Icons of the macro dialog's buttons.
constexpr unsigned IDI_MACRO_SELECT = 217;
constexpr unsigned IDI_MACRO_VIEW3 = 218;
constexpr unsigned IDI_MACRO_VIEW0 = 220;
constexpr unsigned IDI_MACRO_VIEW2 = 221;
constexpr unsigned IDI_MACRO_VIEW1 = 222;
constexpr unsigned IDI_MACRO_LOAD_PROPS = 232;
constexpr unsigned IDI_MACRO_SAVE_PROPS = 233;
constexpr unsigned IDI_MACRO_CLASH = 237;
constexpr unsigned IDI_MACRO_STANDARDS = 259;

// A general page (kinds 0, 1 and 3; kind 1 shows the bolt band).
constexpr unsigned IDD_MACRO_TAB_GENERAL = 8137;
constexpr int IDC_PAGE_GRID_GENERAL = 1001;   // placeholder of the variables grid
constexpr int IDC_BOLT_ASSEMBLY = 1091;
constexpr int IDC_BOLT_DIAMETER = 1092;
constexpr int IDC_BOLT_ASSEMBLY_LABEL = 1109;
constexpr int IDC_BOLT_DIAMETER_LABEL = 1110;
constexpr int IDC_PAGE_ADVANCED = 1114;       // bolt settings / profile settings

// A profile page (kind 2).
constexpr unsigned IDD_MACRO_TAB_PROF = 219;
constexpr int IDC_PAGE_GRID_PROF = 1196;
constexpr int IDC_PROF_SEGMENTED = 1210;
constexpr int IDC_PROF_GROUP_LABEL = 1211;
constexpr int IDC_PROF_GROUP = 1212;
constexpr int IDC_PROF_PROFILE = 1213;
constexpr int IDC_PROF_PLANE_LABEL = 1214;
constexpr int IDC_PROF_PLANE = 1215;
constexpr int IDC_PROF_ROTATION_LABEL = 1216;
constexpr int IDC_PROF_OFFSET_LABEL = 1218;
constexpr int IDC_PROF_OFFSET = 1219;
constexpr int IDC_PROF_SECTION_LABEL = 1220;
constexpr int IDC_PROF_SECTION = 1221;
constexpr int IDC_PROF_SELECT_SECTION = 1222;
constexpr int IDC_PROF_PICK_PLANE = 1223;
constexpr int IDC_PROF_ROTATION = 1316;       // editable combo

// The identifiers of a page's template controls.
constexpr int IDC_PAGE_FIRST_DYNAMIC = 33000;
constexpr int IDC_PAGE_LAST_DYNAMIC = 33099;

// The private message the macro dialog answers with 1.
constexpr unsigned WM_MACRO_DLG_QUERY = 0x7101;
