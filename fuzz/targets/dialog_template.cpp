// Dialog template bytes -> Zk_DlgDesignerData::readFromFile (without the image). A template
// that reads is written again and must read back with the same controls.
#include <cstddef>
#include <cstdint>

#include "designer/zk_dlg_designer_data.h"
#include "fuzz_support.h"
#include "host/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = [] {
        gSettings.libDir = fuzz::scratchPath("lib") + L"\\";
        return true;
    }();
    (void)once;
    const Zk_String path = fuzz::writeScratch("lib/Dialog Templates/Dialog Design/F.txt", fuzz::asText(data, size));
    Zk_DlgDesignerData read;
    if (!read.readFromFile(path, false)) {
        if (read.getLastError().isEmpty()) fuzz::propertyFailed("dialog_template", "a failed read names no reason");
        return 0;
    }
    const Zk_String again = getDesignerRootFolder() + L"G.txt";
    if (!read.writeToFile(again)) fuzz::propertyFailed("dialog_template", "a template that reads cannot be written");
    Zk_DlgDesignerData back;
    if (!back.readFromFile(again, false)) fuzz::propertyFailed("dialog_template", "the written template does not read");
    if (back.getNrControls() != read.getNrControls())
        fuzz::propertyFailed("dialog_template", "the written template has another count of controls");
    for (int i = 0; i < read.getNrControls(); ++i)
        if (!back.getControl(i)->sameTemplateData(*read.getControl(i)))
            fuzz::propertyFailed("dialog_template", "control " + std::to_string(i) + " reads back changed");
    return 0;
}
