#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "acad/db_object_id.h"
#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "frame/tq_dlgs_mgr.h"
#include "host/files.h"
#include "host/macro_file.h"
#include "spread/ss_api.h"
#include "tq/cli_paths.h"
#include "tq/evaluation.h"
#include "tq/session.h"
#include "tq/standard_declarations.h"
#include "win/encoding.h"
#include "win/files.h"

namespace tq {

namespace {

double nowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The fields of a line, into fields (the strings of the last row reused).
void splitTabs(const std::string& line, std::vector<std::string>& fields) {
    fields.resize(static_cast<std::size_t>(std::count(line.begin(), line.end(), '\t')) + 1);
    std::size_t p = 0;
    for (std::string& field : fields) {
        const std::size_t q = line.find('\t', p);
        field.assign(line, p, q == std::string::npos ? std::string::npos : q - p);
        p = q + 1;
    }
}

}  // namespace

bool BatchTableReader::nextLine(std::string& line) {
    if (!std::getline(m_in, line)) return false;
    ++m_lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool BatchTableReader::readHeader(std::vector<std::string>& header, std::string& error) {
    std::string line;
    if (!nextLine(line) || line.empty()) {
        error = "line 1: the header row naming the inputs is missing";
        return false;
    }
    splitTabs(line, header);
    std::set<std::string> seen;
    for (const std::string& name : header) {
        if (name.empty()) {
            error = "line 1: a column without a name";
            return false;
        }
        if (!seen.insert(name).second) {
            error = "line 1: column " + name + " appears twice";
            return false;
        }
    }
    m_columns = header.size();
    return true;
}

bool BatchTableReader::readRow(std::vector<std::string>& fields, std::string& error) {
    error.clear();
    std::string& line = m_line;
    if (!nextLine(line)) return false;
    if (line.empty()) {
        if (m_in.peek() == std::char_traits<char>::eof()) return false;  // a last empty line is no row
        fields.assign(m_columns, std::string());
        return true;
    }
    splitTabs(line, fields);
    if (fields.size() > m_columns) {
        error = "line " + std::to_string(m_lineNo) + ": " + std::to_string(fields.size()) + " fields, the header has " +
                std::to_string(m_columns);
        return false;
    }
    fields.resize(m_columns);
    return true;
}

bool parseBatchTable(const std::string& text, BatchTable& table, std::string& error) {
    table = BatchTable{};
    std::istringstream in(text);
    BatchTableReader reader(in);
    if (!reader.readHeader(table.header, error)) return false;
    std::vector<std::string> fields;
    while (reader.readRow(fields, error)) table.rows.push_back(fields);
    return error.empty();
}

std::string formatBatchLine(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += '\t';
        out += fields[i];
    }
    out += '\n';
    return out;
}

std::string formatBatchTable(const BatchTable& table) {
    std::string out = formatBatchLine(table.header);
    for (const auto& row : table.rows) out += formatBatchLine(row);
    return out;
}

bool errorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

BatchProgress::BatchProgress(std::ostream& err, std::size_t total, bool terminal)
    : m_err(err), m_total(total), m_terminal(terminal), m_start(nowSeconds()) {}

std::string BatchProgress::barText(std::size_t done, std::size_t total, double seconds) {
    const int width = 30;
    const int filled = total ? static_cast<int>(width * std::min(done, total) / total) : width;
    const double rate = seconds > 0 ? done / seconds : 0;
    char tail[96];
    if (rate > 0 && total >= done)
        std::snprintf(tail, sizeof tail, " %zu/%zu %.1f/s %.0f s left", done, total, rate, (total - done) / rate);
    else
        std::snprintf(tail, sizeof tail, " %zu/%zu", done, total);
    return "[" + std::string(filled, '#') + std::string(width - filled, '.') + "]" + tail;
}

std::string BatchProgress::summaryText(std::size_t done, std::size_t failed, double seconds) {
    char b[128];
    std::snprintf(b, sizeof b, "%zu evaluated, %zu failed in %.2f s (%.1f per second)", done, failed, seconds,
                  seconds > 0 ? done / seconds : 0.0);
    return b;
}

void BatchProgress::step(bool ok) {
    ++m_done;
    if (!ok) ++m_failed;
    if (!m_terminal) return;
    const double t = nowSeconds();
    if (t - m_start < 1.0 || t - m_lastDraw < 0.1) return;
    m_lastDraw = t;
    m_err << "\r" << barText(m_done, m_total, t - m_start) << std::flush;
    m_drawn = true;
}

void BatchProgress::finish() {
    if (m_drawn) m_err << "\r" << std::string(72, ' ') << "\r";
    m_err << summaryText(m_done, m_failed, nowSeconds() - m_start) << "\n";
}

namespace {

// Opens a table for reading, refusing one larger than the limit.
bool openTable(const std::string& tablePath, std::ifstream& in, std::string& error) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(tablePath, ec);
    if (!ec && size > kMaxBatchTableBytes) {
        error = "table " + tablePath + " is larger than " + std::to_string(kMaxBatchTableBytes) + " bytes";
        return false;
    }
    in.open(tablePath, std::ios::binary);
    if (ec || !in) {
        error = "cannot read table " + tablePath;
        return false;
    }
    return true;
}

// The result table as it is made: straight to standard output, or into a temporary file
// beside --out that replaces it at the end, so a failure leaves the old file intact.
class ResultWriter {
public:
    ResultWriter(std::ostream& out, const std::string& outFile) : m_out(out), m_outFile(outFile) {}
    ~ResultWriter() {
        if (m_file.is_open()) m_file.close();
        if (!m_temp.empty()) {
            std::error_code ec;
            std::filesystem::remove(m_temp, ec);
        }
    }
    bool open() {
        if (m_outFile.empty()) return true;
        m_temp = m_outFile + ".tq-" + std::to_string(static_cast<long>(getpid())) + ".tmp";
        m_file.open(m_temp, std::ios::binary | std::ios::trunc);
        return m_file.is_open();
    }
    void write(const std::string& text) {
        if (m_outFile.empty()) {
            m_out << text;
            return;
        }
        m_buffer += text;
        if (m_buffer.size() >= kFlushBytes) flush();
    }
    bool commit() {
        if (m_outFile.empty()) {
            m_out.flush();
            return true;
        }
        flush();
        m_file.close();
        if (m_file.fail()) return false;
        std::error_code ec;
        std::filesystem::rename(m_temp, m_outFile, ec);
        if (ec) return false;
        m_temp.clear();
        return true;
    }

private:
    static constexpr std::size_t kFlushBytes = 1 << 20;
    void flush() {
        m_file.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }
    std::ostream& m_out;
    std::string m_outFile, m_temp, m_buffer;
    std::ofstream m_file;
};

// A table field into a value: ASCII (most fields) without a new string.
void assignUtf8(Zk_String& to, const std::string& utf8, std::wstring& scratch) {
    scratch.clear();
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            to = Zk_String::fromUtf8(utf8);
            return;
        }
        scratch += static_cast<wchar_t>(c);
    }
    to.assign(scratch);
}

}  // namespace

