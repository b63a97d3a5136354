#include "tests/support/media_fixtures.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

#include "tests/support/media_checks.h"

namespace fs = std::filesystem;

namespace media_test {
namespace {

using Args = std::vector<std::string>;

Args Video(const std::string& seconds = "2") {
  return {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=" + seconds};
}
Args Tone(int rate, const std::string& frequency = "440", const std::string& seconds = "2") {
  return {"-f", "lavfi", "-i",
          "sine=frequency=" + frequency + ":sample_rate=" + std::to_string(rate) + ":duration=" + seconds};
}
Args Join(std::initializer_list<Args> parts) {
  Args all;
  for (const Args& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Args kX264 = {"-c:v", "libx264", "-preset", "ultrafast", "-g", "25", "-bf", "2", "-pix_fmt", "yuv420p"};

// Makes `path` once: `write` fills a partial file of this process's own,
// renamed to `path` when it succeeded, so that test processes running side
// by side never see half a file nor write into each other's.
bool MakeOnce(const fs::path& path, const std::function<bool(const fs::path& partial)>& write) {
  if (fs::exists(path)) return true;
  const fs::path partial =
      path.string() + ".partial" + std::to_string(::getpid()) + path.extension().string();
  const bool made = write(partial);
  if (made) fs::rename(partial, path);
  fs::remove(partial);
  return made;
}

std::string RandomBytes(std::mt19937::result_type seed, std::size_t size) {
  std::mt19937 generator(seed);
  std::string bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(generator() & 0xFF);
  return bytes;
}

// Inputs some fixtures need besides lavfi sources: a subtitle file and chapters.
fs::path WriteSideFile(const std::string& name, const std::string& text) {
  const fs::path path = MediaCacheDir() / name;
  if (!fs::exists(path)) std::ofstream(path) << text;
  return path;
}

fs::path SubtitleFile() {
  return WriteSideFile("subtitles.srt",
                       "1\n00:00:00,200 --> 00:00:00,900\nFirst line\n\n"
                       "2\n00:00:01,000 --> 00:00:01,800\nSecond line\n\n");
}

std::string SrtTime(int ms) {
  char text[32];
  std::snprintf(text, sizeof text, "00:00:%02d,%03d", ms / 1000, ms % 1000);
  return text;
}

fs::path ChapterFile() {
  return WriteSideFile("chapters.txt",
                       ";FFMETADATA1\ntitle=Chaptered clip\n"
                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Opening\n"
                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=2000\ntitle=Closing\n");
}

std::vector<MediaFixture> MakeFixtures() {
  std::vector<MediaFixture> all;
  all.push_back(
      {"mp4", "h264_aac.mp4",
       Join({Video(), Tone(48000), kX264, {"-c:a", "aac", "-b:a", "64k", "-metadata", "title=Test clip"}}), 1,
       1});
  all.push_back({"mov", "h264_pcm.mov", Join({Video(), Tone(44100), kX264, {"-c:a", "pcm_s16le"}}), 1, 1});
  all.push_back(
      {"avi", "mpeg4_mp3.avi",
       Join({Video(), Tone(44100), {"-c:v", "mpeg4", "-q:v", "5", "-c:a", "libmp3lame", "-b:a", "64k"}}), 1,
       1});
  MediaFixture ts{"ts", "h264_ac3.ts", Join({Video(), Tone(48000), kX264, {"-c:a", "ac3", "-b:a", "96k"}}), 1,
                  1};
  ts.bitstreamReformatted = true;
  all.push_back(ts);
  MediaFixture ps{"mpeg_ps", "mpeg2_mp2.mpg",
                  Join({Video(), Tone(48000), {"-c:v", "mpeg2video", "-bf", "2", "-g", "12", "-c:a", "mp2"}}),
                  1, 1};
  ps.lacksTimestamps = true;
  all.push_back(ps);
  all.push_back(
      {"flv", "flv1_mp3.flv",
       Join({Video(), Tone(44100), {"-c:v", "flv", "-q:v", "5", "-c:a", "libmp3lame", "-b:a", "64k"}}), 1,
       1});
  all.push_back({"webm", "vp9_opus.webm",
                 Join({Video(),
                       Tone(48000),
                       {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8", "-b:v", "200k",
                        "-c:a", "libopus", "-b:a", "48k"}}),
                 1, 1});
  all.push_back(
      {"ogg", "theora_vorbis.ogg",
       Join({Video(), Tone(44100), {"-c:v", "libtheora", "-q:v", "5", "-c:a", "libvorbis", "-q:a", "2"}}), 1,
       1});
  all.push_back({"mkv_subs_chapters", "subs_chapters.mkv",
                 Join({Video(),
                       Tone(48000),
                       {"-i", SubtitleFile().string(), "-i", ChapterFile().string(), "-map", "0", "-map", "1",
                        "-map", "2", "-map_metadata", "3", "-map_chapters", "3"},
                       kX264,
                       {"-c:a", "aac", "-b:a", "64k", "-c:s", "srt", "-metadata:s:s:0", "language=eng"}}),
                 1, 1, 1});
  all.push_back({"wmv", "wmv2_wma.wmv",
                 Join({Video(), Tone(44100), {"-c:v", "wmv2", "-q:v", "5", "-c:a", "wmav2", "-b:a", "64k"}}),
                 1, 1});
  all.push_back({"audio_only", "tone.mp3",
                 Join({Tone(44100), {"-c:a", "libmp3lame", "-b:a", "64k", "-metadata", "artist=Corvane"}}), 0,
                 1});
  all.push_back({"two_audio", "two_languages.mp4",
                 Join({Video(),
                       Tone(48000),
                       Tone(48000, "660"),
                       {"-map", "0", "-map", "1", "-map", "2"},
                       kX264,
                       {"-c:a", "aac", "-b:a", "64k", "-metadata:s:a:0", "language=eng", "-metadata:s:a:1",
                        "language=fra", "-metadata:s:a:1", "title=Commentary", "-disposition:a:1", "0"}}),
                 1, 2});
  return all;
}

// Two DVD subpictures, made from one picture by spumux into an MPEG-PS.
fs::path SubpicturesVob() { return MediaCacheDir() / "subpictures.vob"; }

std::string SpuLayout(const fs::path& picture) {
  std::string layout = "<subpictures><stream>\n";
  for (const char* times :
       {R"(start="00:00:00.20" end="00:00:00.90")", R"(start="00:00:01.00" end="00:00:01.80")"})
    layout += std::string("<spu ") + times + " image=\"" + picture.string() + "\"/>\n";
  return layout + "</stream></subpictures>\n";
}

// The intermediate files are named after the partial file: test processes
// running side by side may make the same fixture at once.
bool WriteSubpictures(const fs::path& partial) {
  const fs::path picture = partial.string() + ".png", video = partial.string() + ".mpg",
                 layout = partial.string() + ".xml";
  std::ofstream(layout) << SpuLayout(picture);
  const ProcessResult made = RunProgram(
      "ffmpeg",
      Join({{"-y", "-loglevel", "error", "-nostdin", "-f", "lavfi", "-i",
             "color=c=black@0:s=320x240,format=rgba,drawbox=x=40:y=180:w=240:h=30:color=white:t=fill"},
            Video(),
            {"-map", "0:v", "-frames:v", "1", picture.string(), "-map", "1:v", "-c:v", "mpeg2video", "-f",
             "dvd", video.string()}}));
  const ProcessResult muxed = RunProgram("sh", {"-c", "spumux -s0 \"$1\" < \"$2\" > \"$3\"", "spumux",
                                                layout.string(), video.string(), partial.string()});
  const bool ok = made.exitCode == 0 && muxed.exitCode == 0;
  if (!ok) ADD_FAILURE() << "could not make the DVD subpictures: " << made.err << muxed.err;
  for (const fs::path& path : {picture, video, layout}) fs::remove(path);
  return ok;
}

bool MakeSubpicturesVob() { return MakeOnce(SubpicturesVob(), WriteSubpictures); }

std::vector<MediaFixture> MakeCodecFixtures() {
  // MPEG-2 video, which the Matroska muxer copies as it is in either container.
  const Args subpictures =
      Join({Video(), {"-i", SubpicturesVob().string(), "-map", "0", "-map", "1:s", "-c:v", "mpeg2video"}});
  std::vector<MediaFixture> all;
  all.push_back(
      {"dnxhd_mov", "dnxhd_pcm24.mov",
       Join({Video(),
             Tone(48000),
             {"-c:v", "dnxhd", "-profile:v", "dnxhr_lb", "-pix_fmt", "yuv422p", "-c:a", "pcm_s24le"}}),
       1, 1});
  all.push_back(
      {"rawvideo_avi", "rawvideo.avi", Join({Video("1"), {"-c:v", "rawvideo", "-pix_fmt", "yuv420p"}}), 1});
  all.push_back({"ffv1_adpcm_avi", "ffv1_adpcm.avi",
                 Join({Video("1"), Tone(44100, "440", "1"), {"-c:v", "ffv1", "-c:a", "adpcm_ima_wav"}}), 1,
                 1});
  all.push_back({"v210_mov", "v210.mov", Join({Video("1"), {"-c:v", "v210"}}), 1});
  all.push_back(
      {"vobsub", "vobsub.mkv", Join({subpictures, {"-c:s", "dvdsub", "-s:s", "720x576"}}), 1, 0, 1});
  all.push_back({"dvbsub", "dvbsub.ts", Join({subpictures, {"-c:s", "dvbsub"}}), 1, 0, 1});
  for (MediaFixture& fixture : all) {
    if (fixture.subtitleStreams > 0) fixture.makeInputs = MakeSubpicturesVob;
  }
  return all;
}

bool Generate(const MediaFixture& fixture, const fs::path& partial) {
  if (fixture.makeInputs && !fixture.makeInputs()) return false;
  Args args = {"-y", "-hide_banner", "-loglevel", "error", "-nostdin"};
  args.insert(args.end(), fixture.ffmpegArgs.begin(), fixture.ffmpegArgs.end());
  args.push_back(partial.string());
  const ProcessResult result = RunProgram("ffmpeg", args);
  if (result.exitCode != 0) {
    ADD_FAILURE() << "ffmpeg could not make fixture " << fixture.name << ": " << result.err;
    return false;
  }
  return true;
}

// A copy of `whole` named `prefix` + its name, with `change` made to it;
// empty when `whole` is.
fs::path ChangedCopy(const fs::path& whole, const std::string& prefix,
                     const std::function<void(const fs::path& copy)>& change) {
  if (whole.empty()) return {};
  const fs::path path = MediaCacheDir() / (prefix + whole.filename().string());
  MakeOnce(path, [&](const fs::path& partial) {
    fs::copy_file(whole, partial, fs::copy_options::overwrite_existing);
    change(partial);
    return true;
  });
  return path;
}

}  // namespace

fs::path MediaCacheDir() {
  const fs::path dir = CORVANE_TEST_MEDIA_DIR;
  fs::create_directories(dir);
  return dir;
}

const std::vector<MediaFixture>& GoodFixtures() {
  static const std::vector<MediaFixture> fixtures = MakeFixtures();
  return fixtures;
}

const std::vector<MediaFixture>& CodecFixtures() {
  static const std::vector<MediaFixture> fixtures = MakeCodecFixtures();
  return fixtures;
}

const MediaFixture& FixtureNamed(const std::string& name) {
  for (const MediaFixture& fixture : GoodFixtures()) {
    if (fixture.name == name) return fixture;
  }
  throw std::invalid_argument("no fixture named " + name);
}

fs::path FixturePath(const MediaFixture& fixture) {
  const fs::path target = MediaCacheDir() / fixture.fileName;
  return MakeOnce(target, [&](const fs::path& partial) { return Generate(fixture, partial); }) ? target
                                                                                               : fs::path();
}

fs::path EmptyFile() {
  const fs::path path = MediaCacheDir() / "empty.avi";
  std::ofstream(path, std::ios::trunc);
  return path;
}

fs::path RandomBytesFile() {
  const fs::path path = MediaCacheDir() / "random.mp4";
  MakeOnce(path, [](const fs::path& partial) {
    return static_cast<bool>(std::ofstream(partial, std::ios::binary) << RandomBytes(20240611, 256 * 1024));
  });
  return path;
}

fs::path TruncatedMp4() { return CutShort(IndexFirst(FixtureNamed("mp4")), 50); }

MediaFixture IndexFirst(const MediaFixture& fixture) {
  MediaFixture indexFirst = fixture;
  indexFirst.name += "_index_first";
  indexFirst.fileName = "faststart_" + fixture.fileName;
  indexFirst.ffmpegArgs.insert(indexFirst.ffmpegArgs.end(), {"-movflags", "+faststart"});
  return indexFirst;
}

MediaFixture VideoThenAudioMp4() {
  MediaFixture fixture = FixtureNamed("mp4");
  fixture.name = "mp4_video_then_audio";
  fixture.fileName = "video_then_audio.mp4";
  fixture.ffmpegArgs.insert(fixture.ffmpegArgs.end(),
                            {"-movflags", "+empty_moov", "-frag_duration", "10000000"});
  return fixture;
}

fs::path CutShort(const MediaFixture& fixture, int percent) {
  return ChangedCopy(FixturePath(fixture), "cut" + std::to_string(percent) + "_", [&](const fs::path& copy) {
    fs::resize_file(copy, fs::file_size(copy) * percent / 100);
  });
}

fs::path DamagedInTheMiddle(const MediaFixture& fixture) {
  return ChangedCopy(FixturePath(fixture), "damaged_", [](const fs::path& copy) {
    const std::string noise = RandomBytes(20240612, 20 * 1024);
    std::fstream file(copy, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(static_cast<std::streamoff>(fs::file_size(copy) / 2));
    file.write(noise.data(), static_cast<std::streamsize>(noise.size()));
  });
}

fs::path CutIntoMediaData(const MediaFixture& fixture, int bytes) {
  return ChangedCopy(FixturePath(fixture), "cut_media" + std::to_string(bytes) + "_",
                     [&](const fs::path& copy) {
                       const ProcessResult first =
                           RunProgram("ffprobe", {"-v", "error", "-read_intervals", "%+#1", "-show_entries",
                                                  "packet=pos", "-of", "csv=p=0", copy.string()});
                       fs::resize_file(copy, std::stoll(first.out.empty() ? "0" : first.out) + bytes);
                     });
}

fs::path FontAttachmentMkv() {
  // The muxers copy an attachment's bytes without reading them.
  const fs::path font = WriteSideFile("font.ttf", std::string(3000, 'F'));
  return FixturePath({"font_attachment", "font_attachment.mkv",
                      Join({Video("1"),
                            {"-c:v", "mpeg4", "-attach", font.string(), "-metadata:s:t",
                             "mimetype=application/x-truetype-font"}})});
}

fs::path CoverPictureMp3() {
  return FixturePath(
      {"cover_picture", "cover_picture.mp3",
       Join({Tone(44100, "440", "1"),
             {"-f", "lavfi", "-i", "testsrc2=size=64x64:duration=0.04", "-frames:v", "1", "-map", "0", "-map",
              "1", "-c:a", "libmp3lame", "-c:v", "mjpeg", "-disposition:v", "attached_pic"}})});
}

fs::path TimecodeMov() {
  return FixturePath({"timecode", "timecode.mov", Join({Video("1"), kX264, {"-timecode", kStartTimecode}})});
}

fs::path DvdVob() {
  return FixturePath(
      {"dvd", "mpeg2_mp2_nav.vob",
       Join({Video("1"), Tone(48000, "440", "1"), {"-c:v", "mpeg2video", "-c:a", "mp2", "-f", "dvd"}})});
}

fs::path ChapteredMp4() {
  return FixturePath({"mp4_chapters", "h264_aac_chapters.mp4",
                      Join({Video("2"),
                            Tone(48000),
                            {"-i", ChapterFile().string(), "-map", "0", "-map", "1", "-map_chapters", "2"},
                            kX264,
                            {"-c:a", "aac", "-b:a", "64k"}})});
}

fs::path UnknownDataTrackNut() {
  return FixturePath(
      {"nut_data",
       "h264_data.nut",
       {"-i", ChapteredMp4().string(), "-map", "0:0", "-map", "0:2", "-c", "copy", "-map_chapters", "-1"}});
}

// `cat` of two segments, as broadcast captures are joined: each keeps its
// own timestamps and continuity counters.
fs::path JoinedRecordingsTs() {
  const Args segment = Join({Video("1"), Tone(48000, "440", "1"), kX264, {"-c:a", "aac", "-b:a", "64k"}});
  const fs::path second =
      FixturePath({"ts_part2", "join_part2.ts", Join({segment, {"-output_ts_offset", "3600"}})});
  if (second.empty()) return {};
  return ChangedCopy(FixturePath({"ts_part1", "join_part1.ts", segment}), "joined_",
                     [&](const fs::path& copy) {
                       std::ofstream(copy, std::ios::binary | std::ios::app)
                           << std::ifstream(second, std::ios::binary).rdbuf();
                     });
}

fs::path PtsWrapTs() {
  // 2^33 ticks of 90 kHz are 95 443.72 s; the muxer starts 1.4 s after the offset.
  return FixturePath(
      {"pts_wrap", "pts_wrap.ts",
       Join({Video(), Tone(48000), kX264, {"-c:a", "aac", "-b:a", "64k", "-output_ts_offset", "95442"}})});
}

const std::vector<TimedCue>& TimedTextCues() {
  static const std::vector<TimedCue> cues = {{200, 900, "Première ligne"}, {1000, 1800, "Deux\nlignes"}};
  return cues;
}

fs::path TimedTextMp4() {
  std::string srt;
  for (std::size_t i = 0; i < TimedTextCues().size(); ++i) {
    const TimedCue& cue = TimedTextCues()[i];
    srt += std::to_string(i + 1) + "\n" + SrtTime(cue.startMs) + " --> " + SrtTime(cue.endMs) + "\n" +
           cue.text + "\n\n";
  }
  const fs::path subtitles = WriteSideFile("timed_text.srt", srt);
  return FixturePath({"timed_text", "timed_text.mp4",
                      Join({Video(),
                            Tone(48000),
                            {"-i", subtitles.string(), "-map", "0", "-map", "1", "-map", "2"},
                            kX264,
                            {"-c:a", "aac", "-b:a", "64k", "-c:s", "mov_text", "-metadata:s:s:0",
                             std::string("language=") + kTimedTextLanguage, "-metadata:s:s:0",
                             "title=Sous-titres", "-disposition:s:0", "default"}})});
}

fs::path MissingFile() { return MediaCacheDir() / "no such folder" / "missing.mp4"; }

fs::path UnicodePathCopy() {
  const fs::path dir = MediaCacheDir() / "folder with spaces";
  fs::create_directories(dir);
  const fs::path path = dir / "Clip – été Ünïcödé 映像.mp4";
  const fs::path source = FixturePath(FixtureNamed("mp4"));
  if (!fs::exists(path) && !source.empty()) fs::copy_file(source, path, fs::copy_options::overwrite_existing);
  return path;
}

fs::path ScratchDir(const std::string& testName) {
  const fs::path dir = MediaCacheDir() / "scratch" / testName;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

}  // namespace media_test
