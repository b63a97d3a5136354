// Pin walking for the graph manager.
#pragma once

#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/dshow/core/dshow.h"

// The pins of `filter` in its order, of one direction, optionally only the free ones.
std::vector<ComPtr<IPin>> PinsOf(IBaseFilter* filter, PIN_DIRECTION direction, bool freeOnly);
// The filter a pin belongs to, or null.
ComPtr<IBaseFilter> FilterOf(IPin* pin);
// The filter at the other end of a connected pin, or null.
ComPtr<IBaseFilter> PeerFilterOf(IPin* pin);
bool IsConnected(IPin* pin);
// Breaks every connection of the filter's pins, on both sides.
void DisconnectAll(IBaseFilter* filter);
