// Gallery entries of the macro dialogs: the macro dialog on each page of the example end
// plate macro (the examples' "macros" folder beside the library).
#include <string>

#include "frame/macro_registry.h"
#include "host/macro_file.h"
#include "host/macro_host_calls.h"
#include "host/macro_model.h"
#include "host/settings.h"
#include "res/macrodlg_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

namespace {

// The example macro's dialog data; without the examples' "macros" folder the dialog is
// drawn without tabs.
MacroData galleryMacro() {
    Zk_DbMacro macro;
    MacroData data;
    Zk_String error;
    readMacroFile(gSettings.libDir + Zk_String(L"..\\macros\\EndPlate.macro"), macro, data, error);
    return data;
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
        if (data.tabs.isEmpty()) steps.then(camera.shot("NoTabs"));
        steps.close();
        StartDlgMacro(data);
        resetMacroHost();
    });
}

}  // namespace tq::gallery
