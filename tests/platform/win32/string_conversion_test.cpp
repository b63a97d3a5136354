#include "platform/win32/string_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <thread>

namespace {

struct Converted {
  int result;
  DWORD error;
  std::u16string text;
};

Converted Convert(const char* src, int srcLen = -1, int dstCap = 16) {
  std::array<WCHAR, 32> buffer;
  buffer.fill(u'#');
  SetLastError(ERROR_SUCCESS);
  const int result = MultiByteToWideChar(CP_ACP, 0, src, srcLen, buffer.data(), dstCap);
  return {result, GetLastError(), std::u16string(buffer.data(), result > 0 ? result : 0)};
}

TEST(MultiByteToWideChar, ConvertsUtf8) {
  struct Case {
    const char* utf8;
    int length;
    std::u16string expected;
  };
  for (const Case& c : {
           Case{"clip.mkv", -1, {u"clip.mkv", 9}},  // with the terminator
           Case{"Vid\xC3\xA9o \xE2\x82\xAC", -1, {u"Vid\u00E9o \u20AC", 8}},
           Case{"\xF0\x9F\x8E\xAC", -1, {u"\xD83C\xDFAC", 3}},  // U+1F3AC: a surrogate pair
           Case{"abcdef", 3, u"abc"},                           // an explicit length has no terminator
       }) {
    const Converted converted = Convert(c.utf8, c.length);
    EXPECT_EQ(converted.result, static_cast<int>(c.expected.size())) << c.utf8;
    EXPECT_EQ(converted.text, c.expected) << c.utf8;
  }
  // Without a buffer it only measures.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "a\xF0\x9F\x8E\xAC", -1, nullptr, 0), 4);
}

TEST(MultiByteToWideChar, TooSmallABufferFailsWithoutWritingPastIt) {
  const Converted exact = Convert("abc", -1, 4);
  EXPECT_EQ(exact.result, 4);
  for (const char* text : {"abcd", "ab\xF0\x9F\x8E\xAC"}) {  // the pair would straddle the end
    std::array<WCHAR, 8> buffer;
    buffer.fill(u'#');
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, buffer.data(), 3), 0) << text;
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(buffer[3], u'#');
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
