// defset.dat bytes -> launcher::ReadDefsetLanguage.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "launcher/config_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string language = launcher::ReadDefsetLanguage(fuzz::asText(data, size));
    if (language.size() > launcher::kMaxConfigLine) fuzz::propertyFailed("defset_dat", "value longer than a line");
    return 0;
}
