#include "bench_sheet.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

#include "win/window.h"

namespace bench {

namespace {
std::wstring Wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }
std::string Narrow(const std::wstring& s) {
    std::string o;
    for (wchar_t c : s) o += c < 128 ? static_cast<char>(c) : '?';
    return o;
}
}  // namespace

Control::Control() {
    SSRegisterClass();
    hwnd_ = CreateWindowExW(0, SS_CLASSNAME, L"", 0, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    if (!hwnd_) {
        std::fprintf(stderr, "bench: cannot create a spreadsheet control\n");
        std::abort();
    }
}

Control::~Control() { DestroyWindow(hwnd_); }

std::wstring ScratchDir() {
    static const std::filesystem::path dir = [] {
        const char* env = std::getenv("TQ_BENCH_DIR");
        std::filesystem::path p = env && *env ? std::filesystem::path(env)
                                              : std::filesystem::temp_directory_path() /
                                                    ("tq-bench-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return dir.wstring();
}

std::wstring WorkloadFile(const Workload& w) {
    static std::map<std::string, std::wstring> written;
    auto it = written.find(w.name);
    if (it != written.end()) return it->second;
    const std::filesystem::path p = std::filesystem::path(ScratchDir()) / (w.name + ".kms");
    std::ofstream(p, std::ios::binary) << SheetFileText(w);
    return written[w.name] = p.wstring();
}

bool LoadFile(HWND h, const std::wstring& file, std::string& why) {
    if (SSLoadFromFile(h, file.c_str())) return true;
    why = "load failed: " + Narrow(SSGetLastErrorText(h));
    return false;
}

bool VerifyChecks(HWND h, const std::vector<Check>& checks, std::string& why) {
    std::wstring text;
    for (const Check& c : checks) {
        text.clear();
        if (!SSGetValue(h, c.col, c.row, text)) {
            why = CellName(c.col, c.row) + ": unreadable";
            return false;
        }
        if (!MatchesCheck(c, text, why)) return false;
    }
    return true;
}

bool SetCellText(HWND h, int col, int row, const std::string& text) {
    const std::wstring w = Wide(text);
    if (!text.empty() && text[0] == '=') return SSSetFormula(h, col, row, w.c_str() + 1);
    return SSSetData(h, col, row, w.c_str());
}

bool ApplyEdits(HWND h, const Workload& w, bool undo, std::string& why) {
    for (const Edit& e : w.edits) {
        bool ok;
        if (undo) ok = SetCellText(h, e.col, e.row, w.cells[e.row - 1][e.col - 1]);
        else if (e.isText) ok = SSSetData(h, e.col, e.row, Wide(e.text).c_str());
        else ok = SSSetFloat(h, e.col, e.row, e.number);
        if (!ok) {
            why = "cannot change " + CellName(e.col, e.row);
            return false;
        }
    }
    return true;
}

}  // namespace bench
