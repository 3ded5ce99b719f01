// The start-up sequence of zenkar: find the program directory and its marker files, read
// the configuration, check the library and AutoCAD settings, then start AutoCAD with the
// product's command line, or report the wrong settings and start the settings program.
#pragma once

#include <iosfwd>
#include <string>

namespace launcher {

struct StartupOptions {
    // Print what would be launched (program, arguments one per line, working directory)
    // instead of launching it.
    bool dryRun = false;
};

// Runs the whole start-up; the banner and dry-run listing go to out, message boxes to
// standard error. Returns the process exit code (0: the start-up ran to its end, whatever
// it found).
int RunStartup(const StartupOptions& options, std::ostream& out);

// Pieces of the sequence, each a pure function of its inputs.

// 0 when "Acad2000" exists in the program directory, 1 for "Acad2004", else 2.
int AcadGeneration(const std::string& programDir);
// Every "/" becomes "\", and a "\" ends the value (an empty value stays empty).
std::string NormaliseDirectory(std::string dir);
// The text of the version label.
std::string VersionLabel(bool viewerMode, const std::string& workLanguage);
// AutoCAD's parameter string for a generation (directories already normalised).
std::string AcadParameters(int generation, const std::string& programDir, const std::string& acadDir);
// AutoCAD's working directory for a generation (directories already normalised).
std::string AcadWorkingDirectory(int generation, const std::string& programDir, const std::string& acadDir);
// The settings message listing what is wrong.
std::string SettingsMessage(bool libraryWrong, bool acadWrong);

}  // namespace launcher
