// Reading a standard's declarations, shared by the single and the batch evaluation.
#pragma once

#include <string>

#include "engine/km_var_cells.h"

namespace tq {

// Loads the standard in a pooled window and copies its declarations; kExitOk, or the
// exit status to end with (kExitUsage for an unreadable file) and a reason in error.
int readStandardDeclarations(const std::wstring& file, KmVarCells& declarations, std::string& error);

}  // namespace tq
