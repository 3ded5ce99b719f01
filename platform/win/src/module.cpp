// Module handles (dlopen handles or addresses) and their paths in Windows form.
#include "win/module.h"

#include "win/encoding.h"
#include "win/paths.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace {

link_map* ProgramLinkMap() {
    void* self = ::dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD);
    if (!self) return nullptr;
    link_map* lm = nullptr;
    const bool ok = ::dlinfo(self, RTLD_DI_LINKMAP, &lm) == 0;
    ::dlclose(self);
    return ok ? lm : nullptr;
}

// Is handle one of the link maps of the process (what dlopen hands out)?
link_map* AsLinkMap(HMODULE handle) {
    link_map* first = ProgramLinkMap();
    while (first && first->l_prev) first = first->l_prev;
    for (link_map* lm = first; lm; lm = lm->l_next)
        if (static_cast<void*>(lm) == static_cast<void*>(handle)) return lm;
    return nullptr;
}

std::string ProgramPath() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    return std::string(buffer, static_cast<std::size_t>(n));
}

// Host path of a module, empty when the handle names none.
std::string HostPathOf(HMODULE module) {
    if (!module) return ProgramPath();
    link_map* lm = AsLinkMap(module);
    if (!lm) {
        Dl_info info {};
        void* extra = nullptr;
        if (::dladdr1(static_cast<const void*>(module), &info, &extra, RTLD_DL_LINKMAP) == 0 || !extra)
            return {};
        lm = static_cast<link_map*>(extra);
    }
    if (!lm->l_name || !*lm->l_name || lm == ProgramLinkMap()) return ProgramPath();
    char resolved[PATH_MAX];
    if (::realpath(lm->l_name, resolved)) return resolved;
    return lm->l_name;
}

template <typename Char>
DWORD CopyOut(const std::basic_string<Char>& path, Char* buffer, DWORD size) {
    if (!buffer || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() >= size) {
        std::copy(path.begin(), path.begin() + (size - 1), buffer);
        buffer[size - 1] = 0;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::copy(path.begin(), path.end(), buffer);
    buffer[path.size()] = 0;
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

}  // namespace

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
    const std::string host = HostPathOf(module);
    if (host.empty()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return CopyOut(WindowsPathFromHost(host), buffer, size);
}

DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size) {
    const std::string host = HostPathOf(module);
    if (host.empty()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return CopyOut(WindowsPathFromHostA(host), buffer, size);
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    if (moduleName) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    return reinterpret_cast<HMODULE>(ProgramLinkMap());
}

namespace win {

HMODULE ModuleFromAddress(const void* address) {
    Dl_info info {};
    void* extra = nullptr;
    if (!address || ::dladdr1(address, &info, &extra, RTLD_DL_LINKMAP) == 0 || !extra) return nullptr;
    return reinterpret_cast<HMODULE>(extra);
}

}  // namespace win
