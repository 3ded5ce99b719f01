#include "product_functions_sections.h"

#include "host/section_tables.h"

bool productSectionSystemName(const Zk_String& section, Zk_String& systemName) {
    if (section.isEmpty()) return false;
    return gSectionTables.getSystemName(section, systemName);
}

bool productSectionValue(const Zk_String& section, int column, Zk_String& value) {
    return getSectionValue(section, column, value) == Acad::eOk;
}
