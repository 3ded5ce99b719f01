// Control classes over the standard control windows. They add no data, so a CWnd* of a
// control (GetDlgItem) can be used as its class; every state a control shows lives with its
// window and is read through these classes or the window's messages.
#pragma once

#include "mfc/cwnd.h"

class CBitmap;

// CButton: the "Button" window in all its kinds (the BS_ type of its style): push and
// default push buttons; check boxes with two states and three (0 unchecked, 1 checked, 2
// mixed; BS_AUTO3STATE cycles 0, 1, 2 on each click, BS_3STATE leaves the state to the
// program), radio buttons (BS_AUTORADIOBUTTON unchecks the others of its WS_GROUP group;
// the arrow keys move the check around the group), push-like check boxes (BS_PUSHLIKE,
// shown down while checked), group boxes (no input), and an icon or bitmap as the face
// (BS_ICON, BS_BITMAP with SetIcon/SetBitmap). A click (or the space bar) sends BN_CLICKED;
// GetState tells the pushed look while the mouse is held down and whether it has the focus.
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

// CStatic: a text label (SS_LEFT, SS_CENTER, SS_RIGHT), an icon (SS_ICON) or a bitmap
// (SS_BITMAP) picture; with SS_NOTIFY a click sends STN_CLICKED. Its parent picks its colours
// (WM_CTLCOLORSTATIC, see control_colors.h), which lets a label show the dialog's background.
class CStatic : public CWnd {
public:
    using CWnd::Create;   // the generic form stays callable
    BOOL Create(LPCWSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id = 0xFFFF);
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const;
};

// CEdit: a single- or multi-line (ES_MULTILINE) text field with a selection (GetSel, SetSel
// with -1 for the end, ReplaceSel), the caret keys with Shift extending the selection, a
// text limit, read-only (ES_READONLY) and modified state. Each typed change sends EN_UPDATE
// then EN_CHANGE; Enter stays in a multi-line field only with ES_WANTRETURN, otherwise the
// dialog takes it for its default button.
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

// CRichEditCtrl: the rich edit field, an edit with a background colour; multi-line.
class CRichEditCtrl : public CEdit {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // useSystem: the system's window colour (white) again; returns the previous colour.
    COLORREF SetBackgroundColor(BOOL useSystem, COLORREF color);
    COLORREF GetBackgroundColor() const;
    long GetTextLength() const { return GetWindowTextLength(); }
};

// CComboBox: a list of texts with item data and a current item, in three styles: a simple
// combo (CBS_SIMPLE, the list always shown), a drop-down (CBS_DROPDOWN, an edit field and a
// list) and a drop-down list (CBS_DROPDOWNLIST, no typing: a letter picks the next item
// starting with it). Picking from the list sends CBN_DROPDOWN, CBN_SELCHANGE (only when the
// item changes), CBN_SELENDOK and CBN_CLOSEUP in that order; typing into the edit field sends
// CBN_EDITUPDATE then CBN_EDITCHANGE and leaves no current item. CBS_SORT keeps the items
// sorted without case. See also CCheckComboBox and CBitmapPickerCombo.
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

// CListBox: a list of texts with item data; single selection, LBS_MULTIPLESEL (each click
// toggles) or LBS_EXTENDEDSEL (Ctrl toggles, Shift extends from the anchor, a plain click
// starts over). Each pick sends LBN_SELCHANGE (with LBS_NOTIFY), a double click LBN_DBLCLK.
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

// CTabCtrl: a row of captioned tabs (each with item data) along the top and a display area
// below them (AdjustRect) where the dialog shows the current tab's page, usually a child
// dialog (DS_CONTROL, so the dialog keys walk through its controls). A click on another tab,
// or the arrow keys, first sends TCN_SELCHANGING (a non-zero result refuses the change), then
// TCN_SELCHANGE; SetCurSel changes silently. Inserting or deleting tabs before the current
// one keeps the same tab current. GetItemRect gives each tab's rectangle in client pixels.
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
