// Menus: item lists behind menu handles; pop-up tracking answered by a hook.
#include "win/window.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

struct Item {
    UINT flags = 0;
    UINT id = 0;
    HMENU sub = nullptr;
    std::wstring text;
};
struct Menus {
    std::unordered_map<UINT_PTR, std::vector<Item>> menus;
    UINT_PTR next = 0x30000;
    win::PopupMenuHook hook = nullptr;
    void* context = nullptr;
};
Menus& M() {
    static Menus m;
    return m;
}
std::vector<Item>* Get(HMENU menu) {
    auto it = M().menus.find(reinterpret_cast<UINT_PTR>(menu));
    return it == M().menus.end() ? nullptr : &it->second;
}

// The item at position, or the item with that command id anywhere in the menu tree.
Item* Locate(HMENU menu, UINT item, UINT flags, HMENU* owner = nullptr, int* index = nullptr) {
    auto* items = Get(menu);
    if (!items) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= items->size()) return nullptr;
        if (owner) *owner = menu;
        if (index) *index = static_cast<int>(item);
        return &(*items)[item];
    }
    for (std::size_t i = 0; i < items->size(); ++i) {
        Item& it = (*items)[i];
        if (!(it.flags & MF_POPUP) && !(it.flags & MF_SEPARATOR) && it.id == item) {
            if (owner) *owner = menu;
            if (index) *index = static_cast<int>(i);
            return &it;
        }
        if (it.sub) {
            if (Item* found = Locate(it.sub, item, flags, owner, index)) return found;
        }
    }
    return nullptr;
}

Item MakeItem(UINT flags, UINT_PTR idOrSub, LPCWSTR text) {
    Item it;
    it.flags = flags & ~MF_BYPOSITION;
    if (flags & MF_POPUP) it.sub = reinterpret_cast<HMENU>(idOrSub);
    else it.id = static_cast<UINT>(idOrSub);
    it.text = text && !(flags & MF_SEPARATOR) ? text : L"";
    return it;
}

bool Selectable(HMENU menu, UINT id) {
    Item* it = Locate(menu, id, MF_BYCOMMAND);
    return it && !(it->flags & (MF_GRAYED | MF_DISABLED));
}

}  // namespace

