// The generated workloads through the spreadsheet control's C API: loading (which
// calculates), a full recalculation, and the recalculation after a change. Every value is
// checked before a time counts; a wrong value fails the benchmark and the program.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

#include "bench_sheet.h"

using namespace bench;

namespace {

bool gFailed = false;

void Fail(benchmark::State& state, const std::string& what, const std::string& why) {
    std::fprintf(stderr, "WRONG VALUE in %s: %s\n", what.c_str(), why.c_str());
    gFailed = true;
    state.SkipWithError(why.c_str());
}

const Workload& Get(const std::string& group, int n) {
    static std::map<std::pair<std::string, int>, std::unique_ptr<Workload>> cache;
    auto& slot = cache[{group, n}];
    if (!slot) {
        Workload w = group == "W1"   ? MakeChain(n)
                     : group == "W2" ? MakeIndependent(n)
                     : group == "W3" ? MakePrefixSums(n)
                     : group == "W4" ? MakeRowRecurrence(n)
                     : group == "W5" ? MakeConcat(n)
                                     : MakeLookups(n);
        slot = std::make_unique<Workload>(std::move(w));
    }
    return *slot;
}

// Load and calculate the file; the checks run on the state the last load left.
void Load(benchmark::State& state, const std::string& group) {
    const Workload& w = Get(group, static_cast<int>(state.range(0)));
    const std::wstring file = WorkloadFile(w);
    Control c;
    std::string why;
    if (!LoadFile(c.hwnd(), file, why) || !VerifyChecks(c.hwnd(), w.checks, why)) return Fail(state, w.name, why);
    for (auto _ : state) {
        if (!LoadFile(c.hwnd(), file, why)) return Fail(state, w.name, why);
    }
    if (!VerifyChecks(c.hwnd(), w.checks, why)) return Fail(state, w.name, why);
    state.SetComplexityN(state.range(0));
    state.counters["formulas"] = static_cast<double>(w.formulaCount());
}

// Full recalculation of a loaded sheet.
void Recalc(benchmark::State& state, const std::string& group) {
    const Workload& w = Get(group, static_cast<int>(state.range(0)));
    Control c;
    std::string why;
    if (!LoadFile(c.hwnd(), WorkloadFile(w), why)) return Fail(state, w.name, why);
    for (auto _ : state) SSReCalc(c.hwnd());
    if (!VerifyChecks(c.hwnd(), w.checks, why)) return Fail(state, w.name, why);
    state.SetComplexityN(state.range(0));
}

// The change and its automatic recalculation, alternating with putting the cells back.
void Change(benchmark::State& state, const std::string& group) {
    const Workload& w = Get(group, static_cast<int>(state.range(0)));
    Control c;
    std::string why;
    if (!LoadFile(c.hwnd(), WorkloadFile(w), why)) return Fail(state, w.name, why);
    if (!ApplyEdits(c.hwnd(), w, false, why) || !VerifyChecks(c.hwnd(), w.checksAfter, why) ||
        !ApplyEdits(c.hwnd(), w, true, why) || !VerifyChecks(c.hwnd(), w.checks, why))
        return Fail(state, w.name, why);
    bool changed = false;
    for (auto _ : state) {
        changed = !changed;
        if (!ApplyEdits(c.hwnd(), w, !changed, why)) return Fail(state, w.name, why);
    }
    if (!VerifyChecks(c.hwnd(), changed ? w.checksAfter : w.checks, why)) return Fail(state, w.name, why);
    state.SetComplexityN(state.range(0));
}

// The connection standard as a plain sheet: inputs of one row in, recalculation, outputs
// read and compared, row after row (sheets per second).
void StandardRows(benchmark::State& state) {
    static const Standard s = MakeStandard(1000);
    Control c;
    std::string why;
    if (!LoadFile(c.hwnd(), WorkloadFile(s.flat), why) || !VerifyChecks(c.hwnd(), s.flat.checks, why))
        return Fail(state, "W8_flat", why);
    SSSetBool(c.hwnd(), SSB_AUTOCALC, FALSE);
    std::size_t r = 0;
    std::int64_t sheets = 0;
    for (auto _ : state) {
        const auto& row = s.inputRows[r];
        for (std::size_t i = 0; i < row.size(); ++i) {
            const std::wstring v(row[i].begin(), row[i].end());
            if (!SSSetData(c.hwnd(), 1, static_cast<SS_COORD>(i) + 1, v.c_str())) return Fail(state, "W8_flat", "input not set");
        }
        SSReCalc(c.hwnd());
        for (std::size_t j = 0; j < s.outputRowsInFlat.size(); ++j) {
            double got = 0;
            if (!SSGetFloat(c.hwnd(), 2, s.outputRowsInFlat[j], &got) || !MatchesNumber(s.expected[r][j], got))
                return Fail(state, "W8_flat", "row " + std::to_string(r + 1) + " output " + s.outputNames[j] + ": expected " +
                                                  std::to_string(s.expected[r][j]) + ", got " + std::to_string(got));
        }
        r = (r + 1) % s.inputRows.size();
        ++sheets;
    }
    state.SetItemsProcessed(sheets);
}

void Register() {
    const std::vector<std::int64_t> growth = {1000, 10000, 100000};
    auto withSizes = [](benchmark::internal::Benchmark* b, const std::vector<std::int64_t>& sizes, bool fit) {
        for (auto n : sizes) b->Arg(n);
        b->Unit(benchmark::kMillisecond);
        if (fit) b->Complexity(benchmark::oN);
    };
    withSizes(benchmark::RegisterBenchmark("W1_chain/load", Load, std::string("W1")), growth, true);
    withSizes(benchmark::RegisterBenchmark("W1_chain/recalc", Recalc, std::string("W1")), growth, true);
    withSizes(benchmark::RegisterBenchmark("W7_chain_head/change", Change, std::string("W1")), growth, true);
    withSizes(benchmark::RegisterBenchmark("W2_independent/load", Load, std::string("W2")), growth, true);
    withSizes(benchmark::RegisterBenchmark("W2_independent/recalc", Recalc, std::string("W2")), growth, true);
    withSizes(benchmark::RegisterBenchmark("W3_prefix_sums/load", Load, std::string("W3")), {1000, 5000, 20000, 100000}, true);
    withSizes(benchmark::RegisterBenchmark("W3_prefix_sums/recalc", Recalc, std::string("W3")), {1000, 5000, 20000, 100000}, true);
    withSizes(benchmark::RegisterBenchmark("W3_prefix_sums/change", Change, std::string("W3")), {5000}, false);
    withSizes(benchmark::RegisterBenchmark("W4_row_recurrence/load", Load, std::string("W4")), {10000}, false);
    withSizes(benchmark::RegisterBenchmark("W4_row_recurrence/change", Change, std::string("W4")), {10000}, false);
    withSizes(benchmark::RegisterBenchmark("W5_concat/load", Load, std::string("W5")), {10000}, false);
    withSizes(benchmark::RegisterBenchmark("W5_concat/change", Change, std::string("W5")), {10000}, false);
    withSizes(benchmark::RegisterBenchmark("W6_lookups/load", Load, std::string("W6")), {1000, 10000}, false);
    withSizes(benchmark::RegisterBenchmark("W6_lookups/recalc", Recalc, std::string("W6")), {1000, 10000}, false);
    withSizes(benchmark::RegisterBenchmark("W7_lookup_key/change", Change, std::string("W6")), {1000, 10000}, false);
    benchmark::RegisterBenchmark("W8_standard_plain_sheet/rows", StandardRows)->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
    Register();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (gFailed) std::fprintf(stderr, "workloads_bench: some values were wrong (see above)\n");
    return gFailed ? 1 : 0;
}
