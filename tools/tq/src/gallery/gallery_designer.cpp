// Gallery entries of the dialog designer: the designer window on the example end-plate
// template, with two controls selected and their handles shown.
#include "designer/zk_dlg_designer_data.h"
#include "frame/designer_launchers.h"
#include "host/texts.h"
#include "res/designer_ids.h"
#include "tq/gallery.h"
#include "win/msgbox.h"

namespace tq::gallery {

void addDesignerEntries(Gallery& gallery) {
    gallery.add("CDlgDesigner", [](Camera& camera) {
        // The Width and Thickness fields of the end plate (pixels on its picture).
        camera.onDialog(IDD_DLGDESIGNER)
            .clickAt(0, POINT{100, 38})
            .clickAt(0, POINT{208, 72}, mfc::kShift)
            .then(camera.shot())
            .close();
        camera.answerMessageBox(dialString(837).wstr(), IDNO);  // the clicks mark it changed
        StartDlgDesigner(getDesignerRootFolder() + L"EndPlate.txt");
    });
}

}  // namespace tq::gallery
