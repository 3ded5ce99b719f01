#include "sectionlib/zk_prof_values_table.h"

#include "engine/zk_spread.h"
#include "host/list_utils.h"
#include "host/section_tables.h"
#include "host/texts.h"
#include "spread/ss_api.h"

namespace {

// The active flag of a row; empty when the row has none.
Zk_String flagOf(const Zk_StringArray& row) {
    return row.length() > Zk_ProfValuesTable::kActiveCol ? row[Zk_ProfValuesTable::kActiveCol] : Zk_String();
}

}  // namespace

bool Zk_ProfValuesTable::readFromFile(const Zk_String& name) {
    Zk_Array<Zk_StringArray> read;
    Zk_String type;
    if (!readSectionTableFile(sectionTableFilePath(name), read, type)) return false;
    typeName = type;
    rows = std::move(read);
    if (rows.length() > 1) {
        if (!rows[0].isEmpty()) image = rows[0][0];
        columnNames = rows[1];
        rows.removeAt(0);
        rows.removeAt(0);
    }
    return true;
}

bool Zk_ProfValuesTable::writeToFile(const Zk_String& name) const {
    Zk_Array<Zk_StringArray> all;
    all.append(Zk_StringArray{image});
    all.append(columnNames);
    all.append(rows);
    return writeSectionTableFile(sectionTableFilePath(name), all);
}

bool Zk_ProfValuesTable::getColumn(Zk_StringArray& out, const int& index) const {
    if (rows.isEmpty() || index < 0 || index >= rows[0].length()) return false;
    out.clear();
    for (const Zk_StringArray& row : rows) out.append(index < row.length() ? row[index] : Zk_String());
    return true;
}

bool Zk_ProfValuesTable::getColumn(Zk_StringArray& out, const Zk_String& name) const {
    const int index = getColumnIdx(name);
    return index >= 0 && getColumn(out, index);
}

int Zk_ProfValuesTable::getColumnIdx(const Zk_String& name) const {
    int index = -1;
    columnNames.find(name, index, false);
    return index;
}

bool Zk_ProfValuesTable::getRow(Zk_StringArray& out, const int& index) const {
    if (!rows.isValidIndex(index)) return false;
    out = rows[index];
    return true;
}

bool Zk_ProfValuesTable::deleteRow(const int& index) { return rows.removeAt(index); }

bool Zk_ProfValuesTable::insertRow(const int& index) {
    if (!rows.isValidIndex(index)) return false;
    const int languageCol = getColumnIdx(gMacroLangs.GetCurLanguage());
    Zk_StringArray copy = rows[index];
    if (copy.length() < columnNames.length()) copy.setLength(columnNames.length());
    if (copy.isEmpty()) copy.setLength(1);

    const bool hasLanguage = languageCol >= 0 && languageCol < copy.length();
    Zk_String userName = typeName;
    if (hasLanguage) {
        int digitPos = -1;
        findFirstNumbers(copy[languageCol], &digitPos);
        const Zk_String letters = digitPos >= 0 ? copy[languageCol].left(digitPos) : copy[languageCol];
        if (!letters.isEmpty()) userName = letters;
    }
    const Zk_String base = copy[kSysNameCol].isEmpty() ? Zk_String(L"1") : copy[kSysNameCol];
    const Zk_String sysName = findUnusedSysName(base);
    copy[kSysNameCol] = sysName;
    if (hasLanguage) copy[languageCol] = userName + sysName;

    // A copy goes between two rows only: there is none after the last row.
    if (!rows.isValidIndex(index + 1)) return false;
    return rows.insertAt(index + 1, copy);
}

Acad::ErrorStatus Zk_ProfValuesTable::insertRow(const int& index, const Zk_String& sysName,
                                                const Zk_String& userName) {
    // Stops at the first step that fails, so a failed call leaves the row as it was.
    if (!insertRow(index)) return Acad::eInvalidInput;
    if (setSysName(index, sysName) != Acad::eOk) return Acad::eInvalidInput;
    return setUserNames(index, userName) == Acad::eOk ? Acad::eOk : Acad::eInvalidInput;
}

