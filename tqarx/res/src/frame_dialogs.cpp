#include "mfc/dialog_template.h"
#include "res/frame_ids.h"
#include "win/window.h"

void registerFrameDialogs(HINSTANCE module) {
    mfc::DialogTemplate macro;
    macro.caption = L"Macro";
    macro.cx = 260;
    macro.cy = 200;
    macro.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    macro.label(IDC_MACRO_CAPTION, L"", 7, 7, 246, 10)
        .tabControl(IDC_MACRO_TABS, 7, 20, 246, 150)
        .defPushButton(1, L"Close", 203, 178, 50, 14);
    mfc::RegisterDialogTemplate(module, IDD_TQ_MACRO, macro);
}
