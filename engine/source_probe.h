// A quiet look at a file before it is queued: can the installed filters
// build a playback graph for it?
#pragma once

// True when rendering `path` (UTF-8) succeeds, fully or in part; nothing is
// shown either way. The calling thread has initialised COM.
bool CanRenderSource(const char* path);
