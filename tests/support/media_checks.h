// Checks of media files with the tools users trust: ffprobe, ffmpeg's
// framemd5, mkvmerge -J and mkvinfo.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace media_test {

struct ProcessResult {
  int exitCode = -1;  // -1 when it did not start, crashed or timed out
  std::string out;
  std::string err;
};
// Runs a program with arguments (no shell) and waits at most `limit`.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::chrono::seconds limit = std::chrono::seconds(120));

struct StreamSummary {
  std::string codecType;  // "video", "audio", "subtitle", ...
  std::string codecName;
  std::string language;
  std::string title;
};
struct ProbeResult {
  bool ok = false;  // ffprobe exited 0 and printed no error
  std::string errors;
  std::vector<StreamSummary> streams;
  double durationSeconds = -1;
  int chapterCount = 0;
  std::map<std::string, std::string> tags;
};
ProbeResult Probe(const std::filesystem::path& file);

// Size and MD5 of every packet, per stream index, in file order
// (`ffmpeg -i X -map 0 -c copy -f framemd5 -`). Empty on failure.
std::map<int, std::vector<std::string>> PacketHashes(const std::filesystem::path& file);

// Every packet's presentation time in seconds, per stream index in file
// order, as libavformat reads it: a Matroska block's timestamp minus its
// track's CodecDelay, an MP4 sample's time through the edit list (priming
// before zero). `videoStreams` names the video streams. Empty on failure.
struct PacketTimeline {
  std::map<int, std::vector<double>> seconds;
  std::vector<int> videoStreams;
};
PacketTimeline PacketTimes(const std::filesystem::path& file);

struct MkvSummary {
  bool readCleanly = false;  // mkvmerge -J exit 0, recognised and supported
  int trackCount = 0;
  bool hasCues = false;  // mkvinfo lists a Cues element
  std::string writingApplication;
  std::vector<std::string> codecIds;       // per track
  std::vector<std::string> codecPrivates;  // per track, as bytes
  std::string errors;
};
MkvSummary InspectMatroska(const std::filesystem::path& file);

// What `ffmpeg -i source -map 0 -c copy out.mkv` makes of it: the output, or
// nullopt when ffmpeg refuses (its error text in *error).
std::optional<std::filesystem::path> FfmpegCopyToMatroska(const std::filesystem::path& source,
                                                          const std::filesystem::path& output,
                                                          std::string* error = nullptr);

}  // namespace media_test
