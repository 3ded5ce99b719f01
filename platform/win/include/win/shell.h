// Starting programs: ShellExecute with the verb "open", and the Windows command-line rules.
#pragma once

#include "win/types.h"

#include <string>
#include <string_view>
#include <vector>

// Failure codes ShellExecute returns (a value <= 32).
constexpr INT_PTR SE_ERR_FNF = 2;
constexpr INT_PTR SE_ERR_PNF = 3;
constexpr INT_PTR SE_ERR_ACCESSDENIED = 5;
constexpr INT_PTR SE_ERR_OOM = 8;
constexpr INT_PTR SE_ERR_NOASSOC = 31;

// Runs `file` (a Windows path; relative ones are taken from the current directory) with
// `parameters` split by SplitCommandLine into its arguments (argv[0] is the program's host
// path), in `directory` (null or empty: the current directory). The program is started
// directly (posix_spawn), never through a shell, and not waited for; its process is
// reaped later. Verb null or "open" (case-insensitive); any other verb gives
// SE_ERR_NOASSOC. Result as Win32: a value > 32 on success, else SE_ERR_FNF (no such
// program), SE_ERR_PNF (no such working directory), SE_ERR_ACCESSDENIED (not executable),
// SE_ERR_OOM. `owner` and `show` are accepted and not used.
HINSTANCE ShellExecuteW(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, int show);
// Narrow strings are host bytes taken as they are (see win/paths.h).
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                        LPCSTR directory, int show);

// The Windows rules for splitting a command line into arguments: blanks (space, tab)
// separate arguments outside double quotes; a quote toggles quoting and is dropped; "" inside
// quotes is one literal quote; 2n backslashes before a quote give n backslashes (and the
// quote toggles), 2n+1 give n backslashes and a literal quote; other backslashes are
// literal. `/ld "C:\a b\x.arx" /nologo` gives three arguments.
std::vector<std::wstring> SplitCommandLine(std::wstring_view commandLine);
std::vector<std::string> SplitCommandLineA(std::string_view commandLine);

namespace win {
// Waits until every program started by ShellExecute has ended (for tests); returns how
// many were waited for.
int WaitForLaunchedPrograms();
}  // namespace win
