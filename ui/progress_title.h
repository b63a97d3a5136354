// The window title while a conversion runs: the share done and the time left.
#pragma once

#include <string>

// "Corvane - 42% - 0:12 left" for `caption` "Corvane": the time left follows
// from the pace so far and is left out while nothing is done yet.
std::string ProgressTitle(const std::string& caption, double shareDone, double elapsedSeconds);
