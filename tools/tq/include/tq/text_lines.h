// Splitting the text of a tab-separated file into lines and fields.
#pragma once

#include <string>
#include <vector>

namespace tq {

// The fields of one line, split at every tab (an empty line gives one empty field).
std::vector<std::wstring> splitFields(const std::wstring& line);
// The lines of a text, without their line ends (LF or CR LF); no line after a final LF.
std::vector<std::wstring> splitLines(const std::wstring& text);

}  // namespace tq
