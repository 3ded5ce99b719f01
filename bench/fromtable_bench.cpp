// FROMTABLE in its four-argument form on a 5,000-row look-up sheet, and one warm
// macro-mode evaluation of the bundled example standard.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "acad/db_object_id.h"
#include "acad/main_window.h"
#include "acad/module_loader.h"
#include "engine/formula.h"
#include "engine/km_dlg_standards_data.h"
#include "frame/standards_launchers.h"
#include "host/macro_file.h"
#include "host/settings.h"
#include "spread/ss_api.h"
#include "win/globalmem.h"
#include "win/paths.h"
#include "win/window.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRows = 5000;

// Loads tq.arx beside the program once (resources, pool and evaluator set up).
void loadModule() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    const fs::path arx = fs::read_symlink("/proc/self/exe").parent_path() / "tq.arx";
    acad::LoadArxModule(arx.wstring());
    // Unload as the host does, before the program's own statics go away.
    std::atexit([] { acad::UnloadAllArxModules(); });
}

std::wstring lookupSheet() {
    static std::wstring path;
    if (!path.empty()) return path;
    const fs::path file = fs::temp_directory_path() / ("tq_fromtable_" + std::to_string(::getpid()) + ".kms");
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
    return path;
}

SS_CALCVALUE text(const std::wstring& s) {
    SS_CALCVALUE v;
    SSSetCalcValueStr(&v, s);
    return v;
}

void BM_FromTableFourArguments(benchmark::State& state) {
    loadModule();
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

void BM_EndPlateMacroMode(benchmark::State& state) {
    loadModule();
    const std::string library = std::string(TQ_SOURCE_DIR) + "/examples/library";
    gSettings.libDir = Zk_String(WindowsPathFromHost(library) + L"\\");
    const Zk_String macroFile(WindowsPathFromHost(std::string(TQ_SOURCE_DIR) + "/examples/macros/EndPlate.macro"));
    Zk_DbMacro macro;
    MacroData macroData;
    Zk_String error;
    if (!readMacroFile(macroFile, macro, macroData, error)) {
        state.SkipWithError("cannot read the example macro");
        return;
    }
    AcTransaction transaction;
    for (auto _ : state) {
        KmDlgStandardsData data;
        data.initialize(&macro, L"EndPlate", L"EndPlate", &macroData);
        data.transaction = &transaction;
        benchmark::DoNotOptimize(StartDlgStandardsTq(data));
    }
}
BENCHMARK(BM_EndPlateMacroMode)->Unit(benchmark::kMillisecond);

}  // namespace
