// WinExec: starts a program from a command line and returns at once, as the
// program starts its help viewer. Tests swap the backend so that they record
// launches instead of starting programs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/windef.h"

class WinExecBackend {
 public:
  virtual ~WinExecBackend() = default;
  // Returns a value above 31 once the program has started; 0 when the system
  // lacks the resources, ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND or another
  // code of 31 or less on failure.
  virtual UINT Execute(LPCSTR commandLine, UINT showCmd) = 0;
};

// Installs `backend` (not owned) and returns the one it replaces; nullptr
// restores the backend that starts real programs.
WinExecBackend* SetWinExecBackend(WinExecBackend* backend);

// Splits `commandLine` into the program and its arguments and starts the
// program detached, never waiting for it. The program is looked for first in
// the folder of the running executable, then on PATH. `showCmd` is accepted
// and has no effect: the started program places its own windows.
UINT WinExec(LPCSTR commandLine, UINT showCmd);

// The parts of a launch, for the backend and its tests.

// Splits a command line as Windows programs split theirs: blanks (spaces and
// tabs) separate, double quotes group blanks into a token, backslashes escape
// a double quote (2n backslashes before a quote give n, 2n+1 give n and a
// literal quote), and "" inside quotes is a literal quote. A path with blanks
// therefore needs quotes to stay one token.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The folder of the running executable, symbolic links resolved; empty when
// the system cannot tell.
std::string ProgramFolder();

// Where `program` is: a name with a '/' is a path and is taken as it is; a
// bare name is looked for in `programFolder`, then in each folder of
// `searchPath` (':'-separated, as PATH), and only an executable regular file
// counts. Empty when a bare name is found nowhere.
std::string FindProgram(std::string_view program, std::string_view programFolder,
                        std::string_view searchPath);
