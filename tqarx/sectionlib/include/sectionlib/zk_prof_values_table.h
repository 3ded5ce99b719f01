// Zk_ProfValuesTable: the table of sections of one section type in memory. Each row is
// one section: system name (unique), active flag ("1"/"0"), the user name per language
// (4 languages, 5 when the column name at index 6 is "Korean"), then the values as texts
// of numbers. It is read from and written to the type's table file in the library's
// "prof\" folder, shown in and read back from a spreadsheet for editing, and handed to
// the host's section table manager. Row and column indices count from 0.
#pragma once

#include "acad/ac_array.h"
#include "acad/error_status.h"
#include "host/zk_array.h"
#include "host/zk_string.h"

class Zk_Spread;
class Zk_SectionTableManager;

class Zk_ProfValuesTable {
public:
    // Column indices of a row.
    static constexpr int kSysNameCol = 0;
    static constexpr int kActiveCol = 1;
    static constexpr int kFirstUserNameCol = 2;

    Zk_ProfValuesTable() = default;
    virtual ~Zk_ProfValuesTable() = default;
    Zk_ProfValuesTable(const Zk_ProfValuesTable&) = default;
    Zk_ProfValuesTable& operator=(const Zk_ProfValuesTable&) = default;

    Zk_String typeName;                 // as the file is named; prefix of listed system names
    Zk_String image;                    // the type's picture reference (first row of the file)
    Zk_StringArray columnNames;         // second row of the file
    Zk_Array<Zk_StringArray> rows;      // one per section

    // File: sectionTableFilePath(name). Read: false when the file cannot be read; with
    // more than one row the first two give the image and the column names.
    bool readFromFile(const Zk_String& name);
    // Image row, column names and rows; replaces the file atomically. False when the file
    // cannot be written (the old file is then left as it was).
    bool writeToFile(const Zk_String& name) const;

    bool getColumn(Zk_StringArray& out, const int& index) const;
    bool getColumn(Zk_StringArray& out, const Zk_String& name) const;
    int getColumnIdx(const Zk_String& name) const;
    bool getRow(Zk_StringArray& out, const int& index) const;
    bool deleteRow(const int& index);
    // Inserts after row index a copy of it with a new system name and user name (in the
    // current macro language's column). False, nothing changed, when index is not a row
    // or is the last row.
    bool insertRow(const int& index);
    // insertRow(index), then names row index (the copy keeps its generated names).
    Acad::ErrorStatus insertRow(const int& index, const Zk_String& sysName, const Zk_String& userName);
    Acad::ErrorStatus setSysName(const int& index, const Zk_String& name);
    // Every user-name cell of the row.
    Acad::ErrorStatus setUserNames(const int& index, const Zk_String& name);
    // The value cells of the row; the count must match.
    Acad::ErrorStatus setValues(const int& index, const AcArray<double>& values);

    // type name, "-", system name: every row / the rows whose flag is not "0".
    void getSysNames(Zk_StringArray& out) const;
    void getFilteredSysNames(Zk_StringArray& out) const;
    void getSysNames(Zk_StringArray& out, bool filtered) const;
    Zk_String findUnusedSysName(const Zk_String& base) const;
    bool findSysName(const Zk_String& name, int& index) const;
    // Position of row index among the active rows; -1 when index is not a row.
    int getfilteredIdx(const int& index) const;
    int getNrLanguages() const;
    // Column of the first value (after the user names).
    int firstValueCol() const { return kFirstUserNameCol + getNrLanguages(); }
    void removeInactiveEntries();

    // Reads the table back from a sheet: column headers, type name from the first row
    // header, one row per sheet row. False when the sheet has no rows or columns.
    bool getFromTq(Zk_Spread& sheet);
    // Shows the table in a sheet (sheet column 2 holds the active flag as check boxes).
    // With no rows the sheet is emptied and the result is false.
    bool setToTq(Zk_Spread& sheet) const;
    // Hands the table without its active flag to the manager (replacing the type's table).
    Acad::ErrorStatus setToGlobals(Zk_SectionTableManager* manager) const;
};
