#include "tq/cli_paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "win/encoding.h"
#include "win/files.h"
#include "win/paths.h"

namespace fs = std::filesystem;

namespace tq {

namespace {

bool isLibrary(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir / "Connection Standards", ec);
}

bool endsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           win::EqualNoCase(std::string_view(text).substr(text.size() - tail.size()), tail);
}

}  // namespace

std::string programFile(const std::string& argv0) {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty())
        return self.string();
    return fs::absolute(argv0, ec).string();
}

std::string bundledLibrary(const std::string& program) {
    std::error_code ec;
    fs::path dir = fs::path(program).parent_path();
    for (int up = 0; up < 8 && !dir.empty(); ++up) {
        const fs::path candidate = dir / "examples" / "library";
        if (isLibrary(candidate))
            return fs::canonical(candidate, ec).string();
        if (dir == dir.parent_path())
            break;
        dir = dir.parent_path();
    }
#ifdef TQ_BUNDLED_LIBRARY
    if (isLibrary(TQ_BUNDLED_LIBRARY))
        return TQ_BUNDLED_LIBRARY;
#endif
    return std::string();
}

std::string moduleFile(const std::string& program) {
    if (const char* overridden = std::getenv("TQ_ARX"); overridden != nullptr && *overridden)
        return overridden;
    return (fs::path(program).parent_path() / "tq.arx").string();
}

std::wstring windowsPathOf(const std::string& hostPath) {
    std::error_code ec;
    fs::path absolute = fs::absolute(hostPath, ec);
    if (ec)
        absolute = hostPath;
    return WindowsPathFromHost(absolute.lexically_normal().string());
}

std::string userPathOf(const std::wstring& windowsPath) { return HostPathFromWindows(windowsPath); }

std::wstring libraryFolder(const std::string& hostDir, std::string& error) {
    std::error_code ec;
    if (!fs::is_directory(hostDir, ec)) {
        error = "library " + hostDir + " is no folder";
        return std::wstring();
    }
    std::wstring folder = windowsPathOf(hostDir);
    if (!folder.empty() && folder.back() != L'\\')
        folder += L'\\';
    return folder;
}

std::wstring resolveStandard(const std::string& standard, const std::wstring& library,
                             std::string& error) {
    std::error_code ec;
    if (fs::is_regular_file(standard, ec))
        return windowsPathOf(standard);
    const bool looksLikePath = standard.find('/') != std::string::npos ||
                               standard.find('\\') != std::string::npos;
    if (!looksLikePath && !library.empty()) {
        std::string name = standard;
        if (endsWithNoCase(name, ".kms"))
            name.resize(name.size() - 4);
        const std::wstring inLibrary =
            library + L"Connection Standards\\" + win::WideFromUtf8(name) + L".kms";
        if (fs::is_regular_file(HostPathFromWindows(inLibrary), ec))
            return inLibrary;
        error = fs::is_directory(standard, ec)
                    ? standard + " is a folder, not a file"
                    : "no standard " + standard + " in " + userPathOf(library) + "Connection Standards";
        return std::wstring();
    }
    error = fs::is_directory(standard, ec) ? "standard " + standard + " is a folder, not a file"
                                           : "cannot read standard " + standard + ": no such file";
    return std::wstring();
}

bool readInputFile(const std::string& hostPath, std::uint64_t maxBytes, const std::string& what,
                   std::string& bytes, std::string& error) {
    std::error_code ec;
    if (fs::is_directory(hostPath, ec)) {
        error = what + " " + hostPath + " is a folder, not a file";
        return false;
    }
    if (!fs::exists(hostPath, ec)) {
        error = "cannot read " + what + " " + hostPath + ": no such file";
        return false;
    }
    if (ReadFileBytes(windowsPathOf(hostPath), bytes, maxBytes)) return true;
    if (GetLastError() == static_cast<DWORD>(ERROR_FILE_TOO_LARGE))
        error = what + " " + hostPath + " is larger than " + std::to_string(maxBytes) + " bytes";
    else
        error = "cannot read " + what + " " + hostPath;
    return false;
}

}  // namespace tq
