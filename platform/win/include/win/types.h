// Basic Win32 types, constants and structures shared by every stand-in layer.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using SHORT = std::int16_t;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = UINT_PTR;
using LPARAM = LONG_PTR;
using LRESULT = LONG_PTR;
using COLORREF = DWORD;
using WCHAR = wchar_t;
using LPCWSTR = const wchar_t*;
using LPWSTR = wchar_t*;
using LPCSTR = const char*;
using LPSTR = char*;
using LPVOID = void*;
using HANDLE = void*;
using HGLOBAL = void*;
using SIZE_T = std::size_t;
using ULONG_PTR = std::uintptr_t;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
using LPCVOID = const void*;

// Distinct handle types, as the real headers declare them.
#define TQ_DECLARE_HANDLE(name) struct name##__; using name = name##__*
TQ_DECLARE_HANDLE(HWND);
TQ_DECLARE_HANDLE(HINSTANCE);
TQ_DECLARE_HANDLE(HBITMAP);
TQ_DECLARE_HANDLE(HICON);
TQ_DECLARE_HANDLE(HFONT);
TQ_DECLARE_HANDLE(HMENU);
TQ_DECLARE_HANDLE(HKEY);
TQ_DECLARE_HANDLE(HDC);
TQ_DECLARE_HANDLE(HCURSOR);
#undef TQ_DECLARE_HANDLE
using HMODULE = HINSTANCE;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
constexpr std::size_t MAX_PATH = 260;

struct RECT { LONG left = 0, top = 0, right = 0, bottom = 0; };
struct POINT { LONG x = 0, y = 0; };
struct SIZE { LONG cx = 0, cy = 0; };

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

constexpr WORD LOWORD(UINT_PTR v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(UINT_PTR v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LONG MAKELONG(WORD lo, WORD hi) {
    return static_cast<LONG>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}

// Error codes (GetLastError) used by the stand-ins.
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_PATH_NOT_FOUND = 3;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr LONG ERROR_INVALID_DATA = 13;
constexpr LONG ERROR_WRITE_FAULT = 29;
constexpr LONG ERROR_HANDLE_DISK_FULL = 39;
constexpr LONG ERROR_FILE_EXISTS = 80;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_INSUFFICIENT_BUFFER = 122;
constexpr LONG ERROR_ALREADY_EXISTS = 183;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_FILES = 18;

DWORD GetLastError();
void SetLastError(DWORD code);


// A handle value that is never valid (what failing handle-returning calls give back).
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

// More error codes.
constexpr LONG ERROR_BAD_FORMAT = 11;
constexpr LONG ERROR_OUTOFMEMORY = 14;
constexpr LONG ERROR_SHARING_VIOLATION = 32;
constexpr LONG ERROR_NOT_SUPPORTED = 50;
constexpr LONG ERROR_CANNOT_MAKE = 82;
constexpr LONG ERROR_INVALID_NAME = 123;
constexpr LONG ERROR_DIR_NOT_EMPTY = 145;
constexpr LONG ERROR_BAD_PATHNAME = 161;
constexpr LONG ERROR_NO_ASSOCIATION = 1155;
constexpr LONG ERROR_DISK_FULL = 112;
constexpr LONG ERROR_READ_FAULT = 30;
constexpr LONG ERROR_NOT_SAME_DEVICE = 17;
constexpr LONG ERROR_DIRECTORY_INVALID = 267;
constexpr LONG ERROR_FILE_TOO_LARGE = 223;
