// Resource modules and the resources registered per module.
#include "mfc/resources.h"

#include <algorithm>
#include <map>
#include <vector>

#include "mfc/dialog_template.h"
#include "win/module.h"

namespace {

struct ModuleResources {
    std::map<UINT, mfc::DialogTemplate> dialogs;
    std::map<UINT, win::Surface> bitmaps;
    std::map<UINT, SIZE> icons;
    std::map<UINT, win::Surface> iconPictures;
    std::map<UINT, std::wstring> strings;
};

struct Store {
    std::vector<HINSTANCE> modules;  // registration order
    std::map<HINSTANCE, ModuleResources> resources;
    HINSTANCE current = nullptr;
    bool currentSet = false;
    std::map<std::pair<HINSTANCE, UINT>, UINT_PTR> iconHandles;
    std::map<UINT_PTR, SIZE> iconSizes;
    std::map<UINT_PTR, std::pair<HINSTANCE, UINT>> iconOrigins;
    UINT_PTR nextIcon = 0x40000;
};
Store& S() {
    static Store s;
    return s;
}

// Modules to search: the current resource module, then the others in registration order.
std::vector<HINSTANCE> SearchOrder() {
    std::vector<HINSTANCE> order;
    order.push_back(AfxGetResourceHandle());
    for (HINSTANCE m : S().modules) {
        if (std::find(order.begin(), order.end(), m) == order.end()) order.push_back(m);
    }
    return order;
}

template <class V>
V* FindIn(UINT id, std::map<UINT, V> ModuleResources::*member, HINSTANCE* where = nullptr) {
    for (HINSTANCE m : SearchOrder()) {
        auto it = S().resources.find(m);
        if (it == S().resources.end()) continue;
        auto& map = it->second.*member;
        auto f = map.find(id);
        if (f != map.end()) {
            if (where) *where = m;
            return &f->second;
        }
    }
    return nullptr;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleW(nullptr); }
HINSTANCE AfxGetResourceHandle() { return S().currentSet ? S().current : AfxGetInstanceHandle(); }
void AfxSetResourceHandle(HINSTANCE module) {
    S().current = module;
    S().currentSet = true;
}

HINSTANCE AfxFindResourceHandle(UINT id, int kind) {
    HINSTANCE where = nullptr;
    switch (kind) {
    case mfc::kResourceDialog: FindIn(id, &ModuleResources::dialogs, &where); break;
    case mfc::kResourceBitmap: FindIn(id, &ModuleResources::bitmaps, &where); break;
    case mfc::kResourceIcon: FindIn(id, &ModuleResources::icons, &where); break;
    case mfc::kResourceString: FindIn(id, &ModuleResources::strings, &where); break;
    default: break;
    }
    return where;
}

namespace mfc {

void NoteResourceModule(HINSTANCE module) {
    if (std::find(S().modules.begin(), S().modules.end(), module) == S().modules.end()) S().modules.push_back(module);
}

void RegisterDialogTemplate(HINSTANCE module, UINT id, DialogTemplate tmpl) {
    NoteResourceModule(module);
    S().resources[module].dialogs[id] = std::move(tmpl);
}
void RegisterBitmapResource(HINSTANCE module, UINT id, win::Surface pixels) {
    NoteResourceModule(module);
    S().resources[module].bitmaps[id] = std::move(pixels);
}
void RegisterIconResource(HINSTANCE module, UINT id, int width, int height) {
    NoteResourceModule(module);
    S().resources[module].icons[id] = SIZE{width, height};
}
void RegisterIconPicture(HINSTANCE module, UINT id, win::Surface picture) {
    RegisterIconResource(module, id, picture.width(), picture.height());
    S().resources[module].iconPictures[id] = std::move(picture);
}
void RegisterStringResource(HINSTANCE module, UINT id, std::wstring text) {
    NoteResourceModule(module);
    S().resources[module].strings[id] = std::move(text);
}
void UnregisterModuleResources(HINSTANCE module) {
    S().resources.erase(module);
    auto& m = S().modules;
    m.erase(std::remove(m.begin(), m.end(), module), m.end());
    for (auto it = S().iconHandles.begin(); it != S().iconHandles.end();) {
        if (it->first.first == module) it = S().iconHandles.erase(it);
        else ++it;
    }
}

const DialogTemplate* FindDialogTemplate(UINT id, HINSTANCE* foundIn) {
    return FindIn(id, &ModuleResources::dialogs, foundIn);
}
const DialogTemplate* FindDialogTemplateIn(HINSTANCE module, UINT id) {
    auto it = S().resources.find(module);
    if (it == S().resources.end()) return nullptr;
    auto f = it->second.dialogs.find(id);
    return f == it->second.dialogs.end() ? nullptr : &f->second;
}
const win::Surface* FindBitmapResource(UINT id) { return FindIn(id, &ModuleResources::bitmaps); }
bool FindStringResource(UINT id, std::wstring& text) {
    const std::wstring* s = FindIn(id, &ModuleResources::strings);
    if (!s) return false;
    text = *s;
    return true;
}
HICON LoadIconResource(UINT id) {
    HINSTANCE where = nullptr;
    const SIZE* size = FindIn(id, &ModuleResources::icons, &where);
    if (!size) return nullptr;
    auto key = std::make_pair(where, id);
    auto it = S().iconHandles.find(key);
    if (it == S().iconHandles.end()) {
        UINT_PTR h = S().nextIcon;
        S().nextIcon += 4;
        it = S().iconHandles.emplace(key, h).first;
        S().iconSizes[h] = *size;
        S().iconOrigins[h] = key;
    }
    return reinterpret_cast<HICON>(it->second);
}
const win::Surface* IconPictureOf(HICON icon) {
    auto origin = S().iconOrigins.find(reinterpret_cast<UINT_PTR>(icon));
    if (origin == S().iconOrigins.end()) return nullptr;
    auto module = S().resources.find(origin->second.first);
    if (module == S().resources.end()) return nullptr;
    auto pic = module->second.iconPictures.find(origin->second.second);
    return pic == module->second.iconPictures.end() ? nullptr : &pic->second;
}
SIZE IconSize(HICON icon) {
    auto it = S().iconSizes.find(reinterpret_cast<UINT_PTR>(icon));
    return it == S().iconSizes.end() ? SIZE{} : it->second;
}

}  // namespace mfc

HICON AfxLoadIcon(UINT id) { return mfc::LoadIconResource(id); }
