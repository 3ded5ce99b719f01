// The command line: acutPrintf writes to a log that tests read and clear; with echo on
// (the tq program sets it) every line also goes to standard output. Posted commands and
// display updates are recorded.
#pragma once

#include <string>
#include <vector>

// Wide printf with the Windows meaning of the conversions ("%s" is a wide string).
int acutPrintf(const wchar_t* format, ...);
// Posts a command string to the command line (recorded, never run here).
bool acedPostCommand(const wchar_t* command);
void acedPostCommandPrompt();
void acedUpdateDisplay();
int acedCommandS(int rtype, ...);

namespace acad {

std::wstring CommandLineText();         // everything printed since the last clear
std::string CommandLineUtf8();
void ClearCommandLine();
void SetCommandLineEcho(bool toStdout);
bool CommandLineEcho();

const std::vector<std::wstring>& PostedCommands();
int CommandPromptPostCount();
int DisplayUpdateCount();
void ClearEditorLog();  // posted commands, prompt and display counts

}  // namespace acad
