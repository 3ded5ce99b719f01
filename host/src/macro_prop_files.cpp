#include "host/macro_prop_files.h"

#include "host/files.h"
#include "host/macro_host_calls.h"

MacroPropFilesStandIn& macroPropFiles() {
    static MacroPropFilesStandIn settings;
    return settings;
}

bool propListAllowed(const MacroData&) { return macroPropFiles().allowed; }

void getPropFiles(const MacroData&, Zk_String& folder, Zk_String& extension, Zk_StringArray& names,
                  Zk_StringArray& descriptions) {
    folder = macroPropFiles().folder;
    extension = macroPropFiles().extension;
    names.removeAll();
    descriptions.removeAll();
    Zk_StringArray files;
    ObjectExportFindFiles(folder, L"*." + extension, files, false);
    for (const Zk_String& f : files) {
        names.append(getFileTitle(f));
        descriptions.append(Zk_String());
    }
}

bool readPropFile(MacroData& data, const Zk_String& path, int& unplaced) {
    Zk_Array<Zk_StringArray> rows;
    if (!readFile(path, rows)) return false;
    MacroData read = data;
    int missing = 0;
    for (const Zk_StringArray& row : rows) {
        if (row.isEmpty() || (row.length() == 1 && row[0].isEmpty())) continue;
        MacroTabData* tab = row.length() == 3 ? read.tab(row[0]) : nullptr;
        MacroCell* cell = tab ? tab->findCell(row[1]) : nullptr;
        if (!cell || cell->isReadOnly()) {
            ++missing;
            continue;
        }
        cell->value = row[2];
    }
    data = read;
    unplaced = missing;
    return true;
}

bool writePropFile(const MacroData& data, const Zk_String& path) {
    Zk_Array<Zk_StringArray> rows;
    for (const MacroTabData& tab : data.tabs)
        for (const MacroCell& cell : tab.cells) rows.append(Zk_StringArray{tab.name, cell.name, cell.value});
    return writeFile(path, rows);
}

int setAllToMacro(MacroData& data, const MacroData& before) {
    int updated = 0;
    for (int i = 0; i < data.tabs.length() && i < before.tabs.length(); ++i) {
        const MacroChanges changes = data.tabs[i].differences(before.tabs[i]);
        if (changes.isEmpty()) continue;
        const Zk_String name = data.tabs[i].name;
        if (UpdateModule(name, data, changes)) ++updated;
    }
    return updated;
}
