#include "workloads.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace bench {

std::string CellName(int col, int row) {
    std::string letters;
    for (int c = col; c > 0; c = (c - 1) / 26) letters.insert(letters.begin(), char('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

bool ParseCellName(const std::string& name, int& col, int& row) {
    std::size_t i = 0;
    col = 0;
    while (i < name.size() && name[i] >= 'A' && name[i] <= 'Z') col = col * 26 + (name[i++] - 'A' + 1);
    if (i == 0 || i == name.size()) return false;
    row = 0;
    for (; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return false;
        row = row * 10 + (name[i] - '0');
    }
    return row > 0;
}

std::size_t Workload::formulaCount() const {
    std::size_t n = 0;
    for (const auto& r : cells)
        for (const auto& c : r) n += (!c.empty() && c[0] == '=');
    return n;
}

namespace {

// Numbers as the grid carries them: integers without a fraction, else shortest round trip.
std::string Num(double v) {
    if (v == std::floor(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
    char buf[40];
    for (int prec = 15; prec <= 17; ++prec) {
        std::snprintf(buf, sizeof buf, "%.*g", prec, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    return buf;
}

Workload Start(const char* group, int size, const char* what, int cols, int rows) {
    Workload w;
    w.group = group;
    w.name = std::string(group) + "_" + std::to_string(size);
    w.what = what;
    w.cols = cols;
    w.rows = rows;
    w.cells.assign(rows, std::vector<std::string>(cols));
    return w;
}

void Put(Workload& w, int col, int row, std::string text) { w.cells[row - 1][col - 1] = std::move(text); }
Check NumCheck(int col, int row, double v) { return Check{col, row, false, v, {}}; }
Check TextCheck(int col, int row, std::string t) { return Check{col, row, true, 0, std::move(t)}; }
Edit NumEdit(int col, int row, double v) { return Edit{col, row, false, v, {}}; }

// A few rows spread over 1..n (first, last and some between) for the checks.
std::vector<int> Samples(int first, int n) {
    std::vector<int> rows = {first, first + 1, (first + n) / 2, n - 1, n};
    for (int k = 1; k <= 7; ++k) rows.push_back(first + static_cast<int>((static_cast<long long>(n - first) * k) / 8));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [&](int r) { return r < first || r > n; }), rows.end());
    return rows;
}

}  // namespace

Workload MakeChain(int n) {
    Workload w = Start("W1", n, "chain A(i)=A(i-1)+1", 1, n);
    Put(w, 1, 1, "1");
    for (int i = 2; i <= n; ++i) Put(w, 1, i, "=A" + std::to_string(i - 1) + "+1");
    for (int r : Samples(1, n)) w.checks.push_back(NumCheck(1, r, r));
    w.edits.push_back(NumEdit(1, 1, 2));
    for (int r : Samples(1, n)) w.checksAfter.push_back(NumCheck(1, r, r + 1));
    return w;
}

Workload MakeIndependent(int n) {
    Workload w = Start("W2", n, "independent B(i)=A(i)*2+1", 2, n);
    for (int i = 1; i <= n; ++i) {
        Put(w, 1, i, std::to_string(i));
        Put(w, 2, i, "=A" + std::to_string(i) + "*2+1");
    }
    for (int r : Samples(1, n)) w.checks.push_back(NumCheck(2, r, 2.0 * r + 1));
    w.edits.push_back(NumEdit(1, n, 5));
    w.checksAfter.push_back(NumCheck(2, n, 11));
    w.checksAfter.push_back(NumCheck(2, 1, 3));
    return w;
}

Workload MakePrefixSums(int n) {
    Workload w = Start("W3", n, "prefix sums E(i)=SUM($A$1:A(i-1))", 5, n);
    for (int i = 1; i <= n; ++i) Put(w, 1, i, std::to_string(i));
    for (int i = 2; i <= n; ++i) Put(w, 5, i, "=SUM($A$1:A" + std::to_string(i - 1) + ")");
    for (int r : Samples(2, n)) w.checks.push_back(NumCheck(5, r, (double(r) - 1) * r / 2));
    // A1 from 1 to 2 raises every sum by one.
    w.edits.push_back(NumEdit(1, 1, 2));
    for (int r : Samples(2, n)) w.checksAfter.push_back(NumCheck(5, r, (double(r) - 1) * r / 2 + 1));
    return w;
}

Workload MakeRowRecurrence(int n) {
    // A(i) = i, B(i) = 1 + (i-1)i, C(i) = (B(i-1) + 3A(i-1))/2 - 1 = i*i/2 - 1.
    Workload w = Start("W4", n, "three formulas per row on the row above", 3, n);
    Put(w, 1, 1, "1");
    Put(w, 2, 1, "1");
    Put(w, 3, 1, "=A1*A1/2-1");
    for (int i = 2; i <= n; ++i) {
        const std::string p = std::to_string(i - 1);
        Put(w, 1, i, "=A" + p + "+1");
        Put(w, 2, i, "=B" + p + "+A" + p + "*2");
        Put(w, 3, i, "=(B" + p + "+A" + p + "*3)/2-1");
    }
    for (int r : Samples(1, n)) {
        const double i = r;
        w.checks.push_back(NumCheck(1, r, i));
        w.checks.push_back(NumCheck(2, r, 1 + (i - 1) * i));
        w.checks.push_back(NumCheck(3, r, i * i / 2 - 1));
    }
    // A1 from 1 to 2: A(i) = i+1, B(i) = 1 + (i-1)i + 2(i-1), C(i) = (B(i-1) + 3A(i-1))/2 - 1.
    w.edits.push_back(NumEdit(1, 1, 2));
    for (int r : Samples(2, n)) {
        const double i = r;
        auto b = [](double k) { return 1 + (k - 1) * k + 2 * (k - 1); };
        w.checksAfter.push_back(NumCheck(1, r, i + 1));
        w.checksAfter.push_back(NumCheck(2, r, b(i)));
        w.checksAfter.push_back(NumCheck(3, r, (b(i - 1) + 3 * i) / 2 - 1));
    }
    return w;
}

namespace {
std::string Text30(char lead, int i) {
    std::string digits = std::to_string(i);
    return std::string(1, lead) + std::string(29 - digits.size(), lead == 'L' ? 'x' : 'y') + digits;
}
}  // namespace

Workload MakeConcat(int n) {
    Workload w = Start("W5", n, "concatenation of two 30-character texts", 3, n);
    for (int i = 1; i <= n; ++i) {
        const std::string r = std::to_string(i);
        Put(w, 1, i, Text30('L', i));
        Put(w, 2, i, Text30('R', i));
        Put(w, 3, i, "=A" + r + "&B" + r);
    }
    for (int r : Samples(1, n)) w.checks.push_back(TextCheck(3, r, Text30('L', r) + Text30('R', r)));
    Edit e{1, 1, true, 0, Text30('L', 7)};
    w.edits.push_back(e);
    w.checksAfter.push_back(TextCheck(3, 1, Text30('L', 7) + Text30('R', 1)));
    return w;
}

Workload MakeLookups(int t) {
    // Table A(i) = 2i, B(i) = 10i; row j looks up key D(j) = 2k(j) with k(j) a scramble of j.
    Workload w = Start("W6", t, "VLOOKUP exact and approximate, INDEX/MATCH into a sorted table", 7, t);
    auto k = [t](int j) { return static_cast<int>((static_cast<long long>(j) * 7919) % t) + 1; };
    const std::string tab = "$A$1:$B$" + std::to_string(t);
    const std::string keys = "$A$1:$A$" + std::to_string(t);
    const std::string vals = "$B$1:$B$" + std::to_string(t);
    for (int i = 1; i <= t; ++i) {
        const std::string r = std::to_string(i);
        Put(w, 1, i, std::to_string(2 * i));
        Put(w, 2, i, std::to_string(10 * i));
        Put(w, 4, i, std::to_string(2 * k(i)));
        Put(w, 5, i, "=VLOOKUP(D" + r + "," + tab + ",2,0)");
        Put(w, 6, i, "=VLOOKUP(D" + r + "+1," + tab + ",2,1)");
        Put(w, 7, i, "=INDEX(" + vals + ",MATCH(D" + r + "," + keys + ",0))");
    }
    for (int r : Samples(1, t)) {
        w.checks.push_back(NumCheck(5, r, 10.0 * k(r)));
        w.checks.push_back(NumCheck(6, r, 10.0 * k(r)));
        w.checks.push_back(NumCheck(7, r, 10.0 * k(r)));
    }
    // One key changes: D1 now asks for the last table row.
    w.edits.push_back(NumEdit(4, 1, 2.0 * t));
    for (int c = 5; c <= 7; ++c) w.checksAfter.push_back(NumCheck(c, 1, 10.0 * t));
    w.checksAfter.push_back(NumCheck(5, 2, 10.0 * k(2)));
    return w;
}

std::vector<Workload> AllWorkloads(bool quick) {
    std::vector<Workload> all;
    const std::vector<int> growth = quick ? std::vector<int>{1000} : std::vector<int>{1000, 10000, 100000};
    for (int n : growth) all.push_back(MakeChain(n));
    for (int n : growth) all.push_back(MakeIndependent(n));
    for (int n : quick ? std::vector<int>{1000} : std::vector<int>{1000, 5000, 20000, 100000}) all.push_back(MakePrefixSums(n));
    all.push_back(MakeRowRecurrence(quick ? 1000 : 10000));
    all.push_back(MakeConcat(quick ? 1000 : 10000));
    all.push_back(MakeLookups(1000));
    if (!quick) all.push_back(MakeLookups(10000));
    return all;
}

// ---------------------------------------------------------------------------------------
// W8: the connection standard.

namespace {

struct Lcg {
    std::uint64_t s;
    explicit Lcg(std::uint64_t seed) : s(seed) {}
    unsigned next() {
        s = s * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(s >> 33);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<unsigned>(n)); }
};

// Rounding to a step as the product function does it: halves away from zero.
double RoundTo(double x, double step) {
    const double q = x / step;
    const double fl = std::floor(q);
    double r;
    if (std::fabs(q - fl - 0.5) < 1e-9) r = q >= 0 ? fl + 1 : fl;
    else r = std::floor(q + 0.5);
    return r * step;
}

// One equation rendered twice: over variable names (the standard) and over cells (the
// plain sheet), with its value computed directly.
struct Eq {
    std::string target;
    std::function<std::string(const std::function<std::string(const std::string&)>&)> render;
    std::function<double(const std::function<double(const std::string&)>&,
                         const std::function<std::string(const std::string&)>&)> eval;
    bool usesRoundTo = false;
};

// "ROUNDTO(x, s)" over names; over cells the plain-sheet form ROUND((x)/s,0)*s.
std::string RoundToText(bool cells, const std::string& x, const std::string& step) {
    if (cells) return "ROUND((" + x + ")/" + step + ",0)*" + step;
    return "ROUNDTO(" + x + ", " + step + ")";
}

}  // namespace

Standard MakeStandard(int inputRows) {
    Standard s;
    for (int i = 1; i <= 24; ++i) {
        char b[8];
        std::snprintf(b, sizeof b, "In%02d", i);
        s.inputNames.push_back(b);
        s.inputIsText.push_back(false);
    }
    for (int i = 1; i <= 6; ++i) {
        s.inputNames.push_back("Key" + std::to_string(i));
        s.inputIsText.push_back(true);
    }
    for (int i = 1; i <= 100; ++i) {
        char b[8];
        std::snprintf(b, sizeof b, "L%03d", i);
        s.localNames.push_back(b);
    }
    for (int i = 1; i <= 20; ++i) {
        char b[8];
        std::snprintf(b, sizeof b, "Out%02d", i);
        s.outputNames.push_back(b);
    }
    Standard::Table t1{"W8T1.txt", {}}, t2{"W8T2.txt", {}};
    for (int i = 1; i <= 8; ++i) t1.rows.push_back({"K" + std::to_string(i), 5 + 7.5 * i});
    for (int i = 1; i <= 8; ++i)
        for (int j = 1; j <= 8; ++j)
            t2.rows.push_back({"K" + std::to_string(i) + ";K" + std::to_string(j), 0.5 * (i * j + 3)});
    s.tables = {t1, t2};
    std::map<std::string, double> t1map, t2map;
    for (auto& r : t1.rows) t1map[r.first] = r.second;
    for (auto& r : t2.rows) t2map[r.first] = r.second;

    using Ref = std::function<std::string(const std::string&)>;
    using Val = std::function<double(const std::string&)>;
    using Txt = std::function<std::string(const std::string&)>;
    std::vector<Eq> eqs;
    Lcg rng(20261207);
    std::vector<std::string> numeric(s.inputNames.begin(), s.inputNames.begin() + 24);
    const char* steps[] = {"0.5", "1", "2.5", "5"};
    const char* keyOnT1[] = {"Key1", "Key2", "Key3", "Key6"};
    auto pick = [&]() { return numeric[rng.below(static_cast<int>(numeric.size()))]; };
    for (int k = 0; k < 100; ++k) {
        Eq e;
        e.target = s.localNames[k];
        const std::string a = pick(), b = pick(), c = pick();
        switch (k % 5) {
        case 0:
            if (k % 10 == 0) {
                const std::string key = keyOnT1[(k / 10) % 4];
                e.render = [key](const Ref& r) {
                    return r("") == "cells" ? "VLOOKUP(" + r(key) + ",$D$1:$E$8,2,0)"
                                            : "TONUMBER(GETCELL(\"W8T1.txt\", " + key + "))";
                };
                e.eval = [key, t1map](const Val&, const Txt& txt) { return t1map.at(txt(key)); };
            } else {
                e.render = [](const Ref& r) {
                    return r("") == "cells" ? "VLOOKUP(" + r("Key4") + "&\";\"&" + r("Key5") + ",$G$1:$H$64,2,0)"
                                            : std::string("TONUMBER(GETCELL(\"W8T2.txt\", Key4, Key5))");
                };
                e.eval = [t2map](const Val&, const Txt& txt) { return t2map.at(txt("Key4") + ";" + txt("Key5")); };
            }
            break;
        case 1: {
            const std::string st = steps[rng.below(4)];
            e.render = [a, b, st](const Ref& r) {
                return RoundToText(r("") == "cells", r(a) + "*1.414213+" + r(b) + "/3.7", st);
            };
            e.eval = [a, b, st](const Val& v, const Txt&) { return RoundTo(v(a) * 1.414213 + v(b) / 3.7, std::stod(st)); };
            break;
        }
        case 2:
            e.render = [a, b, c](const Ref& r) {
                return "IF(" + r(a) + ">" + r(b) + ", " + r(a) + "-" + r(b) + ", IF(" + r(a) + ">" + r(c) + ", " + r(c) +
                       "+0.5, " + RoundToText(r("") == "cells", r(b) + "*0.713259", "0.5") + "))";
            };
            e.eval = [a, b, c](const Val& v, const Txt&) {
                return v(a) > v(b) ? v(a) - v(b) : v(a) > v(c) ? v(c) + 0.5 : RoundTo(v(b) * 0.713259, 0.5);
            };
            break;
        case 3:
            e.render = [a, b, c](const Ref& r) { return r(a) + "+" + r(b) + "-" + r(c); };
            e.eval = [a, b, c](const Val& v, const Txt&) { return v(a) + v(b) - v(c); };
            break;
        default:
            e.render = [a, b, c](const Ref& r) {
                return RoundToText(r("") == "cells", "MAX(" + r(a) + ", " + r(b) + ")*1.071773-MIN(" + r(c) + ", 10)", "1");
            };
            e.eval = [a, b, c](const Val& v, const Txt&) {
                return RoundTo(std::max(v(a), v(b)) * 1.071773 - std::min(v(c), 10.0), 1);
            };
            break;
        }
        eqs.push_back(e);
        numeric.push_back(e.target);
    }
    std::vector<std::string> locals(s.localNames);
    for (int j = 0; j < 20; ++j) {
        Eq e;
        e.target = s.outputNames[j];
        const std::string a = locals[rng.below(100)], b = locals[rng.below(100)];
        if (j % 2 == 0) {
            e.render = [a, b](const Ref& r) { return RoundToText(r("") == "cells", "(" + r(a) + "+" + r(b) + ")*0.951733", "5"); };
            e.eval = [a, b](const Val& v, const Txt&) { return RoundTo((v(a) + v(b)) * 0.951733, 5); };
        } else {
            e.render = [a, b](const Ref& r) {
                const bool cells = r("") == "cells";
                return "IF(" + r(a) + ">" + r(b) + ", " + RoundToText(cells, r(a) + "*1.253391", "1") + ", " +
                       RoundToText(cells, r(b) + "/2.11", "0.5") + ")";
            };
            e.eval = [a, b](const Val& v, const Txt&) {
                return v(a) > v(b) ? RoundTo(v(a) * 1.253391, 1) : RoundTo(v(b) / 2.11, 0.5);
            };
        }
        eqs.push_back(e);
    }
    // Ten outputs are clamped by a second equation that reads their first value.
    for (int j = 0; j < 10; ++j) {
        Eq e;
        const std::string o = s.outputNames[2 * j];
        e.target = o;
        e.render = [o](const Ref& r) {
            return "IF(" + r(o) + ">400, 400, IF(" + r(o) + "<0, 0, " + r(o) + "))";
        };
        e.eval = [o](const Val& v, const Txt&) { return v(o) > 400 ? 400 : v(o) < 0 ? 0 : v(o); };
        eqs.push_back(e);
    }

    // Over names.
    Ref byName = [](const std::string& n) { return n.empty() ? std::string("names") : n; };
    for (auto& e : eqs) s.equations.push_back(e.target + " = " + e.render(byName));

    // Over cells: inputs A1..A30, equation i in B(i), tables in D:E and G:H.
    Workload& f = s.flat;
    f.group = "W8";
    f.name = "W8_flat";
    f.what = "connection standard as a plain sheet (30 inputs, 130 formulas, 2 tables)";
    f.cols = 8;
    f.rows = std::max<int>(static_cast<int>(eqs.size()), 64);
    f.cells.assign(f.rows, std::vector<std::string>(f.cols));
    std::map<std::string, std::string> at;
    for (int i = 0; i < 30; ++i) at[s.inputNames[i]] = CellName(1, i + 1);
    Ref byCell = [&at](const std::string& n) { return n.empty() ? std::string("cells") : at.at(n); };
    for (std::size_t i = 0; i < eqs.size(); ++i) {
        f.cells[i][1] = "=" + eqs[i].render(byCell);
        at[eqs[i].target] = CellName(2, static_cast<int>(i) + 1);
    }
    for (auto& o : s.outputNames) {
        int col, row;
        ParseCellName(at[o], col, row);
        s.outputRowsInFlat.push_back(row);
    }
    for (std::size_t i = 0; i < t1.rows.size(); ++i) {
        f.cells[i][3] = t1.rows[i].first;
        f.cells[i][4] = Num(t1.rows[i].second);
    }
    for (std::size_t i = 0; i < t2.rows.size(); ++i) {
        f.cells[i][6] = t2.rows[i].first;
        f.cells[i][7] = Num(t2.rows[i].second);
    }

    // Input rows and expected outputs.
    Lcg in(77);
    for (int r = 0; r < std::max(inputRows, 2); ++r) {
        std::vector<std::string> row;
        for (int i = 0; i < 24; ++i) row.push_back(Num(10 + 0.5 * in.below(580)));
        for (int i = 0; i < 6; ++i) row.push_back("K" + std::to_string(1 + in.below(8)));
        std::map<std::string, double> v;
        std::map<std::string, std::string> txt;
        for (int i = 0; i < 30; ++i) {
            if (s.inputIsText[i]) txt[s.inputNames[i]] = row[i];
            else v[s.inputNames[i]] = std::stod(row[i]);
        }
        Val val = [&v](const std::string& n) { return v.at(n); };
        Txt tx = [&txt](const std::string& n) { return txt.at(n); };
        for (auto& e : eqs) v[e.target] = e.eval(val, tx);
        std::vector<double> out;
        for (auto& o : s.outputNames) out.push_back(v[o]);
        s.inputRows.push_back(row);
        s.expected.push_back(out);
    }
    if (inputRows < 2) {
        s.inputRows.resize(inputRows);
        s.expected.resize(inputRows);
    }
    // The plain sheet holds the first row's inputs; the change brings in the second row.
    const auto& r0 = s.inputRows.empty() ? std::vector<std::string>() : s.inputRows[0];
    for (std::size_t i = 0; i < r0.size(); ++i) f.cells[i][0] = r0[i];
    if (!s.expected.empty()) {
        for (int j = 0; j < 20; ++j) f.checks.push_back(Check{2, s.outputRowsInFlat[j], false, s.expected[0][j], {}});
    }
    return s;
}

std::string StandardGridText(const Standard& s) {
    std::string g = "Input\n\n";
    for (std::size_t i = 0; i < s.inputNames.size(); ++i)
        g += std::string(s.inputIsText[i] ? "String " : "Double ") + s.inputNames[i] + "\n";
    g += "Output\n\n";
    for (auto& n : s.outputNames) g += "Double " + n + "\n";
    g += "Local\n\n";
    for (auto& n : s.localNames) g += "Double " + n + "\n";
    g += "Calc\n\n";
    for (auto& e : s.equations) g += e + "\n";
    return g;
}

std::string GridText(const Workload& w) {
    std::string g;
    g.reserve(static_cast<std::size_t>(w.rows) * (w.cols * 12 + 1));
    for (const auto& r : w.cells) {
        std::size_t last = r.size();
        while (last > 0 && r[last - 1].empty()) --last;
        for (std::size_t c = 0; c < last; ++c) {
            if (c) g += '\t';
            g += r[c];
        }
        g += '\n';
    }
    return g;
}

std::string SheetFileTextFromGrid(const std::string& grid, int cols, int rows) {
    std::string out = "KMSHEET\t1\nsize\t" + std::to_string(cols) + "\t" + std::to_string(rows) + "\ngrid\n";
    out += grid;
    out += "end\n";
    return out;
}

std::string SheetFileText(const Workload& w) { return SheetFileTextFromGrid(GridText(w), w.cols, w.rows); }

bool MatchesNumber(double expected, double got) {
    return std::fabs(expected - got) <= 1e-9 * std::max(1.0, std::fabs(expected));
}

bool MatchesCheck(const Check& c, const std::wstring& valueText, std::string& why) {
    std::string got(valueText.begin(), valueText.end());   // values here are ASCII
    if (c.isText) {
        if (got == c.text) return true;
        why = CellName(c.col, c.row) + ": expected \"" + c.text + "\", got \"" + got + "\"";
        return false;
    }
    char* end = nullptr;
    const double v = std::strtod(got.c_str(), &end);
    if (!got.empty() && end && *end == '\0' && MatchesNumber(c.number, v)) return true;
    why = CellName(c.col, c.row) + ": expected " + Num(c.number) + ", got \"" + got + "\"";
    return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    const fs::path p(path);
    std::error_code ec;
    if (p.has_parent_path()) fs::create_directories(p.parent_path(), ec);
    const fs::path tmp = p.string() + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary);
        out << text;
        if (!out.flush()) {
            out.close();
            fs::remove(tmp, ec);
            return false;
        }
    }
    fs::rename(tmp, p, ec);
    if (ec) fs::remove(tmp, ec);
    return !ec;
}

bool WriteStandardLibrary(const Standard& s, const std::string& dir, std::string& why) {
    const std::string stdDir = dir + "/Connection Standards/";
    const int rows = static_cast<int>(s.inputNames.size() + s.outputNames.size() + s.localNames.size() +
                                      s.equations.size() + 8);
    if (!WriteFileAtomically(stdDir + "W8.kms", SheetFileTextFromGrid(StandardGridText(s), 1, rows))) {
        why = "cannot write " + stdDir + "W8.kms";
        return false;
    }
    for (const auto& t : s.tables) {
        std::string text = "// key\tvalue\n";
        for (const auto& r : t.rows) {
            char b[40];
            std::snprintf(b, sizeof b, "%g", r.second);
            text += r.first + "\t" + b + "\n";
        }
        if (!WriteFileAtomically(stdDir + "Data/" + t.file, text)) {
            why = "cannot write " + stdDir + "Data/" + t.file;
            return false;
        }
    }
    return true;
}

}  // namespace bench
