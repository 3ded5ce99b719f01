#include "mfc/user_script.h"

#include <algorithm>

#include "mfc/cdialog.h"
#include "win/encoding.h"
#include "win/msgbox.h"
#include "win/window.h"

namespace mfc {
namespace {

UserScript*& Current() {
    static UserScript* s = nullptr;
    return s;
}

std::string U(const std::wstring& s) { return Utf8FromWide(s); }

std::string CaptionOf(HWND h) {
    wchar_t buf[256] = {};
    GetWindowTextW(h, buf, 256);
    return U(buf);
}

struct FindById {
    int id;
    HWND found = nullptr;
};
BOOL FindChild(HWND h, LPARAM p) {
    auto* f = reinterpret_cast<FindById*>(p);
    if (GetDlgCtrlID(h) == f->id) {
        f->found = h;
        return FALSE;
    }
    return TRUE;
}

// The control id of dlg (0: the dialog itself), also inside nested child windows.
HWND Control(HWND dlg, int id, const std::string& what) {
    if (!IsWindow(dlg)) {
        ReportInputFailure(what + ": the dialog is gone");
        return nullptr;
    }
    if (id == 0) return dlg;
    if (HWND h = GetDlgItem(dlg, id)) return h;
    FindById f{id};
    EnumChildWindows(dlg, &FindChild, reinterpret_cast<LPARAM>(&f));
    if (!f.found) ReportInputFailure(what + ": dialog \"" + CaptionOf(dlg) + "\" has no control " + std::to_string(id));
    return f.found;
}

std::string Name(const DialogSteps& s) {
    if (s.resourceId) return "dialog " + std::to_string(s.resourceId);
    return "dialog \"" + U(s.caption) + "\"";
}

void ModalThunk(CDialog& dlg, void* ctx) { static_cast<UserScript*>(ctx)->runModal(dlg); }
int BoxThunk(const win::MessageBoxRecord& box, void* ctx) {
    return static_cast<UserScript*>(ctx)->answerBox(MessageBoxView{box.caption, box.text, box.flags});
}
UINT MenuThunk(HMENU menu, HWND, POINT, void* ctx) { return static_cast<UserScript*>(ctx)->answerMenu(menu); }
void ReportThunk(const std::string& m, void* ctx) { static_cast<UserScript*>(ctx)->report(m); }

void Install(UserScript* s) {
    SetModalHook(s ? &ModalThunk : nullptr, s);
    win::SetMessageBoxHook(s ? &BoxThunk : nullptr, s);
    win::SetPopupMenuHook(s ? &MenuThunk : nullptr, s);
    SetInputFailureReporter(s ? &ReportThunk : nullptr, s);
}

// A menu text as the user reads it: without '&' marks and the accelerator after a tab.
std::wstring StripAmpersand(const std::wstring& s) {
    std::wstring out;
    for (wchar_t c : s) {
        if (c == L'\t') break;
        if (c != L'&') out += c;
    }
    return out;
}

bool TextMatches(const std::wstring& item, const std::wstring& wanted) {
    return item == wanted || StripAmpersand(item) == StripAmpersand(wanted);
}

// Finds an enabled command item by id or text anywhere in the menu tree.
bool FindMenuItem(HMENU menu, UINT id, const std::wstring& text, UINT& found, bool& disabled) {
    int n = win::MenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        win::MenuItemInfo info;
        win::MenuItemAt(menu, i, info);
        if (info.subMenu) {
            if (FindMenuItem(info.subMenu, id, text, found, disabled)) return true;
            continue;
        }
        if (info.flags & MF_SEPARATOR) continue;
        bool match = text.empty() ? info.id == id : TextMatches(info.text, text);
        if (match) {
            found = info.id;
            disabled = (info.flags & (MF_GRAYED | MF_DISABLED)) != 0;
            return true;
        }
    }
    return false;
}

std::string JoinPath(const std::vector<std::wstring>& path) {
    std::string s;
    for (const auto& p : path) s += (s.empty() ? "\"" : " > \"") + U(p) + "\"";
    return s;
}

std::string MenuItems(HMENU menu);

// Follows path through the sub-menus; the command id, or 0 with the reason in why.
UINT FindMenuPath(HMENU menu, const std::vector<std::wstring>& path, std::string& why) {
    HMENU cur = menu;
    for (std::size_t k = 0; k < path.size(); ++k) {
        bool last = k + 1 == path.size();
        int n = win::MenuItemCount(cur);
        bool found = false;
        for (int i = 0; i < n && !found; ++i) {
            win::MenuItemInfo info;
            win::MenuItemAt(cur, i, info);
            if ((info.flags & MF_SEPARATOR) || !TextMatches(info.text, path[k])) continue;
            if (last == (info.subMenu != nullptr)) continue;  // an item where a sub-menu is wanted, or back
            if (info.flags & (MF_GRAYED | MF_DISABLED)) {
                why = "\"" + U(path[k]) + "\" is greyed";
                return 0;
            }
            found = true;
            if (last) return info.id;
            cur = info.subMenu;
        }
        if (!found) {
            why = "no " + std::string(last ? "item" : "sub-menu") + " \"" + U(path[k]) + "\" (items: " +
                  MenuItems(cur) + ")";
            return 0;
        }
    }
    why = "an empty path";
    return 0;
}

std::string MenuItems(HMENU menu) {
    std::string s;
    int n = win::MenuItemCount(menu);
    for (int i = 0; i < n; ++i) {
        win::MenuItemInfo info;
        win::MenuItemAt(menu, i, info);
        if (info.flags & MF_SEPARATOR) continue;
        if (!s.empty()) s += ", ";
        s += "\"" + U(info.text) + "\"" + (info.subMenu ? " [" + MenuItems(info.subMenu) + "]" : "");
    }
    return s;
}

}  // namespace

