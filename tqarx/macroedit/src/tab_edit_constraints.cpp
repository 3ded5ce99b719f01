#include "macroedit/tab_edit_constraints.h"

#include <algorithm>

#include "acad/command_line.h"
#include "host/edit_constr_calls.h"
#include "host/texts.h"
#include "macroedit/dlg_edit_macro.h"
#include "mfc/controls.h"
#include "mfc/menu.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"
#include "win/timer.h"
#include "win/window.h"

namespace {

constexpr int kColumns = 4;
constexpr COLORREF kPictureBackground = 0xFF00FF;  // magenta is not drawn
const wchar_t* const kMenuBreak = L"%BREAK%";

enum {
    kTextName = 87,
    kTextDescription = 883,
    kTextGeometry = 2333,  // general text, followed by 1 and 2
    kTextValue = 880,
    kTextVarName = 221,
    kTextOptions = 228,
    kTextFlag1 = 881,
    kTextFlag2 = 1328,
    kTextCut = 862,
    kTextFrame = 879,
    kTextDelete = 882,
    kTextInUseCaption = 856,
    kTextInUse1 = 857,
    kTextInUse2 = 858,
    kTextBadNameCaption = 884,
    kTextDigit1 = 885,
    kTextDigit2 = 886,
    kTextDigit3 = 887,
    kTextCorrect = 888,
    kTextChars1 = 1455,
    kTextChars2 = 1456,
};

using B = CResizer::Border;

Zk_String quoted(const Zk_String& name) { return Zk_String(L"\"") + name + L"\""; }

Zk_String sentences(std::initializer_list<int> texts) {
    Zk_String out;
    for (int nr : texts) out += dialString(nr) + L".\n";
    return out;
}

}  // namespace

CTabEditConstraints::CTabEditConstraints(CDlgEditMacro& owner) : CEditMacroPage(IDD, owner) {}

BOOL CTabEditConstraints::OnInitDialog() {
    CEditMacroPage::OnInitDialog();
    SetDlgItemText(IDC_EC_VALUE_LABEL, dialString(kTextValue).c_str());
    SetDlgItemText(IDC_EC_VARNAME_LABEL, dialString(kTextVarName).c_str());
    SetDlgItemText(IDC_EC_OPTIONS_LABEL, dialString(kTextOptions).c_str());
    SetDlgItemText(IDC_EC_FLAG1, dialString(kTextFlag1).c_str());
    SetDlgItemText(IDC_EC_FLAG2, dialString(kTextFlag2).c_str());
    SetDlgItemText(IDC_EC_CUT, dialString(kTextCut).c_str());
    SetDlgItemText(IDC_EC_FRAME, dialString(kTextFrame).c_str());
    m_delete.SubclassDlgItem(IDC_EC_DELETE, this);
    m_delete.SetIcon(IDI_EDIT_MACRO_REMOVE);
    m_delete.SetTooltipText(dialString(kTextDelete).c_str());
    for (int i = 0; i < kEcOptionButtonCount; ++i) {
        m_options[i].SubclassDlgItem(kEcOptionButtons[i], this);
        m_options[i].SetTooltipText((Zk_String(L"Enum ") + Zk_String(i + 1)).c_str());
    }
    grid.createFromPlaceholder(this, IDC_EC_GRID, true);
    grid.onHeaderClick = [this](int col) { onHeaderClick(col); };
    grid.onRightClick = [this](int col, int row, POINT screen) { onRightClick(col, row, screen); };
    const B left{1, 0, 1}, top{1, 0, 2}, right{1, 0, 3}, bottom{1, 0, 4}, keepHeight{4, 0, 2};
    resizer.init(this, {{IDC_EC_GRID, left, top, right, bottom}, {IDC_EC_FRAME, left, keepHeight, right, bottom}});
    return TRUE;
}

void CTabEditConstraints::OnSize(UINT type, int cx, int cy) {
    CEditMacroPage::OnSize(type, cx, cy);
    // The panel keeps its place below the grid; only the grid and the frame grow.
    if (resizer.isInitialised()) resizer.move();
}

void CTabEditConstraints::OnDestroy() {
    grid.DestroyWindow();
    CEditMacroPage::OnDestroy();
}

