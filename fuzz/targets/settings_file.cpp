// Settings file bytes -> Zk_Settings::loadFile.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "host/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Zk_String path = fuzz::writeScratch("tq_settings.txt", fuzz::asText(data, size));
    Zk_Settings settings;
    settings.loadFile(path);
    Zk_Settings::normalizeFolder(settings.libDir);
    return 0;
}
