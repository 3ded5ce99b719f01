// Helpers shared by the file, registry and shell sources of this library (not public).
#pragma once

#include "win/files.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace win::detail {

// The Win32 error code for an errno value of a file operation on hostPath.
DWORD ErrorFromErrno(int err, const std::string& hostPath);
FILETIME FileTimeFromTimespec(const timespec& ts);
timespec TimespecFromFileTime(const FILETIME& ft);

// WriteFileAtomic on a host path. mode: permission bits for the new file, or -1 to keep
// those of an existing target (0666 less the umask for a new one).
bool WriteAtomicHost(const std::string& hostPath, std::string_view bytes, int mode = -1);
bool ReadHost(const std::string& hostPath, std::string& bytes, std::uint64_t maxBytes = kNoFileSizeLimit);

// The entry names of a host directory ("." and ".." left out), for matching names without
// regard to case. A listing is reused while the directory's modification time is the one
// it had when listed and was then at least two seconds old (file-system clocks are
// coarse, so a younger time might not change with the next entry). Null when the
// directory cannot be listed.
std::shared_ptr<const std::vector<std::string>> DirectoryNames(const std::string& hostDir);

// stat of the host path a Windows path names (HostPathFromWindows): a path that exists as
// spelt takes one look-up, not one to find it and another to examine it. False with errno
// set when it does not exist; hostPath is the path examined either way.
bool StatWindowsPath(std::wstring_view winPath, std::string& hostPath, struct stat& st);

}  // namespace win::detail
