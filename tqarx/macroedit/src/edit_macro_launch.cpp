#include "macroedit/edit_macro_launch.h"

#include <memory>

#include "acad/command_line.h"
#include "acad/main_window.h"
#include "macroedit/dlg_edit_macro.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

CDlgEditMacro* gEditor = nullptr;
// An editor that ended itself from its own button: its window is gone, the object is
// deleted at the next call here, once its handler has returned.
CDlgEditMacro* gEnded = nullptr;

void buryEnded() {
    delete gEnded;
    gEnded = nullptr;
}

// Destroys the editor's window and forgets the editor; true when it was open.
CDlgEditMacro* detachEditor() {
    CDlgEditMacro* dlg = gEditor;
    if (!dlg) return nullptr;
    gEditor = nullptr;
    if (!dlg->GetSafeHwnd() || !dlg->DestroyWindow()) acutPrintf(L"Erase window failed\n");
    acedPostCommandPrompt();
    return dlg;
}

void endedByItself(CDlgEditMacro* dlg) {
    if (dlg != gEditor) return;
    buryEnded();
    gEnded = detachEditor();
}

}  // namespace

bool runEditMacroModal(const EditConstrData& data) {
    CDlgEditMacro dlg;
    dlg.data() = data;
    return dlg.DoModal() == IDOK;
}

bool openModelessEditMacro(const EditConstrData& data) {
    buryEnded();
    if (gEditor) return true;
    CWnd* main = CWnd::FromHandle(adsw_acadMainWnd());
    auto dlg = std::make_unique<CDlgEditMacro>(main);
    dlg->data() = data;
    dlg->setModeless(true);
    CDlgEditMacro::setModelessCloseHandler(&endedByItself);
    if (!dlg->Create(CDlgEditMacro::IDD, main)) return false;
    dlg->ShowWindow(SW_SHOW);
    gEditor = dlg.release();
    if (main) main->SetFocus();
    return true;
}

void closeModelessEditMacro() {
    buryEnded();
    delete detachEditor();
}

CDlgEditMacro* modelessEditMacro() { return gEditor; }
