// Module handles and the paths of the program and its shared libraries, in Windows form.
//
// An HMODULE/HINSTANCE here is either
// - the handle dlopen returned for a shared library (what the module loader of
//   platform/acad hands out for a loaded .arx), or
// - any address inside a loaded module (a function or variable of it), or
// - null, meaning the program itself.
// GetModuleHandleW(nullptr) returns the program's dlopen handle; win::ModuleFromAddress
// turns an address into the dlopen handle of the module holding it.
#pragma once

#include "win/types.h"

// Full Windows path ("Z:\opt\kelmora\zenkar"); copies at most size-1 characters plus a
// terminator. When the buffer is too small the path is cut, the result is size and
// GetLastError is ERROR_INSUFFICIENT_BUFFER; an unknown module gives 0 with
// ERROR_INVALID_HANDLE.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);
DWORD GetModuleFileNameA(HMODULE module, LPSTR buffer, DWORD size);

// Only nullptr (the program) is supported; a name gives nullptr with ERROR_NOT_SUPPORTED.
HMODULE GetModuleHandleW(LPCWSTR moduleName);

namespace win {
// The dlopen handle of the module holding address; nullptr when none does.
HMODULE ModuleFromAddress(const void* address);
}  // namespace win