BOOL CTabEditConstraints::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (id == IDC_EC_GRID) {
        if (code == SSN_LEAVECELL || code == SSN_CLICK) onGridCell();
        return TRUE;
    }
    if (code == BN_CLICKED) {
        for (int i = 0; i < kEcOptionButtonCount; ++i) {
            if (id == kEcOptionButtons[i]) {
                onOptionButton(i);
                return TRUE;
            }
        }
        switch (id) {
        case IDC_EC_FLAG1: onFlag1(); return TRUE;
        case IDC_EC_DELETE: onDelete(); return TRUE;
        case IDC_EC_CUT: onCut(); return TRUE;
        default: break;
        }
    }
    if (id == IDC_EC_VARNAME && code == EN_KILLFOCUS) {
        onVarNameLeft();
        return TRUE;
    }
    return CEditMacroPage::OnCommand(wParam, lParam);
}

void CTabEditConstraints::refill() {
    m_filling = true;
    const int count = data().constraintCount();
    prepareEditorGrid(grid, kColumns, count);
    setEditorGridHeaders(grid, {dialString(kTextName), dialString(kTextDescription),
                                string(kTextGeometry) + L" 1", string(kTextGeometry) + L" 2"});
    HWND h = grid.GetSafeHwnd();
    if (h) SSSetTypeStatic(h, 1, 1, kColumns, std::max(count, 1));
    for (int r = 0; r < count; ++r) {
        const EditConstrRow& row = *data().constraint(r);
        for (int c = 0; c < kColumns && c < row.cells.length(); ++c) grid.writeCellText(c + 1, r + 1, row.cells[c]);
    }
    setEditorGridRowFont(grid, 1, count);
    grid.setColumnWidths({3, 4, 3, 3});
    m_row = count == 0 ? -1 : std::clamp(m_row, 0, count - 1);
    if (h && m_row >= 0) SSSetActiveCell(h, 1, m_row + 1);
    m_filling = false;
    showPanel();
    if (m_row >= 0) {
        HighlightConstraint(data(), m_row);
        acedUpdateDisplay();
    }
}

void CTabEditConstraints::apply() { commitPanel(); }

void CTabEditConstraints::leave() {
    UnHighlightConstraints(data());
    acedUpdateDisplay();
}

CEditMacroPage::EscapeRule CTabEditConstraints::escapeRule() {
    if (m_afterCut) {
        m_afterCut = false;
        return EscapeRule::PassOn;
    }
    if (m_selectionChanged && GetTickCount() - m_selectedAt < kEscapeGraceMs) return EscapeRule::PassOn;
    return EscapeRule::Close;
}

void CTabEditConstraints::onGridCell() {
    if (m_filling) return;
    SS_COORD col = 0, row = 0;
    if (!SSGetActiveCell(grid.GetSafeHwnd(), &col, &row) || row < 1 || row > data().constraintCount()) return;
    if (row - 1 != m_row) selectRow(static_cast<int>(row) - 1);
}

void CTabEditConstraints::selectRow(int row) {
    commitPanel();
    m_row = row;
    showPanel();
    HighlightConstraint(data(), m_row);
    acedUpdateDisplay();
    m_selectedAt = GetTickCount();
    m_selectionChanged = true;
}

