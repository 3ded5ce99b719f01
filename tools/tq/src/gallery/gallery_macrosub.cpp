// Gallery entries of the macro sub-dialogs: bolt settings, profile, segmented profiles
// and bolt pattern, on the values of the example end plate macro.
#include "frame/prof_adv_launcher.h"
#include "host/macro_host_calls.h"
#include "macrodlg/dlg_macro_bolt_adv.h"
#include "macrodlg/dlg_macro_pattern.h"
#include "macrodlg/dlg_macro_prof_segm.h"
#include "res/macrosub_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

namespace {

MacroBoltData exampleBolt() {
    MacroBoltData bolt;
    bolt.assembly = L"M20";
    bolt.diameter = L"20";
    bolt.holeOffset = L"2";
    bolt.holeTolerance = L"2";
    bolt.addedLength = L"5";
    bolt.hasHolesToFill = true;
    bolt.nut1 = 1;
    bolt.washer1 = 1;
    bolt.washer2 = 1;
    bolt.washers = -1;
    bolt.slottedHoles.append({1, L"11", L"30", L"0", Zk_String(), -1});
    bolt.slottedHoles.append({0, L"11", L"20", L"90", Zk_String(), 0});
    bolt.holeColumns.append({L"Left", true});
    bolt.holeColumns.append({L"Right", true});
    return bolt;
}

MacroPatternProps examplePattern() {
    MacroPatternProps p;
    p.name = L"P1";
    p.type = kMacroPatternTwoDir;
    p.value = L"2 x 2";
    p.nrBolts1 = p.nrBolts2 = 2;
    p.dir1.spacing = L"100";
    p.dir1.useSpacing = 1;
    p.dir1.edgeDistance = L"30";
    p.dir1.entries = Zk_StringArray{L"100"};
    p.dir2.spacing = L"120";
    p.dir2.edgeDistance = L"40";
    p.dir2.entries = Zk_StringArray{L"120"};
    p.alternateA = 1;
    return p;
}

MacroData exampleProfiles() {
    MacroData data;
    MacroTabData tab;
    tab.kind = kMacroTabProfile;
    tab.name = L"Profiles";
    MacroProfData prof;
    prof.groupName = L"Stiffeners";
    prof.sectionName = L"PL-PL8";
    prof.material = L"S235";
    prof.offsetType = 5;
    prof.rotation = L"90";
    prof.planeText = L"xp";
    prof.objectId = 102;
    tab.profs.append(prof);
    prof.objectId = 103;
    prof.rotation = L"270";
    tab.profs.append(prof);
    data.tabs.append(tab);
    return data;
}

}  // namespace

void addMacroSubEntries(Gallery& gallery) {
    gallery.add("CDlgMacroBoltAdv", [](Camera& camera) {
        macroHost().assemblies = Zk_StringArray{L"M16", L"M20", L"M24"};
        CDlgMacroBoltAdv dlg(exampleBolt(), Zk_StringArray{L"16", L"20", L"24"}, nullptr);
        camera.onDialog(IDD_MACRO_BOLT_ADV).then(camera.shot()).close();
        dlg.DoModal();
    });
    gallery.add("CDlgMacroProfAdv", [](Camera& camera) {
        Zk_StringArray offsets;
        for (const wchar_t* o : {L"Free", L"By reference", L"Centre line", L"Centre", L"Top", L"Top centre",
                                 L"Bottom centre", L"Left centre", L"Right centre", L"Top left", L"Top right",
                                 L"Bottom left", L"Bottom right"})
            offsets.append(o);
        macroHost().offsetTypeStrings = offsets;
        MacroData data = exampleProfiles();
        camera.onDialog(IDD_MACRO_PROF_ADV).then(camera.shot()).close();
        StartDlgMacroProfAdv(data, L"Stiffeners", Zk_String(), false);
    });
    gallery.add("CDlgMacroProfSegm", [](Camera& camera) {
        MacroProfSegmentedData flange;
        flange.name = L"Flange";
        flange.profile = L"HEA-HEA200";
        flange.clearance = 2.5;
        flange.segments.append({1, L"100"});
        flange.segments.append({2, L"250"});
        CDlgMacroProfSegm dlg(Zk_Array<MacroProfSegmentedData>{flange});
        camera.onDialog(IDD_MACRO_PROF_SEGM).then(camera.shot()).cancel();
        dlg.DoModal();
    });
    gallery.add("CDlgMacroPattern", [](Camera& camera) {
        CDlgMacroPattern two(nullptr, 0, examplePattern());
        camera.onDialog(IDD_MACRO_PATTERN).then(camera.shot()).cancel();
        two.DoModal();
        MacroPatternProps single = examplePattern();
        single.type = kMacroPatternOneDir;
        CDlgMacroPattern one(nullptr, 0, single);
        camera.onDialog(IDD_MACRO_PATTERN).then(camera.shot("OneDirection")).cancel();
        one.DoModal();
    });
}

}  // namespace tq::gallery
