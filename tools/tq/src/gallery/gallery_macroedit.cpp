// Gallery entries of the macro editor: its four pages on an example end-plate macro.
#include "frame/edit_macro_launchers.h"
#include "host/edit_constr_data.h"
#include "res/macroedit_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

namespace {

EditConstrRow row(Zk_StringArray cells, Zk_Array<int> kinds) {
    EditConstrRow r;
    r.cells = std::move(cells);
    r.kinds = std::move(kinds);
    return r;
}

EditConstrData endPlateMacro() {
    EditConstrData data;
    data.macroId = 1;
    EditModule plate;
    plate.name = L"End plate";
    EditConstrRow distance = row({L"Distance", L"Plate to beam end", L"Plate", L"Beam"},
                                 {kConstrValueText, kConstrVarName, kConstrFlags});
    distance.value = L"0";
    distance.varName = L"gap";
    distance.flag1 = true;
    EditConstrRow angle = row({L"Angle", L"Plate to flange", L"Plate", L"Flange"}, {kConstrOptions});
    angle.options = Zk_StringArray{L"Inside", L"Outside"};
    angle.optionIndex = 0;
    EditConstrRow coincident = row({L"Coincident", L"Bolt rows", L"Bolts", L"Plate"}, {kConstrVarName});
    coincident.varName = L"rows";
    coincident.cut = true;
    plate.constraints = Zk_Array<EditConstrRow>{distance, angle, coincident,
                                                row({L"Parallel", L"Plate edge", L"Plate", L"Web"}, {})};
    plate.geometries = Zk_Array<EditGeomRow>{
        EditGeomRow{{L"Plate", L"PL1", L""}, 11, 0, 1, L"endplate"},
        EditGeomRow{{L"Bolt group", L"B1", L""}, 12, 1, 0, L""},
        EditGeomRow{{L"Beam axis", L"AX", L""}, 13, 2, -1, L""},
    };
    plate.vars = Zk_Array<EditVar>{EditVar{L"t", 15, 0}, EditVar{L"e1", 40, 2}, EditVar{L"p", 70, 3}};
    plate.dimValues = Zk_Array<EditDimValue>{EditDimValue{L"h", L"300"}, EditDimValue{L"b", L"150"}};
    plate.equations = Zk_StringArray{L"p = (h - 2*e1) / 3", L"t = 15"};
    EditModule stiffener;
    stiffener.name = L"Stiffener";
    data.modules = Zk_Array<EditModule>{plate, stiffener};
    data.currentModule = plate.name;
    return data;
}

}  // namespace

void addMacroEditEntries(Gallery& gallery) {
    gallery.add("CDlgEditMacro", [](Camera& camera) {
        EditConstrData data = endPlateMacro();
        camera.onDialog(IDD_EDIT_MACRO)
            .then(camera.shot("Constraints"))
            .selectTab(IDC_EM_TAB, 1)
            .then(camera.shot("Geometries"))
            .selectTab(IDC_EM_TAB, 2)
            .then(camera.shot("Variables"))
            .selectTab(IDC_EM_TAB, 3)
            .then(camera.shot("Commands"))
            .keyTo(IDC_EM_MODULE, VK_ESCAPE);
        StartDlgEditConstrModal(data);
    });
}

}  // namespace tq::gallery
