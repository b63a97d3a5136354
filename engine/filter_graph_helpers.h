// Small operations on a DirectShow graph that the conversion is built from.
// Those whose failure the user should see report it themselves, so that the
// caller's own message follows theirs. All run on the thread that owns the
// main window.
#pragma once

#include <functional>

#include "platform/dshow/core/dshow.h"

// Makes a Filter Graph Manager; *graph is the caller's reference, or nullptr
// on failure.
HRESULT CreateFilterGraph(IGraphBuilder** graph);

// Makes a filter of an installed class; *filter is the caller's reference, or
// nullptr on failure.
HRESULT CreateFilter(REFCLSID clsid, IBaseFilter** filter);

// Takes the reference clock away so that the graph copies as fast as it can
// instead of in real time.
HRESULT SetNoClock(IFilterGraph* graph);

// Called on the waiting thread with the running graph between the waits,
// after the window messages are handled.
using BetweenWaits = std::function<void(IGraphBuilder* graph)>;

// Returns when the graph reports that its run has ended, however it ended,
// handling the thread's window messages between waits of at most 100 ms.
void WaitForGraphCompletion(IGraphBuilder* graph, const BetweenWaits& betweenWaits = {});

// Disconnects and removes every filter downstream of `filter`, the farthest
// first; `filter` and everything upstream of it stay.
void RemoveDownstreamFilters(IBaseFilter* filter, IFilterGraph* graph);

HRESULT CountFilterPins(IBaseFilter* filter, ULONG* inputPins, ULONG* outputPins);

// The first filter in the graph's order with no input pin and at least one
// output pin: the filter that reads the source. The caller owns the
// reference; nullptr when no filter qualifies.
IBaseFilter* FindSourceFilter(IFilterGraph* graph);
