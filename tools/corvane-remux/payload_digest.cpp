#include "tools/corvane-remux/payload_digest.h"

#include <memory>
#include <new>
#include <string>

// On x86-64 the library picks the widest vector unit the processor has
// (AVX2, AVX-512) when the program runs: several times the speed of the
// SSE2 code a build for every x86-64 processor would otherwise be held to.
#include <xxhash.h>
#if defined(__x86_64__)
#include <xxh_x86dispatch.h>
#endif

extern "C" {
#include <libavutil/intreadwrite.h>
}

namespace {

// A fast 64-bit hash: the check guards against a faulty writer, not against
// someone forging a file, so it need not be cryptographic. The state's
// layout belongs to the library, which makes it once for each thread, so a
// thread fingerprints one packet at a time.
class Digest {
 public:
  Digest() : m_state(ThreadState()) { XXH3_64bits_reset(m_state); }
  void Add(const uint8_t* data, std::size_t size) { XXH3_64bits_update(m_state, data, size); }
  uint64_t Finish() const { return XXH3_64bits_digest(m_state); }

 private:
  static XXH3_state_t* ThreadState() {
    thread_local const std::unique_ptr<XXH3_state_t, XXH_errorcode (*)(XXH3_state_t*)> state(
        XXH3_createState(), &XXH3_freeState);
    if (!state) throw std::bad_alloc();
    return state.get();
  }

  XXH3_state_t* m_state;
};

bool IsNalCodec(AVCodecID codec) { return codec == AV_CODEC_ID_H264 || codec == AV_CODEC_ID_HEVC; }

// One NAL unit, its length first; trailing zero bytes are padding between
// start codes, not content.
void AddNalUnit(Digest& digest, const uint8_t* nal, std::size_t size) {
  while (size > 0 && nal[size - 1] == 0) --size;
  if (size == 0) return;
  uint8_t length[4];
  AV_WB32(length, static_cast<uint32_t>(size));
  digest.Add(length, sizeof length);
  digest.Add(nal, size);
}

// The offset just past the start code at or after `from`, or `size`.
std::size_t NextStartCodeEnd(const uint8_t* data, std::size_t size, std::size_t from,
                             std::size_t* codeStart) {
  for (std::size_t i = from; i + 3 <= size; ++i) {
    if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) {
      *codeStart = i;
      return i + 3;
    }
  }
  *codeStart = size;
  return size;
}

void AddAnnexBUnits(Digest& digest, const uint8_t* data, std::size_t size) {
  std::size_t codeStart = 0;
  std::size_t nalStart = NextStartCodeEnd(data, size, 0, &codeStart);
  while (nalStart < size) {
    const std::size_t next = NextStartCodeEnd(data, size, nalStart, &codeStart);
    AddNalUnit(digest, data + nalStart, codeStart - nalStart);
    nalStart = next;
  }
}

void AddLengthPrefixedUnits(Digest& digest, const uint8_t* data, std::size_t size, int lengthSize) {
  std::size_t at = 0;
  while (at + lengthSize <= size) {
    std::size_t length = 0;
    for (int i = 0; i < lengthSize; ++i) length = length << 8 | data[at + i];
    at += lengthSize;
    if (length > size - at) length = size - at;  // a damaged unit still counts, as far as it goes
    AddNalUnit(digest, data + at, length);
    at += length;
  }
}

// avcC and hvcC records start with version 1 and give the length size;
// anything else means the stream uses start codes.
int NalLengthSize(const AVCodecParameters& params) {
  const uint8_t* extra = params.extradata;
  if (!extra || extra[0] != 1) return 0;
  if (params.codec_id == AV_CODEC_ID_H264 && params.extradata_size >= 5) return (extra[4] & 3) + 1;
  if (params.codec_id == AV_CODEC_ID_HEVC && params.extradata_size >= 22) return (extra[21] & 3) + 1;
  return 0;
}

// An ADTS header is 7 bytes, 9 with its CRC.
int AdtsHeaderSize(const uint8_t* data, int size) {
  if (size < 7 || data[0] != 0xFF || (data[1] & 0xF6) != 0xF0) return 0;
  return (data[1] & 1) ? 7 : 9;
}

void AddSubtitleText(Digest& digest, const uint8_t* data, int size) {
  std::string text;
  for (int i = 0; i < size; ++i) {
    if (data[i] != '\r') text += static_cast<char>(data[i]);
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\0')) text.pop_back();
  digest.Add(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

bool IsTextSubtitle(AVCodecID codec) {
  const AVCodecDescriptor* descriptor = avcodec_descriptor_get(codec);
  return descriptor && descriptor->type == AVMEDIA_TYPE_SUBTITLE &&
         (descriptor->props & AV_CODEC_PROP_TEXT_SUB);
}

}  // namespace

uint64_t PayloadDigest(const AVCodecParameters& params, const uint8_t* data, int size) {
  Digest digest;
  if (IsNalCodec(params.codec_id)) {
    const int lengthSize = NalLengthSize(params);
    if (lengthSize == 0) {
      AddAnnexBUnits(digest, data, size);
    } else {
      AddLengthPrefixedUnits(digest, data, size, lengthSize);
    }
  } else if (params.codec_id == AV_CODEC_ID_AAC) {
    const int header = AdtsHeaderSize(data, size);
    digest.Add(data + header, size - header);
  } else if (IsTextSubtitle(params.codec_id)) {
    AddSubtitleText(digest, data, size);
  } else {
    digest.Add(data, size);
  }
  return digest.Finish();
}
