// Look-up table text -> parseTableText and a look-up of the first and a missing key.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/table_lookup.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const KmTableRows rows = parseTableText(Zk_String(std::string(fuzz::asText(data, size))));
    Zk_String value;
    if (!rows.empty() && rows.front().length() > 0) {
        if (lookupTableValue(rows, rows.front()[0], value) && rows.front().length() < 2)
            fuzz::propertyFailed("table_file", "a row without a value matched");
    }
    lookupTableValue(rows, Zk_String(L"10.000000;HEA200"), value,
                     [](const Zk_String& k) { return k + Zk_String(L";"); });
    return 0;
}
