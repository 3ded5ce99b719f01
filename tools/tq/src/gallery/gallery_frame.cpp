// Gallery entries of the module frame: the macro dialog, one picture per tab.
#include "frame/macro_registry.h"
#include "host/macro_model.h"
#include "res/frame_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

void addFrameEntries(Gallery& gallery) {
    gallery.add("CDlgMacro", [](Camera& camera) {
        MacroData data;
        data.caption = L"End plate (1)";
        const wchar_t* names[] = {L"Plate", L"Bolts", L"Profile"};
        const int kinds[] = {kMacroTabGeneral, kMacroTabBolt, kMacroTabProfile};
        for (int i = 0; i < 3; ++i) {
            MacroTabData tab;
            tab.kind = kinds[i];
            tab.index = i;
            tab.name = names[i];
            data.tabs.append(tab);
        }
        auto& steps = camera.onDialog(IDD_TQ_MACRO);
        for (int i = 0; i < 3; ++i)
            steps.selectTab(IDC_MACRO_TABS, i).then(camera.shot(Zk_String(names[i]).toUtf8()));
        steps.close();  // the window has no Cancel button
        StartDlgMacro(data);
    });
}

}  // namespace tq::gallery
