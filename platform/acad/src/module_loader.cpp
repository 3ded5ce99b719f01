#include "acad/module_loader.h"

#include <dlfcn.h>

#include <algorithm>

#include "acad/command_line.h"
#include "win/encoding.h"
#include "win/paths.h"

namespace acad {
namespace {
std::vector<LoadedModule>& Mods() {
    static std::vector<LoadedModule> m;
    return m;
}
std::string HostPath(const std::wstring& path) {
    bool windows = path.find(L'\\') != std::wstring::npos || (path.size() > 1 && path[1] == L':');
    return windows ? HostPathFromWindows(path) : Utf8FromWide(path);
}
}  // namespace

HINSTANCE LoadArxModule(const std::wstring& path, std::string* error) {
    std::string host = HostPath(path);
    void* h = dlopen(host.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!h) {
        if (error) *error = dlerror();
        return nullptr;
    }
    auto inst = static_cast<HINSTANCE>(h);
    for (auto& m : Mods()) {
        if (m.instance == inst) {
            dlclose(h);  // drop the extra reference; it is loaded already
            return inst;
        }
    }
    LoadedModule m;
    m.path = path;
    m.instance = inst;
    m.entry = reinterpret_cast<ArxEntryPointFn>(dlsym(h, "acrxEntryPoint"));
    m.dllMain = reinterpret_cast<ArxDllMainFn>(dlsym(h, "DllMain"));
    if (!m.entry) {
        if (error) *error = "the module has no acrxEntryPoint";
        dlclose(h);
        return nullptr;
    }
    if (m.dllMain && !m.dllMain(inst, DLL_PROCESS_ATTACH, nullptr)) {
        if (error) *error = "the module refused to attach";
        m.dllMain(inst, DLL_PROCESS_DETACH, nullptr);
        dlclose(h);
        return nullptr;
    }
    Mods().push_back(m);
    if (m.entry(AcRx::kInitAppMsg, inst) != AcRx::kRetOK) {
        if (error) *error = "the module failed to initialise";
        UnloadArxModule(inst);
        return nullptr;
    }
    return inst;
}

bool UnloadArxModule(HINSTANCE module) {
    auto& mods = Mods();
    auto it = std::find_if(mods.begin(), mods.end(), [&](const LoadedModule& m) { return m.instance == module; });
    if (it == mods.end()) return false;
    LoadedModule m = *it;
    mods.erase(it);
    m.entry(AcRx::kUnloadAppMsg, m.instance);
    if (m.dllMain) m.dllMain(m.instance, DLL_PROCESS_DETACH, nullptr);
    dlclose(m.instance);
    return true;
}

void UnloadAllArxModules() {
    while (!Mods().empty()) UnloadArxModule(Mods().back().instance);
}

const std::vector<LoadedModule>& LoadedArxModules() { return Mods(); }

void* ArxModuleSymbol(HINSTANCE module, const char* name) {
    for (auto& m : Mods()) {
        if (m.instance == module) return dlsym(m.instance, name);
    }
    return nullptr;
}

}  // namespace acad

bool acrxLoadModule(const wchar_t* path, bool printErrors, bool) {
    std::string error;
    if (!path || !acad::LoadArxModule(path, &error)) {
        if (printErrors) acutPrintf(L"\nUnable to load %s: %S\n", path ? path : L"", error.c_str());
        return false;
    }
    return true;
}

bool acrxUnloadModule(const wchar_t* path, bool) {
    if (!path) return false;
    for (auto& m : acad::LoadedArxModules()) {
        if (m.path == path) return acad::UnloadArxModule(m.instance);
    }
    return false;
}
