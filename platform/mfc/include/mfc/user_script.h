// The scripted user of tests. A test queues what a person would do, per dialog (matched by
// caption or template resource id) and per message box (matched by caption, or by a part of
// its text) and pop-up menu; when the program shows them the script acts through the
// same input messages real use makes (see user_input.h).
//
//   mfc::UserScript user(reporter);
//   user.onDialog(IDD_EDIT).type(IDC_NAME, L"abc").click(IDC_APPLY).ok();
//   user.answerMessageBox(L"Delete", IDYES);
//   dlg.DoModal();
//
// Modal dialogs take the first unused matching entry when DoModal runs; a dialog or box with
// no entry is reported as unexpected (naming its caption), the dialog then ends with
// IDCANCEL and the box takes its default button. A modal dialog still open when its steps
// are done is reported and cancelled. Modeless windows are acted on directly with now(hwnd).
// Entries never used are reported when the script is destroyed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mfc/user_input.h"
#include "win/types.h"

class CDialog;

namespace mfc {

class UserScript;

struct MessageBoxView {
    std::wstring caption;
    std::wstring text;
    UINT flags;
};

class DialogSteps {
public:
    // id 0 means the dialog itself.
    DialogSteps& click(int id, Mods mods = kNoMods);
    DialogSteps& clickAt(int id, POINT pt, Mods mods = kNoMods);
    DialogSteps& doubleClickAt(int id, POINT pt, Mods mods = kNoMods);
    DialogSteps& type(int id, std::wstring text);         // clicks into an edit (caret at the end), types
    DialogSteps& replaceText(int id, std::wstring text);  // selects all first
    DialogSteps& pickCombo(int id, int index);
    DialogSteps& pickCombo(int id, std::wstring itemText);
    DialogSteps& pickList(int id, int index, Mods mods = kNoMods);
    DialogSteps& selectTab(int id, int index);
    DialogSteps& tickCheckCombo(int id, int index);  // flips the item's check mark
    DialogSteps& tickCheckCombo(int id, std::wstring itemText);
    DialogSteps& pickThumbnail(int id, int index, bool doubleClick = false);
    DialogSteps& key(UINT vk, Mods mods = kNoMods);            // to the focus window
    DialogSteps& keyTo(int id, UINT vk, Mods mods = kNoMods);  // focuses id first
    DialogSteps& mouseDown(int id, POINT pt, MouseButton b = MouseButton::Left, Mods mods = kNoMods);
    DialogSteps& mouseMove(int id, POINT pt, Mods mods = kNoMods);
    DialogSteps& mouseUp(int id, POINT pt, MouseButton b = MouseButton::Left, Mods mods = kNoMods);
    DialogSteps& drag(int id, POINT from, POINT to, Mods mods = kNoMods);
    DialogSteps& rightClick(int id, POINT pt, Mods mods = kNoMods);
    // Any check or inspection, run between the input steps.
    DialogSteps& then(std::function<void(CDialog& dlg)> fn);
    DialogSteps& ok() { return click(1); }
    DialogSteps& cancel() { return click(2); }
    DialogSteps& close();  // the title bar's close box

    // Internal.
    struct Step {
        std::string what;
        std::function<bool(HWND dlg)> act;
    };
    std::wstring caption;
    UINT resourceId = 0;
    bool used = false;
    bool immediate = false;
    HWND target = nullptr;
    std::vector<Step> steps;

private:
    DialogSteps& add(std::string what, std::function<bool(HWND)> act);
};

class UserScript {
public:
    explicit UserScript(FailureReporter reporter = nullptr, void* context = nullptr);
    ~UserScript();
    UserScript(const UserScript&) = delete;
    UserScript& operator=(const UserScript&) = delete;

    DialogSteps& onDialog(std::wstring caption);
    DialogSteps& onDialog(UINT resourceId);
    // The next message box whose caption equals pattern or whose text contains it (an empty
    // pattern matches any box) is answered with button.
    void answerMessageBox(std::wstring pattern, int button);
    // The next pop-up menu chooses this command (0: dismissed), or the item with this text
    // anywhere in it, or the item at a path through sub-menus: {L"Insert", L"Row above"}.
    // Texts match without their '&' marks and without an accelerator after a tab. A greyed
    // item (or a greyed sub-menu on the path) cannot be chosen and fails the test.
    void pickMenuItem(UINT commandId);
    void pickMenuItem(std::wstring itemText);
    void pickMenuPath(std::vector<std::wstring> path);
    // Acts on a live window at once (modeless dialogs).
    DialogSteps& now(HWND dlg);

    // Expectations not used yet, described; empty when the script is done.
    std::vector<std::string> pending() const;
    // What the user did, one line per action.
    const std::vector<std::string>& journal() const { return m_journal; }
    void report(const std::string& message) const;

    // Internal hook bodies.
    void runModal(CDialog& dlg);
    int answerBox(const MessageBoxView& box);
    UINT answerMenu(HMENU menu);

private:
    struct BoxAnswer {
        std::wstring pattern;
        int button;
        bool used = false;
    };
    struct MenuAnswer {
        UINT id;
        std::wstring text;
        std::vector<std::wstring> path;
        bool used = false;
    };
    FailureReporter m_reporter;
    void* m_context;
    std::vector<std::unique_ptr<DialogSteps>> m_dialogs;
    std::vector<std::unique_ptr<DialogSteps>> m_immediate;
    std::vector<BoxAnswer> m_boxes;
    std::vector<MenuAnswer> m_menus;
    std::vector<std::string> m_journal;
    UserScript* m_previous = nullptr;
    friend class DialogSteps;
};

// The script now installed, or null.
UserScript* CurrentUserScript();

}  // namespace mfc
