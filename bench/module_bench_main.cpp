// main of the benchmarks that load the module: the module is unloaded after the runs, as
// the host unloads it, instead of from an exit handler racing the program's statics.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "acad/module_loader.h"
#include "module_bench.h"

namespace fs = std::filesystem;

namespace bench {

namespace {
bool gLoaded = false;
bool gWrongValue = false;
}

void LoadModule() {
    if (gLoaded) return;
    gLoaded = true;
    const fs::path arx = fs::read_symlink("/proc/self/exe").parent_path() / "tq.arx";
    acad::LoadArxModule(arx.wstring());
}

std::string ModuleScratchDir() {
    static const std::string dir = [] {
        const fs::path p = fs::temp_directory_path() / ("tq_module_bench_" + std::to_string(::getpid()));
        std::error_code ec;
        fs::remove_all(p, ec);
        fs::create_directories(p, ec);
        return p.string();
    }();
    return dir;
}

void ReportWrongValue(benchmark::State& state, const std::string& what, const std::string& why) {
    std::fprintf(stderr, "WRONG VALUE in %s: %s\n", what.c_str(), why.c_str());
    gWrongValue = true;
    state.SkipWithError(why.c_str());
}

}  // namespace bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (bench::gLoaded) acad::UnloadAllArxModules();
    std::error_code ec;
    fs::remove_all(bench::ModuleScratchDir(), ec);
    return bench::gWrongValue ? 1 : 0;
}
