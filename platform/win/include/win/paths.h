// Windows paths on a POSIX host.
//
// Product code keeps Windows paths ("C:\a\b.kms", "Connection Standards\Data\"); this layer
// maps them to host paths:
// - "\" and "/" are both separators; "." and ".." resolve (".." never climbs above a root).
// - A drive letter X: maps to the directory in environment variable TQ_DRIVE_X when set.
//   Without it, "Z:" maps to "/" (so every absolute host path is "Z:\...") and any other
//   drive to "$TQ_DRIVES_ROOT/x" (lower-case letter); TQ_DRIVES_ROOT defaults to
//   "<temp dir>/tq_drives" (temp dir = $TMPDIR or /tmp).
// - A path without a drive that starts with a separator is taken on drive Z: (host root).
// - Relative paths stay relative to the current directory.
// - When a component does not exist with its exact case, an existing entry whose name
//   matches without regard to (ASCII) case is used instead; components that match
//   nothing are kept as written, so a file can still be created there.
// Wide paths are encoded as UTF-8 on the host. Narrow (…A) paths are host bytes taken as
// they are, so any byte outside ASCII reaches the host unchanged.
#pragma once

#include <string>
#include <string_view>

std::string HostPathFromWindows(std::wstring_view winPath);
std::string HostPathFromWindowsA(std::string_view winPath);

// Inverse: absolute host paths become "Z:\..." (or "X:\..." when the path lies under a
// mapped drive root, the longest mapped root winning); relative paths only get "\".
std::wstring WindowsPathFromHost(std::string_view hostPath);
std::string WindowsPathFromHostA(std::string_view hostPath);

namespace win {
// Root directory a drive letter maps to (no trailing "/"; "/" itself for the host root).
std::string DriveRoot(wchar_t letter);
// The part after the last "\" or "/" (the whole string when there is none).
std::wstring FileNamePart(std::wstring_view winPath);
// Everything up to and including the last "\" or "/" (empty when there is none).
std::wstring DirectoryPart(std::wstring_view winPath);
}  // namespace win
