#include "frame/edit_macro_launchers.h"

#include "frame/launch.h"
#include "macroedit/edit_macro_launch.h"

bool StartDlgEditConstrModal(EditConstrData& data) {
    TqResourceScope resources;
    return runEditMacroModal(data);
}

bool StartDlgEditConstraints(EditConstrData& data) {
    TqResourceScope resources;
    openModelessEditMacro(data);
    return true;
}
