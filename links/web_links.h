// Handing the user over to the browser (the maker's home page) and to the
// help viewer (the help file beside the program).
#pragma once

#include <string>

#include "platform/win32/windef.h"

// The message shown whenever the browser cannot be started.
extern const char BrowserFailureText[];

// Opens the maker's home page; says so in a box owned by `owner` when no
// browser starts.
void OpenHomePage(HWND owner);

// The help viewer's command line for the help file in the folder of
// `helpFilePath`: "hh.exe " + folder + "help.chm::/Introduction.htm".
std::string HelpCommandLine(const char* helpFilePath);
// Starts the help viewer on the introduction; never waits for it.
void LaunchHelp(const char* helpFilePath);
