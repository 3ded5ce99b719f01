// tq import (a tab-separated grid into a spreadsheet file) and tq show (a sheet's
// calculated values as a grid).
#include <algorithm>

#include "acad/main_window.h"
#include "engine/dlg_tq_standards.h"
#include "frame/tq_dlgs_mgr.h"
#include "sheeteditor/km_tq_settings.h"
#include "spread/ss_api.h"
#include "tq/cli_paths.h"
#include "tq/commands.h"
#include "tq/session.h"
#include "tq/text_lines.h"
#include "win/encoding.h"
#include "win/files.h"
#include "win/paths.h"
#include "win/window.h"

namespace tq {

namespace {

// A spreadsheet control of its own, destroyed with the object.
class ScratchSheet {
public:
    ScratchSheet() {
        const RECT rect{0, 0, 400, 300};
        m_hwnd = SSCreateControl(adsw_acadMainWnd(), 1, rect);
    }
    ~ScratchSheet() {
        if (m_hwnd != nullptr)
            DestroyWindow(m_hwnd);
    }
    ScratchSheet(const ScratchSheet&) = delete;
    ScratchSheet& operator=(const ScratchSheet&) = delete;
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd = nullptr;
};

std::string where(const std::string& file, std::size_t line, std::size_t field) {
    return file + " line " + std::to_string(line) + " field " + std::to_string(field);
}

}  // namespace

int runImport(CommandContext& context) {
    const CliOptions& options = context.options;
    std::string bytes;
    std::string error;
    // The sheet file made from a larger grid could not be loaded again.
    if (!readInputFile(options.gridFile, SS_LIMIT_FILE_BYTES, "grid", bytes, error)) {
        context.err << "tq: " << error << "\n";
        return kExitUsage;
    }
    const std::vector<std::wstring> lines = splitLines(win::WideFromUtf8(bytes));
    std::size_t cols = 0;
    for (const std::wstring& line : lines)
        cols = std::max(cols, splitFields(line).size());
    const std::size_t firstRow = options.headers ? 1 : 0;
    const std::size_t rows = lines.size() > firstRow ? lines.size() - firstRow : 0;
    if (cols > static_cast<std::size_t>(SS_LIMIT_MAXCOLS) || rows > static_cast<std::size_t>(SS_LIMIT_MAXROWS)) {
        context.err << "tq: grid " << options.gridFile << " is too large\n";
        return kExitUsage;
    }

    ScratchSheet sheet;
    const HWND hwnd = sheet.hwnd();
    if (hwnd == nullptr) {
        context.err << "tq: no spreadsheet control can be made\n";
        return kExitFailed;
    }
    SSSetBool(hwnd, SSB_AUTOCALC, FALSE);
    SSSetMaxCols(hwnd, static_cast<SS_COORD>(std::max<std::size_t>(cols, 1)));
    SSSetMaxRows(hwnd, static_cast<SS_COORD>(std::max<std::size_t>(rows, 1)));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::wstring> fields = splitFields(lines[i]);
        const auto row = static_cast<SS_COORD>(options.headers ? i : i + 1);
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const std::wstring& field = fields[f];
            if (field.empty())
                continue;
            const auto col = static_cast<SS_COORD>(f + 1);
            const bool formula = row > 0 && field[0] == L'=' && field.size() > 1;
            const BOOL ok = formula ? SSSetFormula(hwnd, col, row, field.c_str() + 1)
                                    : SSSetData(hwnd, col, row, field.c_str());
            if (!ok) {
                context.err << "tq: " << where(options.gridFile, i + 1, f + 1)
                            << (formula ? ": the formula does not parse: " : ": the cell refuses: ")
                            << win::Utf8FromWide(field) << "\n";
                return kExitUsage;
            }
        }
    }
    SSSetBool(hwnd, SSB_AUTOCALC, TRUE);
    SSReCalc(hwnd);
    if (!SSSaveToFile(hwnd, windowsPathOf(options.outKms).c_str(), FALSE)) {
        const std::wstring why = SSGetLastErrorText(hwnd);
        context.err << "tq: cannot write " << options.outKms
                    << (why.empty() ? std::string() : ": " + win::Utf8FromWide(why)) << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

int runShow(CommandContext& context) {
    const CliOptions& options = context.options;
    auto* dlg = static_cast<CDlgTqStandards*>(gTqDlgsMgr.getDlg());
    if (dlg == nullptr) {
        context.err << "tq: no calculation window can be made\n";
        return kExitFailed;
    }
    struct Release {
        void* dlg;
        ~Release() { gTqDlgsMgr.releaseDlg(dlg); }
    } release{dlg};

    std::string error;
    std::wstring file = resolveStandard(options.showFile, context.library, error);
    if (file.empty()) {
        context.err << "tq: " << error << "\n";
        return kExitUsage;
    }
    KmCalcTq& sheet = dlg->calc();
    if (sheet.loadFile(Zk_String(file)) != Acad::eOk) {
        const std::wstring why = SSGetLastErrorText(sheet.GetSafeHwnd());
        context.err << "tq: cannot read " << options.showFile
                    << (why.empty() ? std::string() : ": " + win::Utf8FromWide(why)) << "\n";
        return kExitUsage;
    }
    if (options.showSettings) {
        KmTqSettings settings;
        settings.loadFromSheet(sheet.GetSafeHwnd());
        const Zk_SimplePropsList list = settings.toList();
        context.session.flushTraces();
        for (int i = 0; i < list.count(); ++i) {
            const Zk_SimplePropsList::Entry& entry = list.at(i);
            const Zk_String value = entry.type == Zk_SimplePropsList::kText ? entry.text : Zk_String(entry.integer);
            context.out << entry.name.toUtf8() << "=" << value.toUtf8() << "\n";
        }
        return kExitOk;
    }
    // The product functions and automatic calculation, as a standards author sees the sheet.
    sheet.registerFunctions();
    sheet.setBoolProperty(SSB_AUTOCALC, true);
    sheet.recalcAll();

    SS_COORD lastCol = 0;
    SS_COORD lastRow = 0;
    SSGetLastUsed(sheet.GetSafeHwnd(), &lastCol, &lastRow);
    context.session.flushTraces();
    for (SS_COORD row = options.headers ? 0 : 1; row <= lastRow; ++row) {
        std::vector<std::string> cells;
        for (SS_COORD col = 1; col <= lastCol; ++col) {
            Zk_String text;
            sheet.readCellText(col, row, text);
            cells.push_back(text.toUtf8());
        }
        while (!cells.empty() && cells.back().empty())
            cells.pop_back();
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i) line += '\t';
            line += cells[i];
        }
        context.out << line << "\n";
    }
    return kExitOk;
}

}  // namespace tq