HMENU CreatePopupMenu() {
    UINT_PTR h = M().next;
    M().next += 4;
    M().menus[h];
    return reinterpret_cast<HMENU>(h);
}
HMENU CreateMenu() { return CreatePopupMenu(); }
BOOL DestroyMenu(HMENU menu) {
    auto* items = Get(menu);
    if (!items) return FALSE;
    std::vector<HMENU> subs;
    for (auto& it : *items) {
        if (it.sub) subs.push_back(it.sub);
    }
    M().menus.erase(reinterpret_cast<UINT_PTR>(menu));
    for (HMENU s : subs) DestroyMenu(s);
    return TRUE;
}
BOOL IsMenu(HMENU menu) { return Get(menu) != nullptr; }
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrSub, LPCWSTR text) {
    auto* items = Get(menu);
    if (!items) return FALSE;
    items->push_back(MakeItem(flags, idOrSub, text));
    return TRUE;
}
BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSub, LPCWSTR text) {
    auto* items = Get(menu);
    if (!items) return FALSE;
    std::size_t at = items->size();
    if (flags & MF_BYPOSITION) {
        at = std::min<std::size_t>(position, items->size());
    } else {
        HMENU owner = nullptr;
        int index = 0;
        if (Locate(menu, position, MF_BYCOMMAND, &owner, &index)) {
            Get(owner)->insert(Get(owner)->begin() + index, MakeItem(flags, idOrSub, text));
            return TRUE;
        }
    }
    items->insert(items->begin() + static_cast<std::ptrdiff_t>(at), MakeItem(flags, idOrSub, text));
    return TRUE;
}
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    HMENU owner = nullptr;
    int index = 0;
    if (!Locate(menu, position, flags, &owner, &index)) return FALSE;
    auto* items = Get(owner);
    items->erase(items->begin() + index);
    return TRUE;
}
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    HMENU owner = nullptr;
    int index = 0;
    Item* it = Locate(menu, position, flags, &owner, &index);
    if (!it) return FALSE;
    HMENU sub = it->sub;
    auto* items = Get(owner);
    items->erase(items->begin() + index);
    if (sub) DestroyMenu(sub);
    return TRUE;
}
int GetMenuItemCount(HMENU menu) {
    auto* items = Get(menu);
    return items ? static_cast<int>(items->size()) : -1;
}
UINT GetMenuItemID(HMENU menu, int position) {
    auto* items = Get(menu);
    if (!items || position < 0 || position >= static_cast<int>(items->size())) return static_cast<UINT>(-1);
    const Item& it = (*items)[static_cast<std::size_t>(position)];
    return it.sub ? static_cast<UINT>(-1) : it.id;
}
HMENU GetSubMenu(HMENU menu, int position) {
    auto* items = Get(menu);
    if (!items || position < 0 || position >= static_cast<int>(items->size())) return nullptr;
    return (*items)[static_cast<std::size_t>(position)].sub;
}
int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int maxCount, UINT flags) {
    Item* it = Locate(menu, item, flags);
    if (!it) return 0;
    if (!buffer || maxCount <= 0) return static_cast<int>(it->text.size());
    int n = std::min<int>(static_cast<int>(it->text.size()), maxCount - 1);
    std::copy_n(it->text.begin(), n, buffer);
    buffer[n] = 0;
    return n;
}
UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    Item* it = Locate(menu, item, flags);
    return it ? it->flags : static_cast<UINT>(-1);
}
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags) {
    Item* it = Locate(menu, item, flags);
    if (!it) return static_cast<DWORD>(-1);
    DWORD old = (it->flags & MF_CHECKED) ? MF_CHECKED : MF_UNCHECKED;
    it->flags = (it->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return old;
}
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
    bool found = false;
    for (UINT i = first; i <= last; ++i) {
        Item* it = Locate(menu, i, flags);
        if (!it) continue;
        if (i == check) {
            it->flags |= MF_CHECKED | MFT_RADIOCHECK;
            found = true;
        } else {
            it->flags &= ~MF_CHECKED;
        }
        if (i == last) break;
    }
    return found;
}
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags) {
    Item* it = Locate(menu, item, flags);
    if (!it) return -1;
    UINT old = it->flags & (MF_GRAYED | MF_DISABLED);
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(old);
}
BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idOrSub, LPCWSTR text) {
    Item* it = Locate(menu, position, flags);
    if (!it) return FALSE;
    *it = MakeItem(flags, idOrSub, text);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    if (!Get(menu)) return FALSE;
    if (owner && IsWindow(owner) && !(flags & TPM_NONOTIFY)) {
        SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    }
    UINT chosen = 0;
    if (M().hook) chosen = M().hook(menu, owner, POINT{x, y}, M().context);
    if (chosen && !Selectable(menu, chosen)) chosen = 0;
    if (flags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen && owner) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
    return chosen ? TRUE : FALSE;
}

namespace win {
int MenuItemCount(HMENU menu) { return GetMenuItemCount(menu); }
bool MenuItemAt(HMENU menu, int position, MenuItemInfo& out) {
    auto* items = Get(menu);
    if (!items || position < 0 || position >= static_cast<int>(items->size())) return false;
    const Item& it = (*items)[static_cast<std::size_t>(position)];
    out.flags = it.flags;
    out.id = it.id;
    out.subMenu = it.sub;
    out.text = it.text.c_str();
    return true;
}
void SetPopupMenuHook(PopupMenuHook hook, void* context) {
    M().hook = hook;
    M().context = context;
}
}  // namespace win
