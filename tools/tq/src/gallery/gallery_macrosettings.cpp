// Gallery entries of the macro settings dialog: its six pages on the settings of an end
// plate macro whose standard is mapped through the library's example mapping.
#include "host/macro_model.h"
#include "host/macro_settings_data.h"
#include "macroedit/dlg_macro_settings.h"
#include "res/macrosettings_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

namespace {

Zk_Macro endPlateMacro() {
    Zk_Macro macro;
    macro.name = L"EndPlate";
    Zk_Module plate;
    plate.name = L"Plate";
    plate.groupName = L"Plate";
    plate.classCode = kProfileModuleClass;
    for (const wchar_t* name : {L"Thickness", L"Width", L"Length"}) plate.variables.append(Zk_ConstrVar{name, 10.0});
    Zk_Module bolts;
    bolts.name = L"Bolts";
    bolts.groupName = L"Bolts";
    bolts.classCode = kBoltModuleClass;
    for (const wchar_t* name : {L"Gauge", L"EdgeDistance"}) bolts.variables.append(Zk_ConstrVar{name, 30.0});
    macro.modules.append(plate);
    macro.modules.append(bolts);
    macro.baseProfiles.append(Zk_BaseProfile{L"HEA-HEA200", L"S235"});
    macro.genVars.append(Zk_GenVar{L"gen_Gap", 10.0});
    return macro;
}

MacroFilterList filters(std::initializer_list<const wchar_t*> names, Zk_Array<double> values) {
    MacroFilterList list;
    for (const wchar_t* name : names) {
        list.names.append(Zk_String(name));
        list.enabled.append(1);
        list.values.append(values);
        list.choices.append(0);
    }
    return list;
}

MacroSettingsData exampleSettings(Zk_DbMacro& dbMacro) {
    MacroSettingsData data;
    data.filters.useFilters = true;
    data.filters.axisAngles = filters({L"Column to beam", L"Beam to beam"}, Zk_Array<double>{80.0, 100.0});
    data.filters.sectionAngles = filters({L"Web"}, Zk_Array<double>{0.0, 15.0, 165.0, 180.0});
    data.filters2.useFilters = true;
    data.filters2.pathDistances = filters({L"Column end"}, Zk_Array<double>{0.0, 50.0});
    data.filters2.sectionSizes = filters({L"Column"}, Zk_Array<double>{100.0, 400.0, 100.0, 300.0});
    data.filterProps.entryNames = Zk_StringArray{L"Plate", L"Bolts"};
    data.filterProps.properties.append(Zk_StringArray{L"Thickness", L"Width", L"Length"});
    data.filterProps.properties.append(Zk_StringArray{L"Gauge", L"EdgeDistance"});
    data.filterProps.templates = Zk_StringArray{L"EndPlate", L"EndPlateBolts"};
    data.variables.option1 = 1;
    data.variables.number = 2;
    data.variables.names = Zk_StringArray{L"gen_Gap", L"gen_Weld"};
    data.variables.values = Zk_Array<double>{10.0, 6.0};
    data.groups.text1 = L"Connections";
    data.groups.text2 = L"End plates";
    data.groups.names = Zk_StringArray{L"Plate", L"Bolts"};
    data.groups.texts = Zk_StringArray{L"End plate", L"Bolt pattern"};
    data.groups.numbers = Zk_Array<int>{1, 2};
    data.mapping.dbMacro = &dbMacro;
    data.mapping.moduleNames = Zk_StringArray{L"Plate", L"Bolts"};
    data.mapping.standards = Zk_StringArray{L"EndPlate"};
    data.mapping.mappings = Zk_StringArray{L"EndPlate"};
    return data;
}

}  // namespace

void addMacroSettingsEntries(Gallery& gallery) {
    gallery.add("CDlgMacroSettings", [](Camera& camera) {
        Zk_DbMacro dbMacro(endPlateMacro());
        MacroSettingsData data = exampleSettings(dbMacro);
        camera.onDialog(IDD_MACRO_SETTINGS)
            .then(camera.shot("Filters"))
            .selectTab(IDC_MS_TAB, 1)
            .then(camera.shot("Filters2"))
            .selectTab(IDC_MS_TAB, 2)
            .then(camera.shot("FilterProperties"))
            .selectTab(IDC_MS_TAB, 3)
            .then(camera.shot("Variables"))
            .selectTab(IDC_MS_TAB, 4)
            .then(camera.shot("Groups"))
            .selectTab(IDC_MS_TAB, 5)
            .then(camera.shot("Mapping"))
            .cancel();
        CDlgMacroSettings dialog(data);
        dialog.DoModal();
    });
}

}  // namespace tq::gallery
