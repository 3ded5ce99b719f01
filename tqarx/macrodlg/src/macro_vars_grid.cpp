#include "macrodlg/macro_vars_grid.h"

#include <cmath>

#include "engine/zk_spread.h"
#include "host/macro_model.h"
#include "res/resources.h"
#include "spread/ss_api.h"

namespace {
constexpr int kCaptionCol = 1;
constexpr int kValueCol = 3;
constexpr int kCols = 4;

Zk_String joinChoices(const Zk_StringArray& choices) {
    Zk_String items;
    for (int i = 0; i < choices.length(); ++i) {
        if (i > 0) items += L"\t";
        items += choices[i];
    }
    return items;
}
}  // namespace

Zk_String gridNumberText(const Zk_String& text) {
    double value = 0.0;
    if (!parseMacroNumber(text, value)) return text;
    return formatMacroNumber(std::round(value * 100.0) / 100.0);
}

MacroVarsGrid::MacroVarsGrid() = default;
MacroVarsGrid::~MacroVarsGrid() = default;

bool MacroVarsGrid::create(CWnd* page, int placeholderId) {
    m_spread = std::make_unique<Zk_Spread>();
    if (!m_spread->createFromPlaceholder(page, placeholderId, true)) {
        m_spread.reset();
        return false;
    }
    m_spread->applyStandardLook(true);
    m_spread->SetBool(SSB_SHOWCOLHEADERS, FALSE);
    m_spread->SetBool(SSB_SHOWROWHEADERS, FALSE);
    m_spread->setColCount(kCols);
    m_spread->setRowCount(0);
    m_spread->setColumnWidths(Zk_Array<double>{1.0, 1.0, 1.0, 1.0});
    return true;
}

bool MacroVarsGrid::isCreated() const { return m_spread && m_spread->isCreated(); }

int MacroVarsGrid::controlId() const { return m_spread ? m_spread->controlId() : 0; }

void MacroVarsGrid::clear() {
    m_rows.clear();
    if (!isCreated()) return;
    m_spread->setRowCount(0);
}

int MacroVarsGrid::addRow(const Row& row, const Zk_String& caption, bool locked, const Zk_StringArray& choices) {
    m_rows.push_back(row);
    const int number = rowCount();
    if (!isCreated()) return number;
    Zk_Spread& s = *m_spread;
    s.setRowCount(number);
    s.AddCellSpan(kCaptionCol, number, 2, 1);
    s.AddCellSpan(kValueCol, number, 2, 1);
    s.SetTypeStatic(kCaptionCol, number, kCaptionCol, number);
    s.writeCellText(kCaptionCol, number, caption);
    s.SetLock(kCaptionCol, number, kCaptionCol + 1, number, TRUE);
    switch (row.kind == kCellRow ? row.cellKind : kCellText) {
    case kCellNumber: s.setNumberType(kValueCol, number, kValueCol, number, 2); break;
    case kCellList: s.SetTypeComboBox(kValueCol, number, kValueCol, number, joinChoices(choices).c_str(), FALSE); break;
    case kCellEditList: s.SetTypeComboBox(kValueCol, number, kValueCol, number, joinChoices(choices).c_str(), TRUE); break;
    case kCellCheck: {
        const Zk_String off = Zk_String(L"#") + Zk_String(static_cast<int>(IDB_TQ_CHECKBOX_OFF));
        const Zk_String on = Zk_String(L"#") + Zk_String(static_cast<int>(IDB_TQ_CHECKBOX_ON));
        s.SetTypeCheckBox(kValueCol, number, kValueCol, number, L"", off.c_str(), on.c_str());
        break;
    }
    default: s.setEditType(kValueCol, number, kValueCol, number, 255);
    }
    if (row.kind == kArrayRow) s.SetTypeButton(kValueCol, number, kValueCol, number, L"...");
    s.SetLock(kValueCol, number, kValueCol + 1, number, locked ? TRUE : FALSE);
    return number;
}

int MacroVarsGrid::addCell(const MacroCell& cell) {
    Row row;
    row.kind = kCellRow;
    row.name = cell.name;
    row.cellKind = cell.kind;
    const int number = addRow(row, cell.caption.isEmpty() ? cell.name : cell.caption, cell.isReadOnly(), cell.choices);
    showValue(number, cell.value);
    return number;
}

int MacroVarsGrid::addPattern(const MacroPatternProps& pattern) {
    Row row;
    row.kind = kPatternRow;
    row.name = pattern.name;
    const int number = addRow(row, pattern.name, false, Zk_StringArray());
    showValue(number, pattern.value);
    return number;
}

int MacroVarsGrid::addArray(const DynArrayData& array) {
    Row row;
    row.kind = kArrayRow;
    row.name = array.name;
    return addRow(row, array.name, false, Zk_StringArray());
}

void MacroVarsGrid::showValue(int number, const Zk_String& value) {
    if (number < 1 || number > rowCount()) return;
    Row& row = m_rows[number - 1];
    if (row.kind == kArrayRow) return;
    if (!isCreated()) {
        row.shown = value;
        return;
    }
    m_spread->writeCellText(kValueCol, number, value);
    // What the grid holds now is what counts as "untouched".
    m_spread->readCellText(kValueCol, number, row.shown);
}

void MacroVarsGrid::enterValue(int number, const Zk_String& value) {
    if (number < 1 || number > rowCount() || !isCreated()) return;
    m_spread->writeCellText(kValueCol, number, value);
}

Zk_String MacroVarsGrid::value(int number, const Zk_String& original) const {
    if (number < 1 || number > rowCount()) return original;
    const Row& row = m_rows[number - 1];
    Zk_String text = row.shown;
    if (isCreated()) m_spread->readCellText(kValueCol, number, text);
    if (text == row.shown) return original;
    if (row.kind == kCellRow && row.cellKind == kCellNumber) return gridNumberText(text);
    return text;
}

int MacroVarsGrid::rowOfCell(int col, int row) const {
    if (row < 1 || row > rowCount() || col < kValueCol || col > kCols) return 0;
    return row;
}

bool MacroVarsGrid::isEditing() const { return isCreated() && SSGetEditMode(m_spread->GetSafeHwnd()); }

void MacroVarsGrid::endEdit() {
    if (isEditing()) SSLeaveEditMode(m_spread->GetSafeHwnd(), TRUE);
}
