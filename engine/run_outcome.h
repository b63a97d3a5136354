// How a finished run of the graph ended.
#pragma once

#include "platform/dshow/core/dshow.h"

// Takes every event left in the graph's queue and returns the failure the
// first error event carries (E_ABORT for a user abort), or S_OK when the run
// ended without one or the graph has no event queue.
HRESULT TakeRunFailure(IGraphBuilder* graph);
