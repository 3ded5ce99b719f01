// Test helpers: spreadsheet files written from rows of cell texts, in a scratch folder
// that is removed afterwards.
#pragma once

#include <string>
#include <vector>

#include "host/zk_string.h"

namespace stdtest {

using Grid = std::vector<std::vector<std::wstring>>;

// A fresh folder under the temp directory, removed with the object.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& hostPath() const { return m_host; }
    // file below the folder as a Windows path ("Z:\...\file").
    Zk_String winPath(const std::string& file) const;
    std::string hostFile(const std::string& file) const { return m_host + "/" + file; }

private:
    std::string m_host;
};

// Writes a sheet: rows[0] is row 1 (or the column titles when withTitles), cells
// starting with "=" are formulas, "#int:" and "#num:" prefixes make integer and number
// cells. The sheet has exactly as many columns and rows as the grid. True on success.
bool writeSheet(const std::string& hostFile, const Grid& rows, bool withTitles = false);

// Makes the module's dialogs findable (once per test program).
void registerDialogs();

}  // namespace stdtest
