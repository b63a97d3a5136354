// Copying text into the fixed path buffers without ever writing past them.
#pragma once

#include <cstring>
#include <string_view>

// Copies `text` and its terminator into `buffer` when it fits; otherwise
// leaves the buffer alone and returns false.
template <std::size_t N>
bool CopyWithin(char (&buffer)[N], std::string_view text) {
  if (text.size() >= N) return false;
  std::memcpy(buffer, text.data(), text.size());
  buffer[text.size()] = '\0';
  return true;
}
