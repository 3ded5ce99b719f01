// Resource and control ids of the standards engine's dialogs: the formula window, the
// hidden calculation window of a standard and the general-variables dialog.
#pragma once

// Formula window "Formulas".
constexpr unsigned IDD_TQ_FORMULA = 133;
constexpr int IDC_FORMULA_FILE_NAME = 1000;
constexpr int IDC_FORMULA_SAVE = 1001;
constexpr int IDC_FORMULA_GRID = 1004;
constexpr int IDC_FORMULA_STYLE_DEFAULT = 1005;
constexpr int IDC_FORMULA_STYLE_A1 = 1006;
constexpr int IDC_FORMULA_STYLE_R1C1 = 1007;
constexpr int IDC_FORMULA_LABEL = 1008;
constexpr int IDC_FORMULA_LOAD = 1087;
constexpr int IDC_FORMULA_AUTO_CALC = 1106;
constexpr int IDC_FORMULA_RECALC = 1107;

// The hidden window that carries the calculation sheet of a standard.
constexpr unsigned IDD_TQ_STANDARDS = 253;
constexpr int IDC_STANDARDS_SHEET = 1196;

// General variables of the automatic standards.
constexpr unsigned IDD_TQ_GEN_VARS = 256;
constexpr int IDC_GENVARS_DWG_SHEET = 1434;
constexpr int IDC_GENVARS_DWG_ADD = 1435;
constexpr int IDC_GENVARS_DWG_REMOVE = 1436;
constexpr int IDC_GENVARS_DWG_FRAME = 1437;
constexpr int IDC_GENVARS_DWG_UP = 1438;
constexpr int IDC_GENVARS_DWG_DOWN = 1439;
constexpr int IDC_GENVARS_STD_UP = 1440;
constexpr int IDC_GENVARS_STD_DOWN = 1441;
constexpr int IDC_GENVARS_STD_REMOVE = 1442;
constexpr int IDC_GENVARS_STD_ADD = 1443;
constexpr int IDC_GENVARS_STD_SHEET = 1444;
constexpr int IDC_GENVARS_STD_FRAME = 1445;
// Icons of the move buttons (an up and a down arrow).
constexpr unsigned IDI_TQ_ARROW_UP = 257;
constexpr unsigned IDI_TQ_ARROW_DOWN = 258;
