#include "sectionlib/section_table_text.h"

#include <unordered_map>

#include "host/list_utils.h"
#include "host/section_tables.h"

namespace {

void appendLine(Zk_String& text, const Zk_StringArray& cells) {
    text += arrToStr(cells, Zk_String(L"\t"));
    text += L'\n';
}

Zk_StringArray splitLines(const Zk_String& text) {
    Zk_StringArray lines;
    int start = 0;
    while (text[start] == L'\xFEFF') ++start;
    while (start < text.length()) {
        int end = text.find(L'\n', start);
        if (end < 0) end = text.length();
        Zk_String line = text.mid(start, end - start);
        // Every carriage return before the line end goes: a cell ending in one could not
        // be written back and read as it was.
        while (line.endsWith(Zk_String(L"\r"))) line = line.left(line.length() - 1);
        lines.append(line);
        start = end + 1;
    }
    while (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

Zk_String lineNo(int index) { return Zk_String(L"line ") + Zk_String(index + 1) + Zk_String(L": "); }

Zk_String quoted(const Zk_String& text) { return Zk_String(L"\"") + text + Zk_String(L"\""); }

}  // namespace

Zk_String sectionTableToText(const Zk_ProfValuesTable& table, bool activeOnly) {
    Zk_String text;
    appendLine(text, Zk_StringArray{table.image});
    appendLine(text, table.columnNames);
    for (const Zk_StringArray& row : table.rows) {
        if (activeOnly && row.length() > Zk_ProfValuesTable::kActiveCol &&
            row[Zk_ProfValuesTable::kActiveCol] == L"0")
            continue;
        appendLine(text, row);
    }
    return text;
}

bool sectionTableFromText(const Zk_String& text, Zk_ProfValuesTable& table, Zk_String& error) {
    const Zk_StringArray lines = splitLines(text);
    if (lines.length() < 2) {
        error = lineNo(lines.length()) + Zk_String(lines.isEmpty() ? L"the picture reference is missing"
                                                                   : L"the column names are missing");
        return false;
    }
    const Zk_String tab(L"\t");
    if (lines[0].contains(tab)) {
        error = lineNo(0) + Zk_String(L"the picture reference must be a single cell");
        return false;
    }
    const Zk_StringArray names = strToArr(lines[1], tab, false);
    const int languages = sectionTableLanguageCount(names, 6);
    const int nameCols = Zk_ProfValuesTable::kFirstUserNameCol + languages;
    if (names.length() < nameCols) {
        error = lineNo(1) + Zk_String(L"the header has ") + Zk_String(names.length()) +
                Zk_String(L" columns, at least ") + Zk_String(nameCols) +
                Zk_String(L" are needed (system name, flag, user names)");
        return false;
    }
    for (int c = 0; c < names.length(); ++c) {
        if (names[c].trimmed().isEmpty()) {
            error = lineNo(1) + Zk_String(L"column ") + Zk_String(c + 1) + Zk_String(L" has no name");
            return false;
        }
    }

    Zk_Array<Zk_StringArray> rows;
    std::unordered_map<Zk_String, int> firstLine;  // system name -> line index
    for (int i = 2; i < lines.length(); ++i) {
        const Zk_StringArray cells = strToArr(lines[i], tab, false);
        if (lines[i].isEmpty()) {
            error = lineNo(i) + Zk_String(L"empty line");
            return false;
        }
        if (cells.length() != names.length()) {
            error = lineNo(i) + Zk_String(cells.length()) + Zk_String(L" cells, the header has ") +
                    Zk_String(names.length());
            return false;
        }
        const Zk_String& sysName = cells[Zk_ProfValuesTable::kSysNameCol];
        if (sysName.trimmed().isEmpty()) {
            error = lineNo(i) + Zk_String(L"the system name is empty");
            return false;
        }
        const auto [it, added] = firstLine.emplace(sysName, i);
        if (!added) {
            error = lineNo(i) + Zk_String(L"the system name ") + quoted(sysName) + Zk_String(L" is used on line ") +
                    Zk_String(it->second + 1) + Zk_String(L" already");
            return false;
        }
        const Zk_String& flag = cells[Zk_ProfValuesTable::kActiveCol];
        if (flag != L"0" && flag != L"1") {
            error = lineNo(i) + Zk_String(L"the active flag is ") + quoted(flag) + Zk_String(L", not 0 or 1");
            return false;
        }
        for (int c = nameCols; c < cells.length(); ++c) {
            if (!isNumber(cells[c])) {
                error = lineNo(i) + Zk_String(L"the value ") + quoted(cells[c]) + Zk_String(L" of column ") +
                        quoted(names[c]) + Zk_String(L" is not a number");
                return false;
            }
        }
        rows.append(cells);
    }
    table.image = lines[0];
    table.columnNames = names;
    table.rows = std::move(rows);
    error.clear();
    return true;
}
