#include "frame/module_entry.h"

#include <memory>

#include "engine/standards_evaluator.h"
#include "frame/launch.h"
#include "frame/macro_registry.h"
#include "frame/standards_launchers.h"
#include "frame/tq_dlgs_mgr.h"
#include "host/dialog_support.h"
#include "macroedit/edit_macro_launch.h"
#include "mfc/dialog_template.h"
#include "mfc/gdi.h"
#include "mfc/resources.h"
#include "res/resources.h"
#include "sheeteditor/sheet_editor.h"

#include "acad/module_loader.h"

namespace {

HINSTANCE gInstance = nullptr;
std::unique_ptr<CBitmap> gCheckOn;
std::unique_ptr<CBitmap> gCheckOff;
KmConstraintEditorCloser gConstraintCloser = &closeModelessEditMacro;

// The module's extension-module record: while initialised, the window framework finds
// this module's resources (registered for its instance).
struct ExtensionModule {
    HINSTANCE module = nullptr;
    bool initialised = false;

    bool init(HINSTANCE instance) {
        if (!instance) return false;
        module = instance;
        tqRegisterResources(instance);
        mfc::NoteResourceModule(instance);
        initialised = true;
        return true;
    }
    void term() {
        if (!initialised) return;
        mfc::UnregisterModuleResources(module);
        initialised = false;
        module = nullptr;
    }
};
ExtensionModule gExtension;

std::unique_ptr<CBitmap> loadBitmap(UINT id) {
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->LoadBitmap(id)) return nullptr;
    return bitmap;
}

void initApp(void* appId) {
    if (auto* linker = dynamic_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(L"DynamicLinker"))) {
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
    }
    TqResourceScope resources;
    gCheckOn = loadBitmap(IDB_TQ_CHECKBOX_ON);
    gCheckOff = loadBitmap(IDB_TQ_CHECKBOX_OFF);
}

void unloadApp() {
    if (auto* commands = dynamic_cast<AcEdCommandStack*>(acrxSysRegistry()->at(L"ACAD_REGISTERED_COMMANDS")))
        commands->removeGroup(kTqCommandGroup);
    DestroyAllMacroDlgs();
    EndDlgEditConstraints();
    // Busy dialogs would close later from a timer into a module that is gone.
    forceCloseAllMacroDlgs();
    gCheckOn.reset();
    gCheckOff.reset();
}

}  // namespace

extern "C" BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        gInstance = instance;
        KmTempResourceOverride::SaveDefaultResource(instance);
        if (!gExtension.init(instance)) return FALSE;
        setStandardsEvaluator(&StartDlgStandardsTq);
        registerSheetEditorWithSpreadsheets();
    } else if (reason == DLL_PROCESS_DETACH) {
        if (standardsEvaluator() == &StartDlgStandardsTq) setStandardsEvaluator(nullptr);
        unregisterSheetEditorWithSpreadsheets();
        forceCloseAllMacroDlgs();
        gTqDlgsMgr.destroyAll();
        gExtension.term();
        if (KmTempResourceOverride::defaultResource() == instance) KmTempResourceOverride::SaveDefaultResource(nullptr);
        gInstance = nullptr;
    }
    return TRUE;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    switch (msg) {
    case AcRx::kInitAppMsg: initApp(appId); break;
    case AcRx::kUnloadAppMsg: unloadApp(); break;
    default: break;
    }
    return AcRx::kRetOK;
}

extern "C" int acrxGetApiVersion() { return kTqArxApiVersion; }

HINSTANCE tqModuleInstance() { return gInstance; }

CBitmap* tqCheckBitmap(bool checked) { return checked ? gCheckOn.get() : gCheckOff.get(); }

void EndDlgEditConstraints() {
    if (gConstraintCloser) gConstraintCloser();
}

KmConstraintEditorCloser setConstraintEditorCloser(KmConstraintEditorCloser closer) {
    KmConstraintEditorCloser previous = gConstraintCloser;
    gConstraintCloser = closer;
    return previous;
}
