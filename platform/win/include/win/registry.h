// The registry, backed by a plain text file.
//
// Location: the file named by environment variable TQ_REGISTRY_FILE; without it
// "$XDG_CONFIG_HOME/kelmora/registry.txt", else "$HOME/.config/kelmora/registry.txt",
// else "<temp dir>/kelmora_registry.txt". It is read on first use (win::ReloadRegistry
// reads it again) and rewritten through WriteFileAtomic whenever a value is set.
//
// Format (UTF-8, one item per line; blank lines and lines starting with ";" are ignored):
//   [HKEY_LOCAL_MACHINE\Software\Kelmora\Spreadsheet Editor v1.0]
//   "Language"="EN"
//   "Width"=dword:00000280
// Inside quotes "\\" stands for "\", "\"" for a quote and "\n" for a line break. The
// default value of a key is written @="...". Key paths and value names are matched
// without regard to case. Lines that do not parse are skipped (and kept out of rewrites).
#pragma once

#include "win/types.h"

#include <string>
#include <string_view>

using PHKEY = HKEY*;
using REGSAM = DWORD;

inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u));
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000003u));

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// All return ERROR_SUCCESS or an error code (they do not use GetLastError).
// Missing key: ERROR_FILE_NOT_FOUND. Unknown root or handle: ERROR_INVALID_HANDLE.
LONG RegOpenKeyExW(HKEY root, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegCreateKeyExW(HKEY root, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM access, void* securityAttributes, PHKEY result, LPDWORD disposition);
LONG RegCloseKey(HKEY key);

// As Win32 documents it: data may be null to ask for the size; *dataSize is in bytes and
// includes the terminating null of a REG_SZ (wide characters for ...W, bytes for ...A).
// Missing value: ERROR_FILE_NOT_FOUND. A value longer than the buffer: ERROR_MORE_DATA,
// nothing copied, *dataSize set to the size needed. `type` receives the stored type.
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
// REG_SZ (data is a null-terminated wide string, size in bytes) or REG_DWORD (4 bytes).
// Any other type: ERROR_INVALID_PARAMETER. The backing file is rewritten at once; when
// that fails the value is not changed and ERROR_WRITE_FAULT is returned.
LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize);
LONG RegDeleteValueW(HKEY key, LPCWSTR valueName);

// Typed read of subKey\valueName (subKey may be null): flags restrict the accepted types;
// a value of another type fails with ERROR_INVALID_DATA. Sizes as RegQueryValueExW.
constexpr DWORD RRF_RT_REG_SZ = 0x00000002;
constexpr DWORD RRF_RT_REG_DWORD = 0x00000010;
constexpr DWORD RRF_RT_ANY = 0x0000FFFF;
LONG RegGetValueW(HKEY key, LPCWSTR subKey, LPCWSTR valueName, DWORD flags, LPDWORD type, LPVOID data,
                  LPDWORD dataSize);

namespace win {

// Reads the backing file again (e.g. after a test changed TQ_REGISTRY_FILE or the file).
void ReloadRegistry();
// The backing file currently in use (host path).
std::string RegistryFilePath();

// Direct access for tests and tools. rootedKey is "HKEY_LOCAL_MACHINE\Software\...".
bool RegistrySetString(std::wstring_view rootedKey, std::wstring_view name, std::wstring_view value);
bool RegistrySetDword(std::wstring_view rootedKey, std::wstring_view name, DWORD value);

// The value as a string: ERROR_INVALID_DATA when it is of another type.
LONG RegistryGetString(HKEY root, std::wstring_view subKey, std::wstring_view name, std::wstring& value);

}  // namespace win
