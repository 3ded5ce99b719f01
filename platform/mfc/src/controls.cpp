#include "mfc/controls.h"

#include <string>

#include "win/window.h"

namespace {
BOOL CreateControl(CWnd& w, LPCWSTR cls, LPCWSTR text, DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return w.CreateEx(0, cls, text, style | WS_CHILD, r, parent, id);
}
template <class T>
LPARAM P(T v) {
    return reinterpret_cast<LPARAM>(v);
}
}  // namespace

BOOL CButton::Create(LPCWSTR text, DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_BUTTON, text, style, r, parent, id);
}
int CButton::GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
UINT CButton::GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL highlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(highlight)); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SendMessage(BM_SETSTYLE, style, redraw); }
HICON CButton::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, P(icon)));
}
HICON CButton::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON)); }
HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(BM_SETIMAGE, IMAGE_BITMAP, P(bitmap)));
}
HBITMAP CButton::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP)); }
void CButton::Click() { SendMessage(BM_CLICK); }

BOOL CStatic::Create(LPCWSTR text, DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_STATIC, text, style, r, parent, id);
}
HICON CStatic::SetIcon(HICON icon) { return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon))); }
HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
HBITMAP CStatic::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, P(bitmap)));
}
HBITMAP CStatic::GetBitmap() const { return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP)); }

BOOL CEdit::Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_EDIT, L"", style, r, parent, id);
}
void CEdit::GetSel(int& start, int& end) const {
    DWORD s = 0, e = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), P(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}
DWORD CEdit::GetSel() const { return static_cast<DWORD>(SendMessage(EM_GETSEL)); }
void CEdit::SetSel(int start, int end, BOOL) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
void CEdit::ReplaceSel(LPCWSTR text, BOOL canUndo) { SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), P(text)); }
void CEdit::SetReadOnly(BOOL readOnly) { SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly)); }
void CEdit::LimitText(int max) { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(max)); }
int CEdit::GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(modified)); }
void CEdit::Clear() { ReplaceSel(L""); }

BOOL CRichEditCtrl::Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_RICHEDIT, L"", style, r, parent, id);
}
namespace {
constexpr const wchar_t* kBackgroundProp = L"TqBackgroundColor";  // the colour + 1; none: the system's
}
COLORREF CRichEditCtrl::SetBackgroundColor(BOOL useSystem, COLORREF color) {
    COLORREF old = GetBackgroundColor();
    if (useSystem) RemovePropW(m_hWnd, kBackgroundProp);
    else SetPropW(m_hWnd, kBackgroundProp, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color) + 1));
    Invalidate();
    return old;
}
COLORREF CRichEditCtrl::GetBackgroundColor() const {
    HANDLE h = GetPropW(m_hWnd, kBackgroundProp);
    return h ? static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(h) - 1) : RGB(255, 255, 255);
}

BOOL CComboBox::Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_COMBOBOX, L"", style, r, parent, id);
}
int CComboBox::AddString(LPCWSTR text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, P(text))); }
int CComboBox::InsertString(int index, LPCWSTR text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), P(text)));
}
int CComboBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(CB_DELETESTRING, index)); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
int CComboBox::GetLBText(int index, LPWSTR buffer) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), P(buffer)));
}
void CComboBox::GetLBText(int index, CString& text) const {
    int n = GetLBTextLen(index);
    if (n < 0) {
        text.Empty();
        return;
    }
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    GetLBText(index, s.data());
    s.resize(static_cast<std::size_t>(n));
    text = CString(s);
}
int CComboBox::GetLBTextLen(int index) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(index)));
}
int CComboBox::FindString(int startAfter, LPCWSTR prefix) const {
    return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(startAfter), P(prefix)));
}
int CComboBox::FindStringExact(int startAfter, LPCWSTR text) const {
    return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), P(text)));
}
int CComboBox::SelectString(int startAfter, LPCWSTR prefix) {
    return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(startAfter), P(prefix)));
}
DWORD_PTR CComboBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}
int CComboBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}
void CComboBox::ShowDropDown(BOOL show) { SendMessage(CB_SHOWDROPDOWN, static_cast<WPARAM>(show)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
BOOL CComboBox::SetEditSel(int start, int end) {
    return SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end))) != CB_ERR;
}
BOOL CComboBox::LimitText(int max) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(max))); }

