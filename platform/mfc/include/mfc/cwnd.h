// CWnd: the window object. Messages reach WindowProc, which routes them to the virtual
// handlers below (and WM_COMMAND/WM_NOTIFY through OnCommand/OnNotify to the message map).
// A CWnd either creates its window (Create/CreateEx), or wraps an existing one: Attach only
// associates the handle, SubclassWindow also routes the window's messages through this
// object (the original window procedure stays reachable via Default/DefWindowProc).
#pragma once

#include "mfc/cstring.h"
#include "mfc/geometry.h"
#include "mfc/message_map.h"
#include "win/messages.h"
#include "win/types.h"

class CDC;
class CFont;
class CMenu;
class CDataExchange;
using HBRUSH = void*;

constexpr UINT CTLCOLOR_MSGBOX = 0;
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_STATIC = 6;

using LPCREATESTRUCT = CREATESTRUCTW*;
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

namespace win {
class Canvas;
struct PaintState;
}  // namespace win

class CWnd {
public:
    CWnd();
    virtual ~CWnd();  // destroys a window it still holds
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }
    // Z-order places for SetWindowPos: &CWnd::wndTopMost makes a window top-most.
    static const CWnd wndTop, wndBottom, wndTopMost, wndNoTopMost;
    HWND GetSafeHwnd() const { return m_hWnd; }

    // The permanent object of a window, else a temporary one whose class follows the
    // window class (a CButton for "Button", a CEdit for "Edit", ...); the temporary object
    // lives until the window is destroyed. Null for a null or dead handle.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromHandlePermanent(HWND hwnd);

    BOOL Attach(HWND hwnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id, void* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // Tree.
    CWnd* GetParent() const;
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* SetParent(CWnd* parent);
    CWnd* GetDlgItem(int id) const;
    void GetDlgItem(int id, HWND* out) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CWnd* GetWindow(UINT cmd) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    BOOL IsChild(const CWnd* wnd) const;

    // Text.
    void SetWindowText(LPCWSTR text);
    int GetWindowText(LPWSTR buffer, int maxCount) const;
    void GetWindowText(CString& text) const;
    CString GetWindowTextString() const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, LPCWSTR text);
    int GetDlgItemText(int id, CString& text) const;
    int GetDlgItemText(int id, LPWSTR buffer, int maxCount) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetClassName(CString& name) const;
    CString GetClassNameString() const;

    // State.
    BOOL ShowWindow(int cmd);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetActiveWindow();
    static CWnd* GetActiveWindow();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();
    void BringWindowToTop();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    void SetRedraw(BOOL redraw = TRUE);

    // Geometry.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void ScreenToClient(POINT* pt) const;
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* pt) const;
    void ClientToScreen(RECT* rect) const;
    void MapWindowPoints(CWnd* to, RECT* rect) const;
    void MapWindowPoints(CWnd* to, POINT* points, UINT count) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    void ValidateRect(const RECT* rect);
    void UpdateWindow();
    BOOL RedrawWindow(const RECT* rect = nullptr, void* region = nullptr, UINT flags = 0x1 | 0x100 | 0x4);
    CWnd* ChildWindowFromPoint(POINT pt, UINT flags = 0) const;

    // Messages.
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, void (*proc)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
    BOOL KillTimer(UINT_PTR id);
    int MessageBox(LPCWSTR text, LPCWSTR caption = nullptr, UINT type = 0);
    CMenu* GetSystemMenu(BOOL revert) const;

    // Data exchange between controls and members (DoDataExchange).
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Dispatch.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A control's own chance at the notifications it sends its parent (reflection).
    virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PostNcDestroy();
    virtual void PreSubclassWindow();
    virtual void DoDataExchange(CDataExchange* dx);
    LRESULT Default();  // the current message, to the original window procedure
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Walks from the message's window up to this one calling PreTranslateMessage.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    // Virtual handlers: each default passes the message on to the original procedure.
    virtual int OnCreate(LPCREATESTRUCT cs);
    virtual void OnDestroy();
    virtual void OnNcDestroy();
    virtual void OnClose();
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnSizing(UINT side, RECT* rect);
    virtual void OnMove(int x, int y);
    virtual void OnGetMinMaxInfo(MINMAXINFO* info);
    virtual void OnWindowPosChanged(WINDOWPOS* pos);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnPaint();
    // Draws this window's picture (win/render.h) in window coordinates instead of the look
    // of its window class; false (the default) keeps that look. Controls whose look the
    // window's state cannot tell (marks, pictures kept in the object) override it.
    virtual bool DrawPicture(win::Canvas& canvas, const win::PaintState& state);
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    virtual void OnSetFocus(CWnd* oldWnd);
    virtual void OnKillFocus(CWnd* newWnd);
    virtual void OnShowWindow(BOOL show, UINT status);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    virtual void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT ch, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);
    virtual void OnContextMenu(CWnd* wnd, CPoint point);
    virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
    virtual void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);

protected:
    static const ::mfc::MessageMap* GetThisMessageMap();
    virtual const ::mfc::MessageMap* GetMessageMap() const;
    // Runs the message-map entry for a command/notification/message; true when one ran.
    bool DispatchMapped(UINT msg, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);

public:
    // Internal: the procedure of a subclassed window and the state of the message in hand.
    WNDPROC m_pfnSuper = nullptr;
    struct CurrentMessage {
        UINT msg = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    } m_current;
    bool m_temporary = false;

private:
    explicit CWnd(HWND zOrderPlace);  // the z-order places above
};

namespace mfc {
// The procedure every CWnd-owned window runs.
LRESULT AfxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Makes the next window created on this thread belong to wnd (used by Create and dialogs).
void HookNextWindowCreation(CWnd* wnd);
}  // namespace mfc
