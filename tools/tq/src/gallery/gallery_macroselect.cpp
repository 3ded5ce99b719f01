// Gallery entries of the array and cut dialogs, the macro selection dialog (on the
// example library's macro drawings) and the profile cuts and features dialogs.
#include <cstdlib>

#include "frame/macro_select_launchers.h"
#include "host/array_dim_names.h"
#include "host/settings.h"
#include "res/macroselect_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {
namespace {

// The program folder's pictures ("icons\") come with the library unless TQ_ZKDIR names
// a program folder of its own.
class ProgramFolderFromLibrary {
public:
    ProgramFolderFromLibrary() : m_saved(gSettings.zkDir) {
        const char* zkDir = std::getenv("TQ_ZKDIR");
        if (zkDir == nullptr || *zkDir == '\0') gSettings.zkDir = gSettings.libDir;
    }
    ~ProgramFolderFromLibrary() { gSettings.zkDir = m_saved; }

private:
    Zk_String m_saved;
};

DynArrayData exampleArray(int type) {
    DynArrayData data;
    data.name = L"Stiffeners";
    data.type = type;
    data.type1Text = L"Row";
    data.dimensionText = L"Length";
    data.dimName1 = L"Width";
    data.dimName2 = L"Height";
    data.texts = Zk_StringArray{L"4", L"250", L"50", L"100", L"100", L"0"};
    data.flag1 = 0;
    data.alternating = -1;
    const wchar_t* names[] = {L"Stiffener left", L"Stiffener right", L"Web plate"};
    for (int i = 0; i < 3; ++i) {
        DynArrayEntry entry;
        entry.name = names[i];
        entry.checked = i != 2;
        entry.value = i + 1;
        data.entries.append(entry);
    }
    return data;
}

}  // namespace

void addMacroSelectEntries(Gallery& gallery) {
    gallery.add("CDlgArray", [](Camera& camera) {
        arrayDimNamesInDrawing()[7] = Zk_StringArray{L"Length", L"Width", L"Height"};
        AcArray<AcDbObjectId> ids;
        ids.append(AcDbObjectId(7));
        camera.onDialog(IDD_DLG_ARRAY)
            .then(camera.shot())
            .pickCombo(IDC_ARRAY_TYPE, 1)
            .then(camera.shot("Type1"))
            .pickCombo(IDC_ARRAY_TYPE, 4)
            .then(camera.shot("Keep"))
            .cancel();
        DynArrayData data = exampleArray(2);
        StartArrayDlg(data, ids, Zk_String(L"Stiffeners"));
        arrayDimNamesInDrawing().clear();
    });
    gallery.add("CDlgMacroCuts", [](Camera& camera) {
        ProgramFolderFromLibrary icons;
        DlgMacroCutsData data;
        data.kind = kCutProfVsPlate;
        data.name = L"EndCut";
        DlgMacroCutsData::GetDefaultValues(data.kind, data.varNames, data.varValues, data.varFlags);
        data.macros.modules.append(MacroInDlgModule{Zk_String(L"Beam"), Zk_StringArray{L"Notch"}});
        data.macros.modules.append(MacroInDlgModule{Zk_String(L"EndPlate"), Zk_StringArray()});
        data.targetModule = L"Beam";
        camera.onDialog(IDD_DLG_MACRO_CUTS)
            .then(camera.shot())
            .pickCombo(IDC_CUT_KIND, 3)
            .then(camera.shot("ThreeSegments"))
            .cancel();
        bool escaped = false;
        StartDlgMacroCuts(data, escaped);
    });
    gallery.add("CDlgSelectMacro", [](Camera& camera) {
        camera.onDialog(IDD_DLG_SELECT_MACRO)
            .then(camera.shot())
            .click(IDC_SELECT_FILTER_BUTTON)
            .then(camera.shot("Filter"))
            .click(IDC_SELECT_FILTER_BUTTON)
            .cancel();
        Zk_String chosen;
        bool other = true;
        StartDlgSelectMacro(Zk_String(), Zk_StringArray{L"Plates", L"Cleats", L"Bracing"}, -1, 0, chosen, other,
                            false);
    });
    gallery.add("CDlgEditProfCuts", [](Camera& camera) {
        resetProfCutsDrawing();
        profCutsDrawing().profiles[11] = {ProfCutInDrawing{1, Zk_String(L"Cut 1: end plate")},
                                          ProfCutInDrawing{2, Zk_String(L"Cut 2: notch")}};
        DlgProfCutsData data;
        data.profileId = 11;
        camera.onDialog(IDD_DLG_EDIT_PROF_CUTS).then(camera.shot()).close();
        StartEditProfCutsDlg(data);
        resetProfCutsDrawing();
    });
    gallery.add("CDlgProfFeatures", [](Camera& camera) {
        DlgProfFeaturesData data;
        data.caption = L"Column features";
        data.sectionName = L"HEA-HEA200";
        data.captions[0] = L"Base level";
        data.captions[1] = L"Length";
        data.values[1] = L"4200";
        data.captions[2] = L"Top level";
        data.thirdIsLevel = true;
        data.captions[3] = L"Mark";
        data.values[3] = L"C1";
        data.optionCaption = L"Top by level";
        data.optionCaptions[0] = L"Top level";
        data.optionCaptions[1] = L"Top offset";
        data.levelNames = Zk_StringArray{L"Ground floor", L"First floor", L"Roof"};
        data.values[0] = L"Ground floor";
        data.values[2] = L"Roof";
        camera.onDialog(IDD_DLG_PROF_FEATURES).then(camera.shot()).cancel();
        StartDlgProfFeatures(data);
    });
}

}  // namespace tq::gallery
