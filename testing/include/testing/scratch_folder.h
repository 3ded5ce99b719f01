// ScratchFolder: a fresh folder below the temp directory for one test, removed again at
// the end; files in it by host path or in the Windows form the module uses.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/zk_string.h"
#include "win/paths.h"

class ScratchFolder {
public:
    // The process id keeps test programs that run at the same time apart.
    explicit ScratchFolder(const std::string& name) {
        m_path = std::filesystem::temp_directory_path() / ("tq_" + name + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& host() const { return m_path; }
    // The Windows form of a file inside the folder; of the folder itself, without a
    // closing backslash, for "".
    Zk_String win(const std::string& name = std::string()) const {
        return Zk_String(WindowsPathFromHost((name.empty() ? m_path : m_path / name).string()));
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((m_path / name).parent_path());
        std::ofstream(m_path / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(m_path / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(m_path / name); }

private:
    std::filesystem::path m_path;
};
