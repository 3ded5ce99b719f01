// The bytes of spreadsheet files loaded into a control (standards, child sheets, look-up
// sheets), read once and reused while the file keeps its size and last write time, so
// that evaluating one standard for many rows does not read the same file again each
// time. A file whose write time is too recent to tell a later change of the same size
// within the file system's time resolution is read again every time until it is older.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// The whole file, from the cache when unchanged. Null when it is missing, a folder, or
// larger than maxBytes (then nothing is read; the caller's own read says why).
std::shared_ptr<const std::string> readSheetFileBytes(const std::wstring& path, std::uint64_t maxBytes);

// The bytes kept for the file when it is unchanged since, else null (nothing is read).
std::shared_ptr<const std::string> keptSheetFileBytes(const std::wstring& path, std::uint64_t maxBytes);
// Whether these bytes are the ones the cache keeps for their file (read again they are
// handed out as the same object while the file is unchanged).
bool sheetFileBytesKept(const std::shared_ptr<const std::string>& bytes);

// Reads from disk made so far (for tests), and emptying the cache.
std::size_t sheetFileReads();
void clearSheetFileCache();
