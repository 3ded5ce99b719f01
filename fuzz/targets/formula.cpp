// Formula text -> SSSetFormula in a sheet with numbers, texts, an error and a custom
// function around it, then a recalculation and a read of the result in every mode.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "spread/ss_api.h"
#include "win/encoding.h"

namespace {
BOOL echoFirst(SS_CALCVALUE* result, SS_CALCVALUE* args, short argCount) {
    if (argCount > 0) *result = args[0];
    return TRUE;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    HWND ss = fuzz::freshSheet(0);
    SSSetMaxCols(ss, 20);
    SSSetMaxRows(ss, 20);
    SSSetData(ss, 1, 1, L"12.5");
    SSSetData(ss, 2, 1, L"text");
    SSSetData(ss, 1, 2, L"-3");
    SSSetFormula(ss, 2, 2, L"1/0");
    SSSetFormula(ss, 3, 3, L"A1+A2");
    SSAddCustomFunctionExt(ss, L"ECHO", 0, -1, echoFirst, SS_CUSTFUNC_WANTVALUES);

    // The input is split at the first NUL: the first part goes into C1, the rest into D4
    // (so that two formulas can refer to each other).
    const std::string_view bytes = fuzz::asText(data, size);
    const std::size_t nul = bytes.find('\0');
    const std::wstring f1 = WideFromUtf8(bytes.substr(0, nul));
    SSSetFormula(ss, 3, 1, f1.c_str());
    if (nul != std::string_view::npos) {
        const std::wstring f2 = WideFromUtf8(bytes.substr(nul + 1));
        SSSetFormula(ss, 4, 4, f2.c_str());
    }
    SSReCalc(ss);
    std::wstring text;
    SSGetData(ss, 3, 1, text);
    SSGetValue(ss, 3, 1, text);
    SSGetFormula(ss, 3, 1, text);
    SSGetData(ss, 4, 4, text);
    return 0;
}
