// Writes the benchmark workloads as sheet files in the control's native format, plus
// workloads.json describing cells to check, the change for the recalculation and the
// connection standard's input table, so that every engine computes the same sheets.
//
//   gen_workloads OUTDIR [--quick] [--w8-rows N]
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "workloads.h"

namespace fs = std::filesystem;
using namespace bench;

namespace {

bool WriteFile(const fs::path& p, const std::string& text) { return WriteFileAtomically(p.string(), text); }

std::string JsonString(const std::string& s) {
    std::string o = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') o += '\\', o += c;
        else if (c == '\n') o += "\\n";
        else if (c == '\t') o += "\\t";
        else o += c;
    }
    return o + "\"";
}

std::string JsonNumber(double v) {
    char b[40];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

template <class T>
std::string JsonCells(const std::vector<T>& list) {
    std::string o = "[";
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto& c = list[i];
        if (i) o += ",";
        o += '[';
        o += JsonString(CellName(c.col, c.row));
        o += ',';
        o += c.isText ? JsonString(c.text) : JsonNumber(c.number);
        o += ']';
    }
    return o + "]";
}

std::string JsonWorkload(const Workload& w, const std::string& file) {
    return "{\"name\":" + JsonString(w.name) + ",\"group\":" + JsonString(w.group) + ",\"what\":" + JsonString(w.what) +
           ",\"file\":" + JsonString(file) + ",\"cols\":" + std::to_string(w.cols) + ",\"rows\":" + std::to_string(w.rows) +
           ",\"formulas\":" + std::to_string(w.formulaCount()) + ",\"checks\":" + JsonCells(w.checks) +
           ",\"edits\":" + JsonCells(w.edits) + ",\"checksAfter\":" + JsonCells(w.checksAfter) + "}";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: gen_workloads OUTDIR [--quick] [--w8-rows N]\n";
        return 2;
    }
    const fs::path out = argv[1];
    bool quick = false;
    int w8Rows = 1000;
    for (int i = 2; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--quick") quick = true;
        else if (a == "--w8-rows" && i + 1 < argc) w8Rows = std::atoi(argv[++i]);
        else {
            std::cerr << "gen_workloads: unknown argument " << a << "\n";
            return 2;
        }
    }
    if (w8Rows < 1) {
        std::cerr << "gen_workloads: --w8-rows needs a positive count\n";
        return 2;
    }
    std::string json = "{\"workloads\":[";
    bool first = true;
    for (const Workload& w : AllWorkloads(quick)) {
        const std::string file = "sheets/" + w.name + ".kms";
        if (!WriteFile(out / file, SheetFileText(w))) {
            std::cerr << "gen_workloads: cannot write " << (out / file) << "\n";
            return 1;
        }
        if (!first) json += ",\n";
        json += JsonWorkload(w, file);
        first = false;
    }
    json += "],\n";

    const Standard s = MakeStandard(w8Rows);
    const std::string flatFile = "sheets/W8_flat.kms";
    const std::string stdDir = "library/Connection Standards/";
    bool ok = WriteFile(out / flatFile, SheetFileText(s.flat));
    std::string why;
    if (ok && !WriteStandardLibrary(s, (out / "library").string(), why)) {
        std::cerr << "gen_workloads: " << why << "\n";
        return 1;
    }
    std::string inputs, expected;
    for (std::size_t i = 0; i < s.inputNames.size(); ++i) { if (i) inputs += '\t'; inputs += s.inputNames[i]; }
    for (std::size_t i = 0; i < s.outputNames.size(); ++i) { if (i) expected += '\t'; expected += s.outputNames[i]; }
    inputs += "\n";
    expected += "\n";
    for (std::size_t r = 0; r < s.inputRows.size(); ++r) {
        for (std::size_t i = 0; i < s.inputRows[r].size(); ++i) { if (i) inputs += '\t'; inputs += s.inputRows[r][i]; }
        for (std::size_t i = 0; i < s.expected[r].size(); ++i) {
            char b[40];
            std::snprintf(b, sizeof b, "%.17g", s.expected[r][i]);
            if (i) expected += '\t';
            expected += b;
        }
        inputs += "\n";
        expected += "\n";
    }
    ok = ok && WriteFile(out / "W8_inputs.tsv", inputs) && WriteFile(out / "W8_expected.tsv", expected);
    if (!ok) {
        std::cerr << "gen_workloads: cannot write the standard's files below " << out << "\n";
        return 1;
    }
    std::string inCells = "[", inText = "[", outCells = "[";
    for (std::size_t i = 0; i < s.inputNames.size(); ++i) {
        if (i) inCells += ',';
        inCells += JsonString(CellName(1, static_cast<int>(i) + 1));
        inText += std::string(i ? "," : "") + (s.inputIsText[i] ? "true" : "false");
    }
    for (std::size_t j = 0; j < s.outputRowsInFlat.size(); ++j) {
        if (j) outCells += ',';
        outCells += JsonString(CellName(2, s.outputRowsInFlat[j]));
    }
    json += "\"w8\":{\"flat\":" + JsonWorkload(s.flat, flatFile) + ",\"inputCells\":" + inCells + "],\"inputIsText\":" +
            inText + "],\"outputCells\":" + outCells + "],\"inputs\":\"W8_inputs.tsv\",\"expected\":\"W8_expected.tsv\"" +
            ",\"standard\":" + JsonString(stdDir + "W8.kms") + ",\"library\":\"library\",\"rows\":" +
            std::to_string(s.inputRows.size()) + "}}\n";
    if (!WriteFile(out / "workloads.json", json)) {
        std::cerr << "gen_workloads: cannot write workloads.json\n";
        return 1;
    }
    std::cout << "workloads written to " << out.string() << "\n";
    return 0;
}
