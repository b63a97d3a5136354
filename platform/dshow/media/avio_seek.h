// The arithmetic of an AVIOContext seek callback over a byte stream we
// position ourselves (the demuxer's reads, the Matroska writer's writes).
#pragma once

#include <cstdint>

// Applies a seek to `*position` and returns the new position; for
// AVSEEK_SIZE returns `size` without moving. `size` is negative when unknown:
// then AVSEEK_SIZE and SEEK_END fail with AVERROR(ENOSYS). A target before
// the start fails with AVERROR(EINVAL) and leaves `*position` as it was.
int64_t ApplyAvioSeek(int64_t* position, int64_t size, int64_t offset, int whence);
