// FFmpeg's own log lines ("[mov,mp4,... @ 0x...] moov atom not found") are
// for developers; users get Corvane's messages. Every line the libraries log
// comes here instead of the terminal, and goes only where a front end asks.
#pragma once

#include <functional>
#include <string>

// One finished line, without its line break, and FFmpeg's level for it
// (AV_LOG_ERROR, AV_LOG_WARNING, ...).
using LibraryLogSink = std::function<void(int level, const std::string& line)>;

// Routes the libraries' log to `sink` (empty: nowhere), for lines at `maxLevel`
// or more severe. Call before any conversion starts: the sink is called on the
// streaming threads.
void RouteLibraryLog(LibraryLogSink sink, int maxLevel);
