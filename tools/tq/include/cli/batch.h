// Batch evaluation: one value-mode evaluation of a standard per row of a tab-separated
// table (tq eval STANDARD --table INPUTS.tsv [--out RESULTS.tsv]), or one macro-mode
// evaluation per macro file of a folder (tq eval --macro-dir DIR STANDARD), with a
// progress bar on a terminal and a summary line in any case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tq/commands.h"

namespace tq {

// Largest input table read. Tables are read and their results written row by row, so
// the memory a batch takes does not grow with its rows.
constexpr std::uint64_t kMaxBatchTableBytes = 256ull * 1024 * 1024;

// A tab-separated table: a header row naming the columns, then the rows. Lines may end
// in "\r\n"; a last empty line is no row.
struct BatchTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};
// False with a reason naming the line: an empty or duplicate column name, a row with
// more fields than the header (fewer are filled with empty fields).
bool parseBatchTable(const std::string& text, BatchTable& table, std::string& error);
std::string formatBatchTable(const BatchTable& table);
// One row of a table as a line ("\n" ended).
std::string formatBatchLine(const std::vector<std::string>& fields);

// The same table read line by line from a stream: the header first, then row by row,
// with the rules of parseBatchTable.
class BatchTableReader {
public:
    explicit BatchTableReader(std::istream& in) : m_in(in) {}
    // False with the reason when the header is missing or malformed.
    bool readHeader(std::vector<std::string>& header, std::string& error);
    // False at the end of the table, or with error set for a malformed row.
    bool readRow(std::vector<std::string>& fields, std::string& error);

private:
    bool nextLine(std::string& line);
    std::istream& m_in;
    std::size_t m_columns = 0;
    std::size_t m_lineNo = 0;
    std::string m_line;  // the line just read (its storage reused row to row)
};

// Progress of a batch: drawn on the stream only when it is a terminal and the work has
// taken more than a second; the summary line is always written.
class BatchProgress {
public:
    BatchProgress(std::ostream& err, std::size_t total, bool terminal);
    void step(bool ok);
    // "N evaluated, F failed in S s (R per second)".
    void finish();
    // The bar line for a state of the work (no carriage return).
    static std::string barText(std::size_t done, std::size_t total, double seconds);
    static std::string summaryText(std::size_t done, std::size_t failed, double seconds);

private:
    std::ostream& m_err;
    std::size_t m_total, m_done = 0, m_failed = 0;
    bool m_terminal;
    bool m_drawn = false;
    double m_start, m_lastDraw = 0;
};

// True when standard error is a terminal.
bool errorIsTerminal();

// tablePath / folder: host paths as given on the command line; the result table goes to
// context.options.outFile (standard output when empty). Exit status 0 when every row or
// file succeeded, 1 when one failed, 2 for an unreadable or malformed table or folder.
int runEvalTable(CommandContext& context, const std::wstring& standardFile, const std::string& tablePath);
int runEvalMacroDir(CommandContext& context, const std::wstring& standardFile, const std::string& folder);

}  // namespace tq
