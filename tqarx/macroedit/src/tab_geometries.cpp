#include "macroedit/tab_geometries.h"

#include <algorithm>
#include <map>

#include "acad/command_line.h"
#include "host/edit_constr_calls.h"
#include "host/texts.h"
#include "macroedit/dlg_edit_macro.h"
#include "macroedit/tab_edit_constraints.h"
#include "spread/ss_api.h"
#include "win/timer.h"

namespace {

constexpr int kColumns = 5;
const int kHeaderTexts[kColumns] = {889, 890, 87, 891, 892};
const int kFlexibilityTexts[3] = {893, 894, 895};

Zk_String flexibilityItems() {
    Zk_String items;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) items += L"\t";
        items += dialString(kFlexibilityTexts[i]);
    }
    return items;
}

int flexibilityIndex(const Zk_String& text) {
    for (int i = 0; i < 3; ++i)
        if (dialString(kFlexibilityTexts[i]) == text) return i;
    return -1;
}

using B = CResizer::Border;

}  // namespace

CTabGeometries::CTabGeometries(CDlgEditMacro& owner) : CEditMacroPage(IDD, owner) {}

BOOL CTabGeometries::OnInitDialog() {
    CEditMacroPage::OnInitDialog();
    grid.createFromPlaceholder(this, IDC_EG_GRID, true);
    const B left{1, 0, 1}, top{1, 0, 2}, right{1, 0, 3}, bottom{1, 0, 4};
    resizer.init(this, {{IDC_EG_GRID, left, top, right, bottom}});
    return TRUE;
}

void CTabGeometries::OnSize(UINT type, int cx, int cy) {
    CEditMacroPage::OnSize(type, cx, cy);
    if (resizer.isInitialised()) resizer.move();
}

void CTabGeometries::OnDestroy() {
    grid.DestroyWindow();
    CEditMacroPage::OnDestroy();
}

long long CTabGeometries::objectAt(int row) const {
    const EditModule* m = data().current();
    return m && m->geometries.isValidIndex(row - 1) ? m->geometries[row - 1].objectId : 0;
}

void CTabGeometries::refill() {
    // Name tags typed but not handed on yet survive the refill.
    std::map<long long, Zk_String> typed;
    for (int r = 1; r <= m_shownObjects.length() && r <= grid.getRowCount(); ++r) {
        Zk_String text;
        grid.readCellText(kColTag, r, text);
        if (text != m_shownTags[r - 1]) typed[m_shownObjects[r - 1]] = text;
    }
    m_shownObjects.clear();
    m_shownTags.clear();
    m_filling = true;
    const EditModule* m = data().current();
    const int count = m ? m->geometries.length() : 0;
    prepareEditorGrid(grid, kColumns, count);
    Zk_StringArray headers;
    for (int nr : kHeaderTexts) headers.append(dialString(nr));
    setEditorGridHeaders(grid, headers);
    HWND h = grid.GetSafeHwnd();
    if (h) {
        SSSetTypeStatic(h, 1, 1, 2, std::max(count, 1));
        SSSetTypeEdit(h, kColTag, 1, kColTag, std::max(count, 1), 0, SS_CASE_NOCASE);
    }
    if (count > 0) grid.setCheckBoxColumn(kColConstrained);
    for (int r = 1; r <= count; ++r) {
        const EditGeomRow& g = m->geometries[r - 1];
        for (int c = 1; c <= 2 && c <= g.cells.length(); ++c) grid.writeCellText(c, r, g.cells[c - 1]);
        auto kept = typed.find(g.objectId);
        grid.writeCellText(kColTag, r, kept != typed.end() ? kept->second : g.nameTag);
        m_shownObjects.append(g.objectId);
        m_shownTags.append(g.nameTag);
        if (h) SSSetTypeComboBox(h, kColFlexibility, r, kColFlexibility, r, flexibilityItems().c_str(), FALSE);
        if (g.flexibility >= 0 && g.flexibility < 3) grid.writeCellText(kColFlexibility, r, dialString(kFlexibilityTexts[g.flexibility]));
        if (g.constrained == 0 || g.constrained == 1) grid.writeCellText(kColConstrained, r, Zk_String(g.constrained));
    }
    // Rows without a check box keep a plain cell (the column type is per row).
    for (int r = 1; h && r <= count; ++r) {
        const int c = m->geometries[r - 1].constrained;
        if (c != 0 && c != 1) SSSetTypeStatic(h, kColConstrained, r, kColConstrained, r);
    }
    setEditorGridRowFont(grid, 1, count);
    grid.setColumnWidths({3, 3, 3, 3, 2});
    m_row = count == 0 ? 0 : std::clamp(m_row, 1, count);
    if (h && m_row > 0) SSSetActiveCell(h, 1, m_row);
    m_filling = false;
}

