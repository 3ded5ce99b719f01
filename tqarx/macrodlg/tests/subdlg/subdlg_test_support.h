// Shared setup of the sub-dialog tests: the module's resources, a folder for dialog
// sizes and a library, the host stand-in reset, and the owning page as a test double.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>
#include <unistd.h>

#include <gtest/gtest.h>

#include "host/macro_coord_sys.h"
#include "host/macro_host_calls.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "macrodlg/macro_page_owner.h"
#include "mfc/controls.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "res/resources.h"
#include "win/msgbox.h"
#include "win/paths.h"
#include "win/window.h"

// The owning page: records what it was handed, can refuse, and can change the bolt
// record as the host would before handing it back.
class RecordingPageOwner : public MacroPageOwner {
public:
    bool applyBoltFromDialog(MacroBoltData& bolt) override {
        bolts.push_back(bolt);
        if (hostChangesBolt) hostChangesBolt(bolt);
        return !fails;
    }
    bool applyPatternFromDialog(int index, const MacroPatternProps& pattern) override {
        patternIndexes.push_back(index);
        patterns.push_back(pattern);
        return !fails;
    }

    bool fails = false;
    std::function<void(MacroBoltData&)> hostChangesBolt;
    std::vector<MacroBoltData> bolts;
    std::vector<int> patternIndexes;
    std::vector<MacroPatternProps> patterns;
};

class SubDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        m_folder = std::filesystem::temp_directory_path() / ("tq_subdlg_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder / "prof");
        ::setenv("TQ_DLGSTATE_DIR", m_folder.string().c_str(), 1);
        m_savedLib = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost(m_folder.string())) + Zk_String(L"\\");
        gSectionTables.clear();
        resetMacroHost();
        clearMacroCoordSystems();
    }
    void TearDown() override {
        ::unsetenv("TQ_DLGSTATE_DIR");
        gSettings.libDir = m_savedLib;
        gSectionTables.clear();
        resetMacroHost();
        clearMacroCoordSystems();
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }

    static CString itemText(CDialog& dlg, int id) {
        CString text;
        dlg.GetDlgItemText(id, text);
        return text;
    }
    static bool enabled(CDialog& dlg, int id) { return dlg.GetDlgItem(id)->IsWindowEnabled() != 0; }
    static bool shown(CDialog& dlg, int id) { return dlg.GetDlgItem(id)->IsWindowVisible() != 0; }
    static CComboBox& combo(CDialog& dlg, int id) { return *static_cast<CComboBox*>(dlg.GetDlgItem(id)); }

    std::filesystem::path m_folder;
    Zk_String m_savedLib;
};
