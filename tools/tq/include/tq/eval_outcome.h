// Whether one evaluation of a standard succeeded, judged as the engine judges it: the
// engine carries on past a failed equation or a label in its calculation area (it only
// reports them in a message box when diagnostics are on), so a run is good when the
// engine finished and every output holds a value. An empty output or one holding an
// error value of the control fails the run; with --strict so does any message box shown.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/km_var_cells.h"
#include "tq/cli_output.h"

namespace tq {

// How a run is judged beyond the engine's own result.
struct EvaluationRules {
    bool strict = false;       // a message box shown fails the run
    bool diagnostics = false;  // the engine's diagnostic boxes are on
};

// The message boxes shown from messages[from] on (boxes kept back do not count here).
std::size_t countBoxes(const std::vector<RunMessage>& messages, std::size_t from);

// The message boxes shown from messages[from] on, as one line: the first box's text up to its
// hint for finding the cause, line breaks and tabs made spaces, with the number of
// further boxes. Empty when no box was shown.
std::string reportedFailure(const std::vector<RunMessage>& messages, std::size_t from);

// The first declared Int or Double among cells whose non-empty value is no number:
// "Thickness is declared Double and takes a number, not \"abc\"". Empty when every value fits.
std::string valueTypeMismatch(const KmVarCells& cells);

// The outputs among cells that hold no value or an error value of the control:
// "Width and Length have no value; Gauge is #VALUE!". Empty when every output has a value.
std::string outputProblems(const KmVarCells& cells);

// The failure text of a run (empty when it succeeded): evaluated tells what the engine
// returned, given the values it was given (value mode) or the macro's values for the
// sheet's declarations (macro mode), results the cells it gave back.
std::string evaluationFailure(bool evaluated, const std::vector<RunMessage>& messages, std::size_t from,
                              const KmVarCells& given, const KmVarCells& results, const EvaluationRules& rules);

}  // namespace tq
