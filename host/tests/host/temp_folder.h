// A fresh temporary folder for one test, removed afterwards; gives Windows paths.
#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

#include "host/zk_string.h"
#include "win/paths.h"

class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        m_host = std::filesystem::temp_directory_path() /
                 ("tq_host_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(m_host);
        std::filesystem::create_directories(m_host);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_host, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& host() const { return m_host; }
    // Windows path of the folder, ending in "\".
    Zk_String win() const { return Zk_String(WindowsPathFromHost(m_host.string())) + L"\\"; }
    Zk_String win(const wchar_t* name) const { return win() + name; }

private:
    std::filesystem::path m_host;
};
