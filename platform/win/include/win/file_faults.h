// Fault injection for the file layer, so tests can prove that a failed write leaves the
// old file intact. Faults are process-wide and one-shot unless stated otherwise.
#pragma once

#include <cstddef>

namespace win {

// The next WriteFileAtomic fails while writing its temporary file (ERROR_WRITE_FAULT),
// after half of the bytes reached it.
void FailNextWrite();
// The next WriteFileAtomic writes its temporary file completely, then fails at the
// rename (ERROR_ACCESS_DENIED).
void FailNextRename();
// Until cleared, the disk holds only `bytesFree` more bytes per write: a WriteFileAtomic
// of more bytes fails with ERROR_DISK_FULL once they are used up.
void SetDiskFull(std::size_t bytesFree = 0);
// Removes every pending fault.
void ClearFileFaults();

// Clears the faults when it goes out of scope.
class ScopedFileFaults {
public:
    ScopedFileFaults() = default;
    ~ScopedFileFaults() { ClearFileFaults(); }
    ScopedFileFaults(const ScopedFileFaults&) = delete;
    ScopedFileFaults& operator=(const ScopedFileFaults&) = delete;
};

}  // namespace win
