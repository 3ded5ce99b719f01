#include "win/module.h"

#include "win/encoding.h"
#include "win/paths.h"

#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <climits>

namespace {

std::wstring ModulePath(HMODULE m) {
    wchar_t buffer[4096];
    const DWORD n = GetModuleFileNameW(m, buffer, 4096);
    return std::wstring(buffer, n);
}

std::string Self() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    return std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

}  // namespace

TEST(ModulePath, ProgramPathIsInWindowsForm) {
    const std::wstring path = ModulePath(nullptr);
    EXPECT_EQ(path, WindowsPathFromHost(Self()));
    EXPECT_EQ(path.substr(0, 3), L"Z:\\");
    EXPECT_EQ(path.find(L'/'), std::wstring::npos);
    EXPECT_EQ(HostPathFromWindows(path), Self());
    EXPECT_EQ(ModulePath(GetModuleHandleW(nullptr)), path);

    char narrow[8];
    EXPECT_EQ(GetModuleFileNameA(nullptr, narrow, sizeof narrow), sizeof narrow);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(narrow), Utf8FromWide(path.substr(0, 7)));
}

TEST(ModulePath, LibraryHandleOrAddressNamesTheLibrary) {
    const std::wstring byAddress = ModulePath(reinterpret_cast<HMODULE>(&GetModuleFileNameW));
    EXPECT_NE(byAddress.find(L"libtq_win.so"), std::wstring::npos) << Utf8FromWide(byAddress);
    void* handle = ::dlopen(HostPathFromWindows(byAddress).c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(ModulePath(static_cast<HMODULE>(handle)), byAddress);
    EXPECT_EQ(static_cast<void*>(win::ModuleFromAddress(reinterpret_cast<const void*>(&GetModuleFileNameW))),
              handle);
    ::dlclose(handle);
    // An address in the program names the program.
    static int local = 0;
    EXPECT_EQ(ModulePath(reinterpret_cast<HMODULE>(&local)), ModulePath(nullptr));

    wchar_t buffer[16];
    EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(16)), buffer, 16), 0u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}
