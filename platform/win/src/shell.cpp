// ShellExecute "open" through posix_spawn, and the Windows command-line splitting rules.
#include "win/shell.h"

#include "win/encoding.h"
#include "win/paths.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <vector>

extern char** environ;

namespace {

std::mutex gChildMutex;
std::vector<pid_t> gChildren;

// Collects children that have ended, so none stays a zombie for long.
void ReapFinished() {
    for (auto it = gChildren.begin(); it != gChildren.end();) {
        int status = 0;
        const pid_t r = ::waitpid(*it, &status, WNOHANG);
        if (r == *it || (r < 0 && errno == ECHILD)) it = gChildren.erase(it);
        else ++it;
    }
}

HINSTANCE Code(INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); }

template <typename Char>
std::vector<std::basic_string<Char>> Split(std::basic_string_view<Char> s) {
    std::vector<std::basic_string<Char>> args;
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (true) {
        while (i < n && (s[i] == Char(' ') || s[i] == Char('\t'))) ++i;
        if (i >= n) break;
        std::basic_string<Char> arg;
        bool quoted = false;
        while (i < n) {
            const Char c = s[i];
            if (!quoted && (c == Char(' ') || c == Char('\t'))) break;
            if (c == Char('\\')) {
                std::size_t k = 0;
                while (i < n && s[i] == Char('\\')) ++k, ++i;
                if (i < n && s[i] == Char('"')) {
                    arg.append(k / 2, Char('\\'));
                    if (k % 2 == 1) {
                        arg += Char('"');
                        ++i;
                    }
                } else {
                    arg.append(k, Char('\\'));
                }
            } else if (c == Char('"')) {
                if (quoted && i + 1 < n && s[i + 1] == Char('"')) {
                    arg += Char('"');
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += c;
                ++i;
            }
        }
        args.push_back(std::move(arg));
    }
    return args;
}

HINSTANCE Launch(const char* verb, const char* file, const char* parameters, const char* directory) {
    if (verb && *verb && !EqualNoCase(std::string_view(verb), "open")) return Code(SE_ERR_NOASSOC);
    if (!file || !*file) return Code(SE_ERR_FNF);

    std::string program = HostPathFromWindowsA(file);
    struct stat st {};
    if (::stat(program.c_str(), &st) != 0) {
        const auto slash = program.find_last_of('/');
        struct stat parent {};
        const std::string dir = slash == std::string::npos ? "." : program.substr(0, slash ? slash : 1);
        const bool dirOk = ::stat(dir.c_str(), &parent) == 0 && S_ISDIR(parent.st_mode);
        return Code(dirOk ? SE_ERR_FNF : SE_ERR_PNF);
    }
    if (S_ISDIR(st.st_mode)) return Code(SE_ERR_NOASSOC);
    if (::access(program.c_str(), X_OK) != 0) return Code(SE_ERR_NOASSOC);
    // The child changes directory before it executes, so the program path must not be relative.
    char resolved[PATH_MAX];
    if (::realpath(program.c_str(), resolved)) program = resolved;

    std::string workDir;
    if (directory && *directory) {
        workDir = HostPathFromWindowsA(directory);
        struct stat dst {};
        if (::stat(workDir.c_str(), &dst) != 0 || !S_ISDIR(dst.st_mode)) return Code(SE_ERR_PNF);
    }

    std::vector<std::string> args = SplitCommandLineA(parameters ? parameters : "");
    std::vector<char*> argv;
    argv.push_back(program.data());
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    if (posix_spawn_file_actions_init(&actions) != 0) return Code(SE_ERR_OOM);
    if (posix_spawnattr_init(&attr) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return Code(SE_ERR_OOM);
    }
    if (!workDir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.c_str());
    // The child starts with default signal handling and nothing blocked.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) {
        switch (rc) {
        case ENOENT: return Code(SE_ERR_FNF);
        case ENOTDIR: return Code(SE_ERR_PNF);
        case ENOMEM:
        case EAGAIN: return Code(SE_ERR_OOM);
        case ENOEXEC: return Code(SE_ERR_NOASSOC);
        default: return Code(SE_ERR_ACCESSDENIED);
        }
    }
    std::lock_guard<std::mutex> lock(gChildMutex);
    ReapFinished();
    gChildren.push_back(pid);
    return Code(42);
}

}  // namespace

std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine) { return Split(commandLine); }

std::vector<std::string> SplitCommandLineA(std::string_view commandLine) { return Split(commandLine); }

HINSTANCE ShellExecuteW(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, int) {
    const std::string v = verb ? Utf8FromWide(verb) : std::string();
    const std::string f = file ? Utf8FromWide(file) : std::string();
    const std::string p = parameters ? Utf8FromWide(parameters) : std::string();
    const std::string d = directory ? Utf8FromWide(directory) : std::string();
    return Launch(v.c_str(), f.c_str(), p.c_str(), d.c_str());
}

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int) {
    return Launch(verb, file, parameters, directory);
}

namespace win {

int WaitForLaunchedPrograms() {
    std::vector<pid_t> children;
    {
        std::lock_guard<std::mutex> lock(gChildMutex);
        children.swap(gChildren);
    }
    int count = 0;
    for (pid_t pid : children) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        ++count;
    }
    return count;
}

}  // namespace win
