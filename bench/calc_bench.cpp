// Evaluation of a generated standard: N declarations (10 inputs, 10 outputs, the rest
// locals) and N equations, ten of them table look-ups into a 2,000-row table, in value
// mode as a child call runs it. Measures one whole evaluation (load, values in,
// calculation pass, values out) for N = 125, 250 and 500.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/km_calc_tq.h"
#include "engine/km_dlg_standards_data.h"
#include "host/settings.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "win/paths.h"

namespace {

constexpr UINT kDialogId = 30254;
constexpr int kPlaceholderId = 1196;

std::filesystem::path benchLibrary() {
    static const std::filesystem::path root = [] {
        auto p = std::filesystem::temp_directory_path() / "tq_calc_bench";
        std::filesystem::create_directories(p / "Connection Standards" / "Data");
        std::ofstream table(p / "Connection Standards" / "Data" / "bench_table.txt");
        table << "// generated look-up table\n";
        for (int k = 0; k < 2000; ++k) table << k << ".000000\t" << k * 2 << "\n";
        gSettings.libDir = Zk_String(WindowsPathFromHost(p.string())) + L"\\";
        return p;
    }();
    return root;
}

// Writes the standard with n declarations and n equations; returns its Windows path.
Zk_String writeStandard(int n) {
    const int locals = n - 20;
    std::string s = "Input\n\n";
    for (int i = 0; i < 10; ++i) s += "Double In" + std::to_string(i) + "\n";
    s += "Output\n\n";
    for (int i = 0; i < 10; ++i) s += "Double Out" + std::to_string(i) + "\n";
    s += "Local\n\n";
    for (int i = 0; i < locals; ++i) s += "Double L" + std::to_string(i) + "\n";
    s += "Calc\n";
    // n - 20 chained equations, ten look-ups, ten sums: n equations.
    for (int i = 0; i < locals; ++i)
        s += "L" + std::to_string(i) + " = " + (i ? "L" + std::to_string(i - 1) : std::string("0")) + " + In" +
             std::to_string(i % 10) + " * 0.5\n";
    for (int k = 0; k < 10; ++k)
        s += "Out" + std::to_string(k) + " = GETCELL(\"bench_table.txt\", " + std::to_string(1500 + 40 * k) + " + In" +
             std::to_string(k) + ")\n";
    for (int k = 0; k < 10; ++k)
        s += "Out" + std::to_string(k) + " = Out" + std::to_string(k) + " + L" + std::to_string(locals - 1) + "\n";
    // As a sheet file: every line one text cell, the sheet as large as the grid.
    std::string file = "grid\n";
    int rows = 0;
    for (std::size_t start = 0; start < s.size(); ++rows) {
        const std::size_t eol = s.find('\n', start);
        const std::string line = s.substr(start, eol - start);
        file += line.empty() ? "\n" : "'" + line + "\n";
        start = eol + 1;
    }
    file = "KMSHEET\t1\nsize\t1\t" + std::to_string(rows) + "\n" + file + "end\n";
    const auto path = benchLibrary() / "Connection Standards" / ("bench" + std::to_string(n) + ".kms");
    std::ofstream(path) << file;
    return Zk_String(WindowsPathFromHost(path.string()));
}

KmVarCell cell(const std::string& name, KmCellType type, const char* value) {
    KmVarCell c;
    c.varName = Zk_String(name);
    c.cellType = type;
    c.valueType = KmValueType::Double;
    c.value = Zk_String(value);
    return c;
}

void BM_EvaluateStandard(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Zk_String file = writeStandard(n);
    mfc::DialogTemplate t;
    t.cx = 200;
    t.cy = 100;
    t.label(kPlaceholderId, L"", 10, 10, 150, 60);
    mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kDialogId, t);
    CDialog dialog;
    dialog.Create(kDialogId, nullptr);
    KmCalcTq calc;
    if (!calc.createFromPlaceholder(&dialog, kPlaceholderId, true)) {
        state.SkipWithError("no calculation window");
        return;
    }
    KmDlgStandardsData request;
    request.evalMode = KmDlgStandardsData::kValueMode;
    request.tqFileName = file;
    for (int i = 0; i < 10; ++i) request.varCells.append(cell("In" + std::to_string(i), KmCellType::Input, "1"));
    for (int i = 0; i < 10; ++i) request.varCells.append(cell("Out" + std::to_string(i), KmCellType::Output, "0"));
    for (auto _ : state) {
        KmDlgStandardsData data = request;
        const bool ok = calc.loadFile(data.tqFileName) == Acad::eOk && calc.initFromVars(data) == Acad::eOk &&
                        calc.calcForVars(data.varCells) == Acad::eOk;
        if (!ok) {
            state.SkipWithError("evaluation failed");
            break;
        }
        benchmark::DoNotOptimize(data.varCells[10].value);
    }
    calc.DestroyWindow();
    dialog.DestroyWindow();
}
BENCHMARK(BM_EvaluateStandard)->Arg(125)->Arg(250)->Arg(500)->Unit(benchmark::kMillisecond);

}  // namespace
