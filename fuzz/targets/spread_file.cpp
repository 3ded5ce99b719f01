// Spreadsheet file text -> SSLoadFromBuffer. A file that loads must survive a save and
// load again unchanged: save(load(save(load(x)))) == save(load(x)).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "spread/ss_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HWND a = fuzz::freshSheet(0);
    if (!SSLoadFromBuffer(a, fuzz::asText(data, size), L"fuzz.kms")) {
        if (SSGetLastErrorText(a).empty()) fuzz::propertyFailed("spread_file", "failed load without a message");
        return 0;
    }
    std::string first;
    if (!SSSaveToBuffer(a, first, FALSE)) fuzz::propertyFailed("spread_file", "save of a loaded sheet failed");
    HWND b = fuzz::freshSheet(1);
    if (!SSLoadFromBuffer(b, first, L"saved.kms"))
        fuzz::propertyFailed("spread_file", "saved sheet does not load again");
    std::string second;
    SSSaveToBuffer(b, second, FALSE);
    if (first != second) fuzz::propertyFailed("spread_file", "save/load/save changed the file");
    return 0;
}
