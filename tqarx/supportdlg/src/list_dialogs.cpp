#include "supportdlg/list_dialogs.h"

#include "dlg_fields.h"
#include "host/dialog_support.h"
#include "host/files.h"
#include "host/list_utils.h"
#include "mfc/controls.h"
#include "res/supportdlg_ids.h"
#include "win/msgbox.h"

using namespace supportdlg;

namespace {

CListBox* listOf(CWnd& dlg) { return static_cast<CListBox*>(dlg.GetDlgItem(IDC_SUP_LIST)); }

int selectedLine(CWnd& dlg) {
    CListBox* list = listOf(dlg);
    return list ? list->GetCurSel() : -1;
}

void fillList(CWnd& dlg, const Zk_StringArray& lines, int select) {
    CListBox* list = listOf(dlg);
    if (!list) return;
    list->ResetContent();
    for (const auto& line : lines) list->AddString(line.c_str());
    if (select >= 0 && select < lines.length()) list->SetCurSel(select);
}

bool isCommand(WPARAM wParam, int id, WORD code) { return LOWORD(wParam) == id && HIWORD(wParam) == code; }

Zk_String plainNumber(double value) {
    Zk_String text(value, 6);
    while (text.endsWith(L"0")) text.remove(text.length() - 1);
    if (text.endsWith(L".")) text.remove(text.length() - 1);
    return text;
}

}  // namespace

Zk_String joinRowForList(const Zk_StringArray& row) { return arrToStr(row, L" | "); }

// ---- Levels ----

CDlgLevels::CDlgLevels(CWnd* parent) : CDialog(IDD_TQ_LEVELS, parent) {}

BOOL CDlgLevels::OnInitDialog() {
    CDialog::OnInitDialog();
    // Heights and names are parallel lists; a record with fewer heights gets zeros.
    m_data.heights.setLength(m_data.names.length());
    refill(m_data.selected);
    return TRUE;
}

void CDlgLevels::refill(int select) {
    Zk_StringArray lines;
    for (int i = 0; i < m_data.names.length(); ++i)
        lines.append(m_data.names[i] + L" = " + plainNumber(m_data.heights[i]));
    fillList(*this, lines, select);
}

bool CDlgLevels::readFields(Zk_String& name, double& height) {
    name = getText(*this, IDC_SUP_EDIT1).trimmed();
    if (name.isEmpty()) {
        warn(*this, L"Please enter the name of the level.");
        return false;
    }
    return getNumber(*this, IDC_SUP_EDIT2, L"the height", -1e308, height);
}

BOOL CDlgLevels::OnCommand(WPARAM wParam, LPARAM lParam) {
    Zk_String name;
    double height = 0;
    const int sel = selectedLine(*this);
    if (isCommand(wParam, IDC_SUP_ADD, BN_CLICKED)) {
        if (readFields(name, height)) {
            m_data.names.append(name);
            m_data.heights.append(height);
            refill(m_data.names.length() - 1);
        }
        return TRUE;
    }
    if (isCommand(wParam, IDC_SUP_SET, BN_CLICKED)) {
        if (sel >= 0 && readFields(name, height)) {
            m_data.names[sel] = name;
            m_data.heights[sel] = height;
            refill(sel);
        }
        return TRUE;
    }
    if (isCommand(wParam, IDC_SUP_REMOVE, BN_CLICKED)) {
        if (sel >= 0) {
            m_data.names.removeAt(sel);
            m_data.heights.removeAt(sel);
            refill(sel < m_data.names.length() ? sel : sel - 1);
        }
        return TRUE;
    }
    if (isCommand(wParam, IDC_SUP_LIST, LBN_SELCHANGE) && sel >= 0) {
        setText(*this, IDC_SUP_EDIT1, m_data.names[sel]);
        setText(*this, IDC_SUP_EDIT2, plainNumber(m_data.heights[sel]));
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgLevels::OnOK() {
    m_data.selected = selectedLine(*this);
    EndDialog(IDOK);
}

// ---- Look-up ----

CDlgLookup::CDlgLookup(CWnd* parent) : CDialog(IDD_TQ_LOOKUP, parent) {}

BOOL CDlgLookup::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_data.caption.isEmpty()) SetWindowText(m_data.caption.c_str());
    setText(*this, IDC_SUP_LABEL, joinRowForList(m_data.columns));
    Zk_StringArray lines;
    for (const auto& row : m_data.rows) lines.append(joinRowForList(row));
    fillList(*this, lines, m_data.selectedRow);
    return TRUE;
}

