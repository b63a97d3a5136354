#include "platform/win32/string_conversion.h"

#include <cstring>
#include <optional>
#include <string_view>

namespace {

// The forms a UTF-8 sequence can take, by its lead byte.
struct SequenceForm {
  unsigned char leadMask;     // bits that identify the form
  unsigned char leadPattern;  // their value
  int length;
  char32_t minimum;  // smaller values would be overlong
};
constexpr SequenceForm kSequenceForms[] = {
    {0x80, 0x00, 1, 0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

// Decodes one code point from the front of `text`, refusing overlong forms,
// surrogate code points and values past U+10FFFF; advances `text` past it.
std::optional<char32_t> DecodeUtf8(std::string_view& text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  for (const SequenceForm& form : kSequenceForms) {
    if ((lead & form.leadMask) != form.leadPattern) continue;
    if (text.size() < static_cast<std::size_t>(form.length)) return std::nullopt;
    char32_t codePoint = lead & static_cast<unsigned char>(~form.leadMask);
    for (int i = 1; i < form.length; ++i) {
      const auto next = static_cast<unsigned char>(text[i]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < form.minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
      return std::nullopt;
    text.remove_prefix(form.length);
    return codePoint;
  }
  return std::nullopt;
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
