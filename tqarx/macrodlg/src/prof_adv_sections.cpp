#include "prof_adv_sections.h"

#include "host/files.h"
#include "host/macro_prof_records.h"
#include "host/section_tables.h"
#include "host/settings.h"

void sectionChoices(const Zk_String& section, Zk_StringArray& systemNames, Zk_StringArray& shown) {
    systemNames.removeAll();
    shown.removeAll();
    const Zk_String userFolder(L"User Sections\\");
    if (section.startsWith(userFolder, true)) {
        systemNames.append(section);
        shown.append(getFileTitle(section));
    } else {
        const int dash = section.find(L'-');
        const Zk_String family = dash > 0 ? section.left(dash) : section;
        const Zk_SectionTable* table = nullptr;
        if (!family.isEmpty() && gSectionTables.findTable(family, table) == Acad::eOk && table) {
            for (const Zk_StringArray& row : table->rows) {
                if (row.isEmpty() || row[0].isEmpty()) continue;
                const Zk_String full = table->typeName + Zk_String(L"-") + row[0];
                Zk_String user;
                if (!gSectionTables.getUserName(full, user) || user.isEmpty()) user = row[0];
                systemNames.append(full);
                shown.append(user);
            }
        }
    }
    systemNames.append(macroKeepText());
    shown.append(macroKeepText());
}

Zk_StringArray sectionFamilies() {
    Zk_StringArray files;
    Zk_StringArray families;
    if (!ObjectExportFindFiles(addBackslash(gSettings.libDir) + Zk_String(L"prof\\"), Zk_String(L"*.pr"), files, false))
        return families;
    for (const Zk_String& file : files) families.append(getFileTitle(file));
    return families;
}