void CTabEditConstraints::showField(int id, int labelId, bool shown) {
    if (CWnd* w = GetDlgItem(id)) w->ShowWindow(shown ? SW_SHOW : SW_HIDE);
    if (labelId != 0)
        if (CWnd* w = GetDlgItem(labelId)) w->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void CTabEditConstraints::showPanel() {
    static const EditConstrRow kNoRow;
    const EditConstrRow* stored = data().constraint(m_row);
    const EditConstrRow& row = stored ? *stored : kNoRow;
    showField(IDC_EC_VALUE, IDC_EC_VALUE_LABEL, row.hasKind(kConstrValueText));
    showField(IDC_EC_VARNAME, IDC_EC_VARNAME_LABEL, row.hasKind(kConstrVarName));
    showField(IDC_EC_OPTIONS, IDC_EC_OPTIONS_LABEL, row.hasKind(kConstrOptions));
    showField(IDC_EC_FLAG1, 0, row.hasKind(kConstrFlags));
    showField(IDC_EC_FLAG2, 0, row.hasKind(kConstrFlags));
    showField(IDC_EC_CUT, 0, row.cut);
    showField(IDC_EC_DELETE, 0, data().constraintCount() > 0);
    SetDlgItemText(IDC_EC_VALUE, row.value.c_str());
    SetDlgItemText(IDC_EC_VARNAME, row.varName.c_str());
    auto* options = static_cast<CComboBox*>(GetDlgItem(IDC_EC_OPTIONS));
    options->ResetContent();
    for (const Zk_String& o : row.options) options->AddString(o.c_str());
    options->SetCurSel(row.optionIndex);
    CheckDlgButton(IDC_EC_FLAG1, row.flag1 ? 1 : 0);
    CheckDlgButton(IDC_EC_FLAG2, row.flag2 ? 1 : 0);
    GetDlgItem(IDC_EC_FLAG2)->EnableWindow(row.flag1);

    m_layout = layoutOptionButtons(row.bitmaps);
    for (int i = 0; i < kEcOptionButtonCount; ++i) {
        CButtonST& button = m_options[i];
        const bool pictured =
            !m_layout.picture[i].isEmpty() && button.LoadBitmapFile(CString(m_layout.picture[i].c_str()), kPictureBackground);
        if (!pictured) button.SetBitmaps(nullptr, kPictureBackground);
        button.EnableWindow(pictured);
        const int group = m_layout.group[i];
        const bool selected = pictured && group >= 1 && group <= 2 && row.selections.isValidIndex(group - 1) &&
                              row.selections[group - 1] == m_layout.position[i];
        button.SetCheck(selected ? 1 : 0);
    }
}

CTabEditConstraints::Panel CTabEditConstraints::readPanel() const {
    Panel p;
    CString text;
    GetDlgItemText(IDC_EC_VALUE, text);
    p.value = Zk_String(text.str());
    GetDlgItemText(IDC_EC_VARNAME, text);
    p.varName = Zk_String(text.str());
    p.optionIndex = static_cast<CComboBox*>(GetDlgItem(IDC_EC_OPTIONS))->GetCurSel();
    p.flag1 = IsDlgButtonChecked(IDC_EC_FLAG1) != 0;
    p.flag2 = IsDlgButtonChecked(IDC_EC_FLAG2) != 0;
    for (int g = 1; g <= m_layout.selectionGroups; ++g) {
        int selected = -1;
        for (int i = 0; i < kEcOptionButtonCount; ++i)
            if (m_layout.group[i] == g && m_options[i].GetCheck() == 1) selected = m_layout.position[i];
        p.selections.append(selected);
    }
    return p;
}

void CTabEditConstraints::commitPanel() {
    EditConstrRow* row = data().constraint(m_row);
    if (!row || !GetSafeHwnd()) return;
    const Panel p = readPanel();
    EditConstrRow changed = *row;
    if (row->hasKind(kConstrValueText)) changed.value = p.value;
    if (row->hasKind(kConstrVarName)) changed.varName = p.varName;
    if (row->hasKind(kConstrOptions)) changed.optionIndex = p.optionIndex;
    if (row->hasKind(kConstrFlags)) {
        changed.flag1 = p.flag1;
        changed.flag2 = p.flag2;
    }
    // A picture list that does not match the stored selections leaves the selections
    // alone; the other fields the user changed are still kept.
    if (p.selections.length() != row->selections.length())
        acutPrintf(L"*Error* Array size mismatch.\n");
    else
        changed.selections = p.selections;
    if (changed == *row) return;
    *row = changed;
    UpdateConstraint(data(), m_row);
}

void CTabEditConstraints::onOptionButton(int button) {
    const int group = m_layout.group[button];
    if (group < 1 || group > 2) {
        m_options[button].SetCheck(m_options[button].GetCheck() == 1 ? 0 : 1);
        return;
    }
    // One button of a group is down at a time.
    for (int i = 0; i < kEcOptionButtonCount; ++i)
        if (m_layout.group[i] == group) m_options[i].SetCheck(i == button ? 1 : 0);
}

void CTabEditConstraints::onFlag1() { GetDlgItem(IDC_EC_FLAG2)->EnableWindow(IsDlgButtonChecked(IDC_EC_FLAG1) != 0); }

void CTabEditConstraints::onVarNameLeft() {
    const EditConstrRow* row = data().constraint(m_row);
    if (!row || !row->hasKind(kConstrVarName)) return;
    CString text;
    GetDlgItemText(IDC_EC_VARNAME, text);
    const Zk_String name(text.str());
    if (name == row->varName) return;
    bool inUse = false;
    Zk_String message;
    int caption = 0;
    if (VarNameInUse(data(), name, inUse) && inUse) {
        message = quoted(name) + L"\n" + sentences({kTextInUse1}) + dialString(kTextInUse2) + L".";
        caption = kTextInUseCaption;
    } else if (!hasOnlyLettersNumbers(name)) {
        message = quoted(name) + L"\n" + sentences({kTextChars1, kTextChars2}) + L"\n" + dialString(kTextCorrect) + L".";
        caption = kTextBadNameCaption;
    } else if (startsWithNumber(name)) {
        message = quoted(name) + L"\n" + sentences({kTextDigit1, kTextDigit2, kTextDigit3}) + L"\n" +
                  dialString(kTextCorrect) + L".";
        caption = kTextBadNameCaption;
    }
    // The warning blocks nothing: the text stays and goes with the row like any edit.
    if (caption != 0) MessageBox(message.c_str(), dialString(caption).c_str(), MB_OK | MB_ICONWARNING);
}

void CTabEditConstraints::onHeaderClick(int col) {
    if (col < 1 || col > kColumns || col == m_sortColumn) return;
    const int second = m_sortColumn != 0 ? m_sortColumn : (col == kColumns ? 1 : col + 1);
    commitPanel();
    if (!SortConstraints(data(), col, second)) return;
    m_sortColumn = col;
    refill();
}

void CTabEditConstraints::onRightClick(int col, int row, POINT screen) {
    if (col < 1 || col > 3 || row < 1 || row > data().constraintCount()) return;
    SSSetActiveCell(grid.GetSafeHwnd(), col, row);
    if (row - 1 != m_row) selectRow(row - 1);
    else commitPanel();
    Zk_StringArray items;
    Zk_Array<int> actions;
    Zk_Array<int> checked;
    if (!ConstrContextMenu(data(), m_row, items, actions, checked) || items.isEmpty()) return;
    CMenu menu;
    menu.CreatePopupMenu();
    unsigned command = 0;
    for (int i = 0; i < items.length(); ++i) {
        if (items[i] == kMenuBreak) {
            menu.AppendMenu(MF_SEPARATOR);
            continue;
        }
        UINT flags = MF_STRING | (checked.contains(i) ? MF_CHECKED : 0);
        // Items beyond the sixth have no command of their own.
        UINT id = 0;
        if (command < kEcMenuCommandCount) id = kEcMenuCommands[command++];
        else flags |= MF_GRAYED;
        menu.AppendMenu(flags, id, items[i].c_str());
    }
    const UINT chosen = static_cast<UINT>(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, screen.x, screen.y, this));
    for (unsigned k = 0; k < kEcMenuCommandCount; ++k) {
        if (kEcMenuCommands[k] != chosen || static_cast<int>(k) >= actions.length()) continue;
        owner().BeginEditorCommand();
        const bool done = ContextMenuAction(data(), m_row, actions[static_cast<int>(k)]);
        owner().CompleteEditorCommand();
        if (done) refill();
        return;
    }
}

void CTabEditConstraints::onDelete() {
    if (m_row < 0) return;
    if (!DeleteConstraint(data(), m_row)) return;
    m_row = std::max(m_row - 1, 0);
    refill();
}

void CTabEditConstraints::onCut() {
    if (m_row < 0) return;
    commitPanel();
    const bool done = StartEditMacroCutDlg(data(), m_row);
    // The Escape that may close the cut dialog's aftermath must not close the editor.
    m_afterCut = true;
    if (done) refill();
}
