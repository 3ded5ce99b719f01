// Times one generated workload in phases through the spreadsheet control, for the
// comparison with other engines: load (read and parse the file), first calculation, and
// recalculation after the workload's change. Prints one JSON line.
//
//   phase_run WORKDIR NAME [--runs N] [--warmup N]
// NAME is a workload name of workloads.json ("W1_1000", ...) or "W8" (the standard as a
// plain sheet: recalculation is one input row after another, outputs read and checked).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_sheet.h"

using namespace bench;
using Clock = std::chrono::steady_clock;

namespace {

double Ms(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

long PeakRssKb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

bool MakeWorkload(const std::string& name, Workload& w) {
    const auto us = name.find('_');
    if (us == std::string::npos) return false;
    const std::string g = name.substr(0, us);
    const int n = std::atoi(name.c_str() + us + 1);
    if (n <= 0) return false;
    if (g == "W1") w = MakeChain(n);
    else if (g == "W2") w = MakeIndependent(n);
    else if (g == "W3") w = MakePrefixSums(n);
    else if (g == "W4") w = MakeRowRecurrence(n);
    else if (g == "W5") w = MakeConcat(n);
    else if (g == "W6") w = MakeLookups(n);
    else return false;
    return true;
}

std::string List(const std::vector<double>& v) {
    std::string o = "[";
    for (std::size_t i = 0; i < v.size(); ++i) {
        char b[32];
        std::snprintf(b, sizeof b, "%s%.4f", i ? "," : "", v[i]);
        o += b;
    }
    return o + "]";
}

int Report(const std::string& name, const std::vector<double>& load, const std::vector<double>& calc,
           const std::vector<double>& recalc, long baseKb, const std::string& error, const std::string& extra = "") {
    std::printf("{\"engine\":\"tq\",\"workload\":\"%s\",\"load\":%s,\"calc\":%s,\"recalc\":%s,\"rss_kb\":%ld,"
                "\"base_rss_kb\":%ld,\"ok\":%s,\"error\":\"%s\"%s}\n",
                name.c_str(), List(load).c_str(), List(calc).c_str(), List(recalc).c_str(), PeakRssKb(), baseKb,
                error.empty() ? "true" : "false", error.c_str(), extra.c_str());
    return error.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: phase_run WORKDIR NAME [--runs N] [--warmup N]\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    const std::string name = argv[2];
    int runs = 10, warmup = 3;
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        if (a == "--runs") runs = std::atoi(argv[i + 1]);
        else if (a == "--warmup") warmup = std::atoi(argv[i + 1]);
    }
    const long baseKb = PeakRssKb();
    std::vector<double> load, calc, recalc;
    std::string why;

    if (name == "W8") {
        const Standard s = MakeStandard(1000);
        const std::wstring file = (dir / "sheets" / "W8_flat.kms").wstring();
        double perSheet = 0;
        for (int run = 0; run < warmup + runs; ++run) {
            Control c;
            const auto t0 = Clock::now();
            if (!LoadFile(c.hwnd(), file, why)) return Report(name, load, calc, recalc, baseKb, why);
            const auto t1 = Clock::now();
            SSReCalc(c.hwnd());
            const auto t2 = Clock::now();
            if (!VerifyChecks(c.hwnd(), s.flat.checks, why)) return Report(name, load, calc, recalc, baseKb, why);
            SSSetBool(c.hwnd(), SSB_AUTOCALC, FALSE);
            const auto t3 = Clock::now();
            for (std::size_t r = 0; r < s.inputRows.size(); ++r) {
                for (std::size_t i = 0; i < s.inputRows[r].size(); ++i) {
                    const std::wstring v(s.inputRows[r][i].begin(), s.inputRows[r][i].end());
                    SSSetData(c.hwnd(), 1, static_cast<SS_COORD>(i) + 1, v.c_str());
                }
                SSReCalc(c.hwnd());
                for (std::size_t j = 0; j < s.outputRowsInFlat.size(); ++j) {
                    double got = 0;
                    if (!SSGetFloat(c.hwnd(), 2, s.outputRowsInFlat[j], &got) || !MatchesNumber(s.expected[r][j], got))
                        return Report(name, load, calc, recalc, baseKb,
                                      "row " + std::to_string(r + 1) + " " + s.outputNames[j] + " wrong");
                }
            }
            const auto t4 = Clock::now();
            if (run >= warmup) {
                load.push_back(Ms(t0, t1));
                calc.push_back(Ms(t1, t2));
                recalc.push_back(Ms(t3, t4));
                perSheet = Ms(t3, t4) / static_cast<double>(s.inputRows.size());
            }
        }
        (void)perSheet;
        return Report(name, load, calc, recalc, baseKb, "", ",\"sheets\":" + std::to_string(s.inputRows.size()));
    }

    Workload w;
    if (!MakeWorkload(name, w)) {
        std::fprintf(stderr, "phase_run: unknown workload %s\n", name.c_str());
        return 2;
    }
    const std::wstring file = (dir / "sheets" / (name + ".kms")).wstring();
    for (int run = 0; run < warmup + runs; ++run) {
        Control c;
        const auto t0 = Clock::now();
        if (!LoadFile(c.hwnd(), file, why)) return Report(name, load, calc, recalc, baseKb, why);
        const auto t1 = Clock::now();
        SSReCalc(c.hwnd());
        const auto t2 = Clock::now();
        if (!VerifyChecks(c.hwnd(), w.checks, why)) return Report(name, load, calc, recalc, baseKb, why);
        const auto t3 = Clock::now();
        if (!ApplyEdits(c.hwnd(), w, false, why)) return Report(name, load, calc, recalc, baseKb, why);
        const auto t4 = Clock::now();
        if (!VerifyChecks(c.hwnd(), w.checksAfter, why)) return Report(name, load, calc, recalc, baseKb, why);
        if (run >= warmup) {
            load.push_back(Ms(t0, t1));
            calc.push_back(Ms(t1, t2));
            recalc.push_back(Ms(t3, t4));
        }
    }
    return Report(name, load, calc, recalc, baseKb, "");
}
