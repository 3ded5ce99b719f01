#include "cli/batch.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <set>

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

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t p = 0;
    for (;;) {
        const std::size_t q = line.find('\t', p);
        fields.push_back(line.substr(p, q == std::string::npos ? std::string::npos : q - p));
        if (q == std::string::npos) break;
        p = q + 1;
    }
    return fields;
}

}  // namespace

bool parseBatchTable(const std::string& text, BatchTable& table, std::string& error) {
    table = BatchTable{};
    std::vector<std::string> lines;
    for (std::size_t p = 0; p < text.size();) {
        std::size_t q = text.find('\n', p);
        if (q == std::string::npos) q = text.size();
        std::string line = text.substr(p, q - p);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        p = q + 1;
    }
    if (lines.empty() || lines[0].empty()) {
        error = "line 1: the header row naming the inputs is missing";
        return false;
    }
    table.header = splitTabs(lines[0]);
    std::set<std::string> seen;
    for (const std::string& name : table.header) {
        if (name.empty()) {
            error = "line 1: a column without a name";
            return false;
        }
        if (!seen.insert(name).second) {
            error = "line 1: column " + name + " appears twice";
            return false;
        }
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty() && i + 1 == lines.size()) break;
        std::vector<std::string> fields = splitTabs(lines[i]);
        if (fields.size() > table.header.size()) {
            error = "line " + std::to_string(i + 1) + ": " + std::to_string(fields.size()) + " fields, the header has " +
                    std::to_string(table.header.size());
            return false;
        }
        fields.resize(table.header.size());
        table.rows.push_back(std::move(fields));
    }
    return true;
}

std::string formatBatchTable(const BatchTable& table) {
    std::string out;
    auto line = [&out](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i) out += '\t';
            out += fields[i];
        }
        out += '\n';
    };
    line(table.header);
    for (const auto& row : table.rows) line(row);
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

int runEvalTable(CommandContext& context, const std::wstring& standardFile, const std::string& tablePath) {
    const CliOptions& options = context.options;
    std::string bytes, error;
    if (!readInputFile(tablePath, kMaxBatchTableBytes, "table", bytes, error)) {
        context.err << "tq: " << error << "\n";
        return kExitUsage;
    }
    BatchTable inputs;
    if (!parseBatchTable(bytes, inputs, error)) {
        context.err << "tq: " << tablePath << ", " << error << "\n";
        return kExitUsage;
    }
    KmVarCells declarations;
    if (const int status = readStandardDeclarations(standardFile, declarations, error); status != kExitOk) {
        context.err << "tq: " << error << "\n";
        return status;
    }
    // Every column must name an input or output; each non-local declaration takes its column.
    for (const std::string& name : inputs.header) {
        int index = -1;
        if (declarations.findVarCell(Zk_String::fromUtf8(name), index) != Acad::eOk || declarations[index].isLocal()) {
            context.err << "tq: " << tablePath << ": the standard declares no input or output " << name << "\n";
            return kExitUsage;
        }
    }
    std::vector<int> columnOf;  // per non-local declaration: its column, or -1
    std::vector<int> outputs;   // indexes of the outputs among the declarations
    for (int i = 0; i < declarations.length(); ++i) {
        if (declarations[i].isLocal()) continue;
        const std::string name = declarations[i].varName.toUtf8();
        const auto it = std::find(inputs.header.begin(), inputs.header.end(), name);
        columnOf.push_back(it == inputs.header.end() ? -1 : static_cast<int>(it - inputs.header.begin()));
        if (declarations[i].isOutput()) outputs.push_back(i);
    }

    BatchTable results;
    results.header = inputs.header;
    for (int i : outputs) results.header.push_back(declarations[i].varName.toUtf8());
    results.header.push_back("status");
    BatchProgress progress(context.err, inputs.rows.size(), errorIsTerminal());
    std::size_t failed = 0;
    for (const auto& row : inputs.rows) {
        // A new list per row: nothing given to one row reaches the next.
        KmDlgStandardsData data;
        data.evalMode = KmDlgStandardsData::kValueMode;
        data.tqFileName = Zk_String(standardFile);
        int k = 0;
        for (int i = 0; i < declarations.length(); ++i) {
            if (declarations[i].isLocal()) continue;
            KmVarCell cell;
            cell.varName = declarations[i].varName;
            cell.cellType = declarations[i].cellType;
            cell.valueType = declarations[i].valueType;
            if (columnOf[k] >= 0) cell.value = Zk_String::fromUtf8(row[columnOf[k]]);
            data.varCells.append(cell);
            ++k;
        }
        const KmVarCells given = data.varCells;
        const std::string why = evaluateStandard(context.session, data, given);
        std::vector<std::string> line = row;
        for (int i : outputs) {
            std::string value;
            if (why.empty())
                for (int j = 0; j < data.varCells.length(); ++j)
                    if (data.varCells[j].isOutput() && data.varCells[j].varName == declarations[i].varName)
                        value = data.varCells[j].value.toUtf8();
            line.push_back(value);
        }
        line.push_back(why.empty() ? "ok" : "failed: " + why);
        results.rows.push_back(std::move(line));
        if (!why.empty()) ++failed;
        context.session.forgetMessages();
        progress.step(why.empty());
    }
    progress.finish();
    const std::string text = formatBatchTable(results);
    if (options.outFile.empty()) {
        context.out << text;
    } else if (!WriteFileAtomic(windowsPathOf(options.outFile), text)) {
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
