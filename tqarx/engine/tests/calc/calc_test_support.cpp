#include "calc_test_support.h"

#include <fstream>
#include <algorithm>
#include <random>
#include <vector>

#include "engine/table_lookup.h"
#include "host/settings.h"
#include "win/msgbox.h"
#include "win/paths.h"

namespace {
// Boxes are answered with OK and only recorded, so test output stays readable.
int answerOk(const win::MessageBoxRecord&, void*) { return IDOK; }
}  // namespace

TempLibrary::TempLibrary() {
    win::SetMessageBoxHook(&answerOk, nullptr);
    std::random_device rd;
    m_root = std::filesystem::temp_directory_path() /
             ("tq_calc_" + std::to_string(rd()) + "_" + std::to_string(rd()));
    std::filesystem::create_directories(m_root / "Connection Standards" / "Data");
    std::filesystem::create_directories(m_root / "Connection Standards" / "Childs");
    std::filesystem::create_directories(m_root / "Connection Standards" / "Parents");
    m_oldLibDir = gSettings.libDir;
    m_oldDiagnostics = gSettings.current.standardsDiagnostics;
    gSettings.libDir = Zk_String(WindowsPathFromHost(m_root.string())) + L"\\";
    clearDataFileCache();
}

TempLibrary::~TempLibrary() {
    win::SetMessageBoxHook(nullptr, nullptr);
    gSettings.libDir = m_oldLibDir;
    gSettings.current.standardsDiagnostics = m_oldDiagnostics;
    clearDataFileCache();
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
}

Zk_String TempLibrary::write(const std::string& relative, const std::string& text) const {
    const std::filesystem::path p = m_root / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
    return winPath(relative);
}

Zk_String TempLibrary::winPath(const std::string& relative) const {
    return Zk_String(WindowsPathFromHost((m_root / relative).string()));
}

std::string sheetFileFromGrid(const std::string& grid) {
    std::vector<std::vector<std::string>> rows;
    std::size_t start = 0;
    while (start < grid.size()) {
        std::size_t eol = grid.find('\n', start);
        if (eol == std::string::npos) eol = grid.size();
        std::vector<std::string> cells;
        const std::string line = grid.substr(start, eol - start);
        std::size_t from = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', from);
            cells.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        rows.push_back(std::move(cells));
        start = eol + 1;
    }
    std::size_t cols = 1;
    for (const auto& r : rows) cols = std::max(cols, r.size());
    std::string out = "KMSHEET\t1\nsize\t" + std::to_string(cols) + "\t" + std::to_string(std::max<std::size_t>(rows.size(), 1)) +
                      "\ngrid\n";
    for (const auto& r : rows) {
        for (std::size_t c = 0; c < r.size(); ++c) {
            if (c > 0) out += '\t';
            if (r[c].empty()) continue;
            out += '\'';
            for (char ch : r[c]) {
                if (ch == '\\') out += "\\\\";
                else out += ch;
            }
        }
        out += '\n';
    }
    return out + "end\n";
}
