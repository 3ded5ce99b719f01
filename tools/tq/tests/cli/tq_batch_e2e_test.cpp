// Runs tq eval --table and --macro-dir on the bundled example library's EndPlate
// standard, as a user scripting a batch would.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "tq_program.h"

namespace {

using namespace tqtest;

class TqBatch : public TqProgram {};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = line.find('\t', p);
        out.push_back(line.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) return out;
        p = q + 1;
    }
}

const char* const kHeader = "Column\tThickness\tWidth\tLength\tBoltDiameter\tGauge\tEdgeDistance\tstatus";
// The outputs of the two good inputs (worked out in tq_e2e_test.cpp).
const char* const kHea200 = "HEA200\t10\t260\t250\t16\t110\t25\tok";
const char* const kHeb240 = "HEB240\t20\t320\t310\t24\t120\t35\tok";

// Good and failing rows side by side; a failing row has no outputs and says why. Row 5
// leaves Thickness empty right after rows that gave it: it must fail on its own empty
// value, not calculate with the value of an earlier row.
TEST_F(TqBatch, TableGivesOutputsOrTheFailurePerRow) {
    writeAll(dir / "in.tsv",
             "Column\tThickness\r\n"
             "HEA200\t10\r\n"
             "HEA999\t10\r\n"
             "HEA200\tthin\r\n"
             "\t10\r\n"
             "HEA200\t\r\n"
             "HEB240\t20\r\n");
    const TqRun run = tq("eval EndPlate --table " + quote(dir / "in.tsv"));
    EXPECT_EQ(run.status, 1) << run.err;
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 7u) << run.out;
    EXPECT_EQ(out[0], kHeader);
    EXPECT_EQ(out[1], kHea200);
    EXPECT_EQ(out[6], kHeb240);
    struct Failing {
        std::size_t line;
        const char* inputs;
        const char* reason;
    };
    for (const Failing& f : {Failing{2, "HEA999\t10", "Gauge and EdgeDistance have no value"},
                             Failing{3, "HEA200\tthin", "Thickness is declared Double and takes a number, not \"thin\""},
                             Failing{4, "\t10", "have no value"}, Failing{5, "HEA200\t", "no value"}}) {
        const auto row = fields(out[f.line]);
        ASSERT_EQ(row.size(), 8u) << out[f.line];
        EXPECT_EQ(row[0] + "\t" + row[1], f.inputs);
        for (std::size_t i = 2; i < 7; ++i) EXPECT_EQ(row[i], "") << out[f.line];
        EXPECT_EQ(row[7].rfind("failed: ", 0), 0u) << row[7];
        EXPECT_NE(row[7].find(f.reason), std::string::npos) << row[7];
    }
    // Only the summary on a stream that is no terminal: no bar, no boxes.
    EXPECT_NE(run.err.find("6 evaluated, 4 failed in "), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
    EXPECT_EQ(lines(run.err).size(), 1u) << run.err;
    // --diagnostics shows what the engine reported.
    EXPECT_NE(tq("eval EndPlate --diagnostics --table " + quote(dir / "in.tsv")).err.find("The following equation failed"),
              std::string::npos);
}

