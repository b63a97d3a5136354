#include "platform/dshow/media/timed_text.h"

#include <algorithm>
#include <string_view>

extern "C" {
#include <libavcodec/defs.h>
#include <libavutil/common.h>
#include <libavutil/intreadwrite.h>
#include <libavutil/mem.h>
}

namespace {

constexpr std::size_t kLengthBytes = 2;

bool StartsWithByteOrderMark(std::span<const uint8_t> text) {
  return text.size() >= 2 && ((text[0] == 0xFE && text[1] == 0xFF) || (text[0] == 0xFF && text[1] == 0xFE));
}

// A unit that cannot be decoded (an unpaired surrogate) is skipped rather
// than losing the rest of the cue.
std::string Utf16ToUtf8(std::span<const uint8_t> text) {
  const bool bigEndian = text[0] == 0xFE;
  std::size_t at = 2;
  const auto nextUnit = [&]() -> uint32_t {
    if (at + 2 > text.size()) return 0;  // no low surrogate follows: an error below
    const uint32_t unit = bigEndian ? AV_RB16(&text[at]) : AV_RL16(&text[at]);
    at += 2;
    return unit;
  };
  std::string utf8;
  while (at + 2 <= text.size()) {
    uint32_t code = 0;
    uint8_t byte = 0;
    GET_UTF16(code, nextUnit(), continue;)
    PUT_UTF8(code, byte, utf8 += static_cast<char>(byte);)
  }
  return utf8;
}

// A text cut short by the end of a damaged sample may end inside a
// character; that partial character is dropped so the text stays UTF-8.
std::string_view WithoutPartialLastCharacter(std::string_view text) {
  std::size_t lead = text.size();
  while (lead > 0 && text.size() - lead < 4 && (text[lead - 1] & 0xC0) == 0x80) --lead;
  if (lead == 0) return text;
  const auto first = static_cast<uint8_t>(text[--lead]);
  const std::size_t length = first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC0 ? 2 : 1;
  return text.size() - lead < length ? text.substr(0, lead) : text;
}

}  // namespace

bool IsTimedText(AVCodecID codec) { return codec == AV_CODEC_ID_MOV_TEXT; }

void DescribeAsPlainText(AVCodecParameters* params) {
  params->codec_id = AV_CODEC_ID_SUBRIP;
  params->codec_tag = 0;
  av_freep(&params->extradata);
  params->extradata_size = 0;
}

// The styling boxes follow the text: stopping at the text's end drops them.
std::string TimedTextToPlainText(std::span<const uint8_t> sample) {
  if (sample.size() < kLengthBytes) return {};
  const std::size_t declared = AV_RB16(sample.data());
  const auto text = sample.subspan(kLengthBytes, std::min(declared, sample.size() - kLengthBytes));
  if (StartsWithByteOrderMark(text)) return Utf16ToUtf8(text);
  const std::string_view utf8(reinterpret_cast<const char*>(text.data()), text.size());
  return std::string(WithoutPartialLastCharacter(utf8));
}

// Here the rewrap changes a payload: the cue's bytes are replaced by its text.
int ReplaceWithPlainText(AVPacket* packet) {
  const std::string text = TimedTextToPlainText({packet->data, static_cast<std::size_t>(packet->size)});
  if (text.empty()) return 0;
  AVBufferRef* buffer = av_buffer_allocz(text.size() + AV_INPUT_BUFFER_PADDING_SIZE);
  if (!buffer) return AVERROR(ENOMEM);
  std::copy(text.begin(), text.end(), buffer->data);
  av_buffer_unref(&packet->buf);
  packet->buf = buffer;
  packet->data = buffer->data;
  packet->size = static_cast<int>(text.size());
  return 1;
}
