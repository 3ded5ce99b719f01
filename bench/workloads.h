// Generated benchmark workloads: sheets whose expected values are known in closed form,
// shared by the benchmarks, the phase runner and the comparison with other engines (which
// read the same files and the JSON description written by gen_workloads).
#pragma once

#include <string>
#include <vector>

namespace bench {

// A cell address in A1 form ("A1", "AB12"); columns and rows count from 1.
std::string CellName(int col, int row);
// Parses "AB12" into col 28, row 12; false when it is no plain A1 address.
bool ParseCellName(const std::string& name, int& col, int& row);

// An expected value: a number (compared with a relative tolerance) or a text.
struct Check {
    int col = 0, row = 0;
    bool isText = false;
    double number = 0;
    std::string text;
};

// A change of one input cell: a number or a text constant.
struct Edit {
    int col = 0, row = 0;
    bool isText = false;
    double number = 0;
    std::string text;
};

// One sheet: cells as texts (constants, or formulas with a leading "="), checks after the
// first calculation, and a change with the checks after the recalculation it causes.
struct Workload {
    std::string name;    // e.g. "W1_10000"
    std::string group;   // e.g. "W1"
    std::string what;    // one-line description
    int cols = 0, rows = 0;
    std::vector<std::vector<std::string>> cells;   // [row-1][col-1]; "" = empty
    std::vector<Check> checks;
    std::vector<Edit> edits;
    std::vector<Check> checksAfter;
    std::size_t formulaCount() const;
};

Workload MakeChain(int n);                 // W1: A1=1, A(i)=A(i-1)+1
Workload MakeIndependent(int n);           // W2: A(i)=i, B(i)=A(i)*2+1
Workload MakePrefixSums(int n);            // W3: A(i)=i, E(i)=SUM($A$1:A(i-1))
Workload MakeRowRecurrence(int n);         // W4: three formulas per row on the row above
Workload MakeConcat(int n);                // W5: C(i)=A(i)&B(i), 30-character texts
Workload MakeLookups(int tableRows);       // W6: VLOOKUP exact/approximate, INDEX/MATCH

// The default set written by gen_workloads (quick: smallest sizes only).
std::vector<Workload> AllWorkloads(bool quick);

// W8: a connection standard with 30 inputs (24 numbers, 6 keys), 100 locals, 20 outputs
// and 130 equations (rounding to a step, table look-ups, IF chains).
struct Standard {
    std::vector<std::string> inputNames;    // declaration order
    std::vector<bool> inputIsText;
    std::vector<std::string> outputNames;
    std::vector<std::string> localNames;
    std::vector<std::string> equations;     // "Name = expression" with names
    // Look-up tables: file name and rows (key, value).
    struct Table { std::string file; std::vector<std::pair<std::string, double>> rows; };
    std::vector<Table> tables;
    // The same calculation as a plain sheet over cells: inputs in column A (rows 1..30),
    // one formula per equation in column B, tables in columns D onward.
    Workload flat;
    std::vector<int> outputRowsInFlat;      // row in column B holding each output's final value
    // Input rows (values as texts) and the expected outputs for each.
    std::vector<std::vector<std::string>> inputRows;
    std::vector<std::vector<double>> expected;
};
Standard MakeStandard(int inputRows);

// The standard as a tab-separated grid with formulas of "=" form: declarations and the
// calculation area (what a standards author writes by hand).
std::string StandardGridText(const Standard& s);
// Grid text of a workload: rows of tab-separated cells.
std::string GridText(const Workload& w);
// Native file text of the control: the grid behind the versioned first line, with the
// sheet counts set to the grid's size.
std::string SheetFileText(const Workload& w);
std::string SheetFileTextFromGrid(const std::string& grid, int cols, int rows);

// Writes the standard as a product library below dir: "Connection Standards/W8.kms" and
// its look-up tables in "Connection Standards/Data/". Files go through a temporary name,
// so a failed write leaves no torn file; false with why.
bool WriteStandardLibrary(const Standard& s, const std::string& dir, std::string& why);
// Writes text to path (parent folders made) through a temporary file.
bool WriteFileAtomically(const std::string& path, const std::string& text);

// Compares a calculated value (mode-3 text) with a check; fills why on a mismatch.
bool MatchesCheck(const Check& c, const std::wstring& valueText, std::string& why);
bool MatchesNumber(double expected, double got);

}  // namespace bench
