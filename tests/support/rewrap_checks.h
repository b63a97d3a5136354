// The checks every rewrap in these tests must pass.
#pragma once

#include <filesystem>

#include "tests/support/media_fixtures.h"

// The output reads cleanly in ffprobe and mkvmerge, has Cues, the same
// streams (codec, language, title), the same packets per stream as the
// source (or as `ffmpeg -c copy` where the muxer reformats the bitstream),
// and a duration within 1 ms of `ffmpeg -c copy`'s (or of the source's when
// ffmpeg refuses).
void ExpectFaithfulRewrap(const media_test::MediaFixture& fixture, const std::filesystem::path& source,
                          const std::filesystem::path& output, double durationTolerance = 0.001);
