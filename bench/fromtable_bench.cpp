// FROMTABLE in its four-argument form on a 5,000-row look-up sheet.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "acad/main_window.h"
#include "engine/formula.h"
#include "module_bench.h"
#include "spread/ss_api.h"
#include "win/globalmem.h"
#include "win/paths.h"
#include "win/window.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 5000;

std::wstring lookupSheet() {
    static std::wstring path;
    if (!path.empty()) return path;
    const fs::path file = fs::path(bench::ModuleScratchDir()) / "fromtable_lookup.kms";
    const RECT rect{0, 0, 300, 200};
    HWND sheet = SSCreateControl(adsw_acadMainWnd(), 1, rect);
    SSSetMaxCols(sheet, 3);
    SSSetMaxRows(sheet, kRows);
    SSSetData(sheet, 1, 0, L"Key");
    SSSetData(sheet, 2, 0, L"Width");
    SSSetData(sheet, 3, 0, L"Note");
    for (int row = 1; row <= kRows; ++row) {
        SSSetData(sheet, 1, row, (L"K" + std::to_wstring(row)).c_str());
        SSSetData(sheet, 2, row, std::to_wstring(row * 2).c_str());
        SSSetData(sheet, 3, row, L"stock");
    }
    path = WindowsPathFromHost(file.string());
    SSSaveToFile(sheet, path.c_str(), FALSE);
    DestroyWindow(sheet);
    // As a library file on a user's machine: unchanged for a while (a file written in the
    // last two seconds is read again at every look-up).
    std::error_code ec;
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1), ec);
    return path;
}

SS_CALCVALUE text(const std::wstring& s) {
    SS_CALCVALUE v;
    SSSetCalcValueStr(&v, s);
    return v;
}

void BM_FromTableFourArguments(benchmark::State& state) {
    bench::LoadModule();
    const std::wstring file = lookupSheet();
    SS_CALCVALUE args[4] = {text(file), text(L"Key"), text(L"Width"), text(L"K4000")};
    for (auto _ : state) {
        SS_CALCVALUE result;
        CFormula::fromTable(&result, args, 4);
        if (result.Status == SS_VALUE_STATUS_OK && result.Type == SS_VALUE_TYPE_STR)
            GlobalFree(result.Val.hValStr);
        benchmark::DoNotOptimize(result.Status);
    }
    for (SS_CALCVALUE& v : args) GlobalFree(v.Val.hValStr);
    state.SetLabel("5000-row sheet, key on row 4000");
}
BENCHMARK(BM_FromTableFourArguments)->Unit(benchmark::kMillisecond);

}  // namespace
