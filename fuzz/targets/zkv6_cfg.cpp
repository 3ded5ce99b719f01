// zkv6.cfg bytes -> launcher::ReadZkv6 (and the line splitter under it).
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "launcher/config_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    for (const std::string& line : launcher::ConfigLines(bytes))
        if (line.size() > launcher::kMaxConfigLine || line.empty())
            fuzz::propertyFailed("zkv6_cfg", "line longer than the limit or empty");
    launcher::LauncherConfig config;
    launcher::ReadZkv6(bytes, config);
    return 0;
}
