// Timed text samples become plain UTF-8 cues: text kept, styling dropped,
// empty cues left out, damaged samples never read past their end.
#include "platform/dshow/media/timed_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

// A sample holding exactly these bytes, in an allocation of exactly that
// size, so that the sanitizer catches any read past its end. It is copied in
// one piece: gcc 12 at -O3 takes a copy to offset 2 of the two bytes of an
// empty cue for an overflow.
class Sample {
 public:
  Sample(uint16_t declaredLength, const std::string& bytes) {
    std::string sample{static_cast<char>(declaredLength >> 8), static_cast<char>(declaredLength & 0xFF)};
    sample += bytes;
    m_size = sample.size();
    m_bytes = std::make_unique<uint8_t[]>(m_size);
    std::memcpy(m_bytes.get(), sample.data(), m_size);
  }
  std::span<const uint8_t> Bytes() const { return {m_bytes.get(), m_size}; }

 private:
  std::size_t m_size;
  std::unique_ptr<uint8_t[]> m_bytes;
};

Sample Cue(const std::string& text, const std::string& boxes = "") {
  return Sample(static_cast<uint16_t>(text.size()), text + boxes);
}

// 'styl' with one style record and 'hclr': what follows the text.
const std::string kStylingBoxes =
    std::string("\0\0\0\x16styl\0\x01\0\0\0\x04\0\x01\x01\x12\xFF\xFF\xFF\xFF", 22) +
    std::string("\0\0\0\x0Chclr\xFF\0\0\xFF", 12);

TEST(TimedText, KeepsTheTextInUtf8OrUtf16AndDropsTheStyling) {
  EXPECT_EQ(TimedTextToPlainText(Cue("Première\nligne", kStylingBoxes).Bytes()), "Première\nligne");
  // "é😀" with a byte-order mark, big- and little-endian.
  const std::string bigEndian("\xFE\xFF\x00\xE9\xD8\x3D\xDE\x00", 8);
  const std::string littleEndian("\xFF\xFE\xE9\x00\x3D\xD8\x00\xDE", 8);
  EXPECT_EQ(TimedTextToPlainText(Cue(bigEndian, kStylingBoxes).Bytes()), "é😀");
  EXPECT_EQ(TimedTextToPlainText(Cue(littleEndian).Bytes()), "é😀");
}

TEST(TimedText, EmptyCuesGiveNothingAndDamagedSamplesKeepOnlyWhatTheyHold) {
  EXPECT_EQ(TimedTextToPlainText(Cue("", kStylingBoxes).Bytes()), "");
  EXPECT_EQ(TimedTextToPlainText({}), "");
  EXPECT_EQ(TimedTextToPlainText(Sample(0x1234, "").Bytes().first(1)), "");
  EXPECT_EQ(TimedTextToPlainText(Sample(40, "cut short").Bytes()), "cut short");
  // Cut inside "é" (two bytes) or inside a UTF-16 unit: the partial character goes.
  EXPECT_EQ(TimedTextToPlainText(Sample(40, "caf\xC3").Bytes()), "caf");
  EXPECT_EQ(TimedTextToPlainText(Sample(40, std::string("\xFE\xFF\x00\x41\xD8\x3D\xDE", 7)).Bytes()), "A");
}

}  // namespace
