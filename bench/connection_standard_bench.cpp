// Connection standards through the module, as the host evaluates them: W8 (the generated
// standard of 30 inputs, 100 locals, 20 outputs and 130 equations) in value mode for a
// table of input rows, and W9 (the example library's end plate) in macro mode. Every
// output is compared with its expected value; a wrong one fails the program.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "acad/db_object_id.h"
#include "engine/km_dlg_standards_data.h"
#include "frame/standards_launchers.h"
#include "host/macro_file.h"
#include "host/settings.h"
#include "module_bench.h"
#include "win/paths.h"
#include "workloads.h"

using namespace bench;

namespace {

// The generated standard for n input rows, written once into a library of its own.
struct W8Library {
    Standard standard;
    Zk_String libDir;
    Zk_String file;
};

const W8Library* w8Library(int rows, std::string& why) {
    static std::map<int, std::unique_ptr<W8Library>> cache;
    auto& slot = cache[rows];
    if (slot) return slot.get();
    auto lib = std::make_unique<W8Library>();
    lib->standard = MakeStandard(rows);
    const std::string dir = ModuleScratchDir() + "/w8_" + std::to_string(rows);
    if (!WriteStandardLibrary(lib->standard, dir, why)) return nullptr;
    // As a library on a user's machine: unchanged for a while. (Files written in the last
    // two seconds are read again on every use, so a fresh library would time the reads.)
    namespace fs = std::filesystem;
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(dir, ec)) fs::last_write_time(entry.path(), anHourAgo, ec);
    fs::last_write_time(dir, anHourAgo, ec);
    lib->libDir = Zk_String(WindowsPathFromHost(dir) + L"\\");
    lib->file = Zk_String(WindowsPathFromHost(dir + "/Connection Standards/W8.kms"));
    slot = std::move(lib);
    return slot.get();
}

// One evaluation of row r; false with why when it fails or an output is wrong.
bool evaluateRow(const W8Library& lib, std::size_t r, std::string& why) {
    const Standard& s = lib.standard;
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = lib.file;
    for (std::size_t i = 0; i < s.inputNames.size(); ++i) {
        KmVarCell cell;
        cell.varName = Zk_String(s.inputNames[i]);
        cell.cellType = KmCellType::Input;
        cell.valueType = s.inputIsText[i] ? KmValueType::String : KmValueType::Double;
        cell.value = Zk_String(s.inputRows[r][i]);
        data.varCells.append(cell);
    }
    for (const std::string& name : s.outputNames) {
        KmVarCell cell;
        cell.varName = Zk_String(name);
        cell.cellType = KmCellType::Output;
        cell.valueType = KmValueType::Double;
        data.varCells.append(cell);
    }
    if (!StartDlgStandardsTq(data)) {
        why = "row " + std::to_string(r + 1) + ": the evaluation failed";
        return false;
    }
    for (std::size_t j = 0; j < s.outputNames.size(); ++j) {
        const std::string got = data.varCells[static_cast<int>(s.inputNames.size() + j)].value.toUtf8();
        char* end = nullptr;
        const double v = std::strtod(got.c_str(), &end);
        if (got.empty() || *end != '\0' || !MatchesNumber(s.expected[r][j], v)) {
            why = "row " + std::to_string(r + 1) + ", " + s.outputNames[j] + ": expected " +
                  std::to_string(s.expected[r][j]) + ", got \"" + got + "\"";
            return false;
        }
    }
    return true;
}

double seconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// W8: every row of the input table once per iteration. "late/early" is the mean time of
// the last tenth of the rows over the first tenth: it stays near 1 when the time per sheet
// does not grow with the number of sheets already evaluated.
void BM_W8ConnectionStandard(benchmark::State& state) {
    LoadModule();
    const int rows = static_cast<int>(state.range(0));
    std::string why;
    const W8Library* lib = w8Library(rows, why);
    if (!lib) return ReportWrongValue(state, "W8", why);
    gSettings.libDir = lib->libDir;
    const std::size_t tenth = std::max<std::size_t>(1, static_cast<std::size_t>(rows) / 10);
    double early = 0, late = 0;
    for (auto _ : state) {
        for (std::size_t r = 0; r < static_cast<std::size_t>(rows); ++r) {
            const double t0 = seconds();
            if (!evaluateRow(*lib, r, why)) return ReportWrongValue(state, "W8", why);
            const double t = seconds() - t0;
            if (r < tenth) early += t;
            if (r + tenth >= static_cast<std::size_t>(rows)) late += t;
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * rows);
    state.counters["late/early"] = early > 0 ? late / early : 0;
    state.SetLabel("sheets per second in items_per_second");
}
BENCHMARK(BM_W8ConnectionStandard)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// W9: the example macro evaluated with the example library's standard and mapping; the
// macro's own values change as the standard computes them.
void BM_W9EndPlateMacroMode(benchmark::State& state) {
    LoadModule();
    const std::string library = std::string(TQ_SOURCE_DIR) + "/examples/library";
    gSettings.libDir = Zk_String(WindowsPathFromHost(library) + L"\\");
    const Zk_String macroFile(WindowsPathFromHost(std::string(TQ_SOURCE_DIR) + "/examples/macros/EndPlate.macro"));
    Zk_DbMacro original;
    MacroData originalData;
    Zk_String error;
    if (!readMacroFile(macroFile, original, originalData, error)) {
        state.SkipWithError("cannot read the example macro");
        return;
    }
    // The standard's outputs for the macro's HEA 200 column and 10 mm plate.
    const std::map<std::string, std::string> expected = {
        {"Width", "260"}, {"Length", "250"}, {"BoltDiameter", "16"}, {"Gauge", "110"}, {"EdgeDistance", "25"}};
    AcTransaction transaction;
    for (auto _ : state) {
        state.PauseTiming();
        Zk_DbMacro macro = original;
        MacroData macroData = originalData;
        state.ResumeTiming();
        KmDlgStandardsData data;
        data.initialize(&macro, L"EndPlate", L"EndPlate", &macroData);
        data.transaction = &transaction;
        if (!StartDlgStandardsTq(data)) return ReportWrongValue(state, "W9", "the evaluation failed");
        state.PauseTiming();
        std::size_t found = 0;
        for (int i = 0; i < data.varCells.length(); ++i) {
            const auto it = expected.find(data.varCells[i].varName.toUtf8());
            if (it == expected.end() || !data.varCells[i].isOutput()) continue;
            ++found;
            if (data.varCells[i].value.toUtf8() != it->second)
                return ReportWrongValue(state, "W9", it->first + ": expected " + it->second + ", got \"" +
                                                         data.varCells[i].value.toUtf8() + "\"");
        }
        if (found != expected.size()) return ReportWrongValue(state, "W9", "outputs missing");
        state.ResumeTiming();
    }
    state.SetLabel("example EndPlate.macro, HEA 200 column");
}
BENCHMARK(BM_W9EndPlateMacroMode)->Unit(benchmark::kMillisecond);

}  // namespace
