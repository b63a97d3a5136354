// Ctrl+C and SIGTERM while converting. The first one asks the conversion to
// stop at its next pause, so that the output is closed as a valid file; a
// second one ends the program at once, removing the unfinished file first so
// that nothing torn is left behind.
#pragma once

// Installs the handlers for SIGINT and SIGTERM.
void InstallStopSignals();

// The signal that asked for a stop, or 0.
int RequestedStopSignal();

// The exit status of a program stopped by `signalNumber`: 128 + the number,
// as shells report it (130 for SIGINT, 143 for SIGTERM).
constexpr int ExitStatusForSignal(int signalNumber) { return 128 + signalNumber; }

// The file a second signal removes before the program ends; nullptr for none.
// The text must stay valid until it is replaced.
void SetFileToRemoveOnAbandon(const char* path);
