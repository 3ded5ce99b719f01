// Shared helpers of the section library tests: a scratch library folder set as
// gSettings.libDir, a small values table, and a sheet over a dialog placeholder.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/zk_spread.h"
#include "host/section_tables.h"
#include "host/settings.h"
#include "mfc/cdialog.h"
#include "mfc/dialog_template.h"
#include "mfc/resources.h"
#include "testing/scratch_folder.h"
#include "win/paths.h"

// A fresh library folder, set as the library for the life of the object.
class ScratchLibrary : public ScratchFolder {
public:
    explicit ScratchLibrary(const std::string& name) : ScratchFolder("sectionlib_" + name) {
        std::filesystem::create_directories(host() / "prof");
        m_savedLib = gSettings.libDir;
        m_savedZk = gSettings.zkDir;
        gSettings.libDir = win() + Zk_String(L"\\");
        gSettings.zkDir = win("program") + Zk_String(L"\\");
        gSectionTables.clear();
    }
    ~ScratchLibrary() {
        gSettings.libDir = m_savedLib;
        gSettings.zkDir = m_savedZk;
        gSectionTables.clear();
    }

private:
    Zk_String m_savedLib;
    Zk_String m_savedZk;
};

// Three HEA sections, the middle one inactive.
inline const char* const kHeaTable =
    "hea.bmp\r\n"
    "SysName\tI/O\tENG\tGER\tFRA\tNED\th\tb\ttw\r\n"
    "HEA200\t1\tHEA 200\tHE 200 A\tHEA 200\tHEA200\t190\t200\t6.5\r\n"
    "HEA220\t0\tHEA 220\tHE 220 A\tHEA 220\tHEA220\t210\t220\t7\r\n"
    "HEA240\t1\tHEA 240\tHE 240 A\tHEA 240\tHEA240\t230\t240\t7.5\r\n";

// A dialog with a placeholder and the sheet made over it.
class SheetHost {
public:
    static constexpr UINT kTemplateId = 29101;
    static constexpr int kPlaceholderId = 1196;

    SheetHost() {
        mfc::DialogTemplate tmpl;
        tmpl.caption = L"Sheet";
        tmpl.cx = 300;
        tmpl.cy = 200;
        tmpl.style = 0x80000000L /* WS_POPUP */;
        tmpl.label(kPlaceholderId, L"", 20, 30, 200, 100);
        mfc::RegisterDialogTemplate(AfxGetInstanceHandle(), kTemplateId, tmpl);
        created = dialog.Create(kTemplateId, nullptr) != FALSE && sheet.createFromPlaceholder(&dialog, kPlaceholderId);
    }
    ~SheetHost() {
        sheet.DestroyWindow();
        dialog.DestroyWindow();
    }
    Zk_String cell(int col, int row, int mode = 3) const {
        Zk_String text;
        sheet.readCellText(col, row, text, mode);
        return text;
    }

    CDialog dialog;
    Zk_Spread sheet;
    bool created = false;
};