int runEvalTable(CommandContext& context, const std::wstring& standardFile, const std::string& tablePath) {
    const CliOptions& options = context.options;
    std::string error;
    // A first pass checks the whole table (and counts its rows) before any evaluation, so a
    // malformed table is refused with nothing evaluated or written.
    std::vector<std::string> header, fields;
    std::size_t rowCount = 0;
    {
        std::ifstream in;
        if (!openTable(tablePath, in, error)) {
            context.err << "tq: " << error << "\n";
            return kExitUsage;
        }
        BatchTableReader reader(in);
        bool good = reader.readHeader(header, error);
        while (good && reader.readRow(fields, error)) ++rowCount;
        if (!good || !error.empty()) {
            context.err << "tq: " << tablePath << ", " << error << "\n";
            return kExitUsage;
        }
    }
    KmVarCells declarations;
    if (const int status = readStandardDeclarations(standardFile, declarations, error); status != kExitOk) {
        context.err << "tq: " << error << "\n";
        return status;
    }
    // Every column must name an input or output; each non-local declaration takes its column.
    for (const std::string& name : header) {
        int index = -1;
        if (declarations.findVarCell(Zk_String::fromUtf8(name), index) != Acad::eOk || declarations[index].isLocal()) {
            context.err << "tq: " << tablePath << ": the standard declares no input or output " << name << "\n";
            return kExitUsage;
        }
    }
    std::vector<int> columnOf;  // per non-local declaration: its column, or -1
    std::vector<int> outputs;   // per output: its place among the non-local declarations
    std::vector<std::string> resultHeader = header;
    for (int i = 0, k = 0; i < declarations.length(); ++i) {
        if (declarations[i].isLocal()) continue;
        const std::string name = declarations[i].varName.toUtf8();
        const auto it = std::find(header.begin(), header.end(), name);
        columnOf.push_back(it == header.end() ? -1 : static_cast<int>(it - header.begin()));
        if (declarations[i].isOutput()) {
            // The first output of that name answers for it.
            int first = k;
            for (int j = 0, place = 0; j < i; ++j) {
                if (declarations[j].isLocal()) continue;
                if (declarations[j].isOutput() && declarations[j].varName == declarations[i].varName) {
                    first = place;
                    break;
                }
                ++place;
            }
            outputs.push_back(first);
            resultHeader.push_back(name);
        }
        ++k;
    }
    resultHeader.push_back("status");

    ResultWriter results(context.out, options.outFile);
    if (!results.open()) {
        context.err << "tq: cannot write " << options.outFile << "; nothing was written\n";
        return kExitFailed;
    }
    results.write(formatBatchLine(resultHeader));
    std::ifstream in;
    if (!openTable(tablePath, in, error)) {
        context.err << "tq: " << error << "\n";
        return kExitUsage;
    }
    BatchTableReader reader(in);
    std::vector<std::string> again;
    if (!reader.readHeader(again, error) || again != header) {
        context.err << "tq: " << tablePath << " changed while it was read\n";
        return kExitUsage;
    }
    BatchProgress progress(context.err, rowCount, errorIsTerminal());
    std::size_t failed = 0;
    // Every row starts from the same request: the non-local declarations in order, without
    // values, so that nothing given to one row reaches the next. The request is assigned
    // anew per row (reusing the storage of the last one) and then given the row's values.
    KmDlgStandardsData request;
    request.evalMode = KmDlgStandardsData::kValueMode;
    request.tqFileName = Zk_String(standardFile);
    for (int i = 0; i < declarations.length(); ++i) {
        if (declarations[i].isLocal()) continue;
        KmVarCell cell;
        cell.varName = declarations[i].varName;
        cell.cellType = declarations[i].cellType;
        cell.valueType = declarations[i].valueType;
        request.varCells.append(cell);
    }
    KmDlgStandardsData data;
    KmVarCells given;
    std::wstring wide;
    while (reader.readRow(fields, error)) {
        data = request;
        for (int k = 0; k < data.varCells.length(); ++k)
            if (columnOf[k] >= 0) assignUtf8(data.varCells[k].value, fields[columnOf[k]], wide);
        given = data.varCells;
        const std::string why = evaluateStandard(context.session, data, given);
        // The evaluation hands the list back in the order given: outputs are read by place.
        for (int place : outputs) {
            std::string value;
            if (why.empty() && place < data.varCells.length() && data.varCells[place].isOutput())
                value = data.varCells[place].value.toUtf8();
            fields.push_back(std::move(value));
        }
        fields.push_back(why.empty() ? "ok" : "failed: " + why);
        results.write(formatBatchLine(fields));
        if (!why.empty()) ++failed;
        context.session.forgetMessages();
        progress.step(why.empty());
    }
    progress.finish();
    if (!error.empty()) {
        // The table was checked whole before: it changed while it was read.
        context.err << "tq: " << tablePath << ", " << error << " (the table changed while it was read)\n";
        return kExitUsage;
    }
    if (!results.commit()) {
        context.err << "tq: cannot write " << options.outFile << "; nothing was written\n";
        return kExitFailed;
    }
    return failed == 0 ? kExitOk : kExitFailed;
}

