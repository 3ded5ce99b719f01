// Pop-up menus over the menu handles of win/window.h. TrackPopupMenu is answered by the
// scripted user in tests (and returns 0, nothing chosen, without one).
#pragma once

#include "mfc/cstring.h"
#include "win/window.h"

class CWnd;

class CMenu {
public:
    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    BOOL CreatePopupMenu();
    BOOL CreateMenu();
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    static CMenu* FromHandle(HMENU menu);  // temporary, does not own
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR text = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags);
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSubMenu = 0, LPCWSTR text = nullptr);
    UINT CheckMenuItem(UINT id, UINT check);
    BOOL CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags);
    UINT EnableMenuItem(UINT id, UINT enable);
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT id, UINT flags) const;
    int GetMenuString(UINT id, CString& text, UINT flags) const;
    CMenu* GetSubMenu(int position) const;
    // Returns the command with TPM_RETURNCMD, else sends it as WM_COMMAND to wnd.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, const RECT* rect = nullptr);
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }
    HMENU m_hMenu = nullptr;

private:
    bool m_owned = false;
};
