#include "engine/formatted_text.h"

#include <cstdio>

std::string FormattedTextV(const char* format, va_list args) {
  va_list measuring;
  va_copy(measuring, args);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string FormattedText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormattedTextV(format, args);
  va_end(args);
  return text;
}