UserScript* CurrentUserScript() { return Current(); }

UserScript::UserScript(FailureReporter reporter, void* context) : m_reporter(reporter), m_context(context) {
    m_previous = Current();
    Current() = this;
    Install(this);
}

UserScript::~UserScript() {
    for (const std::string& p : pending()) report("expected but never shown: " + p);
    Current() = m_previous;
    Install(m_previous);
}

void UserScript::report(const std::string& message) const {
    if (m_reporter) m_reporter(message, m_context);
    else std::fprintf(stderr, "scripted user: %s\n", message.c_str());
}

DialogSteps& UserScript::onDialog(std::wstring caption) {
    m_dialogs.push_back(std::make_unique<DialogSteps>());
    m_dialogs.back()->caption = std::move(caption);
    return *m_dialogs.back();
}

DialogSteps& UserScript::onDialog(UINT resourceId) {
    m_dialogs.push_back(std::make_unique<DialogSteps>());
    m_dialogs.back()->resourceId = resourceId;
    return *m_dialogs.back();
}

void UserScript::answerMessageBox(std::wstring pattern, int button) { m_boxes.push_back({std::move(pattern), button}); }
void UserScript::pickMenuItem(UINT commandId) { m_menus.push_back({commandId, L"", {}}); }
void UserScript::pickMenuItem(std::wstring itemText) { m_menus.push_back({0, std::move(itemText), {}}); }
void UserScript::pickMenuPath(std::vector<std::wstring> path) { m_menus.push_back({0, L"", std::move(path)}); }

DialogSteps& UserScript::now(HWND dlg) {
    m_immediate.push_back(std::make_unique<DialogSteps>());
    m_immediate.back()->immediate = true;
    m_immediate.back()->target = dlg;
    return *m_immediate.back();
}

std::vector<std::string> UserScript::pending() const {
    std::vector<std::string> out;
    for (const auto& d : m_dialogs) {
        if (!d->used) out.push_back(Name(*d));
    }
    for (const auto& b : m_boxes) {
        if (!b.used) out.push_back("message box \"" + U(b.pattern) + "\"");
    }
    for (const auto& m : m_menus) {
        if (m.used) continue;
        if (!m.path.empty()) out.push_back("pop-up menu choice " + JoinPath(m.path));
        else out.push_back("pop-up menu choice " + (m.text.empty() ? std::to_string(m.id) : "\"" + U(m.text) + "\""));
    }
    return out;
}

