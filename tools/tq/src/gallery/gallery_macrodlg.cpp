// Gallery entries of the macro dialogs: the macro dialog on each of its pages, for the
// example end plate macro (the examples' "macros" folder beside the library), or for a
// column end plate made here when the library has no such folder beside it.
#include <string>

#include "frame/macro_registry.h"
#include "host/macro_file.h"
#include "host/macro_host_calls.h"
#include "host/settings.h"
#include "host/macro_model.h"
#include "res/macrodlg_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

namespace {

MacroCell galleryCell(const wchar_t* name, const wchar_t* value, const wchar_t* caption, int kind = kCellNumber,
                      bool editable = true) {
    MacroCell c;
    c.name = name;
    c.value = value;
    c.caption = caption;
    c.kind = kind;
    c.editable = editable;
    return c;
}

// The end plate macro's dialog data: the plate page on the example library's template,
// a bolt page with the bolt band and a profile page for the two cleats.
MacroData endPlateMacro() {
    MacroData data;
    data.caption = L"Column end plate (1)";
    data.objectIds = Zk_Array<long long>{101};
    data.singleModuleName = L"EndPlate";

    MacroTabData plate;
    plate.kind = kMacroTabGeneral;
    plate.name = L"Plate";
    plate.templateName = L"EndPlate";
    plate.cells.append(galleryCell(L"Width", L"200", L"Width"));
    plate.cells.append(galleryCell(L"Thickness", L"10", L"Thickness"));
    plate.cells.append(galleryCell(L"Length", L"200", L"Length"));
    plate.cells.append(galleryCell(L"Stiffeners", L"0", L"Stiffeners", kCellCheck));
    plate.cells.append(galleryCell(L"Weld", L"5", L"Weld size"));
    MacroCell finish = galleryCell(L"Coating", L"Blank", L"Coating", kCellList);
    finish.choices = Zk_StringArray{L"Blank", L"Galvanised", L"Painted"};
    plate.cells.append(finish);
    plate.cells.append(galleryCell(L"Mass", L"3.14", L"Mass (kg)", kCellNumber, false));
    data.tabs.append(plate);

    MacroTabData bolts;
    bolts.kind = kMacroTabBolt;
    bolts.index = 1;
    bolts.name = L"Bolts";
    bolts.templateName = L"EndPlateBolts";
    bolts.hasBoltData = true;
    bolts.bolt.assembly = L"M-8.8";
    bolts.bolt.diameter = L"20";
    bolts.cells.append(galleryCell(L"EdgeDistance", L"30", L"Edge"));
    bolts.cells.append(galleryCell(L"Gauge", L"100", L"Gauge"));
    MacroPatternProps pattern;
    pattern.name = L"P1";
    pattern.type = kMacroPatternTwoDir;
    pattern.value = L"2 x 2";
    bolts.patterns.append(pattern);
    data.tabs.append(bolts);

    MacroTabData profile;
    profile.kind = kMacroTabProfile;
    profile.index = 2;
    profile.name = L"Cleats";
    for (long long id : {501LL, 502LL}) {
        MacroProfData p;
        p.groupName = L"Cleats";
        p.sectionName = L"HEA-HEA200";
        p.objectId = id;
        p.rotation = L"0";
        p.memberName = id == 501 ? L"Left cleat" : L"Right cleat";
        profile.profs.append(p);
    }
    profile.cells.append(galleryCell(L"CleatLength", L"150", L"Cleat length"));
    data.tabs.append(profile);
    return data;
}

// The example macro's dialog data, else the one made here.
MacroData galleryMacro() {
    Zk_DbMacro macro;
    MacroData data;
    Zk_String error;
    if (readMacroFile(gSettings.libDir + Zk_String(L"..\\macros\\EndPlate.macro"), macro, data, error) &&
        !data.tabs.isEmpty())
        return data;
    return endPlateMacro();
}

}  // namespace

void addMacroDlgEntries(Gallery& gallery) {
    gallery.add("CDlgMacro", [](Camera& camera) {
        resetMacroHost();
        macroHost().assemblies = Zk_StringArray{L"M-8.8", L"HV-10.9"};
        macroHost().diameters[L"M-8.8"] = Zk_StringArray{L"16", L"20", L"24"};
        macroHost().offsetTypeStrings = Zk_StringArray{L"Centre", L"By reference", L"Top", L"Bottom"};
        macroHost().basePlaneStrings = Zk_StringArray{L"Plane", L"Object", L"Coordinate system", L"Keep"};
        MacroData data = galleryMacro();
        auto& steps = camera.onDialog(IDD_MACRO);
        for (int i = 0; i < data.tabs.length(); ++i)
            steps.selectTab(IDC_MACRO_TAB, i).then(camera.shot(data.tabs[i].name.toUtf8()));
        steps.close();
        StartDlgMacro(data);
        resetMacroHost();
    });
}

}  // namespace tq::gallery