TEST_F(TqBatch, ColumnsMayBeMissingOrInAnyOrder) {
    // Every row good: exit status 0. Columns in another order keep their order.
    writeAll(dir / "good.tsv", "Thickness\tColumn\n20\tHEB240\n10\tHEA200\n");
    TqRun run = tq("eval EndPlate --table " + quote(dir / "good.tsv"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out)[0], "Thickness\tColumn\tWidth\tLength\tBoltDiameter\tGauge\tEdgeDistance\tstatus");
    EXPECT_EQ(lines(run.out)[2], "10\tHEA200\t260\t250\t16\t110\t25\tok");
    EXPECT_NE(run.err.find("2 evaluated, 0 failed"), std::string::npos) << run.err;

    // An input without a column is empty in every row.
    writeAll(dir / "column.tsv", "Column\nHEA200\nHEB240\n");
    run = tq("eval EndPlate --table " + quote(dir / "column.tsv"));
    EXPECT_EQ(run.status, 1);
    for (std::size_t i = 1; i < 3; ++i) EXPECT_NE(lines(run.out)[i].find("\tfailed: "), std::string::npos);

    // Fields that are not ASCII reach the engine as written (full-width digits are no number).
    writeAll(dir / "wide.tsv", "Column\tThickness\nHEA200\t\xef\xbc\x91\xef\xbc\x90\nHEA200\t10\n");
    run = tq("eval EndPlate --table " + quote(dir / "wide.tsv"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(lines(run.out)[1].find("takes a number, not \"\xef\xbc\x91\xef\xbc\x90\""), std::string::npos)
        << run.out;
    EXPECT_EQ(lines(run.out)[2], kHea200);

    // A header without rows: an empty result, nothing failed.
    writeAll(dir / "empty.tsv", "Column\tThickness\n");
    run = tq("eval EndPlate --table " + quote(dir / "empty.tsv"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(kHeader) + "\n");
    EXPECT_NE(run.err.find("0 evaluated, 0 failed"), std::string::npos);
}

TEST_F(TqBatch, OutWritesTheWholeTableOrNothing) {
    writeAll(dir / "in.tsv", "Column\tThickness\nHEA200\t10\nHEB240\t20\n");
    const std::string table = " EndPlate --table " + quote(dir / "in.tsv");
    const fs::path out = dir / "results.tsv";
    writeAll(out, "old results\n");
    TqRun run = tq("eval" + table + " --out " + quote(out));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(readAll(out), std::string(kHeader) + "\n" + kHea200 + "\n" + kHeb240 + "\n");

    // A folder that does not exist, and a folder in the file's place: an error, and no
    // file or temporary left behind.
    const auto entries = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    fs::create_directories(dir / "taken");
    const auto before = entries();
    for (const fs::path& bad : {dir / "missing" / "results.tsv", dir / "taken"}) {
        run = tq("eval" + table + " --out " + quote(bad));
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
        EXPECT_EQ(entries(), before);
    }
    EXPECT_TRUE(fs::is_empty(dir / "taken"));
}

// A thousand rows in one process (the standard, its child sheet, its size lists and
// tables reused between rows) give what each row gives evaluated by a process of its own.
// The rows repeat 42 distinct inputs in a shuffled order, so each distinct input is
// evaluated once by a fresh process and every one of the thousand rows is compared with it.
TEST_F(TqBatch, ManyRowsInOneProcessEqualOneProcessPerRow) {
    const char* columns[] = {"HEA200", "HEB240", "IPE200", "HEA999", "", "HEB200"};
    const char* thicknesses[] = {"10", "12", "15", "20", "25", "thin", ""};
    const int rows = 1000;
    std::string table = "Column\tThickness\n";
    std::vector<std::string> inputs;              // the input of each row
    std::map<std::string, std::string> fileOf;    // distinct input -> its one-row table
    fs::create_directories(dir / "rows");
    for (int i = 0; i < rows; ++i) {
        const std::string row = std::string(columns[(i * 5 + i / 6) % 6]) + "\t" + thicknesses[(i * 3) % 7];
        table += row + "\n";
        inputs.push_back(row);
        if (fileOf.count(row)) continue;
        char name[32];
        std::snprintf(name, sizeof name, "%04d.tsv", static_cast<int>(fileOf.size()));
        fileOf[row] = name;
        writeAll(dir / "rows" / name, "Column\tThickness\n" + row + "\n");
    }
    writeAll(dir / "in.tsv", table);
    const TqRun together = tq("eval EndPlate --table " + quote(dir / "in.tsv"));
    EXPECT_EQ(together.status, 1) << together.err;  // some rows fail
    const auto all = lines(together.out);
    ASSERT_EQ(all.size(), static_cast<std::size_t>(rows) + 1) << together.err;

    // One process per distinct input, in one shell loop; each prints its header and its row.
    const fs::path eachOut = dir / "each.out";
    const std::string loop = "for f in " + quote(dir / "rows") + "/*.tsv; do " + quote(std::string(TQ_BIN_DIR) + "/tq") +
                             " eval EndPlate --table \"$f\" 2>/dev/null </dev/null | tail -n +2; done >" + quote(eachOut);
    ASSERT_EQ(std::system(loop.c_str()), 0);
    const auto single = lines(readAll(eachOut));
    ASSERT_EQ(single.size(), fileOf.size());
    std::map<std::string, std::string> resultOf;  // file name -> the fresh process's row
    {
        std::size_t k = 0;
        std::map<std::string, std::string> byName;
        for (const auto& [row, name] : fileOf) byName[name] = row;
        for (const auto& [name, row] : byName) resultOf[row] = single[k++];  // the loop runs in name order
    }
    int good = 0;
    for (int i = 0; i < rows; ++i) {
        ASSERT_EQ(all[i + 1], resultOf[inputs[i]]) << "row " << i + 1;
        good += all[i + 1].size() > 3 && all[i + 1].compare(all[i + 1].size() - 3, 3, "\tok") == 0;
    }
    EXPECT_GT(good, 200);
    EXPECT_LT(good, 900);
}

// Tables the command cannot work on are usage errors before anything is evaluated.
TEST_F(TqBatch, BadTablesAreRefusedBeforeAnyEvaluation) {
    const fs::path out = dir / "results.tsv";
    struct Case {
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{"Column\tColour\nHEA200\tred\n", "no input or output Colour"},
                          Case{"Column\tOverhang\nHEA200\t3\n", "no input or output Overhang"},
                          Case{"Column\tColumn\n", "twice"},
                          Case{"Column\tThickness\nHEA200\t10\t7\n", "line 2"}, Case{"", "header"}}) {
        writeAll(dir / "in.tsv", c.text);
        const TqRun run = tq("eval EndPlate --table " + quote(dir / "in.tsv") + " --out " + quote(out));
        EXPECT_EQ(run.status, 2) << c.text;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("evaluated"), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(out));
    }
    const TqRun run = tq("eval EndPlate --table " + quote(dir / "none.tsv"));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("none.tsv"), std::string::npos);

    // A table past the size limit is refused before it is read (a sparse file: no disk).
    {
        std::ofstream(dir / "huge.tsv") << "Column\n";
    }
    fs::resize_file(dir / "huge.tsv", 256ull * 1024 * 1024 + 1);
    const TqRun huge = tq("eval EndPlate --table " + quote(dir / "huge.tsv") + " --out " + quote(out));
    EXPECT_EQ(huge.status, 2);
    EXPECT_NE(huge.err.find("huge.tsv is larger than 268435456 bytes"), std::string::npos) << huge.err;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(TqBatch, MacroDirEvaluatesEveryMacroFileAndWritesTheGoodOnesBack) {
    const fs::path macros = dir / "macros";
    fs::create_directories(macros);
    const std::string endPlate = readAll(fs::path(TQ_SOURCE_DIR) / "examples/macros/EndPlate.macro");
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    writeAll(macros / "a.macro", endPlate);
    std::string heb = replaced(endPlate, "HEA-HEA200", "HEB-HEB240");
    heb = replaced(replaced(heb, "var Thickness 10", "var Thickness 20"), "cell Thickness value=10", "cell Thickness value=20");
    writeAll(macros / "b.macro", heb);
    // A bolt diameter that is no number for the standard's Double.
    const std::string unknown = replaced(endPlate, "diameter=20", "diameter=M20x");
    writeAll(macros / "c.macro", unknown);
    const std::string broken = "Macro version 1.0\nmacro\n";
    writeAll(macros / "broken.macro", broken);
    writeAll(macros / "notes.txt", "not a macro\n");

    const TqRun run = tq("eval --macro-dir " + quote(macros) + " EndPlate");
    EXPECT_EQ(run.status, 1) << run.err;
    const auto out = lines(run.out);
    ASSERT_EQ(out.size(), 4u) << run.out;
    EXPECT_EQ(out[0], "a.macro\tok");
    EXPECT_EQ(out[1], "b.macro\tok");
    EXPECT_EQ(out[2].rfind("broken.macro\tfailed: ", 0), 0u) << out[2];
    EXPECT_EQ(out[3].rfind("c.macro\tfailed: ", 0), 0u) << out[3];
    EXPECT_NE(out[3].find("BoltDiameter is declared Double and takes a number, not \"M20x\""), std::string::npos)
        << out[3];
    EXPECT_NE(run.err.find("4 evaluated, 2 failed"), std::string::npos) << run.err;

    // Each file got its own results; the failures and the other file are untouched.
    const std::string a = readAll(macros / "a.macro");
    EXPECT_NE(a.find("var Width 260"), std::string::npos) << a;
    EXPECT_NE(a.find("var Gauge 110"), std::string::npos);
    const std::string b = readAll(macros / "b.macro");
    EXPECT_NE(b.find("var Width 320"), std::string::npos) << b;
    EXPECT_NE(b.find("var Gauge 120"), std::string::npos);
    EXPECT_EQ(readAll(macros / "c.macro"), unknown);
    EXPECT_EQ(readAll(macros / "broken.macro"), broken);
    EXPECT_EQ(readAll(macros / "notes.txt"), "not a macro\n");

    // A second run finds nothing to change and gives the same results.
    EXPECT_EQ(tq("eval --macro-dir " + quote(macros) + " EndPlate").out, run.out);
    EXPECT_EQ(readAll(macros / "a.macro"), a);

    EXPECT_EQ(tq("eval --macro-dir " + quote(dir / "none") + " EndPlate").status, 2);
    EXPECT_EQ(tq("eval --macro-dir " + quote(macros) + " --out x EndPlate").status, 2);
}

}  // namespace
