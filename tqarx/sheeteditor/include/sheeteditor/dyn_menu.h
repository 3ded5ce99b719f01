// dynMenu: builds a spreadsheet window's pop-up context menu from a list of entries, each
// with a text, a kind and a level (1 = the root menu; a sub-menu entry opens the next
// level), and shows it. The items take their command ids in order from a fixed pool.
#pragma once

#include "host/zk_array.h"
#include "host/zk_string.h"
#include "win/window.h"

class CWnd;

// Kinds of menu entries.
enum dynMenuKind {
    kDynMenuPlain = 1,      // (and any kind not listed)
    kDynMenuChecked = 2,
    kDynMenuRadio = 3,
    kDynMenuGreyed = 4,
    kDynMenuSeparator = 5,  // takes no id
    kDynMenuSubMenu = 6,    // takes no id
    kDynMenuHidden = 7,     // not shown, takes an id
};

struct dynMenuEntry {
    Zk_String text;
    int kind = kDynMenuPlain;
};

class dynMenu {
public:
    static const UINT kCommandIds[10];

    dynMenu() = default;
    virtual ~dynMenu();
    dynMenu(const dynMenu&) = delete;
    dynMenu& operator=(const dynMenu&) = delete;

    // Builds the menu from the entries (levels[i] is the level of entries[i]) and shows it
    // at (x, y); returns what TrackPopupMenu returns. An entry of level 0 or below, or
    // deeper than the sub-menus open, is skipped, as is one placed under a level whose
    // sub-menu was never opened; so are the items that find no id left.
    UINT track(UINT flags, int x, int y, CWnd* owner, const Zk_Array<int>& levels,
               const Zk_Array<dynMenuEntry>& entries);

    HMENU root() const { return m_root; }

private:
    void destroy();

    struct SubMenu {
        HMENU menu;
        int level;
    };
    HMENU m_root = nullptr;
    Zk_Array<SubMenu> m_subMenus;
};
