// Helpers shared by the fuzz targets and the robustness tests: a scratch folder per
// process, files written into it, and spreadsheet controls without a dialog around them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/zk_string.h"
#include "win/types.h"

namespace fuzz {

// The scratch folder of this process (host path, created on first use).
const std::string& scratchDir();
// Writes bytes to scratchDir()/name with plain stdio (not the product's file layer, so
// injected faults never hit it) and returns the file's Windows path.
Zk_String writeScratch(const std::string& name, std::string_view bytes);
// The Windows path of scratchDir()/name.
Zk_String scratchPath(const std::string& name);
// Bytes of a host file ("" when unreadable).
std::string readHostFile(const std::string& hostPath);

// A spreadsheet control kept for the whole process (index 0..3), reset (SSReset) by
// each call.
HWND freshSheet(int index = 0);

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Stops the process with a message: a broken round-trip property is a finding.
[[noreturn]] void propertyFailed(const char* target, const std::string& what);

}  // namespace fuzz
