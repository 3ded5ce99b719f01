// Shared set-up of the selection and profile dialog tests: the module's resources, a
// scratch library with macro drawings, and control access.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "host/settings.h"
#include "mfc/cdialog.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "res/resources.h"
#include "spread/ss_api.h"
#include "win/msgbox.h"
#include "win/window.h"
#include "win/bitmap.h"
#include "win/files.h"
#include "win/paths.h"

class SelectTestBase : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        root = std::filesystem::temp_directory_path() / ("tq_select_" + std::to_string(::getpid()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "lib" / "Macros");
        ::setenv("TQ_DLGSTATE_DIR", root.string().c_str(), 1);
        savedLib = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost((root / "lib").string())) + Zk_String(L"\\");
    }
    void TearDown() override {
        gSettings.libDir = savedLib;
        ::unsetenv("TQ_DLGSTATE_DIR");
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    // A drawing of a module, with a preview bitmap when asked and its properties.
    void addDrawing(const std::string& module, const std::string& name, bool withBmp,
                    const std::string& properties = "") {
        const auto folder = root / "lib" / "Macros" / module;
        std::filesystem::create_directories(folder);
        std::ofstream(folder / (name + ".dwg")) << "drawing";
        if (withBmp) {
            const std::string bytes = win::EncodeBmp24(win::Surface(8, 8, RGB(0, 0, 255)));
            std::ofstream(folder / (name + ".bmp"), std::ios::binary) << bytes;
        }
        if (!properties.empty()) std::ofstream(folder / (name + ".props")) << properties;
    }
    bool exists(const std::string& relative) const { return std::filesystem::exists(root / "lib" / relative); }
    Zk_String winPath(const std::string& relative) const {
        return Zk_String(WindowsPathFromHost((root / "lib" / relative).string()));
    }

    static HWND item(CDialog& dlg, int id) { return ::GetDlgItem(dlg.GetSafeHwnd(), id); }
    static std::wstring cell(CDialog& dlg, int id, int col, int row) {
        std::wstring text;
        SSGetData(item(dlg, id), col, row, text);
        return text;
    }
    static bool visible(CDialog& dlg, int id) {
        CWnd* wnd = dlg.GetDlgItem(id);
        return wnd != nullptr && wnd->IsWindowVisible();
    }
    static std::wstring text(CDialog& dlg, int id) {
        CWnd* wnd = dlg.GetDlgItem(id);
        return wnd ? std::wstring(wnd->GetWindowTextString().str()) : std::wstring();
    }

    std::filesystem::path root;
    Zk_String savedLib;
    ScriptedUser user;
};
