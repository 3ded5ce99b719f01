// Shared pieces of the macro dialog tests: a scratch library with dialog templates, the
// module's resources, a clean host stand-in, and macro data built in a few lines.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "engine/zk_spread.h"
#include "acad/command_line.h"
#include "host/macro_host_calls.h"
#include "host/macro_model.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "host/texts.h"
#include "macrodlg/dlg_macro.h"
#include "macrodlg/macro_tab_page.h"
#include "mfc/controls.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "mfc/scripted_user.h"
#include "res/macrodlg_ids.h"
#include "res/resources.h"
#include "win/bitmap.h"
#include "win/msgbox.h"
#include "win/paths.h"
#include "win/window.h"

// One control line set of a template file.
struct TemplateControl {
    int type;
    double l, t, r, b;
    std::string contents;
    std::string list;
};

class MacroDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) {
            tqRegisterResources(AfxGetInstanceHandle());
            // The sub-dialogs' own resources come with them; until then the tests answer
            // plain dialogs of their ids.
            for (UINT id : {8140u, 220u, 221u, 222u, 236u}) {
                if (mfc::FindDialogTemplate(id)) continue;
                mfc::DialogTemplate t;
                t.caption = L"Sub-dialog";
                t.cx = 100;
                t.cy = 60;
                t.defPushButton(1, L"OK", 4, 40, 40, 14).pushButton(2, L"Cancel", 50, 40, 40, 14);
                mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), id, t);
            }
        }
        registered = true;
        static int counter = 0;
        m_root = std::filesystem::temp_directory_path() /
                 ("tq_macrodlg_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root / "Dialog Templates" / "Dialog Design");
        std::filesystem::create_directories(m_root / "prof");
        m_oldLibDir = gSettings.libDir;
        gSettings.libDir = Zk_String(WindowsPathFromHost(m_root.string())) + L"\\";
        gSectionTables.clear();
        ::setenv("TQ_DLGSTATE_DIR", m_root.string().c_str(), 1);
        resetMacroHost();
        acad::ClearCommandLine();
        acad::ClearEditorLog();
    }
    void TearDown() override {
        ::unsetenv("TQ_DLGSTATE_DIR");
        resetMacroHost();
        gSettings.libDir = m_oldLibDir;
        gSectionTables.clear();
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }

    void writeFile(const std::string& relative, const std::string& text) const {
        std::filesystem::create_directories((m_root / relative).parent_path());
        std::ofstream(m_root / relative, std::ios::binary) << text;
    }
    // A template of name over a width x height background.
    void writeTemplate(const std::string& name, int width, int height, const std::vector<TemplateControl>& controls) {
        std::string text = "int nrOfControls = " + std::to_string(controls.size()) + "\n";
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const auto& c = controls[i];
            const std::string n = std::to_string(i);
            text += "int type" + n + " = " + std::to_string(c.type) + "\n";
            text += "double topLeftX" + n + " = " + std::to_string(c.l) + "\n";
            text += "double topLeftY" + n + " = " + std::to_string(c.t) + "\n";
            text += "double bottomRightX" + n + " = " + std::to_string(c.r) + "\n";
            text += "double bottomRightY" + n + " = " + std::to_string(c.b) + "\n";
            text += "string contents" + n + " = \"" + c.contents + "\"\n";
            text += "string comboList" + n + " = \"" + c.list + "\"\n";
        }
        writeFile("Dialog Templates/Dialog Design/" + name + ".txt", text);
        writeFile("Dialog Templates/Dialog Design/" + name + ".bmp",
                  win::EncodeBmp24(win::Surface(width, height, RGB(220, 225, 230))));
    }

    // The plate panel the page tests share (400 x 100): a caption, the plate width, a
    // check box linked to the stiffener cell and a field of a cell the tab does not have.
    void writePlateTemplate() {
        writeTemplate("Plate", 400, 100,
                      {{0, 0.02, 0.05, 0.3, 0.2, "Plate sizes", ""},
                       {2, 0.3, 0.3, 0.5, 0.5, "Width", ""},
                       {29, 0.3, 0.6, 0.6, 0.8, "Stiffeners", "Stiff"},
                       {2, 0.6, 0.3, 0.8, 0.5, "Missing", ""}});
    }

    static MacroCell cell(const wchar_t* name, const wchar_t* value, int kind = kCellNumber, bool editable = true) {
        MacroCell c;
        c.name = name;
        c.value = value;
        c.caption = name;
        c.kind = kind;
        c.editable = editable;
        return c;
    }
    static MacroTabData tab(int kind, const wchar_t* name, const wchar_t* templateName = L"") {
        MacroTabData t;
        t.kind = kind;
        t.name = name;
        t.templateName = templateName;
        return t;
    }
    static MacroData oneMacro(const wchar_t* module = L"EndPlate") {
        MacroData d;
        d.caption = L"End plate (1)";
        d.objectIds = Zk_Array<long long>{101};
        d.singleModuleName = module;
        return d;
    }

    std::filesystem::path m_root;
    Zk_String m_oldLibDir;
};

inline CDlgMacro& macroDlg(CDialog& dlg) { return static_cast<CDlgMacro&>(dlg); }
// The variables grid of a page, and the grid row that shows a cell (0: none).
inline Zk_Spread& grid(CDialog& d, int tabIndex = 0) { return *macroDlg(d).page(tabIndex)->grid().spread(); }
inline int gridRowOf(CDialog& d, const wchar_t* cellName, int tabIndex = 0) {
    const MacroCell* c = macroDlg(d).macroData().tabs[tabIndex].findCell(cellName);
    return c && c->controlId < 0 ? -c->controlId : 0;
}
inline HWND pageItem(CDialog& dlg, int tab, int id) {
    return ::GetDlgItem(macroDlg(dlg).page(tab)->GetSafeHwnd(), id);
}
inline Zk_String windowText(HWND wnd) {
    wchar_t buffer[512] = {};
    ::GetWindowTextW(wnd, buffer, 512);
    return Zk_String(buffer);
}
