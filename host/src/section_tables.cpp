#include "host/section_tables.h"

#include "host/files.h"
#include "host/settings.h"
#include "host/texts.h"

Zk_SectionTableManager gSectionTables;

namespace {

Zk_String withoutPrExtension(const Zk_String& name) {
    return name.endsWith(Zk_String(L".pr"), true) ? name.left(name.length() - 3) : name;
}

Zk_String profFolder() { return addBackslash(gSettings.libDir) + Zk_String(L"prof\\"); }

}  // namespace

Zk_String sectionTableFilePath(const Zk_String& name) {
    Zk_String file = name;
    if (!file.endsWith(Zk_String(L".pr"), true)) file += L".pr";
    return profFolder() + file;
}

bool readSectionTableFile(const Zk_String& path, Zk_Array<Zk_StringArray>& rows, Zk_String& typeName) {
    Zk_Array<Zk_StringArray> read;
    if (!readFile(path, read)) return false;
    rows = std::move(read);
    typeName = getFileTitle(path);
    return true;
}

bool writeSectionTableFile(const Zk_String& path, const Zk_Array<Zk_StringArray>& rows) {
    return writeFile(path, rows);
}

int sectionTableLanguageCount(const Zk_StringArray& columnNames, int koreanIndex) {
    return columnNames.length() > koreanIndex && columnNames[koreanIndex].equal(Zk_String(L"Korean")) ? 5 : 4;
}

int Zk_SectionTable::nrLanguages() const {
    return sectionTableLanguageCount(columnNames, 5);
}

int Zk_SectionTable::findRow(const Zk_String& systemName) const {
    for (int i = 0; i < rows.length(); ++i)
        if (rows[i].length() > 0 && rows[i][0].equal(systemName)) return i;
    return -1;
}

int Zk_SectionTableManager::indexOf(const Zk_String& typeName) const {
    const Zk_String wanted = withoutPrExtension(typeName);
    for (int i = 0; i < m_tables.length(); ++i)
        if (m_tables[i].typeName.equal(wanted, true)) return i;
    return -1;
}

bool Zk_SectionTableManager::hasTable(const Zk_String& typeName) const { return indexOf(typeName) >= 0; }

void Zk_SectionTableManager::clear() {
    m_tables.clear();
    m_allLoaded = false;
    m_libDir.clear();
}

Acad::ErrorStatus Zk_SectionTableManager::loadTableFile(const Zk_String& path) {
    Zk_Array<Zk_StringArray> rows;
    Zk_String typeName;
    if (!readSectionTableFile(path, rows, typeName) || rows.length() < 2) return Acad::eInvalidInput;
    Zk_String image = rows[0].length() > 0 ? rows[0][0] : Zk_String();
    Zk_StringArray names = rows[1];
    names.removeAt(1);  // the active flag
    Zk_Array<Zk_StringArray> sections;
    for (int i = 2; i < rows.length(); ++i) {
        Zk_StringArray row = rows[i];
        if (row.isEmpty() || (row.length() == 1 && row[0].trimmed().isEmpty())) continue;
        if (row.length() > 1) row.removeAt(1);
        sections.append(row);
    }
    return addSectionTable(typeName, image, names, sections);
}

Acad::ErrorStatus Zk_SectionTableManager::addSectionTable(const Zk_String& tableName, const Zk_String& image,
                                                          const Zk_StringArray& columnNames,
                                                          const Zk_Array<Zk_StringArray>& rows) {
    syncLibrary();
    Zk_SectionTable table;
    table.typeName = withoutPrExtension(tableName);
    if (table.typeName.isEmpty()) return Acad::eInvalidInput;
    table.image = image;
    table.columnNames = columnNames;
    table.rows = rows;
    int existing = indexOf(table.typeName);
    if (existing >= 0)
        m_tables[existing] = table;
    else
        m_tables.append(table);
    return Acad::eOk;
}

Acad::ErrorStatus Zk_SectionTableManager::removeTable(const Zk_String& typeName) {
    syncLibrary();
    int existing = indexOf(typeName);
    if (existing < 0) return Acad::eInvalidInput;
    m_tables.removeAt(existing);
    return Acad::eOk;
}

void Zk_SectionTableManager::syncLibrary() {
    if (m_libDir == gSettings.libDir) return;
    // Another library: the tables of the old one no longer apply.
    m_tables.clear();
    m_allLoaded = false;
    m_libDir = gSettings.libDir;
}

