#include "sheeteditor/dlg_find_replace.h"

#include "engine/zk_spread.h"
#include "host/dialog_support.h"
#include "host/texts.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace {

constexpr UINT kKeyF3 = 0x72;
constexpr UINT kKeyF5 = 0x74;

Zk_Spread* spreadOf(HWND sheet) {
    if (!sheet || !::IsWindow(sheet)) return nullptr;
    auto* spread = dynamic_cast<Zk_Spread*>(CWnd::FromHandlePermanent(sheet));
    return spread && spread->isCreated() ? spread : nullptr;
}

Zk_String editText(HWND sheet) {
    std::wstring text;
    SSGetEditText(sheet, text);
    return Zk_String(std::move(text));
}

// The cell's edit selection, when the cell is being edited and has one.
bool editSelection(HWND sheet, int& start, int& end) {
    if (!SSGetEditMode(sheet)) return false;
    return SSGetEditSel(sheet, &start, &end) && end > start;
}

}  // namespace

CDlgFindReplace::CDlgFindReplace(CWnd* parent) : CDialog(IDD, parent) {}

CDlgFindReplace::~CDlgFindReplace() = default;

BOOL CDlgFindReplace::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(dialString(1136).c_str());
    SetDlgItemText(IDC_FIND_LABEL, dialString(1137).c_str());
    SetDlgItemText(IDC_REPLACE_LABEL, dialString(1138).c_str());
    SetDlgItemText(IDC_FIND_NEXT, dialString(1139).c_str());
    SetDlgItemText(IDC_REPLACE, dialString(1140).c_str());
    SetDlgItemText(IDC_REPLACE_ALL, dialString(1141).c_str());
    SetDlgItemText(IDCANCEL, dialString(285).c_str());
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (sheet && ::IsWindow(sheet)) {
        m_tabWasOn = SSGetBool(sheet, kTabSetting) != FALSE;
        SSSetBool(sheet, kTabSetting, TRUE);
    }
    ChangeDlgSize(this, Zk_String(kSizeKey));
    return TRUE;
}

Zk_String CDlgFindReplace::findText() const {
    CString text;
    if (CWnd* edit = GetDlgItem(IDC_FIND_TEXT)) edit->GetWindowText(text);
    return Zk_String(text.str());
}

Zk_String CDlgFindReplace::replacementText() const {
    CString text;
    if (CWnd* edit = GetDlgItem(IDC_REPLACE_TEXT)) edit->GetWindowText(text);
    return Zk_String(text.str());
}

bool CDlgFindReplace::selectMatch(int col, int row, const Zk_String& what) {
    SSSetActiveCell(sheet, col, row);
    SSSetEditMode(sheet, TRUE);
    const int at = editText(sheet).find(what);
    if (at < 0) {
        // The shown text differs from the value searched (a number's format): the whole
        // cell is the match.
        SSSetEditSel(sheet, 0, editText(sheet).length());
        return true;
    }
    SSSetEditSel(sheet, at, at + what.length());
    return true;
}

void CDlgFindReplace::findNext(bool askToWrap) {
    const Zk_String what = findText();
    Zk_Spread* spread = spreadOf(sheet);
    if (!spread || what.isEmpty()) return;
    ::SetFocus(sheet);
    SS_COORD activeCol = 1;
    SS_COORD activeRow = 1;
    SSGetActiveCell(sheet, &activeCol, &activeRow);

    int startCol = static_cast<int>(activeCol);
    int start = 0;
    int end = 0;
    if (editSelection(sheet, start, end)) {
        const Zk_String text = editText(sheet);
        const int at = text.find(what, end);
        if (at >= 0) {
            SSSetEditSel(sheet, at, at + what.length());
            return;
        }
        ++startCol;
    }
    int col = 0;
    int row = 0;
    if (spread->searchText(what, false, startCol, static_cast<int>(activeRow), col, row)) {
        selectMatch(col, row, what);
        return;
    }
    if (!askToWrap) return;
    const Zk_String question = dialString(1142) + L"\n" + dialString(1143) + L"\n";
    if (::MessageBoxW(m_hWnd, question.c_str(), dialString(1144).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (spread->searchText(what, false, 1, 1, col, row)) {
        selectMatch(col, row, what);
        return;
    }
    ::MessageBoxW(m_hWnd, dialString(1145).c_str(), dialString(1146).c_str(), MB_OK);
}

void CDlgFindReplace::replace() {
    const Zk_String what = findText();
    const Zk_String replacement = replacementText();
    findNext(true);
    Zk_Spread* spread = spreadOf(sheet);
    int start = 0;
    int end = 0;
    if (!spread || !editSelection(sheet, start, end)) return;
    SS_COORD col = 0;
    SS_COORD row = 0;
    SSGetActiveCell(sheet, &col, &row);
    Zk_String text = editText(sheet);
    // When nothing more was found the selection is an older one: it is not replaced.
    if (text.mid(start, end - start) != what) return;
    text.remove(start, end - start);
    text.insert(start, replacement);
    SSLeaveEditMode(sheet, FALSE);
    if (!spread->writeCellText(static_cast<int>(col), static_cast<int>(row), text)) return;
    ::InvalidateRect(sheet, nullptr, TRUE);
    SSSetActiveCell(sheet, col, row);
    SSSetEditMode(sheet, TRUE);
    SSSetEditSel(sheet, start, start + replacement.length());
}

int CDlgFindReplace::replaceAll() {
    const Zk_String what = findText();
    const Zk_String replacement = replacementText();
    Zk_Spread* spread = spreadOf(sheet);
    int count = 0;
    if (spread && !what.isEmpty()) {
        int col = 1;
        int row = 1;
        int foundCol = 0;
        int foundRow = 0;
        while (spread->searchText(what, false, col, row, foundCol, foundRow)) {
            if (spread->replaceInCell(foundCol, foundRow, what, replacement)) ++count;
            col = foundCol + 1;
            row = foundRow;
        }
    }
    const Zk_String text = dialString(1147) + L" " + Zk_String(count) + L" " + dialString(1148);
    ::MessageBoxW(m_hWnd, text.c_str(), dialString(1149).c_str(), MB_OK);
    if (sheet && ::IsWindow(sheet)) ::InvalidateRect(sheet, nullptr, TRUE);
    return count;
}

BOOL CDlgFindReplace::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDC_REPLACE: replace(); return TRUE;
        case IDC_REPLACE_ALL: replaceAll(); return TRUE;
        default: break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

BOOL CDlgFindReplace::PreTranslateMessage(MSG* msg) {
    if (msg && msg->message == WM_KEYDOWN && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
        if (msg->wParam == kKeyF3) {
            findNext(true);
            return TRUE;
        }
        if (msg->wParam == kKeyF5) {
            replace();
            return TRUE;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

void CDlgFindReplace::OnOK() { findNext(true); }

void CDlgFindReplace::OnCancel() { closeWindow(); }

void CDlgFindReplace::OnClose() { closeWindow(); }

void CDlgFindReplace::closeWindow() {
    if (m_closing || !m_hWnd) return;
    m_closing = true;
    WriteDlgSize(this, Zk_String(kSizeKey));
    if (!m_tabWasOn && sheet && ::IsWindow(sheet)) SSSetBool(sheet, kTabSetting, FALSE);
    ShowWindow(SW_HIDE);
    DestroyWindow();
    m_closing = false;
    if (onClosed) onClosed();
}
