// The launcher's configuration files: zkv6.cfg (keys "zklib", "acaddir", "workLanguage")
// and defset.dat (its "worklanguage = " lines). Both are plain 8-bit text read line by
// line; bytes outside ASCII are kept as they are.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// Longest line taken from a configuration file; the rest of a longer line is dropped.
constexpr std::size_t kMaxConfigLine = 1024;
// Largest configuration file read; a larger one is not read and counts as unreadable.
constexpr std::uint64_t kMaxConfigFileBytes = 1024 * 1024;

struct LauncherConfig {
    std::string libraryDir;    // "zklib"
    std::string acadDir;       // "acaddir"
    std::string workLanguage;  // "workLanguage"
};

// The non-empty lines of a file: split at "\n" (a "\r" before it is dropped), each cut
// to kMaxConfigLine characters.
std::vector<std::string> ConfigLines(std::string_view bytes);

// Applies every "key=value" line of zkv6.cfg to config: the key and "=" compared without
// regard to case, no blanks allowed around "=", the value taken as it is; other lines are
// ignored and the last line of a key wins.
void ReadZkv6(std::string_view bytes, LauncherConfig& config);

// The remainder of the last line starting with "worklanguage = " (without regard to
// case); empty when there is none.
std::string ReadDefsetLanguage(std::string_view bytes);

}  // namespace launcher