void UserScript::runModal(CDialog& dlg) {
    HWND h = dlg.m_hWnd;
    std::wstring caption = dlg.GetWindowTextString().str();
    DialogSteps* script = nullptr;
    for (const auto& d : m_dialogs) {
        if (d->used) continue;
        bool byId = d->resourceId != 0 && d->resourceId == dlg.templateId();
        bool byCaption = d->resourceId == 0 && d->caption == caption;
        if (byId || byCaption) {
            script = d.get();
            break;
        }
    }
    if (!script) {
        report("unexpected dialog \"" + U(caption) + "\" (resource " + std::to_string(dlg.templateId()) + ")");
        return;
    }
    script->used = true;
    m_journal.push_back("dialog \"" + U(caption) + "\" opened");
    for (const auto& step : script->steps) {
        if (dlg.hasEnded() || !IsWindow(h)) {
            report("dialog \"" + U(caption) + "\" closed before the step: " + step.what);
            return;
        }
        m_journal.push_back("  " + step.what);
        step.act(h);
        win::PumpMessages();
    }
    if (!dlg.hasEnded() && IsWindow(h)) {
        report("dialog \"" + U(caption) + "\" still open after its script; cancelled");
    }
}

int UserScript::answerBox(const MessageBoxView& box) {
    int def = win::MessageBoxDefaultButton(box.flags);
    for (auto& b : m_boxes) {
        if (b.used) continue;
        bool match = b.pattern.empty() || b.pattern == box.caption || box.text.find(b.pattern) != std::wstring::npos;
        if (!match) continue;
        b.used = true;
        m_journal.push_back("message box [" + U(box.caption) + "] " + U(box.text) + " -> " + std::to_string(b.button));
        auto buttons = win::MessageBoxButtons(box.flags);
        if (std::find(buttons.begin(), buttons.end(), b.button) == buttons.end()) {
            report("message box [" + U(box.caption) + "] " + U(box.text) + " has no button " + std::to_string(b.button));
            return def;
        }
        return b.button;
    }
    report("unexpected message box [" + U(box.caption) + "] " + U(box.text));
    return def;
}

UINT UserScript::answerMenu(HMENU menu) {
    for (auto& m : m_menus) {
        if (m.used) continue;
        m.used = true;
        if (!m.path.empty()) {
            std::string why;
            UINT id = FindMenuPath(menu, m.path, why);
            if (!id) {
                report("pop-up menu: cannot choose " + JoinPath(m.path) + ": " + why);
                return 0;
            }
            m_journal.push_back("pop-up menu " + JoinPath(m.path) + " -> " + std::to_string(id));
            return id;
        }
        if (m.id == 0 && m.text.empty()) {
            m_journal.push_back("pop-up menu dismissed");
            return 0;
        }
        UINT found = 0;
        bool disabled = false;
        if (!FindMenuItem(menu, m.id, m.text, found, disabled)) {
            report("pop-up menu has no item " + (m.text.empty() ? std::to_string(m.id) : "\"" + U(m.text) + "\"") +
                   " (items: " + MenuItems(menu) + ")");
            return 0;
        }
        if (disabled) {
            report("pop-up menu item " + (m.text.empty() ? std::to_string(m.id) : "\"" + U(m.text) + "\"") + " is greyed");
            return 0;
        }
        m_journal.push_back("pop-up menu -> " + std::to_string(found));
        return found;
    }
    report("unexpected pop-up menu (items: " + MenuItems(menu) + ")");
    return 0;
}

DialogSteps& DialogSteps::add(std::string what, std::function<bool(HWND)> act) {
    if (immediate) {
        if (UserScript* s = Current()) s->m_journal.push_back(what);
        act(target);
        win::PumpMessages();
        return *this;
    }
    steps.push_back(Step{std::move(what), std::move(act)});
    return *this;
}