Acad::ErrorStatus Zk_ProfValuesTable::setSysName(const int& index, const Zk_String& name) {
    if (!rows.isValidIndex(index) || rows[index].isEmpty()) return Acad::eInvalidInput;
    rows[index][kSysNameCol] = name;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_ProfValuesTable::setUserNames(const int& index, const Zk_String& name) {
    const int languages = getNrLanguages();
    if (!rows.isValidIndex(index) || rows[index].length() < languages + kFirstUserNameCol) return Acad::eInvalidInput;
    for (int c = kFirstUserNameCol; c < kFirstUserNameCol + languages; ++c) rows[index][c] = name;
    return Acad::eOk;
}

Acad::ErrorStatus Zk_ProfValuesTable::setValues(const int& index, const AcArray<double>& values) {
    const int languages = getNrLanguages();
    if (!rows.isValidIndex(index) || rows[index].length() - languages != values.length() + 2)
        return Acad::eInvalidInput;
    for (int i = 0; i < values.length(); ++i)
        rows[index][kFirstUserNameCol + languages + i] = Zk_String::fromNumber(values[i], 1, 0);
    return Acad::eOk;
}

void Zk_ProfValuesTable::getSysNames(Zk_StringArray& out) const { getSysNames(out, false); }

void Zk_ProfValuesTable::getFilteredSysNames(Zk_StringArray& out) const { getSysNames(out, true); }

void Zk_ProfValuesTable::getSysNames(Zk_StringArray& out, bool filtered) const {
    out.clear();
    Zk_StringArray names;
    Zk_StringArray flags;
    if (!getColumn(names, kSysNameCol) || !getColumn(flags, kActiveCol) || names.length() != flags.length()) return;
    for (int i = 0; i < names.length(); ++i)
        if (!filtered || !flags[i].equal(Zk_String(L"0")))
            out.append(typeName + Zk_String(L"-") + names[i]);
}

Zk_String Zk_ProfValuesTable::findUnusedSysName(const Zk_String& base) const {
    Zk_StringArray names;
    getColumn(names, kSysNameCol);
    return findNonExistingString(base, names);
}

bool Zk_ProfValuesTable::findSysName(const Zk_String& name, int& index) const {
    Zk_StringArray names;
    if (!getColumn(names, kSysNameCol)) {
        index = -1;
        return false;
    }
    return names.find(name, index, false);
}

int Zk_ProfValuesTable::getfilteredIdx(const int& index) const {
    if (!rows.isValidIndex(index)) return -1;
    int inactiveBefore = 0;
    for (int i = 0; i < index; ++i)
        if (!flagOf(rows[i]).equal(Zk_String(L"1"))) ++inactiveBefore;
    return index - inactiveBefore;
}

int Zk_ProfValuesTable::getNrLanguages() const { return sectionTableLanguageCount(columnNames, 6); }

void Zk_ProfValuesTable::removeInactiveEntries() {
    for (int i = rows.length() - 1; i >= 0; --i)
        if (rows[i].length() >= 2 && rows[i][kActiveCol] == L"0") rows.removeAt(i);
}

bool Zk_ProfValuesTable::getFromTq(Zk_Spread& sheet) {
    const int sheetRows = sheet.getRowCount();
    const int sheetCols = sheet.getColCount();
    if (sheetRows <= 0 || sheetCols <= 0) return false;
    Zk_String text;
    Zk_StringArray names;
    for (int c = 1; c <= sheetCols; ++c) {
        sheet.readCellText(c, SS_HEADER, text, 0);
        names.append(text);
    }
    columnNames = names;
    sheet.readCellText(SS_HEADER, 1, text, 3);
    typeName = text;
    rows.clear();
    for (int r = 1; r <= sheetRows; ++r) {
        Zk_StringArray row;
        for (int c = 1; c <= sheetCols; ++c) {
            sheet.readCellText(c, r, text, 3);
            row.append(text);
        }
        rows.append(row);
    }
    return true;
}

bool Zk_ProfValuesTable::setToTq(Zk_Spread& sheet) const {
    sheet.SetBool(SSB_REDRAW, FALSE);
    sheet.setRowCount(0);
    sheet.setColCount(0);
    if (rows.isEmpty()) {
        sheet.SetBool(SSB_REDRAW, TRUE);
        return false;
    }
    sheet.setRowCount(rows.length());
    sheet.setColCount(columnNames.length());
    sheet.setCheckBoxColumn(kActiveCol + 1);
    for (int c = 0; c < columnNames.length(); ++c) sheet.writeCellText(c + 1, SS_HEADER, columnNames[c]);
    for (int r = 0; r < rows.length(); ++r) {
        sheet.writeCellText(SS_HEADER, r + 1, typeName);
        const Zk_StringArray& row = rows[r];
        for (int c = 0; c < row.length() && c < columnNames.length(); ++c) sheet.writeCellText(c + 1, r + 1, row[c]);
    }
    sheet.fitColumnWidths();
    sheet.fitHeaderSizes();
    sheet.SetBool(SSB_REDRAW, TRUE);
    if (sheet.isCreated()) sheet.Invalidate();
    return true;
}

Acad::ErrorStatus Zk_ProfValuesTable::setToGlobals(Zk_SectionTableManager* manager) const {
    if (manager == nullptr) return Acad::eInvalidInput;
    const Zk_String tableName = typeName + Zk_String(L".pr");
    const Zk_String imageRef = image.contains(Zk_String(L".")) ? Zk_String(L"Prof\\") + image : image;
    Zk_StringArray names = columnNames;
    if (names.length() > 1) names.removeAt(kActiveCol);
    Zk_Array<Zk_StringArray> withoutFlags = rows;
    for (Zk_StringArray& row : withoutFlags)
        if (row.length() > 1) row.removeAt(kActiveCol);
    if (manager->hasTable(typeName)) manager->removeTable(typeName);
    return manager->addSectionTable(tableName, imageRef, names, withoutFlags);
}
