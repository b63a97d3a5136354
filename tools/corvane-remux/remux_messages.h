// Everything corvane-remux tells the user on standard error goes through
// here, each line after the program's name.
#pragma once

#include <string>

#include "tools/corvane-remux/remux_result.h"

// Prints each non-empty line of `text`.
void PrintProgramLines(const std::string& text);
// A warning does not change the outcome of the job it concerns.
void PrintWarning(const std::string& text);
// Prints what a result has to say; --quiet leaves out skipped outputs.
void PrintResult(const RemuxResult& result, bool quiet);
// A command line that cannot be used, and where to read how it goes.
void PrintUsageRefusal(const RemuxResult& refusal);
