// Gallery entries of the section library dialogs, on the library's own tables.
#include "frame/sectionlib_launchers.h"
#include "res/sectionlib_ids.h"
#include "tq/gallery.h"

namespace tq::gallery {

void addSectionLibEntries(Gallery& gallery) {
    gallery.add("CDlgEditLibSections", [](Camera& camera) {
        DlgEditLibData data;
        data.groups.append(Zk_String(L"Rolled sections"), true, Zk_String(), Zk_StringArray{L"Rolled sections"});
        data.groups.append(Zk_String(L"Cold formed"), false, Zk_String(), Zk_StringArray{L"Cold formed"});
        SectionType beams;
        beams.group = 0;
        beams.langs = Zk_StringArray{L"I and H beams"};
        data.types.append(beams);
        camera.onDialog(IDD_EDIT_LIB_SECTIONS)
            .then(camera.shot("Groups"))
            .selectTab(IDC_LIB_TAB, 1)
            .then(camera.shot("Types"))
            .selectTab(IDC_LIB_TAB, 2)
            .then(camera.shot("Values"))
            .cancel();
        StartDlgEditLibSections(data, Zk_String());
    });
    gallery.add("CDlgEditLibSimple", [](Camera& camera) {
        Zk_ProfValuesTable table;
        table.readFromFile(Zk_String(L"UPN"));
        int row = -1;
        camera.onDialog(IDD_EDIT_LIB_SIMPLE).then(camera.shot()).cancel();
        StartDlgEditLibSimple(Zk_String(L"UPN200"), table, row);
    });
}

}  // namespace tq::gallery
