// Speed of the spreadsheet control: loading and calculating formula sheets (chains and
// independent blocks), loading plain data, recalculation after a change, range sums over
// growing prefixes, look-ups, and the memory of a huge sparse sheet. Every workload checks
// its closed-form result before its time counts.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "spread/ss_api.h"
#include "win/window.h"

namespace {

HWND Parent() {
    static HWND p = [] {
        WNDCLASSW wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.lpszClassName = L"SpreadBenchParent";
        RegisterClassW(&wc);
        return CreateWindowExW(0, L"SpreadBenchParent", L"", WS_OVERLAPPEDWINDOW, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
    }();
    return p;
}

HWND NewSheet() {
    RECT r{0, 0, 600, 400};
    return SSCreateControl(Parent(), 1, r);
}

std::wstring Value(HWND h, SS_COORD c, SS_COORD r) {
    std::wstring t;
    SSGetValue(h, c, r, t);
    return t;
}

std::string Letters(int col) {
    std::string s;
    while (col > 0) { --col; s.insert(s.begin(), static_cast<char>('A' + col % 26)); col /= 26; }
    return s;
}

// `chains` columns, each a chain of `length` cells: row 1 holds 1, row r "=X(r-1)+1".
std::string ChainFile(int chains, int length) {
    std::string f = "KMSHEET\t1\nsize\t" + std::to_string(chains) + "\t" + std::to_string(length) + "\ngrid\n";
    for (int r = 1; r <= length; ++r) {
        for (int c = 1; c <= chains; ++c) {
            if (c > 1) f += '\t';
            if (r == 1) f += "1";
            else f += "=" + Letters(c) + std::to_string(r - 1) + "+1";
        }
        f += '\n';
    }
    return f + "end\n";
}

// Independent blocks: A(i) data, B(i) = A(i)*2+1.
std::string BlockFile(int rows) {
    std::string f = "KMSHEET\t1\nsize\t2\t" + std::to_string(rows) + "\ngrid\n";
    for (int r = 1; r <= rows; ++r) f += std::to_string(r) + "\t=A" + std::to_string(r) + "*2+1\n";
    return f + "end\n";
}

std::string PlainFile(int rows, int cols) {
    std::string f = "KMSHEET\t1\nsize\t" + std::to_string(cols) + "\t" + std::to_string(rows) + "\ngrid\n";
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            if (c > 1) f += '\t';
            f += std::to_string(r * 10 + c);
        }
        f += '\n';
    }
    return f + "end\n";
}

void BM_LoadCalcChains(benchmark::State& state) {
    const int chains = static_cast<int>(state.range(0)), length = 10000 / chains;
    std::string file = ChainFile(chains, length);
    HWND h = NewSheet();
    for (auto _ : state) {
        if (!SSLoadFromBuffer(h, file, L"chains")) { state.SkipWithError("load failed"); break; }
        if (Value(h, chains, length) != std::to_wstring(length)) { state.SkipWithError("wrong result"); break; }
    }
    state.counters["cells/s"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    DestroyWindow(h);
}
BENCHMARK(BM_LoadCalcChains)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_LoadCalcBlocks(benchmark::State& state) {
    std::string file = BlockFile(10000);
    HWND h = NewSheet();
    for (auto _ : state) {
        if (!SSLoadFromBuffer(h, file, L"blocks")) { state.SkipWithError("load failed"); break; }
        if (Value(h, 2, 10000) != L"20001") { state.SkipWithError("wrong result"); break; }
    }
    state.counters["cells/s"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    DestroyWindow(h);
}
BENCHMARK(BM_LoadCalcBlocks)->Unit(benchmark::kMillisecond);

void BM_LoadPlainMillion(benchmark::State& state) {
    std::string file = PlainFile(100000, 10);
    HWND h = NewSheet();
    for (auto _ : state) {
        if (!SSLoadFromBuffer(h, file, L"plain")) { state.SkipWithError("load failed"); break; }
        if (Value(h, 10, 100000) != L"1000010") { state.SkipWithError("wrong result"); break; }
    }
    state.counters["cells/s"] = benchmark::Counter(1e6 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    DestroyWindow(h);
}
BENCHMARK(BM_LoadPlainMillion)->Unit(benchmark::kMillisecond);

// Changing the head of a chain of N recalculates all N cells.
void BM_RecalcChainHead(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    HWND h = NewSheet();
    SSLoadFromBuffer(h, ChainFile(1, n), L"chain");
    double head = 1;
    for (auto _ : state) {
        head += 1;
        SSSetFloat(h, 1, 1, head);
        if (Value(h, 1, n) != std::to_wstring(static_cast<long long>(head) + n - 1)) { state.SkipWithError("wrong result"); break; }
    }
    state.counters["cells/s"] = benchmark::Counter(static_cast<double>(n) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    DestroyWindow(h);
}
BENCHMARK(BM_RecalcChainHead)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// E(i) = SUM($A$1:A(i-1)) over growing prefixes: must stay near-linear in the rows.
void BM_PrefixSums(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::string f = "KMSHEET\t1\nsize\t5\t" + std::to_string(n) + "\ngrid\n";
    for (int r = 1; r <= n; ++r) f += "1\t\t\t\t=SUM($A$1:A" + std::to_string(r) + ")\n";
    f += "end\n";
    HWND h = NewSheet();
    SSLoadFromBuffer(h, f, L"prefix");
    for (auto _ : state) {
        SSReCalc(h);
        if (Value(h, 5, n) != std::to_wstring(n)) { state.SkipWithError("wrong result"); break; }
    }
    DestroyWindow(h);
}
BENCHMARK(BM_PrefixSums)->Arg(1000)->Arg(5000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

// 10,000 exact VLOOKUPs and 10,000 approximate MATCHes into a sorted table of 10,000 rows.
void BM_Lookups(benchmark::State& state) {
    const int n = 10000;
    std::string f = "KMSHEET\t1\nsize\t4\t" + std::to_string(n) + "\ngrid\n";
    for (int r = 1; r <= n; ++r)
        f += std::to_string(r * 2) + "\tv" + std::to_string(r) + "\t=VLOOKUP(" + std::to_string(r * 2) + ",$A$1:$B$" + std::to_string(n) +
             ",2,FALSE)\t=MATCH(" + std::to_string(r * 2 + 1) + ",$A$1:$A$" + std::to_string(n) + ")\n";
    f += "end\n";
    HWND h = NewSheet();
    for (auto _ : state) {
        if (!SSLoadFromBuffer(h, f, L"lookups")) { state.SkipWithError("load failed"); break; }
        if (Value(h, 3, n) != L"v" + std::to_wstring(n) || Value(h, 4, 77) != L"77") { state.SkipWithError("wrong result"); break; }
    }
    DestroyWindow(h);
}
BENCHMARK(BM_Lookups)->Unit(benchmark::kMillisecond);

// A sheet of 1,000,000 rows by 1,000 columns holding 100 cells: heap bytes it takes.
void BM_SparseHugeSheetMemory(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::size_t before = mallinfo2().uordblks;
        HWND h = NewSheet();
        SSSetMaxRows(h, 1000000);
        SSSetMaxCols(h, 1000);
        for (int i = 0; i < 100; ++i) SSSetFloat(h, 1 + i * 10, 1 + i * 10000, i);
        bytes = mallinfo2().uordblks - before;
        DestroyWindow(h);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SparseHugeSheetMemory)->Iterations(3);

}  // namespace
