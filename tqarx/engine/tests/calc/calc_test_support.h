// A temporary product library for the calculation tests: a folder with the standards
// folders, gSettings.libDir pointing at it, helpers to write files into it, and the
// message boxes answered and recorded.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "host/zk_string.h"

// Readable test failures.
inline void PrintTo(const Zk_String& s, std::ostream* os) { *os << '"' << s.toUtf8() << '"'; }

class TempLibrary {
public:
    TempLibrary();
    ~TempLibrary();
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    // Writes UTF-8 text to a path relative to the library folder ("/" separated);
    // returns the file's Windows path.
    Zk_String write(const std::string& relative, const std::string& text) const;
    // The Windows path of a path relative to the library folder.
    Zk_String winPath(const std::string& relative) const;
    const std::filesystem::path& root() const { return m_root; }

private:
    std::filesystem::path m_root;
    Zk_String m_oldLibDir;
    bool m_oldDiagnostics;
};

// A sheet file holding a grid given as lines of tab-separated cell texts (every cell
// stored as text, the sheet exactly as large as the grid).
std::string sheetFileFromGrid(const std::string& grid);
