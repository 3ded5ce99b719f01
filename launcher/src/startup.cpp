#include "launcher/startup.h"

#include "launcher/config_files.h"
#include "win/files.h"
#include "win/msgbox.h"
#include "win/shell.h"
#include "win/window.h"

#include <ostream>
#include <vector>

namespace launcher {

namespace {

const char* const kStartupCaption = "Kelmora Startup";
const char* const kSettingsCaption = "Kelmora Settings";
const char* const kMissingProgramFiles =
    "Kelmora program files not found.\n\nYou may have to reinstall Kelmora.\n";

// Pattern search: a file or a directory of that name counts.
bool Found(const std::string& path) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(path.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

bool FileExists(const std::string& path) {
    const DWORD attrs = GetFileAttributesA(path.c_str());
    return attrs != INVALID_FILE_ATTRIBUTES && !(attrs & FILE_ATTRIBUTE_DIRECTORY);
}

// Program directory: the executable's own path cut after its last "\".
std::string ProgramDirectory() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) break;
        buffer.resize(buffer.size() * 2);  // never work on a cut path
    }
    std::string path(buffer.data());
    const auto pos = path.find_last_of('\\');
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

// The line under the version label (label 1014), in the work language.
std::string StartingLine(const std::string& language) {
    if (language == "FR") return "D\xE9marrage d'AutoCAD...";
    if (language == "NL") return "AutoCAD wordt gestart...";
    return "Starting AutoCAD...";
}

void Launch(const StartupOptions& options, std::ostream& out, const std::string& program,
            const std::string& parameters, const char* directory) {
    if (options.dryRun) {
        out << "program: " << program << "\n";
        for (const std::string& arg : SplitCommandLineA(parameters)) out << "argument: " << arg << "\n";
        out << "directory: " << (directory ? directory : "") << "\n";
        return;
    }
    // The result is not examined: the start-up carries on whatever the shell says.
    ShellExecuteA(nullptr, "open", program.c_str(), parameters.c_str(), directory, SW_SHOWNORMAL);
}

}  // namespace

int AcadGeneration(const std::string& programDir) {
    if (Found(programDir + "Acad2000")) return 0;
    if (Found(programDir + "Acad2004")) return 1;
    return 2;
}

std::string NormaliseDirectory(std::string dir) {
    for (char& c : dir)
        if (c == '/') c = '\\';
    if (!dir.empty() && dir.back() != '\\') dir += '\\';
    return dir;
}

std::string VersionLabel(bool viewerMode, const std::string& workLanguage) {
    if (viewerMode) return "viewer";
    return workLanguage == "NL" ? "versie 1.3a" : "version 1.3a";
}

std::string AcadParameters(int generation, const std::string& programDir, const std::string& acadDir) {
    if (generation != 0) return "/ld \"" + programDir + "ZkLoader.arx\" /nologo";
    const std::string& a = acadDir;
    const std::string& p = programDir;
    // "icons\" is followed by the closing quote: by the command-line rules a single
    // backslash there would escape the quote and swallow " /nologo" into the folder list,
    // so that backslash is doubled.
    return "/s \"" + a + "support;" + a + "express;" + a + "fonts;" + a + "help;" + p + ";" + p + "icons\\\\\" /nologo";
}

std::string AcadWorkingDirectory(int generation, const std::string& programDir, const std::string& acadDir) {
    if (generation != 0) return programDir;
    const auto twice = acadDir.rfind("\\\\");
    if (twice != std::string::npos) return acadDir.substr(0, twice + 2);
    const auto once = acadDir.find('\\');
    if (once != std::string::npos) return acadDir.substr(0, once + 1);
    return acadDir;
}

std::string SettingsMessage(bool libraryWrong, bool acadWrong) {
    std::string text = "The following setting(s) are incorrect:\n\n";
    if (libraryWrong) text += "      - location of the Kelmora Library\n";
    if (acadWrong) text += "      - location of AutoCAD\n";
    text += "\nPlease correct it in the dialog box that follows.";
    return text;
}

int RunStartup(const StartupOptions& options, std::ostream& out) {
    out << "Kelmora\n";
    const std::string programDir = ProgramDirectory();
    const bool viewerMode = FileExists(programDir + "viewer.cfg");
    const int generation = AcadGeneration(programDir);

    const std::string loader = programDir + (generation == 0 ? "tarnix.arx" : "ZkLoader.arx");
    if (!FileExists(loader)) MessageBoxA(nullptr, kMissingProgramFiles, kStartupCaption, MB_OK | MB_ICONEXCLAMATION);

    // Unreadable configuration files, and files too large to be one, count as missing.
    LauncherConfig config;
    std::string bytes;
    const bool haveConfig = ReadFileBytesA(programDir + "zkv6.cfg", bytes, kMaxConfigFileBytes);
    bool libraryWrong = true;
    bool acadWrong = true;
    if (haveConfig) {
        ReadZkv6(bytes, config);
        if (config.workLanguage.empty() && ReadFileBytesA(programDir + "defset.dat", bytes, kMaxConfigFileBytes))
            config.workLanguage = ReadDefsetLanguage(bytes);
        libraryWrong = config.libraryDir.empty();
        // The directory exactly as stored, joined to "acad.exe"; an empty one is not a
        // configured AutoCAD (it would name a file in whatever the current directory is).
        acadWrong = config.acadDir.empty() || !FileExists(config.acadDir + "acad.exe");
    }

    if (haveConfig && !(libraryWrong && !viewerMode) && !acadWrong) {
        const std::string acadDir = NormaliseDirectory(config.acadDir);
        const std::string language = config.workLanguage.empty() ? "EN" : config.workLanguage;
        out << VersionLabel(viewerMode, language) << "\n";
        if (!viewerMode) out << StartingLine(language) << "\n";
        const std::string workDir = AcadWorkingDirectory(generation, programDir, acadDir);
        Launch(options, out, acadDir + "acad.exe", AcadParameters(generation, programDir, acadDir), workDir.c_str());
        return 0;
    }

    if (FileExists(programDir + "Confwiz.exe")) {
        MessageBoxA(nullptr, SettingsMessage(libraryWrong, acadWrong).c_str(), kSettingsCaption,
                    MB_OK | MB_ICONEXCLAMATION);
        Launch(options, out, programDir + "Confwiz.exe", "", nullptr);
    }
    return 0;
}

}  // namespace launcher
