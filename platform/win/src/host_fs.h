// Helpers shared by the file, registry and shell sources of this library (not public).
#pragma once

#include "win/files.h"

#include <sys/types.h>

#include <ctime>
#include <string>
#include <string_view>

namespace win::detail {

// The Win32 error code for an errno value of a file operation on hostPath.
DWORD ErrorFromErrno(int err, const std::string& hostPath);
FILETIME FileTimeFromTimespec(const timespec& ts);
timespec TimespecFromFileTime(const FILETIME& ft);

// WriteFileAtomic on a host path. mode: permission bits for the new file, or -1 to keep
// those of an existing target (0666 less the umask for a new one).
bool WriteAtomicHost(const std::string& hostPath, std::string_view bytes, int mode = -1);
bool ReadHost(const std::string& hostPath, std::string& bytes, std::uint64_t maxBytes = kNoFileSizeLimit);

}  // namespace win::detail
