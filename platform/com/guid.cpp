#include "platform/com/guid.h"

#include <cstdio>

std::string GuidToString(const GUID& g) {
  char text[39];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2],
                g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads `digits` hexadecimal digits from text at pos, advancing pos.
std::optional<std::uint32_t> ReadHex(std::string_view text, std::size_t& pos, int digits) {
  if (pos + static_cast<std::size_t>(digits) > text.size()) return std::nullopt;
  std::uint32_t value = 0;
  for (int i = 0; i < digits; ++i) {
    const int v = HexValue(text[pos++]);
    if (v < 0) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(v);
  }
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

}  // namespace

std::optional<GUID> GuidFromString(std::string_view text) {
  const bool braced = !text.empty() && text.front() == '{';
  if (braced) {
    if (text.size() != 38 || text.back() != '}') return std::nullopt;
    text = text.substr(1, 36);
  }
  if (text.size() != 36) return std::nullopt;
  std::size_t pos = 0;
  GUID g{};
  const auto d1 = ReadHex(text, pos, 8);
  if (!d1 || !Expect(text, pos, '-')) return std::nullopt;
  const auto d2 = ReadHex(text, pos, 4);
  if (!d2 || !Expect(text, pos, '-')) return std::nullopt;
  const auto d3 = ReadHex(text, pos, 4);
  if (!d3 || !Expect(text, pos, '-')) return std::nullopt;
  g.Data1 = *d1;
  g.Data2 = static_cast<std::uint16_t>(*d2);
  g.Data3 = static_cast<std::uint16_t>(*d3);
  for (int i = 0; i < 8; ++i) {
    if (i == 2 && !Expect(text, pos, '-')) return std::nullopt;
    const auto byte = ReadHex(text, pos, 2);
    if (!byte) return std::nullopt;
    g.Data4[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*byte);
  }
  return g;
}
