#include "tests/support/media_checks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <cmath>
#include <sstream>

namespace fs = std::filesystem;

namespace media_test {
namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QJsonObject ParseObject(const std::string& json) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
}

StreamSummary SummaryOf(const QJsonObject& stream) {
  const QJsonObject tags = stream["tags"].toObject();
  StreamSummary summary;
  summary.codecType = stream["codec_type"].toString().toStdString();
  summary.codecName = stream["codec_name"].toString().toStdString();
  summary.language = tags["language"].toString().toStdString();
  summary.title = tags["title"].toString().toStdString();
  return summary;
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         std::chrono::seconds limit) {
  QStringList arguments;
  for (const std::string& arg : args) arguments << Text(arg);
  QProcess process;
  process.start(Text(program), arguments);
  ProcessResult result;
  if (!process.waitForStarted()) return result;
  process.closeWriteChannel();
  if (!process.waitForFinished(static_cast<int>(std::chrono::milliseconds(limit).count()))) {
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  if (process.exitStatus() == QProcess::NormalExit) result.exitCode = process.exitCode();
  return result;
}

ProbeResult Probe(const fs::path& file) {
  const ProcessResult run = RunProgram("ffprobe", {"-v", "error", "-show_streams", "-show_format",
                                                   "-show_chapters", "-of", "json", file.string()});
  ProbeResult probe;
  probe.errors = run.err;
  probe.ok = run.exitCode == 0 && run.err.empty();
  const QJsonObject root = ParseObject(run.out);
  for (const QJsonValue& stream : root["streams"].toArray())
    probe.streams.push_back(SummaryOf(stream.toObject()));
  const QJsonObject format = root["format"].toObject();
  probe.durationSeconds = format["duration"].toString("-1").toDouble();
  probe.chapterCount = static_cast<int>(root["chapters"].toArray().size());
  const QJsonObject tags = format["tags"].toObject();
  for (auto it = tags.begin(); it != tags.end(); ++it) {
    probe.tags[it.key().toLower().toStdString()] = it.value().toString().toStdString();
  }
  return probe;
}

std::map<int, std::vector<std::string>> PacketHashes(const fs::path& file) {
  const ProcessResult run =
      RunProgram("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-i", file.string(), "-map",
                            "0", "-c", "copy", "-f", "framemd5", "-"});
  std::map<int, std::vector<std::string>> hashes;
  if (run.exitCode != 0) return hashes;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    // One framemd5 line: "stream, dts, pts, duration, size, hash"; comments start with '#'.
    if (line.starts_with('#')) continue;
    const QStringList fields = Text(line).split(',', Qt::SkipEmptyParts);
    if (fields.size() < 6) continue;
    hashes[fields[0].trimmed().toInt()].push_back(
        (fields[4].trimmed() + " " + fields[5].trimmed()).toStdString());
  }
  return hashes;
}

PacketTimeline PacketTimes(const fs::path& file) {
  const ProcessResult run = RunProgram(
      "ffprobe", {"-v", "error", "-show_entries", "packet=stream_index,pts_time:stream=index,codec_type",
                  "-of", "json", file.string()});
  PacketTimeline timeline;
  if (run.exitCode != 0) return timeline;
  const QJsonObject root = ParseObject(run.out);
  for (const QJsonValue& stream : root["streams"].toArray()) {
    if (stream["codec_type"].toString() == "video") timeline.videoStreams.push_back(stream["index"].toInt());
  }
  for (const QJsonValue& packet : root["packets"].toArray()) {
    bool known = false;
    const double seconds = packet["pts_time"].toString().toDouble(&known);
    timeline.seconds[packet["stream_index"].toInt()].push_back(known ? seconds : std::nan(""));
  }
  return timeline;
}

MkvSummary InspectMatroska(const fs::path& file) {
  MkvSummary summary;
  const ProcessResult identify = RunProgram("mkvmerge", {"-J", file.string()});
  const QJsonObject root = ParseObject(identify.out);
  const QJsonObject container = root["container"].toObject();
  summary.errors = QJsonDocument(root["errors"].toArray()).toJson(QJsonDocument::Compact).toStdString();
  summary.readCleanly = identify.exitCode == 0 && container["recognized"].toBool() &&
                        container["supported"].toBool() && root["errors"].toArray().isEmpty();
  summary.trackCount = static_cast<int>(root["tracks"].toArray().size());
  summary.writingApplication =
      container["properties"].toObject()["writing_application"].toString().toStdString();
  for (const QJsonValue track : root["tracks"].toArray()) {
    const QJsonObject properties = track.toObject()["properties"].toObject();
    summary.codecIds.push_back(properties["codec_id"].toString().toStdString());
    const QString hex = properties["codec_private_data"].toString();
    summary.codecPrivates.push_back(QByteArray::fromHex(hex.toLatin1()).toStdString());
  }
  const ProcessResult info = RunProgram("mkvinfo", {"-v", file.string()});
  summary.hasCues = info.exitCode == 0 && info.out.find("|+ Cues") != std::string::npos;
  return summary;
}

std::optional<fs::path> FfmpegCopyToMatroska(const fs::path& source, const fs::path& output,
                                             std::string* error) {
  const ProcessResult run =
      RunProgram("ffmpeg", {"-y", "-hide_banner", "-loglevel", "error", "-nostdin", "-i", source.string(),
                            "-map", "0", "-c", "copy", output.string()});
  if (error) *error = run.err;
  if (run.exitCode != 0) return std::nullopt;
  return output;
}

}  // namespace media_test
