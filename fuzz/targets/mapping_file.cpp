// A whole mapping file -> KmTqMapping::getMappingFromFile, for the name on its second
// line and for one that is not there.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/km_tq_mapping.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    fuzz::writeScratch("file.map", bytes);
    const Zk_String tqFile = fuzz::scratchPath("file.kms");

    std::string name = "EndPlate";
    const std::size_t nl = bytes.find('\n');
    if (nl != std::string_view::npos) {
        const std::string_view second = bytes.substr(nl + 1);
        name = std::string(second.substr(0, second.find_first_of("=\n")));
    }
    KmTqMapping m;
    m.getMappingFromFile(tqFile, Zk_String(name));
    KmTqMapping none;
    none.getMappingFromFile(tqFile, Zk_String(L"\u00BF\u0192 not a name"));
    Zk_String same;
    m.hasSameMapping(tqFile, same);
    return 0;
}
