#include "sub_dialog_controls.h"

#include "engine/zk_spread.h"
#include "host/settings.h"
#include "host/texts.h"
#include "mfc/controls.h"
#include "win/bitmap.h"
#include "win/messages.h"
#include "win/window.h"

namespace subdlg {

void setTexts(CWnd& dlg, std::initializer_list<std::pair<int, int>> texts) {
    for (const auto& [id, nr] : texts) dlg.SetDlgItemText(id, dialString(nr).c_str());
}

void setText(CWnd& dlg, int id, const Zk_String& value) { dlg.SetDlgItemText(id, value.c_str()); }

Zk_String text(const CWnd& dlg, int id) {
    CString value;
    dlg.GetDlgItemText(id, value);
    return Zk_String(value.GetString());
}

void setTriState(CWnd& dlg, int id, int value) {
    dlg.CheckDlgButton(id, value < 0 ? BST_INDETERMINATE : value > 0 ? BST_CHECKED : BST_UNCHECKED);
}

int triState(const CWnd& dlg, int id) {
    const UINT state = dlg.IsDlgButtonChecked(id);
    return state == BST_INDETERMINATE ? -1 : state == BST_CHECKED ? 1 : 0;
}

void toggleTwoStates(CWnd& dlg, int id) {
    dlg.CheckDlgButton(id, dlg.IsDlgButtonChecked(id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
}

bool isChecked(const CWnd& dlg, int id) { return dlg.IsDlgButtonChecked(id) == BST_CHECKED; }
void check(CWnd& dlg, int id, bool checked) { dlg.CheckDlgButton(id, checked ? BST_CHECKED : BST_UNCHECKED); }

void enable(CWnd& dlg, int id, bool enabled) {
    if (CWnd* control = dlg.GetDlgItem(id)) control->EnableWindow(enabled);
}

void show(CWnd& dlg, int id, bool shown) {
    if (CWnd* control = dlg.GetDlgItem(id)) control->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

namespace {
CComboBox* combo(const CWnd& dlg, int id) { return static_cast<CComboBox*>(dlg.GetDlgItem(id)); }
}  // namespace

void fillCombo(CWnd& dlg, int id, const Zk_StringArray& items, const Zk_String& select) {
    CComboBox* box = combo(dlg, id);
    if (!box) return;
    box->ResetContent();
    int selected = -1;
    for (int i = 0; i < items.length(); ++i) {
        box->AddString(items[i].c_str());
        if (selected < 0 && items[i] == select) selected = i;
    }
    if (selected < 0 && !select.isEmpty()) selected = box->AddString(select.c_str());
    box->SetCurSel(selected);
}

void fillCombo(CWnd& dlg, int id, const Zk_StringArray& items) { fillCombo(dlg, id, items, Zk_String()); }

int comboSel(const CWnd& dlg, int id) {
    CComboBox* box = combo(dlg, id);
    return box ? box->GetCurSel() : -1;
}

void setComboSel(CWnd& dlg, int id, int index) {
    if (CComboBox* box = combo(dlg, id)) box->SetCurSel(index);
}

int comboCount(const CWnd& dlg, int id) {
    CComboBox* box = combo(dlg, id);
    return box ? box->GetCount() : 0;
}

Zk_String comboText(const CWnd& dlg, int id) {
    CComboBox* box = combo(dlg, id);
    if (!box || box->GetCurSel() < 0) return Zk_String();
    CString value;
    box->GetLBText(box->GetCurSel(), value);
    return Zk_String(value.GetString());
}

Zk_String iconsFolder() {
    Zk_String folder = gSettings.zkDir;
    if (!folder.isEmpty() && !folder.endsWith(Zk_String(L"\\"))) folder += L"\\";
    return folder + Zk_String(L"icons\\");
}

bool setIconsPicture(CWnd& dlg, int id, const Zk_String& fileName) {
    CWnd* control = dlg.GetDlgItem(id);
    win::Surface pixels;
    if (!control || !win::LoadBmpFile((iconsFolder() + fileName).wstr(), pixels)) return false;
    // A button and a picture control take their bitmap by different messages; each
    // ignores the other's.
    const LPARAM bitmap = reinterpret_cast<LPARAM>(win::CreateBitmapFromSurface(pixels));
    control->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, bitmap);
    control->SendMessage(STM_SETIMAGE, IMAGE_BITMAP, bitmap);
    return true;
}

bool makeGrid(CWnd& dlg, Zk_Spread& grid, int placeholderId, const Zk_StringArray& headers,
              const Zk_Array<double>& widths) {
    if (!grid.createFromPlaceholder(&dlg, placeholderId)) return false;
    grid.applyStandardLook(true);
    grid.setColCount(headers.length());
    grid.setRowCount(0);
    for (int col = 1; col <= headers.length(); ++col) grid.writeCellText(col, 0, headers[col - 1]);
    grid.setColumnWidths(widths, 0);
    return true;
}

Zk_String cell(const Zk_Spread& grid, int col, int row) {
    Zk_String value;
    grid.readCellText(col, row, value);
    return value;
}

}  // namespace subdlg
