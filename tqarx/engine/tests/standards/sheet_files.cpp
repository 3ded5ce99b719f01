#include "sheet_files.h"

#include <filesystem>
#include <unistd.h>

#include "acad/main_window.h"
#include "mfc/resources.h"
#include "res/resources.h"
#include "spread/ss_api.h"
#include "win/encoding.h"
#include "win/paths.h"
#include "win/window.h"

namespace fs = std::filesystem;

namespace stdtest {

ScratchFolder::ScratchFolder(const std::string& name) {
    const fs::path dir = fs::temp_directory_path() /
                         ("tq_std_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    m_host = dir.string();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(m_host, ec);
}

Zk_String ScratchFolder::winPath(const std::string& file) const {
    return Zk_String(WindowsPathFromHost(hostFile(file)));
}

bool writeSheet(const std::string& hostFile, const Grid& rows, bool withTitles) {
    const RECT rect{0, 0, 300, 200};
    HWND sheet = SSCreateControl(adsw_acadMainWnd(), 1, rect);
    if (sheet == nullptr)
        return false;
    std::size_t cols = 1;
    for (const auto& row : rows)
        cols = std::max(cols, row.size());
    const std::size_t dataRows = withTitles ? rows.size() - 1 : rows.size();
    bool ok = SSSetMaxCols(sheet, static_cast<SS_COORD>(cols)) &&
              SSSetMaxRows(sheet, static_cast<SS_COORD>(std::max<std::size_t>(dataRows, 1)));
    SSSetBool(sheet, SSB_AUTOCALC, FALSE);
    for (std::size_t r = 0; ok && r < rows.size(); ++r) {
        const auto row = static_cast<SS_COORD>(withTitles ? r : r + 1);
        for (std::size_t c = 0; ok && c < rows[r].size(); ++c) {
            const std::wstring& text = rows[r][c];
            const auto col = static_cast<SS_COORD>(c + 1);
            if (text.empty())
                continue;
            if (text.rfind(L"#int:", 0) == 0) {
                ok = SSSetTypeInteger(sheet, col, row, col, row, -999999, 999999) &&
                     SSSetData(sheet, col, row, text.c_str() + 5);
            } else if (text.rfind(L"#num:", 0) == 0) {
                ok = SSSetTypeNumber(sheet, col, row, col, row, 2, -9999999.0, 9999999.0, FALSE) &&
                     SSSetData(sheet, col, row, text.c_str() + 5);
            } else if (text[0] == L'=' && row > 0) {
                ok = SSSetFormula(sheet, col, row, text.c_str() + 1);
            } else {
                ok = SSSetData(sheet, col, row, text.c_str());
            }
        }
    }
    SSSetBool(sheet, SSB_AUTOCALC, TRUE);
    ok = ok && SSSaveToFile(sheet, WindowsPathFromHost(hostFile).c_str(), FALSE);
    DestroyWindow(sheet);
    return ok;
}

void registerDialogs() {
    static bool done = false;
    if (done)
        return;
    done = true;
    tqRegisterResources(AfxGetInstanceHandle());
}

}  // namespace stdtest
