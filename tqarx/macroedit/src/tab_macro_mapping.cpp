#include "macroedit/tab_macro_mapping.h"

#include "host/files.h"
#include "host/random_string.h"
#include "host/settings.h"
#include "host/texts.h"
#include "macroedit/editor_grid.h"
#include "settings_grid.h"
#include "win/window.h"

namespace {

enum {
    kTextAdd = 606,
    kTextRemove = 607,
    kTextMoveUp = 173,
    kTextMoveDown = 174,
};

// The columns of the grids.
constexpr int kSpreadsheetCol = 1;
constexpr int kTargetCol = 2;
constexpr int kTypeCol = 1;
constexpr int kNameCol = 2;
constexpr int kObjectCol = 3;

Zk_String standardsFolder() { return addBackslash(gSettings.libDir) + Zk_String(L"Connection Standards\\"); }

Zk_String typeWord(KmValueType type) {
    switch (type) {
    case KmValueType::Int: return Zk_String(L"Getal");
    case KmValueType::Double: return Zk_String(L"Decim");
    default: return Zk_String(L"Tekst");
    }
}

std::wstring tabJoined(const Zk_StringArray& items) {
    std::wstring joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) joined += L'\t';
        joined += items[i].wstr();
    }
    return joined;
}

// The rows that name a spreadsheet, as (name, target) pairs.
Zk_Array<std::pair<Zk_String, Zk_String>> namedRows(const Zk_StringArray& names, const Zk_StringArray& targets) {
    Zk_Array<std::pair<Zk_String, Zk_String>> rows;
    for (int i = 0; i < names.length(); ++i)
        if (!names[i].trimmed().isEmpty())
            rows.append({names[i], targets.isValidIndex(i) ? targets[i] : Zk_String()});
    return rows;
}

}  // namespace

// ---- KmComboMapLink ----

Zk_String KmComboMapLink::choiceText(const KmObjectMap& entry) {
    Zk_String text = entry.objectPath;
    auto part = [&text](const Zk_String& piece) {
        if (!text.isEmpty()) text += L".";
        text += piece;
    };
    if (!entry.memberName.isEmpty()) part(entry.memberName);
    if (entry.mapType != kMapDistance && entry.mapType != kMapMemberSectionSize) {
        if (const wchar_t* word = mapTypeWord(entry.mapType)) part(Zk_String(word));
    }
    if (!entry.columnName.isEmpty()) text += Zk_String(L" ") + entry.columnName;
    return text;
}

int KmComboMapLink::validVarOfChoice(const Zk_String& text) const {
    if (text.isEmpty()) return -1;
    int index = -1;
    if (!choices.find(text, index) || !validVars.isValidIndex(index)) return -1;
    return validVars[index];
}

// ---- the page ----

CTabMacroMapping::CTabMacroMapping(TabMappingData* data) : CTabMacroPage(IDD), m_data(data) {}

void CTabMacroMapping::findSpreadsheets() {
    m_spreadsheetNames.clear();
    const Zk_String folder = standardsFolder();
    Zk_StringArray files;
    if (!ObjectExportFindFilesRecursive(folder, Zk_String(L"*.kms"), files)) return;
    for (const Zk_String& file : files) {
        Zk_String relative = file.startsWith(folder, true) ? file.mid(folder.length()) : file;
        m_spreadsheetNames.append(removeFileExtension(relative));
    }
}