int runEvalMacroDir(CommandContext& context, const std::wstring& standardFile, const std::string& folder) {
    const CliOptions& options = context.options;
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::is_directory(folder, ec)) {
        context.err << "tq: " << folder << " is no folder\n";
        return kExitUsage;
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file() && entry.path().extension() == ".macro") files.push_back(entry.path());
    if (ec) {
        context.err << "tq: cannot read folder " << folder << "\n";
        return kExitUsage;
    }
    std::sort(files.begin(), files.end());
    BatchProgress progress(context.err, files.size(), errorIsTerminal());
    bool allOk = true;
    for (const auto& path : files) {
        const std::wstring macroFile = windowsPathOf(path.string());
        Zk_DbMacro dbMacro;
        MacroData macroData;
        Zk_String error;
        std::string status = "ok";
        std::string written, readError;
        if (!readInputFile(path.string(), kMaxTextFileBytes, "macro file", written, readError)) {
            status = "failed: " + readError;
        } else if (!parseMacroFileBytes(written, Zk_String(macroFile), dbMacro, macroData, error)) {
            status = "failed: " + error.toUtf8();
        } else {
            const Zk_Macro before = dbMacro.macro();
            const MacroData dataBefore = macroData;
            KmDlgStandardsData data;
            data.initialize(&dbMacro, Zk_String(standardFile), macroMappingName(options, dbMacro.name()), &macroData);
            AcTransaction transaction;
            data.transaction = &transaction;
            const std::string why = evaluateStandard(context.session, data, KmVarCells());
            const bool changed = !(dbMacro.macro() == before) || !(macroData == dataBefore);
            if (!why.empty()) status = "failed: " + why + "; the file is not changed";
            else if (changed && !writeMacroFileAsWritten(Zk_String(macroFile), written, dbMacro, macroData, error))
                status = "failed: " + error.toUtf8();
        }
        context.session.forgetMessages();
        context.out << path.filename().string() << "\t" << status << "\n";
        allOk = allOk && status == "ok";
        progress.step(status == "ok");
    }
    progress.finish();
    return allOk ? kExitOk : kExitFailed;
}

}  // namespace tq
