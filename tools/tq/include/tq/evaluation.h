// One evaluation as every tq command makes it: through the module's pool of calculation
// windows, judged by what the session saw meanwhile (tq/eval_outcome.h).
#pragma once

#include <string>

#include "engine/km_dlg_standards_data.h"
#include "host/zk_string.h"
#include "tq/cli_args.h"

namespace tq {

class Session;

// Evaluates data and returns why the run failed, empty when it succeeded (judged by the
// session's rules). given: the values handed in (value mode), or no cells (macro mode).
// finished, when given, tells whether the engine itself finished. The command-line
// traces of the run are flushed to the session.
std::string evaluateStandard(Session& session, KmDlgStandardsData& data, const KmVarCells& given,
                             bool* finished = nullptr);

// The mapping a macro is evaluated through: module group G with --group G ("Module.G"),
// the one named with --mapping, else the macro's own name.
Zk_String macroMappingName(const CliOptions& options, const Zk_String& macroName);

}  // namespace tq
