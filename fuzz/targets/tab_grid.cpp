// Tab-separated grid text: through a file on disk (SSLoadFromFile accepts a grid without
// the header line) and pasted into a sheet as clipboard text (SSSetClipText).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "spread/ss_api.h"
#include "win/encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::asText(data, size);
    const Zk_String path = fuzz::writeScratch("grid.txt", bytes);
    HWND ss = fuzz::freshSheet(0);
    if (!SSLoadFromFile(ss, path.c_str()) && SSGetLastErrorText(ss).empty())
        fuzz::propertyFailed("tab_grid", "failed load without a message");

    HWND paste = fuzz::freshSheet(1);
    const std::wstring text = WideFromUtf8(bytes);
    SSSetClipText(paste, 2, 2, text.c_str());
    std::wstring back;
    SSGetClipText(paste, 1, 1, SSGetMaxCols(paste) < 8 ? SSGetMaxCols(paste) : 8,
                  SSGetMaxRows(paste) < 8 ? SSGetMaxRows(paste) : 8, back);
    return 0;
}
