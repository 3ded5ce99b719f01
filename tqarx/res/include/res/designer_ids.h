// Resource and control ids of the dialog designer window.
#pragma once

constexpr unsigned IDD_DLGDESIGNER = 227;

constexpr int IDC_DES_OPEN = 1299;
constexpr int IDC_DES_SAVE = 1302;
constexpr int IDC_DES_ADD = 1300;
constexpr int IDC_DES_DELETE = 1301;
constexpr int IDC_DES_WIDTH = 1306;
constexpr int IDC_DES_HEIGHT = 1307;
constexpr int IDC_DES_COPY = 1199;
constexpr int IDC_DES_OUTLINE = 1200;
constexpr int IDC_DES_STICKRIGHT = 1201;
constexpr int IDC_DES_IMAGE = 1303;
constexpr int IDC_DES_TYPE = 1005;
constexpr int IDC_DES_CONTENTS_LABEL = 1016;
constexpr int IDC_DES_CONTENTS = 1304;
constexpr int IDC_DES_LIST_LABEL = 1017;
constexpr int IDC_DES_LIST = 1305;
constexpr int IDC_DES_FRAME = 1015;

// The template's controls take the identifiers from 33000 to 33099.
constexpr int IDC_DES_FIRST_CONTROL = 33000;
constexpr int IDC_DES_LAST_CONTROL = 33099;

constexpr unsigned IDI_DES_WINDOW = 148;
constexpr unsigned IDI_DES_DELETE = 206;
constexpr unsigned IDI_DES_ADD = 212;
constexpr unsigned IDI_DES_COPY = 223;
constexpr unsigned IDI_DES_IMAGE = 231;
constexpr unsigned IDI_DES_OPEN = 232;
constexpr unsigned IDI_DES_SAVE = 233;
constexpr unsigned IDI_DES_WIDTH = 235;
constexpr unsigned IDI_DES_HEIGHT = 236;
constexpr unsigned IDI_DES_FLEX = 239;