Acad::ErrorStatus Zk_SectionTableManager::findTable(const Zk_String& typeName, const Zk_SectionTable*& table) {
    table = nullptr;
    syncLibrary();
    int index = indexOf(typeName);
    if (index < 0 && !m_allLoaded && !typeName.isEmpty()) {
        Zk_String path = sectionTableFilePath(withoutPrExtension(typeName));
        if (fileExists(path) && loadTableFile(path) == Acad::eOk) index = indexOf(typeName);
    }
    if (index < 0) return Acad::eInvalidInput;
    table = &m_tables[index];
    return Acad::eOk;
}

void Zk_SectionTableManager::loadAllTables() {
    syncLibrary();
    if (m_allLoaded) return;
    Zk_StringArray files;
    if (ObjectExportFindFiles(profFolder(), Zk_String(L"*.pr"), files, true)) {
        for (const Zk_String& file : files)
            if (!hasTable(getFileTitle(file))) loadTableFile(file);
    }
    m_allLoaded = true;
}

bool splitSectionName(const Zk_String& section, Zk_String& typeName, Zk_String& systemName) {
    int dash = section.find(L'-');
    if (dash <= 0) return false;
    typeName = section.left(dash);
    systemName = section.mid(dash + 1);
    return !systemName.isEmpty();
}

bool Zk_SectionTableManager::getSystemName(const Zk_String& name, Zk_String& systemName) {
    if (name.isEmpty()) return false;
    Zk_String type;
    Zk_String sys;
    const Zk_SectionTable* table = nullptr;
    if (splitSectionName(name, type, sys) && findTable(type, table) == Acad::eOk && table->findRow(sys) >= 0) {
        systemName = table->typeName + Zk_String(L"-") + sys;
        return true;
    }
    loadAllTables();
    for (const Zk_SectionTable& t : m_tables) {
        const int languages = t.nrLanguages();
        for (const Zk_StringArray& row : t.rows) {
            if (row.isEmpty()) continue;
            bool match = row[0].equal(name);
            for (int c = 1; !match && c <= languages && c < row.length(); ++c) match = row[c].equal(name, true);
            if (match) {
                systemName = t.typeName + Zk_String(L"-") + row[0];
                return true;
            }
        }
    }
    return false;
}

bool Zk_SectionTableManager::getUserName(const Zk_String& systemName, Zk_String& userName) {
    Zk_String type;
    Zk_String sys;
    const Zk_SectionTable* table = nullptr;
    if (!splitSectionName(systemName, type, sys) || findTable(type, table) != Acad::eOk) return false;
    const int row = table->findRow(sys);
    if (row < 0) return false;
    const Zk_StringArray& cells = table->rows[row];
    const Zk_String language = gMacroLangs.GetCurLanguage();
    int column = 1;
    for (int c = 1; c <= table->nrLanguages() && c < table->columnNames.length(); ++c)
        if (table->columnNames[c].equal(language, true)) column = c;
    Zk_String name = column < cells.length() ? cells[column] : Zk_String();
    if (name.isEmpty() && cells.length() > 1) name = cells[1];
    if (name.isEmpty()) return false;
    userName = name;
    return true;
}

namespace {

bool findSectionRow(const Zk_String& section, const Zk_SectionTable*& table, int& row) {
    Zk_String type;
    Zk_String sys;
    Zk_String full;
    if (!splitSectionName(section, type, sys)) {
        if (!gSectionTables.getSystemName(section, full) || !splitSectionName(full, type, sys)) return false;
    }
    if (gSectionTables.findTable(type, table) != Acad::eOk) return false;
    row = table->findRow(sys);
    if (row < 0 && gSectionTables.getSystemName(section, full) && splitSectionName(full, type, sys) &&
        gSectionTables.findTable(type, table) == Acad::eOk)
        row = table->findRow(sys);
    return row >= 0;
}

}  // namespace

Acad::ErrorStatus getSectionValue(const Zk_String& section, int column, Zk_String& value) {
    const Zk_SectionTable* table = nullptr;
    int row = -1;
    if (column < 0 || !findSectionRow(section, table, row)) return Acad::eInvalidInput;
    const int index = table->firstValueColumn() + column;
    if (index >= table->rows[row].length()) return Acad::eInvalidInput;
    value = table->rows[row][index];
    return Acad::eOk;
}

Acad::ErrorStatus getSectionColumnNames(const Zk_String& section, Zk_StringArray& names) {
    const Zk_SectionTable* table = nullptr;
    int row = -1;
    if (!findSectionRow(section, table, row)) return Acad::eInvalidInput;
    names.clear();
    for (int c = table->firstValueColumn(); c < table->columnNames.length(); ++c) names.append(table->columnNames[c]);
    return Acad::eOk;
}
