// The records the host hands to the modelling support dialogs (grids, levels, look-up
// tables, images, cladding, CIS/2 information, bracing, cutting-stock optimisation and
// filtered open/save). Plain values: copying copies every field.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"

// A structural grid: axis spacings ("6000 2*4500") and labels ("A B C", "1 2 3").
struct KmGridDlgData {
    Zk_String name;
    Zk_String xSpacing;
    Zk_String ySpacing;
    Zk_String xLabels;
    Zk_String yLabels;
    double zLevel = 0.0;
    bool drawLines = true;
    friend bool operator==(const KmGridDlgData&, const KmGridDlgData&) = default;
};

// The building levels: parallel lists of names and heights; selected is an index or -1.
struct KmLevelsDlgData {
    Zk_StringArray names;
    Zk_Array<double> heights;
    int selected = -1;
    friend bool operator==(const KmLevelsDlgData&, const KmLevelsDlgData&) = default;
};

// A look-up table shown for a choice: the chosen row and its first field come back.
struct KmLookUpDlgData {
    Zk_String caption;
    Zk_StringArray columns;
    Zk_Array<Zk_StringArray> rows;
    int selectedRow = -1;
    Zk_String selectedValue;
    friend bool operator==(const KmLookUpDlgData&, const KmLookUpDlgData&) = default;
};

// A picture chosen from a folder (files "*.bmp") or from a given list of names.
struct KmSelectImageDlgData {
    Zk_String caption;
    Zk_String folder;
    Zk_StringArray images;
    Zk_String selectedImage;
    friend bool operator==(const KmSelectImageDlgData&, const KmSelectImageDlgData&) = default;
};

struct KmCladdingDlgData {
    Zk_String material;
    double thickness = 0.7;
    double overlap = 100.0;
    int sheetKind = 0;  // 0 wall, 1 roof
    bool showFixings = true;
    friend bool operator==(const KmCladdingDlgData&, const KmCladdingDlgData&) = default;
};

struct KmDlgCis2Data {
    Zk_String projectName;
    Zk_String author;
    Zk_String organisation;
    Zk_String fileName;
    int exportMode = 0;  // 0 design model, 1 analysis model, 2 manufacturing model
    friend bool operator==(const KmDlgCis2Data&, const KmDlgCis2Data&) = default;
};

struct KmBracingDlgData {
    Zk_String section;
    int bracingType = 0;  // 0 cross, 1 K, 2 single diagonal
    double offset = 0.0;
    bool bothSides = false;
    friend bool operator==(const KmBracingDlgData&, const KmBracingDlgData&) = default;
};

// Cutting-stock optimisation: the stock lengths offered, the saw cut and the least usable rest.
struct DlgCSP2Data {
    Zk_String stockLengths;  // "6000;12000"
    double sawWidth = 3.0;
    double minRest = 500.0;
    bool sortByLength = true;
    friend bool operator==(const DlgCSP2Data&, const DlgCSP2Data&) = default;
};

// Filtered open/save: the files offered (given, else those in folder with extension) and
// the chosen name (a full path when a folder is given).
struct KmOpenSaveDlgData {
    bool saveMode = false;
    Zk_String caption;
    Zk_String folder;
    Zk_String extension;  // without the dot
    Zk_StringArray files;
    Zk_String fileName;
    friend bool operator==(const KmOpenSaveDlgData&, const KmOpenSaveDlgData&) = default;
};
