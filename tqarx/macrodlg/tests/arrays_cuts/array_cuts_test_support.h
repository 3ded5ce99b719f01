// Shared set-up of the array and cut dialog tests: the module's resources, a scratch
// folder for the dialog state, and grid access by control id.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "mfc/cdialog.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "res/resources.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"
#include "win/window.h"

class DialogTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        root = std::filesystem::temp_directory_path() / ("tq_arraycuts_" + std::to_string(::getpid()));
        std::filesystem::create_directories(root);
        ::setenv("TQ_DLGSTATE_DIR", root.string().c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("TQ_DLGSTATE_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    static HWND item(CDialog& dlg, int id) { return ::GetDlgItem(dlg.GetSafeHwnd(), id); }
    static std::wstring cell(CDialog& dlg, int sheetId, int col, int row) {
        std::wstring text;
        SSGetData(item(dlg, sheetId), col, row, text);
        return text;
    }
    static std::wstring text(CDialog& dlg, int id) {
        CWnd* wnd = dlg.GetDlgItem(id);
        return wnd ? std::wstring(wnd->GetWindowTextString().str()) : std::wstring();
    }
    static bool visible(CDialog& dlg, int id) {
        CWnd* wnd = dlg.GetDlgItem(id);
        return wnd != nullptr && wnd->IsWindowVisible();
    }

    std::filesystem::path root;
    ScriptedUser user;
};