BOOL CTabMacroMapping::OnInitDialog() {
    CTabMacroPage::OnInitDialog();
    if (m_data == nullptr) {
        for (CWnd* child = GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
            child->ShowWindow(SW_HIDE);
        return TRUE;
    }
    SetDlgItemText(IDC_MSM_TITLE, L"Add and edit standards-spreadsheets");
    SetDlgItemText(IDC_MSM_HINT, L"Choose how the Spreadsheet should be mapped to this macro");
    SetDlgItemText(IDC_MS_ADD, dialString(kTextAdd).c_str());
    SetDlgItemText(IDC_MS_REMOVE, dialString(kTextRemove).c_str());
    macro_settings::setUpIconButton(m_up, IDC_MSM_UP, this, IDI_MS_UP, kTextMoveUp);
    macro_settings::setUpIconButton(m_down, IDC_MSM_DOWN, this, IDI_MS_DOWN, kTextMoveDown);
    m_standards.createFromPlaceholder(this, IDC_MSM_STANDARDS, true);
    m_objects.createFromPlaceholder(this, IDC_MSM_OBJECTS, true);
    m_sheet.createFromPlaceholder(this, IDC_MSM_SHEET, true);
    m_sheet.ShowWindow(SW_HIDE);
    findSpreadsheets();
    if (m_data->dbMacro != nullptr) m_allValues.initAllVarsFromMacro(m_data->dbMacro, m_data->transaction);
    m_ready = true;
    fillStandards(m_data->standards.isEmpty() ? -1 : 0);
    return TRUE;
}

void CTabMacroMapping::fillStandards(int selectRow) {
    const int rows = m_data->standards.length();
    prepareEditorGrid(m_standards, 2, rows);
    m_standards.writeCellText(kSpreadsheetCol, 0, Zk_String(L"Spreadsheet"));
    m_standards.writeCellText(kTargetCol, 0, Zk_String(L"Maps to"));
    // A stored spreadsheet that is not in the folder is still offered, so that it shows.
    Zk_StringArray names = m_spreadsheetNames;
    for (const Zk_String& name : m_data->standards)
        if (!name.isEmpty() && !names.contains(name)) names.append(name);
    Zk_StringArray targets;
    targets.append(Zk_String(kEntireMacro));
    targets.append(m_data->moduleNames);
    const int last = m_standards.getRowCount();
    m_standards.SetTypeComboBox(kSpreadsheetCol, 1, kSpreadsheetCol, last, tabJoined(names).c_str(), FALSE);
    m_standards.SetTypeComboBox(kTargetCol, 1, kTargetCol, last, tabJoined(targets).c_str(), FALSE);
    for (int i = 0; i < rows; ++i) {
        m_standards.writeCellText(kSpreadsheetCol, i + 1, m_data->standards[i]);
        const Zk_String target = m_data->mappings.isValidIndex(i) ? m_data->mappings[i] : Zk_String();
        m_standards.writeCellText(kTargetCol, i + 1,
                                  TabMappingData::isModuleTarget(target) ? TabMappingData::moduleOfTarget(target)
                                                                         : Zk_String(kEntireMacro));
    }
    m_standards.setColumnWidths(Zk_Array<double>{2.0, 1.0});
    m_current = selectRow >= 0 && selectRow < rows ? selectRow : -1;
    if (m_current >= 0) SSSetActiveCell(m_standards.GetSafeHwnd(), kSpreadsheetCol, m_current + 1);
    loadRow(m_current);
}

void CTabMacroMapping::readGrid() {
    const TabMappingData before = *m_data;
    Zk_StringArray names;
    Zk_StringArray targets;
    for (int row = 1; row <= m_standards.getRowCount(); ++row) {
        const Zk_String name = macro_settings::cellText(m_standards, kSpreadsheetCol, row);
        const Zk_String shown = macro_settings::cellText(m_standards, kTargetCol, row);
        Zk_String target;
        if (!shown.isEmpty() && shown != kEntireMacro && m_data->moduleNames.contains(shown)) {
            target = TabMappingData::moduleTarget(shown);
        } else {
            // The mapping this spreadsheet had for the macro, unless that was a module. A
            // row that keeps its spreadsheet keeps its own (a spreadsheet may be listed twice).
            const int index = row - 1;
            if (before.standards.isValidIndex(index) && before.standards[index] == name &&
                before.mappings.isValidIndex(index))
                target = before.mappings[index];
            else
                before.getMapping(name, target);
            if (TabMappingData::isModuleTarget(target)) target.clear();
        }
        names.append(name);
        targets.append(target);
    }
    // Without rows in the record the grid still shows one empty row: it is no entry.
    if (before.standards.isEmpty() && names.length() == 1 && names[0].isEmpty()) {
        names.clear();
        targets.clear();
    }
    m_data->standards = names;
    m_data->mappings = targets;
    if (!(namedRows(names, targets) == namedRows(before.standards, before.mappings))) m_changed = true;
}

void CTabMacroMapping::loadRow(int row) {
    m_links.clear();
    m_loadedChoices.clear();
    m_cells.resetVarCells();
    m_loadedRow = -1;
    prepareEditorGrid(m_objects, 3, 1);
    m_objects.writeCellText(kTypeCol, 0, Zk_String(L"Type"));
    m_objects.writeCellText(kNameCol, 0, Zk_String(L"Std Name"));
    m_objects.writeCellText(kObjectCol, 0, Zk_String(L"Macro object"));
    m_objects.setColumnWidths(Zk_Array<double>{1.0, 2.0, 3.0});
    if (!m_data->standards.isValidIndex(row) || m_data->standards[row].isEmpty()) return;
    const Zk_String name = m_data->standards[row];
    const Zk_String target = m_data->mappings.isValidIndex(row) ? m_data->mappings[row] : Zk_String();
    if (TabMappingData::isModuleTarget(target)) return;
    if (m_sheet.loadFile(standardsFolder() + name + L".kms") != Acad::eOk || m_sheet.findVarCells() != Acad::eOk)
        return;
    // A mapping file that cannot be read leaves the grid empty; a spreadsheet or name
    // without a stored mapping starts from an empty one.
    Zk_StringArray present;
    if (!KmTqMapping::getMappingNames(name, present)) return;
    KmTqMapping stored;
    if (!target.isEmpty() && present.contains(target) && stored.getMappingFromFile(name, target) != Acad::eOk) return;

    m_cells = m_sheet.varCells;
    Zk_Array<int> inputs;
    Zk_Array<int> outputs;
    for (int i = 0; i < m_cells.length(); ++i) {
        if (m_cells[i].isInput()) inputs.append(i);
        if (m_cells[i].isOutput()) outputs.append(i);
    }
    m_objects.setRowCount(2 + inputs.length() + outputs.length());
    int gridRow = 1;
    auto block = [&](const wchar_t* title, const Zk_Array<int>& cells) {
        m_objects.writeCellText(kTypeCol, gridRow, Zk_String(title));
        SSSetFont(m_objects.GetSafeHwnd(), kTypeCol, gridRow, kObjectCol, gridRow, L"Tahoma", m_objects.fontSize,
                  TRUE, FALSE);
        ++gridRow;
        for (int index : cells) {
            const KmVarCell& cell = m_cells[index];
            KmComboMapLink link;
            link.row = gridRow;
            link.col = kObjectCol;
            link.varCellIndex = index;
            m_allValues.getValidVars(true, cell.valueType, link.validVars);
            for (int valid : link.validVars) link.choices.append(KmComboMapLink::choiceText(m_allValues.mappedObjects()[valid]));
            m_objects.writeCellText(kTypeCol, gridRow, typeWord(cell.valueType));
            m_objects.writeCellText(kNameCol, gridRow, cell.varName);
            m_objects.SetTypeComboBox(kObjectCol, gridRow, kObjectCol, gridRow, tabJoined(link.choices).c_str(), FALSE);
            Zk_String chosen;
            int entry = -1;
            int compatible = -1;
            if (stored.findTqVar(cell.varName, cell.valueType, entry) == Acad::eOk &&
                m_allValues.findCompatible(stored.mappedObjects()[entry], compatible) == Acad::eOk) {
                int at = -1;
                if (link.validVars.find(compatible, at)) chosen = link.choices[at];
            }
            m_objects.writeCellText(kObjectCol, gridRow, chosen);
            m_links.append(link);
            ++gridRow;
        }
    };
    block(L"Input", inputs);
    block(L"Output", outputs);
    SSSetLock(m_objects.GetSafeHwnd(), kTypeCol, 1, kNameCol, m_objects.getRowCount(), TRUE);
    SSSetTypeStatic(m_objects.GetSafeHwnd(), kTypeCol, 1, kNameCol, m_objects.getRowCount());
    m_loadedChoices = currentChoices();
    m_loadedRow = row;
}

Zk_StringArray CTabMacroMapping::currentChoices() const {
    Zk_StringArray choices;
    for (const KmComboMapLink& link : m_links) choices.append(macro_settings::cellText(m_objects, link.col, link.row));
    return choices;
}

void CTabMacroMapping::storeRow(int row) {
    if (row < 0 || row != m_loadedRow || !m_data->standards.isValidIndex(row)) return;
    if (!m_data->mappings.isValidIndex(row) || TabMappingData::isModuleTarget(m_data->mappings[row])) return;
    // Choices as they were loaded are the stored mapping (or no mapping at all).
    const Zk_StringArray choices = currentChoices();
    if (choices == m_loadedChoices) return;
    KmTqMapping mapping;
    for (const KmComboMapLink& link : m_links) {
        const int valid = link.validVarOfChoice(macro_settings::cellText(m_objects, link.col, link.row));
        if (valid < 0 || !m_cells.cells().isValidIndex(link.varCellIndex)) continue;
        const KmObjectMap& object = m_allValues.mappedObjects()[valid];
        KmObjectMap entry;
        entry.objectPath = object.objectPath;
        entry.memberName = object.memberName;
        entry.mapType = object.mapType;
        entry.tqVarName = m_cells[link.varCellIndex].varName;
        mapping.mappedObjectsWrite().append(entry);
    }
    const Zk_String spreadsheet = m_data->standards[row];
    Zk_StringArray taken;
    if (!KmTqMapping::getMappingNames(spreadsheet, taken)) return;
    Zk_String name;
    for (int draw = 0; draw < kMaxNameDraws; ++draw) {
        if (!generateRandomString(kMappingNameLength, name)) return;
        if (!taken.contains(name)) break;
    }
    if (mapping.setMappingToFile(spreadsheet, name) != Acad::eOk) return;
    m_data->mappings[row] = name;
    m_loadedChoices = choices;
    m_changed = true;
}

void CTabMacroMapping::currentRowChanged() {
    SS_COORD col = 0;
    SS_COORD row = 0;
    SSGetActiveCell(m_standards.GetSafeHwnd(), &col, &row);
    const int index = static_cast<int>(row) - 1;
    if (index == m_current) return;
    storeRow(m_current);
    m_current = index;
    loadRow(m_current);
}

void CTabMacroMapping::addRow() {
    storeRow(m_current);
    readGrid();
    const int at = m_current >= 0 && m_current <= m_data->standards.length() ? m_current : m_data->standards.length();
    m_data->standards.insertAt(at, Zk_String());
    m_data->mappings.insertAt(at, Zk_String());
    m_changed = true;
    fillStandards(at);
}

void CTabMacroMapping::removeRow() {
    storeRow(m_current);
    readGrid();
    if (!m_data->standards.isValidIndex(m_current)) return;
    const int removed = m_current;
    m_data->standards.removeAt(removed);
    m_data->mappings.removeAt(removed);
    m_changed = true;
    fillStandards(removed < m_data->standards.length() ? removed : m_data->standards.length() - 1);
}

void CTabMacroMapping::moveRow(int step) {
    const int to = m_current + step;
    if (!m_data->standards.isValidIndex(m_current) || !m_data->standards.isValidIndex(to)) return;
    storeRow(m_current);
    readGrid();
    std::swap(m_data->standards[m_current], m_data->standards[to]);
    std::swap(m_data->mappings[m_current], m_data->mappings[to]);
    m_changed = true;
    fillStandards(to);
}

BOOL CTabMacroMapping::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (m_ready && id == IDC_MSM_STANDARDS) {
        if (code == SSN_LEAVECELL || code == SSN_CLICK) currentRowChanged();
        if (code == SSN_CHANGE) {
            currentRowChanged();
            readGrid();
            loadRow(m_current);
        }
        return TRUE;
    }
    if (m_ready && code == BN_CLICKED) {
        switch (id) {
        case IDC_MS_ADD: addRow(); return TRUE;
        case IDC_MS_REMOVE: removeRow(); return TRUE;
        case IDC_MSM_UP: moveRow(-1); return TRUE;
        case IDC_MSM_DOWN: moveRow(1); return TRUE;
        default: break;
        }
    }
    return CTabMacroPage::OnCommand(wParam, lParam);
}

void CTabMacroMapping::apply() {
    if (m_data == nullptr || !m_ready) return;
    storeRow(m_current);
    readGrid();
    for (int i = m_data->standards.length() - 1; i >= 0; --i) {
        if (!m_data->standards[i].trimmed().isEmpty()) continue;
        m_data->standards.removeAt(i);
        m_data->mappings.removeAt(i);
    }
    if (m_changed) m_data->mappingChanged = true;
}
