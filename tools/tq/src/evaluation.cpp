#include "tq/evaluation.h"

#include "frame/standards_launchers.h"
#include "tq/eval_outcome.h"
#include "tq/session.h"

namespace tq {

std::string evaluateStandard(Session& session, KmDlgStandardsData& data, const KmVarCells& given) {
    const std::size_t seen = session.messages().size();
    const bool evaluated = StartDlgStandardsTq(data);
    session.flushTraces();
    return evaluationFailure(evaluated, session.messages(), seen, given, data.varCells);
}

Zk_String macroMappingName(const CliOptions& options, const Zk_String& macroName) {
    if (!options.group.empty()) return Zk_String(L"Module.") + Zk_String::fromUtf8(options.group);
    if (!options.mapping.empty()) return Zk_String::fromUtf8(options.mapping);
    return macroName;
}

}  // namespace tq
