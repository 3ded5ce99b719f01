// Benchmarks that run the real module: tq.arx is loaded beside the program as the CAD
// host loads it, and unloaded when the benchmarks are done, before the program's own
// statics go away (module_bench_main.cpp holds main).
#pragma once

#include <string>

namespace benchmark { class State; }

namespace bench {

// Loads tq.arx once (resources, the pool of calculation windows and the evaluator).
void LoadModule();
// A fresh scratch folder for this process below the system's temporary folder.
std::string ModuleScratchDir();
// A value differs from the expected one: prints "WRONG VALUE in what: why", skips the
// benchmark and makes the program end with status 1.
void ReportWrongValue(benchmark::State& state, const std::string& what, const std::string& why);

}  // namespace bench
