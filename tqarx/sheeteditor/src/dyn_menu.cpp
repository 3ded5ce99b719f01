#include "sheeteditor/dyn_menu.h"

#include "mfc/cwnd.h"

const UINT dynMenu::kCommandIds[10] = {32811, 32812, 32816, 32817, 32818, 32800, 32801, 32802, 32803, 32804};

dynMenu::~dynMenu() { destroy(); }

void dynMenu::destroy() {
    // Destroying a menu destroys the sub-menus appended to it; the others go one by one.
    for (int i = m_subMenus.length() - 1; i >= 0; --i)
        if (::IsMenu(m_subMenus[i].menu)) ::DestroyMenu(m_subMenus[i].menu);
    m_subMenus.clear();
    if (m_root && ::IsMenu(m_root)) ::DestroyMenu(m_root);
    m_root = nullptr;
}

UINT dynMenu::track(UINT flags, int x, int y, CWnd* owner, const Zk_Array<int>& levels,
                    const Zk_Array<dynMenuEntry>& entries) {
    destroy();
    m_root = ::CreatePopupMenu();
    if (!m_root) return 0;
    int currentLevel = 1;
    int nextId = 0;
    for (int i = 0; i < entries.length() && i < levels.length(); ++i) {
        const int level = levels[i];
        if (level <= 0 || level > currentLevel) continue;
        HMENU target = nullptr;
        if (level == 1) {
            target = m_root;
            currentLevel = 1;
        } else if (level == currentLevel) {
            target = m_subMenus.isEmpty() ? nullptr : m_subMenus.last().menu;
        } else {
            for (int s = m_subMenus.length() - 1; s >= 0 && !target; --s)
                if (m_subMenus[s].level == level) target = m_subMenus[s].menu;
        }
        if (!target) continue;

        const dynMenuEntry& entry = entries[i];
        if (entry.kind == kDynMenuSeparator) {
            ::AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (entry.kind == kDynMenuSubMenu) {
            HMENU sub = ::CreatePopupMenu();
            if (!sub) continue;
            // The sub-menu's items are one level below the entry that opens it.
            currentLevel = level + 1;
            m_subMenus.append(SubMenu{sub, currentLevel});
            ::AppendMenuW(target, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), entry.text.c_str());
            continue;
        }
        if (nextId >= 10) continue;  // no id left
        const UINT id = kCommandIds[nextId++];
        switch (entry.kind) {
        case kDynMenuChecked: ::AppendMenuW(target, MF_STRING | MF_CHECKED, id, entry.text.c_str()); break;
        case kDynMenuRadio:
            ::AppendMenuW(target, MF_STRING | MF_CHECKED | MFT_RADIOCHECK, id, entry.text.c_str());
            break;
        case kDynMenuGreyed: ::AppendMenuW(target, MF_STRING | MF_GRAYED, id, entry.text.c_str()); break;
        case kDynMenuHidden: break;
        default: ::AppendMenuW(target, MF_STRING, id, entry.text.c_str()); break;
        }
    }
    return static_cast<UINT>(
        ::TrackPopupMenu(m_root, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr, nullptr));
}
