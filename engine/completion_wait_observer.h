// A hook into the conversion's completion wait: the front ends show progress
// or stop the run from it, without the engine knowing about either.
#pragma once

#include <functional>

#include "platform/dshow/core/dshow.h"

// Called on the waiting thread with the running graph between the wait's
// slices (every 100 ms at most), after the window messages are handled.
using CompletionWaitObserver = std::function<void(IGraphBuilder* graph)>;

// Installs `observer` for the calling thread and returns the previous one; an
// empty function removes it.
CompletionWaitObserver SetCompletionWaitObserver(CompletionWaitObserver observer);
