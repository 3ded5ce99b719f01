#include "mfc/check_combo.h"

#include "win/window.h"

BOOL CCheckComboBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CComboBox::Create((style & ~0x3u) | CBS_DROPDOWNLIST, rect, parent, id)) return FALSE;
    SendMessage(TQ_CB_SETCHECKLIST, TRUE);
    return TRUE;
}
void CCheckComboBox::PreSubclassWindow() { SendMessage(TQ_CB_SETCHECKLIST, TRUE); }
int CCheckComboBox::SetCheck(int index, BOOL checked) {
    return static_cast<int>(SendMessage(TQ_CB_SETITEMCHECK, static_cast<WPARAM>(index), checked ? 1 : 0));
}
BOOL CCheckComboBox::GetCheck(int index) const {
    return SendMessage(TQ_CB_GETITEMCHECK, static_cast<WPARAM>(index)) == 1 ? TRUE : FALSE;
}
void CCheckComboBox::CheckAll(BOOL checked) {
    for (int i = 0, n = GetCount(); i < n; ++i) SetCheck(i, checked);
}
int CCheckComboBox::GetCheckedCount() const {
    int count = 0;
    for (int i = 0, n = GetCount(); i < n; ++i) count += GetCheck(i) ? 1 : 0;
    return count;
}
int CCheckComboBox::GetLastToggled() const { return static_cast<int>(SendMessage(TQ_CB_GETLASTCHECKED)); }
