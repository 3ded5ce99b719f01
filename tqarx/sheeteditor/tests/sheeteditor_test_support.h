// Shared set-up of the sheet editor's tests: the module's resources, a scratch folder
// used as product folder and registry, and a spreadsheet window to work on.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "host/settings.h"
#include "mfc/resources.h"
#include "res/resources.h"
#include "sheeteditor/dlg_tq_as_tool.h"
#include "spread/ss_api.h"
#include "win/paths.h"
#include "win/msgbox.h"
#include "win/registry.h"

namespace sheettest {

namespace fs = std::filesystem;

inline Zk_String winPath(const fs::path& p) { return Zk_String(WindowsPathFromHost(p.string())); }

inline void writeBytes(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

inline std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// "¤" as the byte 0xA4 of a settings file.
inline std::string kmd(const std::string& withSeparators) {
    std::string out;
    for (char c : withSeparators) out += c == '|' ? '\xA4' : c;
    return out;
}

class SheetEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) tqRegisterResources(AfxGetInstanceHandle());
        registered = true;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root = fs::temp_directory_path() /
               ("sheeteditor_" + std::to_string(::getpid()) + "_" + info->test_suite_name() + "_" + info->name());
        fs::remove_all(root);
        fs::create_directories(root / "product");
        ::setenv("TQ_REGISTRY_FILE", (root / "registry.txt").string().c_str(), 1);
        ::setenv("TQ_DLGSTATE_DIR", root.string().c_str(), 1);
        win::ReloadRegistry();
        savedZkDir = gSettings.zkDir;
        gSettings.zkDir = Zk_Settings::normalizeFolder(Zk_String((root / "product").string()));
    }
    void TearDown() override {
        gSettings.zkDir = savedZkDir;
        ::unsetenv("TQ_REGISTRY_FILE");
        ::unsetenv("TQ_DLGSTATE_DIR");
        win::ReloadRegistry();
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    // A spreadsheet in a hidden tool window, made on first use.
    Zk_Spread& sheet() {
        if (!tool.get()) {
            EXPECT_TRUE(tool.init());
        }
        return *tool.get();
    }
    HWND hwnd() { return sheet().GetSafeHwnd(); }

    fs::path root;
    Zk_String savedZkDir;
    DlgTqAsTool tool;
};

}  // namespace sheettest
