// Section table file (".pr") bytes -> Zk_SectionTableManager::loadTableFile, then a value
// of the first section.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "host/section_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Zk_String path = fuzz::writeScratch("FZ.pr", fuzz::asText(data, size));
    Zk_SectionTableManager tables;
    if (tables.loadTableFile(path) != Acad::eOk) return 0;
    const Zk_SectionTable* table = nullptr;
    if (tables.findTable(Zk_String(L"FZ"), table) != Acad::eOk || !table) return 0;
    table->nrLanguages();
    if (table->rows.length() > 0 && table->rows[0].length() > 0) table->findRow(table->rows[0][0]);
    return 0;
}
