// A printf-style text as a std::string of whatever length it needs.
#pragma once

#include <cstdarg>
#include <string>

std::string FormattedText(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormattedTextV(const char* format, va_list args);