void CDlgLookup::OnOK() {
    const int sel = selectedLine(*this);
    if (sel < 0 || sel >= m_data.rows.length()) {
        warn(*this, L"Please choose a row.");
        return;
    }
    m_data.selectedRow = sel;
    m_data.selectedValue = m_data.rows[sel].isEmpty() ? Zk_String() : m_data.rows[sel][0];
    EndDialog(IDOK);
}

// ---- Image selection ----

CDlgSelectImage::CDlgSelectImage(CWnd* parent) : CDialog(IDD_TQ_SELECTIMAGE, parent) {}

BOOL CDlgSelectImage::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_data.caption.isEmpty()) SetWindowText(m_data.caption.c_str());
    m_shown = m_data.images;
    if (m_shown.isEmpty() && !m_data.folder.isEmpty()) ObjectExportFindFiles(m_data.folder, L"*.bmp", m_shown, false);
    int select = -1;
    m_shown.find(getFileName(m_data.selectedImage), select, true);
    fillList(*this, m_shown, select);
    return TRUE;
}

void CDlgSelectImage::OnOK() {
    const int sel = selectedLine(*this);
    if (sel < 0 || sel >= m_shown.length()) {
        warn(*this, L"Please choose a picture.");
        return;
    }
    m_data.selectedImage = m_data.folder.isEmpty() ? m_shown[sel] : joinPath(m_data.folder, m_shown[sel]);
    EndDialog(IDOK);
}

// ---- DSTV marking points ----

CDlgSelectDstvPointsFile::CDlgSelectDstvPointsFile(CWnd* parent) : CDialog(IDD_TQ_DSTVPOINTS, parent) {}

BOOL CDlgSelectDstvPointsFile::OnInitDialog() {
    CDialog::OnInitDialog();
    Zk_StringArray files;
    if (!m_folder.isEmpty()) ObjectExportFindFiles(m_folder, L"*.txt", files, false);
    int select = -1;
    files.find(getFileName(m_fileName), select, true);
    fillList(*this, files, select);
    setText(*this, IDC_SUP_EDIT1, m_fileName);
    return TRUE;
}

BOOL CDlgSelectDstvPointsFile::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (isCommand(wParam, IDC_SUP_LIST, LBN_SELCHANGE)) {
        CListBox* list = listOf(*this);
        const int sel = list ? list->GetCurSel() : -1;
        if (sel >= 0) {
            CString name;
            list->GetText(sel, name);
            setText(*this, IDC_SUP_EDIT1, joinPath(m_folder, Zk_String(name.GetString())));
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgSelectDstvPointsFile::OnOK() {
    Zk_String file = getText(*this, IDC_SUP_EDIT1).trimmed();
    if (!file.isEmpty() && !isAbsolutePath(file) && !m_folder.isEmpty()) file = joinPath(m_folder, file);
    if (file.isEmpty() || !fileExists(file)) {
        warn(*this, L"Please choose an existing marking-points file.");
        return;
    }
    m_fileName = file;
    EndDialog(IDOK);
}

// ---- Open / save ----

CDlgOpenSave::CDlgOpenSave(CWnd* parent) : CDialog(IDD_TQ_OPENSAVE, parent) {}

BOOL CDlgOpenSave::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_data.caption.isEmpty()) SetWindowText(m_data.caption.c_str());
    SetDlgItemText(1, m_data.saveMode ? L"Save" : L"Open");
    m_shown.clear();
    if (!m_data.files.isEmpty()) {
        for (const auto& f : m_data.files) m_shown.append(getFileName(f));
    } else if (!m_data.folder.isEmpty()) {
        const Zk_String pattern = m_data.extension.isEmpty() ? Zk_String(L"*") : Zk_String(L"*.") + m_data.extension;
        ObjectExportFindFiles(m_data.folder, pattern, m_shown, false);
    }
    int select = -1;
    m_shown.find(getFileName(m_data.fileName), select, true);
    fillList(*this, m_shown, select);
    setText(*this, IDC_SUP_EDIT1, getFileName(m_data.fileName));
    return TRUE;
}

