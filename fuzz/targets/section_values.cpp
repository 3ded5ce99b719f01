// Section table bytes -> the values table (file reader and every listing on the rows
// read) and the same bytes as the tab-separated text tq section import reads. Property:
// text accepted once is accepted again after writing it out, unchanged.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "host/settings.h"
#include "sectionlib/section_table_text.h"
#include "sectionlib/zk_prof_values_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Zk_String path = fuzz::writeScratch("prof/FZ.pr", fuzz::asText(data, size));
    gSettings.libDir = fuzz::scratchPath("");
    Zk_ProfValuesTable table;
    if (table.readFromFile(Zk_String(L"FZ"))) {
        Zk_StringArray names;
        table.getSysNames(names, true);
        table.getfilteredIdx(table.rows.length() - 1);
        table.insertRow(0);
        table.setUserNames(0, Zk_String(L"x"));
        table.removeInactiveEntries();
    }

    const Zk_String text = Zk_String::fromUtf8(fuzz::asText(data, size));
    Zk_ProfValuesTable parsed;
    Zk_String error;
    if (!sectionTableFromText(text, parsed, error)) return 0;
    Zk_ProfValuesTable again;
    if (!sectionTableFromText(sectionTableToText(parsed, false), again, error))
        fuzz::propertyFailed("section_values", "written text refused: " + error.toUtf8());
    if (again.image != parsed.image || again.columnNames != parsed.columnNames || again.rows != parsed.rows)
        fuzz::propertyFailed("section_values", "written text reads back differently");
    return 0;
}