BOOL CListBox::Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_LISTBOX, L"", style, r, parent, id);
}
int CListBox::AddString(LPCWSTR text) { return static_cast<int>(SendMessage(LB_ADDSTRING, 0, P(text))); }
int CListBox::InsertString(int index, LPCWSTR text) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), P(text)));
}
int CListBox::DeleteString(UINT index) { return static_cast<int>(SendMessage(LB_DELETESTRING, index)); }
void CListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int CListBox::GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
int CListBox::SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
int CListBox::GetSel(int index) const { return static_cast<int>(SendMessage(LB_GETSEL, static_cast<WPARAM>(index))); }
int CListBox::SetSel(int index, BOOL select) {
    return static_cast<int>(SendMessage(LB_SETSEL, static_cast<WPARAM>(select), index));
}
int CListBox::GetSelCount() const { return static_cast<int>(SendMessage(LB_GETSELCOUNT)); }
int CListBox::GetSelItems(int max, int* items) const {
    return static_cast<int>(SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(max), P(items)));
}
int CListBox::GetText(int index, LPWSTR buffer) const {
    return static_cast<int>(SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), P(buffer)));
}
void CListBox::GetText(int index, CString& text) const {
    int n = GetTextLen(index);
    if (n < 0) {
        text.Empty();
        return;
    }
    std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
    GetText(index, s.data());
    s.resize(static_cast<std::size_t>(n));
    text = CString(s);
}
int CListBox::GetTextLen(int index) const { return static_cast<int>(SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(index))); }
int CListBox::FindString(int startAfter, LPCWSTR prefix) const {
    return static_cast<int>(SendMessage(LB_FINDSTRING, static_cast<WPARAM>(startAfter), P(prefix)));
}
int CListBox::FindStringExact(int startAfter, LPCWSTR text) const {
    return static_cast<int>(SendMessage(LB_FINDSTRINGEXACT, static_cast<WPARAM>(startAfter), P(text)));
}
int CListBox::SelectString(int startAfter, LPCWSTR prefix) {
    return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(startAfter), P(prefix)));
}
DWORD_PTR CListBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(index)));
}
int CListBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
}

BOOL CTabCtrl::Create(DWORD style, const RECT& r, CWnd* parent, UINT id) {
    return CreateControl(*this, WC_TABCONTROL, L"", style, r, parent, id);
}
LONG CTabCtrl::InsertItem(int index, LPCWSTR text) { return InsertItem(index, text, 0); }
LONG CTabCtrl::InsertItem(int index, LPCWSTR text, LPARAM param) {
    TCITEMW item;
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    item.lParam = param;
    return static_cast<LONG>(SendMessage(TCM_INSERTITEMW, static_cast<WPARAM>(index), P(&item)));
}
BOOL CTabCtrl::DeleteItem(int index) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), P(rect)));
}
CString CTabCtrl::GetItemText(int index) const {
    wchar_t buf[256] = {};
    TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = buf;
    item.cchTextMax = 256;
    SendMessage(TCM_GETITEMW, static_cast<WPARAM>(index), P(&item));
    return CString(buf);
}
BOOL CTabCtrl::SetItemText(int index, LPCWSTR text) {
    TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    return static_cast<BOOL>(SendMessage(TCM_SETITEMW, static_cast<WPARAM>(index), P(&item)));
}
LPARAM CTabCtrl::GetItemData(int index) const {
    TCITEMW item;
    item.mask = TCIF_PARAM;
    SendMessage(TCM_GETITEMW, static_cast<WPARAM>(index), P(&item));
    return item.lParam;
}
void CTabCtrl::AdjustRect(BOOL larger, RECT* rect) const {
    SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(larger), P(rect));
}
