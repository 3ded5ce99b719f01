#include "acad/command_line.h"

#include <cstdarg>
#include <cstdio>

#include "mfc/wformat.h"
#include "win/encoding.h"

namespace {
struct Line {
    std::wstring text;
    bool echo = false;
    std::vector<std::wstring> posted;
    int prompts = 0;
    int updates = 0;
};
Line& L() {
    static Line l;
    return l;
}
}  // namespace

int acutPrintf(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring s = mfc::FormatWideV(format, args);
    va_end(args);
    L().text += s;
    if (L().echo) {
        std::string u = Utf8FromWide(s);
        std::fwrite(u.data(), 1, u.size(), stdout);
        std::fflush(stdout);
    }
    return static_cast<int>(s.size());
}

bool acedPostCommand(const wchar_t* command) {
    if (!command) return false;
    L().posted.emplace_back(command);
    return true;
}
void acedPostCommandPrompt() { ++L().prompts; }
void acedUpdateDisplay() { ++L().updates; }
int acedCommandS(int, ...) { return 5100; }  // RTNORM

namespace acad {
std::wstring CommandLineText() { return L().text; }
std::string CommandLineUtf8() { return Utf8FromWide(L().text); }
void ClearCommandLine() { L().text.clear(); }
void SetCommandLineEcho(bool toStdout) { L().echo = toStdout; }
bool CommandLineEcho() { return L().echo; }
const std::vector<std::wstring>& PostedCommands() { return L().posted; }
int CommandPromptPostCount() { return L().prompts; }
int DisplayUpdateCount() { return L().updates; }
void ClearEditorLog() {
    L().posted.clear();
    L().prompts = 0;
    L().updates = 0;
}
}  // namespace acad
