// Resource and control ids of the modelling support dialogs.
#pragma once

constexpr unsigned IDD_TQ_STRINGARRAY = 9201;
constexpr unsigned IDD_TQ_CSP2 = 9202;
constexpr unsigned IDD_TQ_DSTVPOINTS = 9203;
constexpr unsigned IDD_TQ_GRID = 9204;
constexpr unsigned IDD_TQ_LEVELS = 9205;
constexpr unsigned IDD_TQ_LOOKUP = 9206;
constexpr unsigned IDD_TQ_SELECTIMAGE = 9207;
constexpr unsigned IDD_TQ_CLADDING = 9208;
constexpr unsigned IDD_TQ_CIS2 = 9209;
constexpr unsigned IDD_TQ_BRACING = 9210;
constexpr unsigned IDD_TQ_OPENSAVE = 9211;

// Shared control ids (each dialog uses the ones it needs).
constexpr int IDC_SUP_LIST = 9301;     // list box of rows, levels, images, files
constexpr int IDC_SUP_EDIT1 = 9311;
constexpr int IDC_SUP_EDIT2 = 9312;
constexpr int IDC_SUP_EDIT3 = 9313;
constexpr int IDC_SUP_EDIT4 = 9314;
constexpr int IDC_SUP_EDIT5 = 9315;
constexpr int IDC_SUP_EDIT6 = 9316;
constexpr int IDC_SUP_CHECK1 = 9321;
constexpr int IDC_SUP_COMBO1 = 9331;
constexpr int IDC_SUP_ADD = 9341;
constexpr int IDC_SUP_REMOVE = 9342;
constexpr int IDC_SUP_SET = 9343;
constexpr int IDC_SUP_LABEL = 9351;    // static: headers or hints
