#include "platform/win32/string_conversion.h"

#include <cstring>
#include <optional>
#include <string_view>

namespace {

// Decodes one code point from the front of `text`, refusing overlong forms,
// surrogate code points and values past U+10FFFF; advances `text` past it.
std::optional<char32_t> DecodeUtf8(std::string_view& text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  int length = 0;
  char32_t codePoint = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    length = 1, codePoint = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, codePoint = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, codePoint = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, codePoint = lead & 0x07, minimum = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < static_cast<std::size_t>(length)) return std::nullopt;
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    return std::nullopt;
  text.remove_prefix(length);
  return codePoint;
}

// Writes the UTF-16 form of `codePoint` at dst[count] when there is room and
// returns how many units it takes.
int EncodeUtf16(char32_t codePoint, LPWSTR dst, int count, int dstCap) {
  if (codePoint < 0x10000) {
    if (count < dstCap) dst[count] = static_cast<WCHAR>(codePoint);
    return 1;
  }
  const char32_t offset = codePoint - 0x10000;
  if (count + 1 < dstCap) {
    dst[count] = static_cast<WCHAR>(0xD800 + (offset >> 10));
    dst[count + 1] = static_cast<WCHAR>(0xDC00 + (offset & 0x3FF));
  }
  return 2;
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcLen, LPWSTR dst, int dstCap) {
  if (codePage != CP_ACP && codePage != CP_UTF8) return Fail(ERROR_INVALID_PARAMETER);
  if (flags & ~MB_ERR_INVALID_CHARS) return Fail(ERROR_INVALID_FLAGS);
  if (!src || srcLen == 0 || srcLen < -1 || dstCap < 0 || (dstCap > 0 && !dst))
    return Fail(ERROR_INVALID_PARAMETER);
  // -1 converts the terminator too, as Windows does.
  std::string_view text(src, srcLen == -1 ? std::strlen(src) + 1 : static_cast<std::size_t>(srcLen));
  int count = 0;
  while (!text.empty()) {
    const std::optional<char32_t> codePoint = DecodeUtf8(text);
    if (!codePoint) return Fail(ERROR_NO_UNICODE_TRANSLATION);
    count += EncodeUtf16(*codePoint, dst, count, dstCap);
    if (dstCap > 0 && count > dstCap) return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  return count;
}