BOOL CDlgOpenSave::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (isCommand(wParam, IDC_SUP_LIST, LBN_SELCHANGE)) {
        const int sel = selectedLine(*this);
        if (sel >= 0 && sel < m_shown.length()) setText(*this, IDC_SUP_EDIT1, m_shown[sel]);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgOpenSave::OnOK() {
    Zk_String name = getText(*this, IDC_SUP_EDIT1).trimmed();
    if (name.isEmpty() || hasInvalidFileNameChars(name)) {
        warn(*this, name.isEmpty() ? Zk_String(L"Please enter a file name.") : Zk_String(L"The file name is not valid."));
        return;
    }
    int offered = -1;
    if (m_data.saveMode) {
        if (!m_data.extension.isEmpty() && !hasFileExtension(name, m_data.extension))
            name = name + L"." + m_data.extension;
        if (m_shown.find(name, offered, true)) {
            CString caption;
            GetWindowText(caption);
            const Zk_String question = Zk_String(L"The file ") + name + L" exists already. Replace it?";
            if (MessageBox(question.c_str(), caption.GetString(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
            name = m_shown[offered];
        }
    } else {
        if (!m_shown.find(name, offered, true)) {
            warn(*this, L"Please choose one of the files.");
            return;
        }
        name = m_shown[offered];
    }
    m_data.fileName = m_data.folder.isEmpty() ? name : joinPath(m_data.folder, name);
    EndDialog(IDOK);
}

// ---- String grid ----

CDlgStringArray::CDlgStringArray(CWnd* parent) : CDialog(IDD_TQ_STRINGARRAY, parent) {}

Zk_StringArray CDlgStringArray::fitToColumns(Zk_StringArray row) const {
    const int n = m_columns.length();
    while (row.length() < n) row.append(row.length() < m_defaults.length() ? m_defaults[row.length()] : Zk_String());
    row.setLength(n);
    return row;
}

BOOL CDlgStringArray::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_caption.isEmpty()) SetWindowText(m_caption.c_str());
    setText(*this, IDC_SUP_LABEL, joinRowForList(m_columns));
    for (auto& row : m_rows) row = fitToColumns(row);
    if (CWnd* add = GetDlgItem(IDC_SUP_ADD)) add->EnableWindow(m_canAddRows);
    if (CWnd* remove = GetDlgItem(IDC_SUP_REMOVE)) remove->EnableWindow(m_canAddRows);
    refill(-1);
    ChangeDlgSize(this, m_dlgName);
    return TRUE;
}

void CDlgStringArray::refill(int select) {
    Zk_StringArray lines;
    for (const auto& row : m_rows) lines.append(joinRowForList(row));
    fillList(*this, lines, select);
}

BOOL CDlgStringArray::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int sel = selectedLine(*this);
    if (isCommand(wParam, IDC_SUP_LIST, LBN_SELCHANGE)) {
        if (sel >= 0 && sel < m_rows.length()) setText(*this, IDC_SUP_EDIT1, arrToStr(m_rows[sel], L";"));
        return TRUE;
    }
    if (isCommand(wParam, IDC_SUP_SET, BN_CLICKED)) {
        if (sel >= 0 && sel < m_rows.length()) {
            m_rows[sel] = fitToColumns(strToArr(getText(*this, IDC_SUP_EDIT1), L";", false));
            refill(sel);
        }
        return TRUE;
    }
    if (isCommand(wParam, IDC_SUP_ADD, BN_CLICKED)) {
        if (m_canAddRows) {
            m_rows.append(fitToColumns(Zk_StringArray()));
            refill(m_rows.length() - 1);
        }
        return TRUE;
    }
    if (isCommand(wParam, IDC_SUP_REMOVE, BN_CLICKED)) {
        if (m_canAddRows && sel >= 0 && sel < m_rows.length()) {
            m_rows.removeAt(sel);
            refill(sel < m_rows.length() ? sel : sel - 1);
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgStringArray::OnOK() { EndDialog(IDOK); }

void CDlgStringArray::OnDestroy() {
    WriteDlgSize(this, m_dlgName);
    CDialog::OnDestroy();
}
