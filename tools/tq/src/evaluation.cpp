#include "tq/evaluation.h"

#include "frame/standards_launchers.h"
#include "host/settings.h"
#include "tq/eval_outcome.h"
#include "tq/session.h"
#include "tq/standard_declarations.h"

namespace tq {

namespace {

// The macro's values for the sheet's declarations, read through the record's mapping as
// the engine reads them (without its boxes): what a failed macro-mode run was given.
KmVarCells macroValues(const KmDlgStandardsData& data) {
    KmVarCells cells;
    std::string error;
    if (readStandardDeclarations(data.tqFileName.wstr(), cells, error) != 0) return KmVarCells();
    bool& diagnostics = gSettings.current.standardsDiagnostics;
    const bool saved = diagnostics;
    diagnostics = false;
    cells.getFromMacro(data);
    diagnostics = saved;
    return cells;
}

}  // namespace

std::string evaluateStandard(Session& session, KmDlgStandardsData& data, const KmVarCells& given, bool* finished) {
    const std::size_t seen = session.messages().size();
    const bool evaluated = StartDlgStandardsTq(data);
    if (finished) *finished = evaluated;
    session.flushTraces();
    const bool macroMode = data.evalMode == KmDlgStandardsData::kMacroMode;
    const KmVarCells probe = !evaluated && macroMode && given.length() == 0 ? macroValues(data) : KmVarCells();
    return evaluationFailure(evaluated, session.messages(), seen, probe.length() ? probe : given, data.varCells,
                             session.rules());
}

Zk_String macroMappingName(const CliOptions& options, const Zk_String& macroName) {
    if (!options.group.empty()) return Zk_String(L"Module.") + Zk_String::fromUtf8(options.group);
    if (!options.mapping.empty()) return Zk_String::fromUtf8(options.mapping);
    return macroName;
}

}  // namespace tq
