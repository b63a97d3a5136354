// Real media for tests: small files made at test time with the ffmpeg
// command, cached under the build folder, and bad inputs next to them.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace media_test {

struct MediaFixture {
  std::string name;                     // how tests ask for it
  std::string fileName;                 // with the extension that picks the source filter
  std::vector<std::string> ffmpegArgs;  // inputs and encoders, before the output name
  int videoStreams = 0;
  int audioStreams = 0;
  int subtitleStreams = 0;
  // The Matroska muxer reformats these bitstreams (Annex B H.264 to length
  // prefixes, ADTS AAC to raw): their packets are compared with what
  // `ffmpeg -c copy` writes, not with the source.
  bool bitstreamReformatted = false;
  // Packets without timestamps: `ffmpeg -c copy` refuses to write Matroska.
  bool lacksTimestamps = false;
  // Makes the input files the ffmpeg arguments name, before ffmpeg runs;
  // false when it could not (the failure is reported to the running test).
  std::function<bool()> makeInputs = nullptr;
};

// Test names and failure messages show a fixture by its name.
inline void PrintTo(const MediaFixture& fixture, std::ostream* out) { *out << fixture.name; }

// The folder the fixtures are cached in (under the build folder).
std::filesystem::path MediaCacheDir();
// Every good fixture, in a fixed order.
const std::vector<MediaFixture>& GoodFixtures();
const MediaFixture& FixtureNamed(const std::string& name);
// Codecs Matroska stores outside its common ids, each in a container that
// yields it: DNxHD and 24-bit PCM in MOV (V_QUICKTIME), uncompressed video in
// AVI (V_UNCOMPRESSED), FFV1 and IMA ADPCM in AVI (V_MS/VFW/FOURCC,
// A_MS/ACM), v210 in MOV; and bitmap subtitles: VobSub in Matroska (palette
// and frame size in its codec private data), DVB subtitles in MPEG-TS.
const std::vector<MediaFixture>& CodecFixtures();
// Makes the fixture on first use; empty when ffmpeg failed (the failure is
// reported to the running test).
std::filesystem::path FixturePath(const MediaFixture& fixture);

// Bad inputs.
std::filesystem::path EmptyFile();
std::filesystem::path RandomBytesFile();
// An MP4 with its index first, cut off halfway through the media data.
std::filesystem::path TruncatedMp4();
std::filesystem::path MissingFile();
// A copy of a good fixture keeping only its first `percent` per cent.
std::filesystem::path CutShort(const MediaFixture& fixture, int percent);
// A copy of a good fixture with 20 kB of random bytes over its middle.
std::filesystem::path DamagedInTheMiddle(const MediaFixture& fixture);
// A copy of a good fixture cut `bytes` after the start of its first packet.
std::filesystem::path CutIntoMediaData(const MediaFixture& fixture, int bytes);
// The same MP4 or MOV with its index (moov) before the media data, as a
// download that stops early leaves something readable.
MediaFixture IndexFirst(const MediaFixture& fixture);
// An MP4 in one fragment: the clip's video, then its audio. Read in time
// order, a cut copy has audio samples beyond its end before video samples
// that are still inside.
MediaFixture VideoThenAudioMp4();

// What Matroska keeps outside its tracks: an MKV with a font attached, an MP3
// with a JPEG cover picture, a MOV with a timecode track starting at
// kStartTimecode.
std::filesystem::path FontAttachmentMkv();
std::filesystem::path CoverPictureMp3();
std::filesystem::path TimecodeMov();
inline constexpr char kStartTimecode[] = "01:00:00:00";
// Containers whose structure comes as streams that are not content: a DVD
// VOB with navigation packets, an MP4 with a chapter text track. A NUT file
// with a data track of unknown codec (content Matroska cannot carry). An
// MPEG-TS of two recordings joined, the second starting an hour later.
std::filesystem::path DvdVob();
std::filesystem::path ChapteredMp4();
std::filesystem::path UnknownDataTrackNut();
std::filesystem::path JoinedRecordingsTs();
// An H.264 + AAC MPEG-TS whose 33-bit timestamps wrap to zero a third of a
// second in, the file starting about 95 443 s after zero.
std::filesystem::path PtsWrapTs();
// An MP4 with H.264, AAC and a timed text (mov_text) track in language
// kTimedTextLanguage, titled and marked default, holding TimedTextCues() with
// empty cues in the gaps between them.
struct TimedCue {
  int startMs = 0;
  int endMs = 0;
  std::string text;
  bool operator==(const TimedCue&) const = default;
};
const std::vector<TimedCue>& TimedTextCues();
std::filesystem::path TimedTextMp4();
inline constexpr char kTimedTextLanguage[] = "fre";
// A copy of the MP4 fixture under a name with spaces and non-ASCII letters.
std::filesystem::path UnicodePathCopy();

// A fresh, empty folder under the cache for one test's outputs.
std::filesystem::path ScratchDir(const std::string& testName);

}  // namespace media_test
