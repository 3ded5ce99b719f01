#include "mfc/menu.h"

#include <memory>
#include <unordered_map>

#include "mfc/cwnd.h"

CMenu::~CMenu() {
    if (m_owned) DestroyMenu();
}
BOOL CMenu::CreatePopupMenu() {
    if (m_hMenu) return FALSE;
    m_hMenu = ::CreatePopupMenu();
    m_owned = true;
    return m_hMenu != nullptr;
}
BOOL CMenu::CreateMenu() {
    if (m_hMenu) return FALSE;
    m_hMenu = ::CreateMenu();
    m_owned = true;
    return m_hMenu != nullptr;
}
BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    m_owned = false;
    return ok;
}
BOOL CMenu::Attach(HMENU menu) {
    if (m_hMenu || !menu) return FALSE;
    m_hMenu = menu;
    m_owned = true;
    return TRUE;
}
HMENU CMenu::Detach() {
    HMENU m = m_hMenu;
    m_hMenu = nullptr;
    m_owned = false;
    return m;
}
CMenu* CMenu::FromHandle(HMENU menu) {
    if (!menu) return nullptr;
    static std::unordered_map<HMENU, std::unique_ptr<CMenu>> wrappers;
    auto& w = wrappers[menu];
    if (!w) {
        w = std::make_unique<CMenu>();
        w->m_hMenu = menu;
    }
    return w.get();
}
BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSub, LPCWSTR text) { return ::AppendMenuW(m_hMenu, flags, idOrSub, text); }
BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrSub, LPCWSTR text) {
    return ::InsertMenuW(m_hMenu, position, flags, idOrSub, text);
}
BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSub, LPCWSTR text) {
    return ::ModifyMenuW(m_hMenu, position, flags, idOrSub, text);
}
UINT CMenu::CheckMenuItem(UINT id, UINT check) { return static_cast<UINT>(::CheckMenuItem(m_hMenu, id, check)); }
BOOL CMenu::CheckMenuRadioItem(UINT first, UINT last, UINT check, UINT flags) {
    return ::CheckMenuRadioItem(m_hMenu, first, last, check, flags);
}
UINT CMenu::EnableMenuItem(UINT id, UINT enable) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, id, enable)); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
UINT CMenu::GetMenuState(UINT id, UINT flags) const { return ::GetMenuState(m_hMenu, id, flags); }
int CMenu::GetMenuString(UINT id, CString& text, UINT flags) const {
    wchar_t buf[256] = {};
    int n = ::GetMenuStringW(m_hMenu, id, buf, 256, flags);
    text = CString(buf);
    return n;
}
CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* wnd, const RECT* rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, wnd ? wnd->m_hWnd : nullptr, rect);
}
