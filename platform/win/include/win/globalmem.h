// Global memory handles, as the spreadsheet control passes string values.
#pragma once

#include "win/types.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;

// nullptr with ERROR_NOT_ENOUGH_MEMORY on failure. A size of 0 gives a valid, empty block.
// Without GMEM_ZEROINIT the contents are unspecified (filled with 0xCD to expose reads of
// uninitialised memory).
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Keeps the contents up to the smaller size; new bytes are zero with GMEM_ZEROINIT.
HGLOBAL GlobalReAlloc(HGLOBAL mem, SIZE_T bytes, UINT flags);
// Pointer to the block (counts a lock); nullptr with ERROR_INVALID_HANDLE for an unknown handle.
LPVOID GlobalLock(HGLOBAL mem);
// FALSE when the last lock was released (GetLastError is then ERROR_SUCCESS), TRUE while
// locks remain; FALSE with ERROR_INVALID_HANDLE for unknown handles.
BOOL GlobalUnlock(HGLOBAL mem);
// nullptr on success; the handle itself when it is unknown (ERROR_INVALID_HANDLE).
HGLOBAL GlobalFree(HGLOBAL mem);
// Size in bytes; 0 for an unknown handle.
SIZE_T GlobalSize(HGLOBAL mem);

namespace win {
// The next GlobalAlloc/GlobalReAlloc fails (count of calls to fail, default one).
void FailNextGlobalAlloc(int count = 1);
// Number of blocks currently allocated (tests check for leaks with it).
std::size_t GlobalBlocksInUse();
}  // namespace win
