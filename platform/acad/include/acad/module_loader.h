// Loads ARX modules (shared libraries) as the CAD host does:
//   load:   dlopen(path) -> DllMain(handle, DLL_PROCESS_ATTACH, nullptr) ->
//           acrxEntryPoint(kInitAppMsg, appId)
//   unload: acrxEntryPoint(kUnloadAppMsg, appId) -> DllMain(handle, DLL_PROCESS_DETACH,
//           nullptr) -> dlclose.
// The module's HINSTANCE is its dlopen handle (what GetModuleFileNameW and the resource
// look-ups of the window framework take); the application id is the same handle. A
// DllMain returning FALSE aborts the load (the library is closed again); a module without
// acrxEntryPoint is refused. The exports are looked up unmangled:
//   extern "C" BOOL DllMain(HINSTANCE, DWORD reason, LPVOID);
//   extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);
#pragma once

#include <string>
#include <vector>

#include "acad/rx.h"
#include "win/types.h"

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

using ArxDllMainFn = BOOL (*)(HINSTANCE, DWORD, LPVOID);
using ArxEntryPointFn = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);

namespace acad {

struct LoadedModule {
    std::wstring path;  // as given (Windows or host form)
    HINSTANCE instance = nullptr;
    ArxEntryPointFn entry = nullptr;
    ArxDllMainFn dllMain = nullptr;
};

// Loads the module; its instance handle, or null with a reason in *error.
// Loading a module that is loaded already returns its handle and runs nothing again.
HINSTANCE LoadArxModule(const std::wstring& path, std::string* error = nullptr);
// Runs the unload steps; false when the handle is not a loaded module.
bool UnloadArxModule(HINSTANCE module);
void UnloadAllArxModules();  // last loaded first
const std::vector<LoadedModule>& LoadedArxModules();
// Looks up another export of a loaded module.
void* ArxModuleSymbol(HINSTANCE module, const char* name);

}  // namespace acad

// The host's load and unload by name, as the command line offers them.
bool acrxLoadModule(const wchar_t* path, bool printErrors = true, bool asCmd = false);
bool acrxUnloadModule(const wchar_t* path, bool asCmd = false);
