#include "mfc/controls.h"

#include "win/window.h"

namespace {
LVITEMW Item(int index, UINT mask) {
    LVITEMW item;
    item.mask = mask;
    item.iItem = index;
    return item;
}
LPARAM P(const void* p) { return reinterpret_cast<LPARAM>(p); }
}  // namespace

BOOL CListCtrl::Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateEx(0, WC_LISTVIEW, L"", style | WS_CHILD, r, parent, id);
}
int CListCtrl::InsertItem(int index, LPCWSTR text, HBITMAP image, LPARAM param) {
    LVITEMW item = Item(index, LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM);
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    item.image = image;
    item.lParam = param;
    return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, P(&item)));
}
BOOL CListCtrl::DeleteItem(int index) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(index))); }
BOOL CListCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
int CListCtrl::GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
CString CListCtrl::GetItemText(int index) const {
    wchar_t buf[512] = {};
    LVITEMW item = Item(index, LVIF_TEXT);
    item.pszText = buf;
    item.cchTextMax = 512;
    SendMessage(LVM_GETITEMW, 0, P(&item));
    return CString(buf);
}
BOOL CListCtrl::SetItemText(int index, LPCWSTR text) {
    LVITEMW item = Item(index, LVIF_TEXT);
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    return static_cast<BOOL>(SendMessage(LVM_SETITEMW, 0, P(&item)));
}
HBITMAP CListCtrl::GetItemImage(int index) const {
    LVITEMW item = Item(index, LVIF_IMAGE);
    SendMessage(LVM_GETITEMW, 0, P(&item));
    return static_cast<HBITMAP>(item.image);
}
LPARAM CListCtrl::GetItemData(int index) const {
    LVITEMW item = Item(index, LVIF_PARAM);
    SendMessage(LVM_GETITEMW, 0, P(&item));
    return item.lParam;
}
BOOL CListCtrl::GetItemRect(int index, RECT* rect) const {
    return static_cast<BOOL>(SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(index), P(rect)));
}
int CListCtrl::HitTest(POINT pt) const { return static_cast<int>(SendMessage(LVM_HITTEST, 0, P(&pt))); }
int CListCtrl::GetNextItem(int start, UINT flags) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(start), static_cast<LPARAM>(flags)));
}
BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEMW item = Item(index, LVIF_STATE);
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(index), P(&item)));
}
UINT CListCtrl::GetItemState(int index, UINT mask) const {
    return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(mask)));
}
CSize CListCtrl::SetIconSpacing(int cx, int cy) {
    auto old = static_cast<UINT_PTR>(SendMessage(LVM_SETICONSPACING, 0, MAKELPARAM(static_cast<WORD>(cx), static_cast<WORD>(cy))));
    return CSize(LOWORD(old), HIWORD(old));
}
CSize CListCtrl::GetIconSpacing() const {
    auto v = static_cast<UINT_PTR>(SendMessage(LVM_GETICONSPACING));
    return CSize(LOWORD(v), HIWORD(v));
}
