// Language file bytes -> the numbered texts ("ENG.txt" in a folder named by TQ_LANGDIR).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_support.h"
#include "host/texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = [] {
        fuzz::writeScratch("lang/ENG.txt", "");
        ::setenv("TQ_LANGDIR", (fuzz::scratchDir() + "/lang").c_str(), 1);
        return true;
    }();
    (void)once;
    fuzz::writeScratch("lang/ENG.txt", fuzz::asText(data, size));
    reloadTexts();
    for (int nr : {0, 1, 2, 10, 695, -1, 2147483647}) string(nr);
    gMacroLangs.GetStringChopSymbols(1);
    gMacroLangs.GetAllLanguages();
    return 0;
}
