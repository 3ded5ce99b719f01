// Macro file text -> parseMacroText. A rejected text names the file and line; an accepted
// one is written and read back unchanged: text(parse(text(parse(x)))) == text(parse(x)).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "host/macro_file.h"
#include "host/macro_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Zk_String text(std::string(fuzz::asText(data, size)));
    Zk_Macro macro;
    MacroData macroData;
    Zk_String error;
    if (!parseMacroText(text, Zk_String(L"fuzz.mac"), macro, macroData, error)) {
        if (error.wstr().find(L"fuzz.mac(") == std::wstring::npos)
            fuzz::propertyFailed("macro_file", "error without file and line");
        return 0;
    }
    const Zk_String written = macroToText(macro, macroData);
    Zk_Macro again;
    MacroData againData;
    if (!parseMacroText(written, Zk_String(L"written.mac"), again, againData, error))
        fuzz::propertyFailed("macro_file", "written macro does not parse: " + std::string(error.wstr().begin(), error.wstr().end()));
    if (!(macroToText(again, againData) == written)) fuzz::propertyFailed("macro_file", "write/parse/write changed the text");
    return 0;
}
