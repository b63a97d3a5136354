#include "platform/win32/string_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>
#include <tuple>

namespace {

struct Converted {
  int result;
  DWORD error;
  std::u16string text;
  WCHAR pastTheEnd;  // the first element beyond the capacity given
};

Converted Convert(const char* src, int srcLen = -1, int dstCap = 16) {
  std::array<WCHAR, 32> buffer;
  buffer.fill(u'#');
  SetLastError(ERROR_SUCCESS);
  const int result = MultiByteToWideChar(CP_ACP, 0, src, srcLen, buffer.data(), dstCap);
  return {result, GetLastError(), std::u16string(buffer.data(), result > 0 ? result : 0), buffer[dstCap]};
}

TEST(MultiByteToWideChar, ConvertsUtf8) {
  const std::tuple<const char*, int, std::u16string> cases[] = {
      {"clip.mkv", -1, {u"clip.mkv", 9}},  // with the terminator
      {"Vid\xC3\xA9o \xE2\x82\xAC", -1, {u"Vid\u00E9o \u20AC", 8}},
      {"\xF0\x9F\x8E\xAC", -1, {u"\xD83C\xDFAC", 3}},  // U+1F3AC: a surrogate pair
      {"abcdef", 3, u"abc"},                           // an explicit length has no terminator
  };
  for (const auto& [utf8, length, expected] : cases) {
    const Converted converted = Convert(utf8, length);
    EXPECT_EQ(converted.result, static_cast<int>(expected.size())) << utf8;
    EXPECT_EQ(converted.text, expected) << utf8;
  }
  // Without a buffer it only measures.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xF0\x9F\x8E\xAC", -1, nullptr, 0), 4);
}

TEST(MultiByteToWideChar, TooSmallABufferFailsWithoutWritingPastIt) {
  EXPECT_EQ(Convert("abc", -1, 4).result, 4);
  for (const char* text : {"abcd", "ab\xF0\x9F\x8E\xAC"}) {  // the pair would straddle the end
    const Converted converted = Convert(text, -1, 3);
    EXPECT_EQ(converted.result, 0) << text;
    EXPECT_EQ(converted.error, ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(converted.pastTheEnd, u'#');
  }
}

TEST(MultiByteToWideChar, RefusesWhatIsNotUtf8) {
  const char* invalid[] = {
      "\xFF",              // never a UTF-8 byte
      "a\x80",             // continuation without a lead
      "\xC3",              // truncated sequence (the terminator is no continuation)
      "\xC0\xAF",          // overlong '/'
      "\xED\xA0\x80",      // a surrogate code point
      "\xF4\x90\x80\x80",  // past U+10FFFF
  };
  for (const char* text : invalid) {
    const Converted converted = Convert(text);
    EXPECT_EQ(converted.result, 0) << testing::PrintToString(text);
    EXPECT_EQ(converted.error, ERROR_NO_UNICODE_TRANSLATION) << testing::PrintToString(text);
  }
}

TEST(LastError, IsKeptPerThread) {
  SetLastError(ERROR_DISK_FULL);
  DWORD seenElsewhere = 1;
  std::thread([&] { seenElsewhere = GetLastError(); }).join();
  EXPECT_EQ(seenElsewhere, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_DISK_FULL);
}

}  // namespace
