// A minimal ARX module for the loader tests: it notes every entry on the command line and
// does what a module does at load and unload.
#include "acad/command_line.h"
#include "acad/module_loader.h"
#include "acad/rx.h"
#include "win/module.h"

namespace {
HINSTANCE gInstance = nullptr;
}

extern "C" BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) gInstance = instance;
    acutPrintf(L"DllMain %d;", static_cast<int>(reason));
    return TRUE;
}

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
    acutPrintf(L"entry %d;", static_cast<int>(msg));
    if (msg == AcRx::kInitAppMsg) {
        auto* linker = static_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at("DynamicLinker"));
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
    } else if (msg == AcRx::kUnloadAppMsg) {
        static_cast<AcEdCommandStack*>(acrxSysRegistry()->at("ACAD_REGISTERED_COMMANDS"))->removeGroup(L"TEST_GROUP");
    }
    return AcRx::kRetOK;
}

// The instance handle the module was given, for the test to compare.
extern "C" HINSTANCE TestModuleInstance() { return gInstance; }