DialogSteps& DialogSteps::click(int id, Mods mods) {
    std::string what = "click " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::Click(c, mods);
    });
}
DialogSteps& DialogSteps::clickAt(int id, POINT pt, Mods mods) {
    std::string what = "click " + std::to_string(id) + " at " + std::to_string(pt.x) + "," + std::to_string(pt.y);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::ClickAt(c, pt, mods);
    });
}
DialogSteps& DialogSteps::doubleClickAt(int id, POINT pt, Mods mods) {
    std::string what = "double-click " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::DoubleClickAt(c, pt, mods);
    });
}
DialogSteps& DialogSteps::type(int id, std::wstring text) {
    std::string what = "type \"" + U(text) + "\" into " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::TypeText(c, text);
    });
}
DialogSteps& DialogSteps::replaceText(int id, std::wstring text) {
    std::string what = "replace the text of " + std::to_string(id) + " with \"" + U(text) + "\"";
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::ReplaceText(c, text);
    });
}
DialogSteps& DialogSteps::pickCombo(int id, int index) {
    std::string what = "pick item " + std::to_string(index) + " of " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::PickComboItem(c, index);
    });
}
DialogSteps& DialogSteps::pickCombo(int id, std::wstring itemText) {
    std::string what = "pick \"" + U(itemText) + "\" in " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::PickComboItem(c, itemText);
    });
}
DialogSteps& DialogSteps::pickList(int id, int index, Mods mods) {
    std::string what = "pick list item " + std::to_string(index) + " of " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::PickListItem(c, index, mods);
    });
}
DialogSteps& DialogSteps::selectTab(int id, int index) {
    std::string what = "select tab " + std::to_string(index) + " of " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::SelectTab(c, index);
    });
}
DialogSteps& DialogSteps::tickCheckCombo(int id, int index) {
    std::string what = "tick item " + std::to_string(index) + " of " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::TickCheckComboItem(c, index);
    });
}
DialogSteps& DialogSteps::tickCheckCombo(int id, std::wstring itemText) {
    std::string what = "tick \"" + U(itemText) + "\" in " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::TickCheckComboItem(c, itemText);
    });
}
DialogSteps& DialogSteps::pickThumbnail(int id, int index, bool doubleClick) {
    std::string what = std::string(doubleClick ? "double-click" : "click") + " thumbnail " + std::to_string(index) +
                       " of " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::PickThumbnail(c, index, doubleClick);
    });
}
DialogSteps& DialogSteps::key(UINT vk, Mods mods) {
    std::string what = "press key " + std::to_string(vk);
    return add(what, [=](HWND) { return input::PressKey(vk, mods); });
}
DialogSteps& DialogSteps::keyTo(int id, UINT vk, Mods mods) {
    std::string what = "press key " + std::to_string(vk) + " in " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::PressKey(vk, mods, c);
    });
}
DialogSteps& DialogSteps::mouseDown(int id, POINT pt, MouseButton b, Mods mods) {
    std::string what = "mouse press on " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::MouseDown(c, pt, b, mods);
    });
}
DialogSteps& DialogSteps::mouseMove(int id, POINT pt, Mods mods) {
    std::string what = "mouse move over " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::MouseMove(c, pt, mods);
    });
}
DialogSteps& DialogSteps::mouseUp(int id, POINT pt, MouseButton b, Mods mods) {
    std::string what = "mouse release on " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::MouseUp(c, pt, b, mods);
    });
}
DialogSteps& DialogSteps::drag(int id, POINT from, POINT to, Mods mods) {
    std::string what = "drag on " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::Drag(c, from, to, mods);
    });
}
DialogSteps& DialogSteps::rightClick(int id, POINT pt, Mods mods) {
    std::string what = "right-click " + std::to_string(id);
    return add(what, [=](HWND d) {
        HWND c = Control(d, id, what);
        return c && input::RightClickAt(c, pt, mods);
    });
}
DialogSteps& DialogSteps::then(std::function<void(CDialog&)> fn) {
    return add("check", [fn](HWND d) {
        auto* dlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(d));
        if (!dlg) {
            ReportInputFailure("check: the window is not a dialog of this program");
            return false;
        }
        fn(*dlg);
        return true;
    });
}
DialogSteps& DialogSteps::close() {
    return add("close the window", [](HWND d) { return input::CloseWindow(d); });
}

}  // namespace mfc
