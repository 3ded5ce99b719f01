// Runs the real zenkar program from a temporary program directory, with recording
// stand-ins for "acad.exe" and "Confwiz.exe".
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class ZenkarTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string tmpl = (fs::temp_directory_path() / "tq_zenkar_XXXXXX").string();
        ASSERT_NE(::mkdtemp(tmpl.data()), nullptr);
        root = tmpl;
        prog = root + "/Kelmora Prog";
        acad = root + "/AutoCAD 2007";
        fs::create_directories(prog);
        fs::create_directories(acad);
        fs::copy_file(fs::path(TQ_BIN_DIR) / "zenkar", prog + "/zenkar");
        writeRecorder(acad + "/acad.exe");
        writeRecorder(prog + "/Confwiz.exe");
        write(prog + "/ZkLoader.arx", "loader");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    // Windows form of a host path under the Z: drive.
    static std::string Win(const std::string& host) {
        std::string w = "Z:" + host;
        for (char& c : w)
            if (c == '/') c = '\\';
        return w;
    }
    static void write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void writeConfig(const std::string& bytes) const { write(prog + "/zkv6.cfg", bytes); }
    // A configuration with a library and the AutoCAD directory in Windows form.
    void writeGoodConfig() const { writeConfig("zklib=Z:\\lib\\\nacaddir=" + Win(acad) + "\\\n"); }

    // Records "<pwd>\n<argc>\n[arg]...\n" in "<itself>.rec".
    static void writeRecorder(const std::string& path) {
        write(path,
              "#!/bin/sh\n"
              "{ pwd; echo \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; } > \"$0.tmp\"\n"
              "mv \"$0.tmp\" \"$0.rec\"\n");
        ::chmod(path.c_str(), 0755);
    }
    // The record of a stand-in that was launched (waits for it; empty after 20 s).
    static std::string waitForRecord(const std::string& program) {
        const std::string rec = program + ".rec";
        for (int i = 0; i < 400 && !fs::exists(rec); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return read(rec);
    }
    static std::string record(const std::string& workDir, std::vector<std::string> args) {
        std::string r = workDir + "\n" + std::to_string(args.size()) + "\n";
        for (const auto& a : args) r += "[" + a + "]\n";
        return r;
    }

    // Runs zenkar from the program directory with the current directory set elsewhere.
    RunResult run(std::vector<std::string> args = {}) const {
        const std::string out = root + "/out.txt", err = root + "/err.txt";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addchdir_np(&actions, root.c_str());
        std::string program = prog + "/zenkar";
        std::vector<char*> argv{program.data()};
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        RunResult result;
        pid_t pid = 0;
        if (::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = read(out);
        result.err = read(err);
        return result;
    }
    RunResult dryRun() const { return run({"--dry-run"}); }

    std::string root, prog, acad;
};
