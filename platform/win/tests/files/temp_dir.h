// A fresh host directory per test, mapped to drive T: so tests can use Windows paths.
#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "tq_win_XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
        ::setenv("TQ_DRIVE_T", path_.c_str(), 1);
    }
    ~TempDir() {
        ::unsetenv("TQ_DRIVE_T");
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string host(const std::string& rel) const { return path_ + "/" + rel; }

    void write(const std::string& rel, const std::string& bytes) const {
        const std::filesystem::path p = host(rel);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    void mkdir(const std::string& rel) const { std::filesystem::create_directories(host(rel)); }
    std::string read(const std::string& rel) const {
        std::ifstream in(host(rel), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const std::string& rel) const { return std::filesystem::exists(host(rel)); }
    // Names in a directory (to see that no temporary file was left behind).
    std::size_t entryCount(const std::string& rel = "") const {
        const auto dir = std::filesystem::path(rel.empty() ? path_ : host(rel));
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
    }

private:
    std::string path_;
};
