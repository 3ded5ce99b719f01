// Where tq finds its files: the bundled example library, the module tq.arx, and the
// standard a user names (a name in the library or a path).
#pragma once

#include <cstdint>
#include <string>

namespace tq {

// The program's own file (host path).
std::string programFile(const std::string& argv0);
// The bundled example library: "examples/library" in a folder at or above the program's
// folder (the source tree of a build), else the one the build was made from. Empty when
// none exists.
std::string bundledLibrary(const std::string& programFile);
// tq.arx beside the program (TQ_ARX overrides).
std::string moduleFile(const std::string& programFile);

// A library folder given on the command line as the Windows folder kept in the settings
// ("Z:\...\library\"); empty with a reason when it is no folder.
std::wstring libraryFolder(const std::string& hostDir, std::string& error);

// The standard's file as a Windows path: an existing file given by path, else
// "<library>Connection Standards\<name>.kms" (".kms" not doubled). Empty with a reason
// when no such file exists.
std::wstring resolveStandard(const std::string& standard, const std::wstring& library,
                             std::string& error);

// An existing host file as an absolute Windows path (a missing file: its absolute form).
std::wstring windowsPathOf(const std::string& hostPath);
// A Windows path of the module as the user's system writes it ("Z:\home\me\x.kms" is
// "/home/me/x.kms"): how tq names files in its own messages.
std::string userPathOf(const std::wstring& windowsPath);

// Reads an input file named on the command line whole, refusing one larger than maxBytes
// before reading it. False with "cannot read WHAT PATH: no such file", "WHAT PATH is a
// folder, not a file", "cannot read WHAT PATH" or "WHAT PATH is larger than N bytes".
bool readInputFile(const std::string& hostPath, std::uint64_t maxBytes, const std::string& what,
                   std::string& bytes, std::string& error);

}  // namespace tq