void CTabGeometries::apply() {
    const EditModule* m = data().current();
    if (!m || m->geometries.isEmpty() || !grid.GetSafeHwnd()) return;
    Zk_Array<long long> objects;
    Zk_StringArray names;
    for (int r = 1; r <= m->geometries.length(); ++r) {
        Zk_String text;
        grid.readCellText(kColTag, r, text);
        objects.append(m->geometries[r - 1].objectId);
        names.append(text);
    }
    SetNameTags(data(), objects, names);
}

void CTabGeometries::leave() {
    if (m_highlighted == 0) return;
    UnHighlightObject(m_highlighted);
    m_highlighted = 0;
    acedUpdateDisplay();
}

CEditMacroPage::EscapeRule CTabGeometries::escapeRule() {
    if (m_selectionChanged && GetTickCount() - m_selectedAt < CTabEditConstraints::kEscapeGraceMs)
        return EscapeRule::PassOn;
    return EscapeRule::Close;
}

BOOL CTabGeometries::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != IDC_EG_GRID) return CEditMacroPage::OnCommand(wParam, lParam);
    if (m_filling) return TRUE;
    switch (HIWORD(wParam)) {
    case SSN_LEAVECELL:
    case SSN_CLICK: onCellMoved(); break;
    case SSN_BUTTONCLICKED: onCheckClicked(); break;
    case SSN_CHANGE: onCellChanged(); break;
    default: break;
    }
    return TRUE;
}

void CTabGeometries::onCellMoved() {
    SS_COORD col = 0, row = 0;
    if (!SSGetActiveCell(grid.GetSafeHwnd(), &col, &row) || row < 1) return;
    const long long object = objectAt(static_cast<int>(row));
    if (object == 0) return;
    m_row = static_cast<int>(row);
    m_selectedAt = GetTickCount();
    m_selectionChanged = true;
    if (object == m_highlighted) return;
    if (m_highlighted != 0) UnHighlightObject(m_highlighted);
    HighlightObject(object);
    m_highlighted = object;
    acedUpdateDisplay();
}

void CTabGeometries::onCellChanged() {
    SS_COORD col = 0, row = 0;
    if (!SSGetActiveCell(grid.GetSafeHwnd(), &col, &row) || col != kColFlexibility) return;
    const long long object = objectAt(static_cast<int>(row));
    Zk_String text;
    grid.readCellText(kColFlexibility, static_cast<int>(row), text);
    const int index = flexibilityIndex(text);
    if (object == 0 || index < 0) return;
    if (UpdateGeomFlexibility(data(), object, index + 1)) refill();
}

void CTabGeometries::onCheckClicked() {
    SS_COORD col = 0, row = 0;
    if (!SSGetActiveCell(grid.GetSafeHwnd(), &col, &row) || col != kColConstrained) return;
    const EditModule* m = data().current();
    if (!m || !m->geometries.isValidIndex(static_cast<int>(row) - 1)) return;
    const EditGeomRow& g = m->geometries[static_cast<int>(row) - 1];
    if (g.constrained != 0 && g.constrained != 1) return;
    Zk_String text;
    grid.readCellText(kColConstrained, static_cast<int>(row), text);
    const bool checked = text == L"1";
    if (UpdateConstrGeom(data(), g.objectId, checked)) refill();
    else grid.writeCellText(kColConstrained, static_cast<int>(row), Zk_String(g.constrained));  // not taken
}
