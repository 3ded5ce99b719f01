// Runs the built tq program as a user would, with its output streams captured in files.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tqtest {

namespace fs = std::filesystem;

struct TqRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeAll(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

inline std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    return q + "'";
}

inline std::string quote(const fs::path& path) { return quote(path.string()); }

// A scratch folder per test; tq(args) runs the program with stdout and stderr captured.
class TqProgram : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tq_e2e_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    TqRun tq(const std::string& args) {
        const fs::path outFile = dir / "stdout";
        const fs::path errFile = dir / "stderr";
        const std::string command = quote(std::string(TQ_BIN_DIR) + "/tq") + " " + args + " >" + quote(outFile) +
                                    " 2>" + quote(errFile) + " </dev/null";
        TqRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = readAll(outFile);
        run.err = readAll(errFile);
        fs::remove(outFile);
        fs::remove(errFile);
        return run;
    }

    std::string library() const { return quote(std::string(TQ_SOURCE_DIR) + "/examples/library"); }

    fs::path dir;
};

}  // namespace tqtest
