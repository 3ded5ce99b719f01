// tq eval: value mode (the given NAME=VALUE list) and macro mode (a macro file).
#include <algorithm>

#include "acad/db_object_id.h"
#include "engine/dlg_tq_standards.h"
#include "engine/km_dlg_standards_data.h"
#include "engine/km_tq_mapping.h"
#include "engine/step_timers.h"
#include "frame/tq_dlgs_mgr.h"
#include "host/files.h"
#include "host/macro_file.h"
#include "host/settings.h"
#include "host/zk_timer.h"
#include "spread/ss_api.h"
#include "cli/batch.h"
#include "tq/cli_output.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "tq/evaluation.h"
#include "tq/session.h"
#include "tq/standard_declarations.h"
#include "win/encoding.h"

namespace tq {

namespace {

std::string utf8(const Zk_String& text) { return text.toUtf8(); }

std::string declaredNames(const KmVarCells& cells) {
    std::string names;
    for (int i = 0; i < cells.length(); ++i) {
        if (cells[i].isLocal())
            continue;
        if (!names.empty()) names += ", ";
        names += utf8(cells[i].varName);
    }
    return names.empty() ? "none" : names;
}

// Every output the sheet declares, in declaration order, with the value the run gave it
// (empty when the engine did not finish or gave none).
void collectOutputs(const KmVarCells& declarations, const KmVarCells* results, std::vector<NameValue>& outputs) {
    for (int i = 0; i < declarations.length(); ++i) {
        if (!declarations[i].isOutput()) continue;
        NameValue item{utf8(declarations[i].varName), std::string()};
        if (results)
            for (int j = 0; j < results->length(); ++j)
                if ((*results)[j].isOutput() && (*results)[j].varName == declarations[i].varName) {
                    item.value = utf8((*results)[j].value);
                    break;
                }
        outputs.push_back(std::move(item));
    }
}

void collectTimings(RunReport& report) {
    for (const KmStepTimer& timer : allStepTimers())
        report.timings.push_back({timer.name, timer.timer->duration(), timer.timer->count()});
}

// Builds the value-mode list from the sheet's own declarations: every input and output
// in declaration order, with the given value or empty.
int buildValueList(const CliOptions& options, const KmVarCells& declarations, KmVarCells& given,
                   std::string& error) {
    for (const auto& [name, value] : options.values) {
        int index = -1;
        const Zk_String varName = Zk_String::fromUtf8(name);
        if (declarations.findVarCell(varName, index) != Acad::eOk) {
            error = "the standard declares no variable " + name + " (it takes: " +
                    declaredNames(declarations) + ")";
            return kExitUsage;
        }
        if (declarations[index].isLocal()) {
            error = name + " is a local variable of the standard; only inputs and outputs take values";
            return kExitUsage;
        }
    }
    for (int i = 0; i < declarations.length(); ++i) {
        const KmVarCell& declaration = declarations[i];
        if (declaration.isLocal())
            continue;
        KmVarCell cell;
        cell.varName = declaration.varName;
        cell.cellType = declaration.cellType;
        cell.valueType = declaration.valueType;
        const std::string name = utf8(declaration.varName);
        for (const auto& item : options.values)
            if (item.first == name)
                cell.value = Zk_String::fromUtf8(item.second);
        given.append(cell);
    }
    return kExitOk;
}

int finish(CommandContext& context, RunReport& report, int status) {
    context.session.flushTraces();
    report.ok = status == kExitOk;
    report.status = status;
    report.messages = context.session.messages();
    report.withTimings = context.options.timings;
    if (context.options.timings)
        collectTimings(report);
    if (context.options.json) {
        context.out << formatJson(report);
    } else {
        context.out << formatOutputs(report.outputs);
        if (context.options.timings)
            context.err << formatTimings(report.timings);
    }
    if (!report.error.empty())
        context.err << "tq: " << report.error << "\n";
    // A good run whose equations partly failed: outputs may hold values the failed
    // equations did not replace (in macro mode the macro's old ones).
    const std::size_t keptBack = context.session.boxesKeptBack(0);
    if (status == kExitOk && keptBack > 0)
        context.err << "tq: note: the engine reported " << keptBack
                    << (keptBack == 1 ? " failed equation or warning" : " failed equations or warnings")
                    << " (--diagnostics shows " << (keptBack == 1 ? "it" : "them") << ")\n";
    return status;
}

int evalValues(CommandContext& context, const std::wstring& file, RunReport& report) {
    KmVarCells declarations;
    int status = readStandardDeclarations(file, declarations, report.error);
    if (status != kExitOk)
        return status;
    KmDlgStandardsData data;
    data.evalMode = KmDlgStandardsData::kValueMode;
    data.tqFileName = Zk_String(file);
    status = buildValueList(context.options, declarations, data.varCells, report.error);
    if (status != kExitOk)
        return status;
    resetStepTimers();
    const KmVarCells given = data.varCells;
    bool finished = false;
    const std::string why = evaluateStandard(context.session, data, given, &finished);
    collectOutputs(declarations, finished ? &data.varCells : nullptr, report.outputs);
    if (!why.empty()) {
        report.error = "the evaluation of " + userPathOf(file) + " failed: " + why;
        return kExitFailed;
    }
    return kExitOk;
}

int evalMacro(CommandContext& context, const std::wstring& file, RunReport& report) {
    const CliOptions& options = context.options;
    KmVarCells declarations;
    int status = readStandardDeclarations(file, declarations, report.error);
    if (status != kExitOk)
        return status;
    std::string written;
    if (!readInputFile(options.macroFile, kMaxTextFileBytes, "macro file", written, report.error))
        return kExitUsage;
    Zk_DbMacro dbMacro;
    MacroData macroData;
    Zk_String error;
    if (!parseMacroFileBytes(written, Zk_String::fromUtf8(options.macroFile), dbMacro, macroData, error)) {
        report.error = "cannot read macro file " + utf8(error);
        return kExitUsage;
    }
    const Zk_Macro before = dbMacro.macro();
    const MacroData dataBefore = macroData;

    const Zk_String macroName = macroMappingName(options, dbMacro.name());

    KmDlgStandardsData data;
    data.initialize(&dbMacro, Zk_String(file), macroName, &macroData);
    AcTransaction transaction;
    data.transaction = &transaction;

    if (options.group.empty()) {
        KmTqMapping mapping;
        if (mapping.getMappingFromFile(Zk_String(file), macroName) != Acad::eOk)
            context.err << "tq: note: no mapping " << utf8(macroName)
                        << " beside the standard; the macro keeps its values\n";
    }

    resetStepTimers();
    bool finished = false;
    const std::string why = evaluateStandard(context.session, data, KmVarCells(), &finished);
    collectOutputs(declarations, finished ? &data.varCells : nullptr, report.outputs);
    if (!why.empty()) {
        report.error = "the evaluation of " + userPathOf(file) + " failed: " + why + "; the macro file is not changed";
        return kExitFailed;
    }

    // Only the values the evaluation changed are written; comments, order and every
    // other line stay as the user wrote them.
    const bool changed = !(dbMacro.macro() == before) || !(macroData == dataBefore);
    const std::string target = options.outFile.empty() ? options.macroFile : options.outFile;
    if (changed || !options.outFile.empty()) {
        if (!writeMacroFileAsWritten(Zk_String(windowsPathOf(target)), written, dbMacro, macroData, error)) {
            report.error = "cannot write " + target + "; nothing was written";
            return kExitFailed;
        }
    }
    return kExitOk;
}

}  // namespace

int runEval(CommandContext& context) {
    const CliOptions& options = context.options;
    RunReport report;
    report.mode = options.macroFile.empty() ? "value" : "macro";
    report.standard = options.standard;
    // The engine reports failed equations only with its diagnostics option on. tq keeps it
    // on to know of them, but shows those boxes only with --diagnostics (the others, the
    // duplicate names, always); the run is judged by its outputs either way.
    gSettings.current.standardsDiagnostics = true;
    context.session.setShowDiagnostics(options.diagnostics);
    context.session.setRules({options.strict, options.diagnostics});
    // The step timers' durations are shown only for --timings; without it they count
    // their steps without reading the clock, a cost near that of a small step.
    const bool wasMeasuring = Zk_Timer::measuring();
    Zk_Timer::setMeasuring(options.timings);
    struct RestoreMeasuring {
        bool on;
        ~RestoreMeasuring() { Zk_Timer::setMeasuring(on); }
    } restoreMeasuring{wasMeasuring};

    const std::wstring file = resolveStandard(options.standard, context.library, report.error);
    if (file.empty())
        return finish(context, report, kExitUsage);
    report.standard = userPathOf(file);
    if (!options.tableFile.empty()) return runEvalTable(context, file, options.tableFile);
    if (!options.macroDir.empty()) return runEvalMacroDir(context, file, options.macroDir);

    const int status = options.macroFile.empty() ? evalValues(context, file, report)
                                                 : evalMacro(context, file, report);
    return finish(context, report, status);
}

}  // namespace tq
