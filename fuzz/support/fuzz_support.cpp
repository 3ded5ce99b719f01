#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "spread/ss_api.h"
#include "win/paths.h"
#include "win/window.h"

namespace fuzz {

const std::string& scratchDir() {
    static const std::string dir = [] {
        std::filesystem::path p =
            std::filesystem::temp_directory_path() / ("tq_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p.string();
    }();
    return dir;
}

Zk_String scratchPath(const std::string& name) {
    return Zk_String(WindowsPathFromHost(scratchDir() + "/" + name));
}

Zk_String writeScratch(const std::string& name, std::string_view bytes) {
    const std::string host = scratchDir() + "/" + name;
    std::filesystem::create_directories(std::filesystem::path(host).parent_path());
    std::FILE* f = std::fopen(host.c_str(), "wb");
    if (f) {
        if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return scratchPath(name);
}

std::string readHostFile(const std::string& hostPath) {
    std::ifstream in(hostPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

namespace {
LRESULT parentProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(h, msg, wp, lp); }

HWND parentWindow() {
    static HWND parent = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = parentProc;
        wc.lpszClassName = L"FuzzSheetParent";
        RegisterClassW(&wc);
        return CreateWindowExW(0, L"FuzzSheetParent", L"fuzz", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr,
                               nullptr, nullptr, nullptr);
    }();
    return parent;
}
}  // namespace

HWND freshSheet(int index) {
    static HWND sheets[4] = {};
    if (index < 0 || index > 3) index = 0;
    if (!sheets[index]) {
        RECT r{0, 0, 600, 400};
        sheets[index] = SSCreateControl(parentWindow(), 100 + index, r);
        if (!sheets[index]) propertyFailed("support", "spreadsheet control could not be created");
    }
    HWND ss = sheets[index];
    SSReset(ss);
    return ss;
}

void propertyFailed(const char* target, const std::string& what) {
    std::fprintf(stderr, "[%s] property failed: %s\n", target, what.c_str());
    std::fflush(stderr);
    std::abort();
}

}  // namespace fuzz
