// Whether one evaluation of a standard really succeeded. The engine carries on past a
// failed equation, a child call it could not make or a value it could not place (it
// only reports them in a message box when diagnostics are on), so a run that returned
// success may still hold wrong or error outputs. tq keeps diagnostics on while it
// evaluates and calls a run good only when nothing was reported and no output holds an
// error value.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/km_var_cells.h"
#include "tq/cli_output.h"

namespace tq {

// The message boxes from messages[from] on, as one line: the first box's text up to its
// hint for finding the cause, line breaks and tabs made spaces, with the number of
// further boxes. Empty when no box was shown.
std::string reportedFailure(const std::vector<RunMessage>& messages, std::size_t from);

// The first declared Int or Double among cells whose non-empty value is no number:
// "Thickness takes a number, not \"abc\"". Empty when every value fits.
std::string valueTypeMismatch(const KmVarCells& cells);

// The first output holding an error value of the control ("Width is #VALUE!").
std::string errorOutput(const KmVarCells& cells);

// The failure text of a run (empty when it succeeded): evaluated tells what the engine
// returned, given the values it was given (value mode), results the cells it gave back.
std::string evaluationFailure(bool evaluated, const std::vector<RunMessage>& messages, std::size_t from,
                              const KmVarCells& given, const KmVarCells& results);

}  // namespace tq
