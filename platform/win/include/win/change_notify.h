// Folder change notifications: a handle on a folder is signalled once an entry directly
// in it is created, deleted, renamed, written or has its attributes changed, or the
// folder itself is deleted or moved. FindNextChangeNotification makes it wait for the
// next change. Only the folder's own entries are watched (watchSubtree is not supported:
// such a request fails). One kernel watch queue serves the whole process; when the
// system refuses one, the call fails and the caller cannot rely on notifications.
#pragma once

#include "win/types.h"

constexpr DWORD FILE_NOTIFY_CHANGE_FILE_NAME = 0x001;
constexpr DWORD FILE_NOTIFY_CHANGE_DIR_NAME = 0x002;
constexpr DWORD FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x004;
constexpr DWORD FILE_NOTIFY_CHANGE_SIZE = 0x008;
constexpr DWORD FILE_NOTIFY_CHANGE_LAST_WRITE = 0x010;

constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD MAXIMUM_WAIT_OBJECTS = 64;

// INVALID_HANDLE_VALUE when the folder does not exist or cannot be watched.
HANDLE FindFirstChangeNotificationW(LPCWSTR folder, BOOL watchSubtree, DWORD filter);
BOOL FindNextChangeNotification(HANDLE change);
BOOL FindCloseChangeNotification(HANDLE change);
// For change notification handles: WAIT_OBJECT_0 when signalled, WAIT_TIMEOUT when not
// within milliseconds (0: just look), WAIT_FAILED for another handle.
DWORD WaitForSingleObject(HANDLE change, DWORD milliseconds);
// The same for up to MAXIMUM_WAIT_OBJECTS handles at one look at the change queue:
// WAIT_OBJECT_0 + the index of the first signalled one (waitAll: WAIT_OBJECT_0 once all
// are), WAIT_TIMEOUT, or WAIT_FAILED for a bad count or a handle that is none.
DWORD WaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL waitAll, DWORD milliseconds);
