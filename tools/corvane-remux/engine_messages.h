// The engine tells its user things in message boxes; on the command line each
// becomes lines on standard error, in the tool's own voice.
#pragma once

// Prints every message box the engine shows as "corvane-remux: <line>" lines
// on standard error and answers it with its default button. For the life of
// the process.
void PrintEngineMessagesOnStandardError();
