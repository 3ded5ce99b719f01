// Control classes over the standard control windows. They add no data, so a CWnd* of a
// control (GetDlgItem) can be used as its class.
#pragma once

#include "mfc/cwnd.h"

class CBitmap;

class CButton : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
    void Click();  // as BM_CLICK
};

class CStatic : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

class CEdit : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void GetSel(int& start, int& end) const;
    DWORD GetSel() const;
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void ReplaceSel(LPCWSTR text, BOOL canUndo = FALSE);
    void SetReadOnly(BOOL readOnly = TRUE);
    void LimitText(int max = 0);
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    void Clear();
};

class CRichEditCtrl : public CEdit {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    void SetBackgroundColor(BOOL useSystem, COLORREF color);
    long GetTextLength() const { return GetWindowTextLength(); }
};

class CComboBox : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCWSTR text);
    int InsertString(int index, LPCWSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, LPWSTR buffer) const;
    void GetLBText(int index, CString& text) const;
    int GetLBTextLen(int index) const;
    int FindString(int startAfter, LPCWSTR prefix) const;
    int FindStringExact(int startAfter, LPCWSTR text) const;
    int SelectString(int startAfter, LPCWSTR prefix);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    DWORD GetEditSel() const;
    BOOL SetEditSel(int start, int end);
    BOOL LimitText(int max);
};

class CListBox : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int AddString(LPCWSTR text);
    int InsertString(int index, LPCWSTR text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetSel(int index) const;
    int SetSel(int index, BOOL select = TRUE);
    int GetSelCount() const;
    int GetSelItems(int max, int* items) const;
    int GetText(int index, LPWSTR buffer) const;
    void GetText(int index, CString& text) const;
    int GetTextLen(int index) const;
    int FindString(int startAfter, LPCWSTR prefix) const;
    int FindStringExact(int startAfter, LPCWSTR text) const;
    int SelectString(int startAfter, LPCWSTR prefix);
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
};

class CTabCtrl : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    LONG InsertItem(int index, LPCWSTR text);
    LONG InsertItem(int index, LPCWSTR text, LPARAM param);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);  // no notification, as TCM_SETCURSEL
    BOOL GetItemRect(int index, RECT* rect) const;
    CString GetItemText(int index) const;
    BOOL SetItemText(int index, LPCWSTR text);
    LPARAM GetItemData(int index) const;
    void AdjustRect(BOOL larger, RECT* rect) const;
};

// CListCtrl: the "SysListView32" thumbnail list (icon view) item by item; the pictures are
// bitmap handles the caller keeps alive (CImageListCtrl loads and owns them).
class CListCtrl : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    int InsertItem(int index, LPCWSTR text, HBITMAP image = nullptr, LPARAM param = 0);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    CString GetItemText(int index) const;
    BOOL SetItemText(int index, LPCWSTR text);
    HBITMAP GetItemImage(int index) const;
    LPARAM GetItemData(int index) const;
    BOOL GetItemRect(int index, RECT* rect) const;  // client pixels: the picture and its caption
    int HitTest(POINT pt) const;                   // the item under a client point, or -1
    int GetNextItem(int start, UINT flags) const;  // LVNI_SELECTED: the next selected item
    int GetSelectedItem() const { return GetNextItem(-1, LVNI_SELECTED); }
    BOOL SetItemState(int index, UINT state, UINT mask);  // index -1 with state 0: clear the selection
    UINT GetItemState(int index, UINT mask) const;
    CSize SetIconSpacing(int cx, int cy);  // the picture size of one thumbnail
    CSize GetIconSpacing() const;
};
