// The section tables: one table per section type (a family of profiles), read from the
// library's "prof\" folder. A table file "<type>.pr" is tab-separated rows:
//   1. one cell: the picture reference of the type;
//   2. the column names: system name, active flag, the user name per language (4
//      languages, 5 when the column at index 6 is "Korean"), then the value columns;
//   3. one row per section.
// The tables held here drop the active-flag column (as the section library hands them
// over). A section is named by its type, "-" and its system name ("HEA-HEA200"); value
// columns are counted from 0 after the user-name columns.
#pragma once

#include "acad/error_status.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

struct Zk_SectionTable {
    Zk_String typeName;             // without ".pr"
    Zk_String image;
    Zk_StringArray columnNames;     // system name, user names, value columns
    Zk_Array<Zk_StringArray> rows;

    // Number of user-name (language) columns: 4, or 5 when column 5 is "Korean".
    int nrLanguages() const;
    int firstValueColumn() const { return 1 + nrLanguages(); }
    // Row index of a system name, or -1.
    int findRow(const Zk_String& systemName) const;
};

class Zk_SectionTableManager {
public:
    // The table of a type ("HEA" or "HEA.pr"); a table not held yet is read from
    // libDir + "prof\" + type + ".pr". eInvalidInput when there is none.
    Acad::ErrorStatus findTable(const Zk_String& typeName, const Zk_SectionTable*& table);
    // Adds (or replaces) a table of the current library; columnNames and rows without
    // the active flag.
    Acad::ErrorStatus addSectionTable(const Zk_String& tableName, const Zk_String& image,
                                      const Zk_StringArray& columnNames, const Zk_Array<Zk_StringArray>& rows);
    Acad::ErrorStatus removeTable(const Zk_String& typeName);
    bool hasTable(const Zk_String& typeName) const;
    // The full system name ("type-system") of a section given by its full system name,
    // its system name or a user name in any language; reads every table of the
    // library's "prof\" folder once. False when no table knows it.
    bool getSystemName(const Zk_String& name, Zk_String& systemName);
    // The user name in the current macro language (the first language's when that is
    // empty) of a full system name; false when unknown.
    bool getUserName(const Zk_String& systemName, Zk_String& userName);
    // Forgets every table (they are read again on demand).
    void clear();
    // Reads one table file (type name from the file title); eInvalidInput when it cannot be
    // read or has fewer than two rows.
    Acad::ErrorStatus loadTableFile(const Zk_String& path);

private:
    // Forgets the tables when gSettings.libDir names another library.
    void syncLibrary();
    void loadAllTables();
    int indexOf(const Zk_String& typeName) const;

    Zk_Array<Zk_SectionTable> m_tables;
    Zk_String m_libDir;           // library the tables were read from
    bool m_allLoaded = false;
};

extern Zk_SectionTableManager gSectionTables;

// The file of a section table: libDir + "prof\" + name, ".pr" appended when the name
// does not end in it already.
Zk_String sectionTableFilePath(const Zk_String& name);
// Reads a section table file as its rows (image row, column names, sections, as the file
// holds them); typeName is the name the table goes by (the file title). False when the
// file cannot be read (rows and typeName unchanged). The one reader of section tables.
bool readSectionTableFile(const Zk_String& path, Zk_Array<Zk_StringArray>& rows, Zk_String& typeName);
// Writes the rows as a section table file, replacing it atomically (a failure leaves the
// old file as it was).
bool writeSectionTableFile(const Zk_String& path, const Zk_Array<Zk_StringArray>& rows);
// Number of user-name columns of a table: 4, or 5 when the column name at koreanIndex
// (6 in the file with its active flag, 5 without it) is "Korean".
int sectionTableLanguageCount(const Zk_StringArray& columnNames, int koreanIndex);

// Splits a full section name at its first "-" into type and system name.
bool splitSectionName(const Zk_String& section, Zk_String& typeName, Zk_String& systemName);
// The text of value column `column` (from 0) of a section; eInvalidInput when the
// section or the column does not exist.
Acad::ErrorStatus getSectionValue(const Zk_String& section, int column, Zk_String& value);
// The names of the value columns of a section's table.
Acad::ErrorStatus getSectionColumnNames(const Zk_String& section, Zk_StringArray& names);
