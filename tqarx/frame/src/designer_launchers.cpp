#include "frame/designer_launchers.h"

#include "designer/dlg_designer.h"
#include "frame/launch.h"

bool StartDlgDesigner(const Zk_String& path) {
    return runModalDialog<CDlgDesigner>([&](CDlgDesigner& dlg) { dlg.setTemplatePath(path); },
                                        [](CDlgDesigner&) {}) == IDOK;
}

bool GetImageDlgCtrlNames(const Zk_String& path, Zk_StringArray& names) {
    names.removeAll();
    Zk_DlgDesignerData data;
    if (!data.readFromFile(path, false)) return false;
    data.getAllCtrlNames(names);
    return true;
}
