// Finding pins by direction and position, the splitter behind the source, and
// pairing the streams of the stream filter with the multiplexer's inputs. All
// of it works on a stopped graph.
#pragma once

#include "platform/dshow/core/dshow.h"

// The pin with the given zero-based index among the filter's pins of that
// direction; *pin is the caller's reference. E_FAIL when there is none.
HRESULT PinAt(IBaseFilter* filter, PIN_DIRECTION direction, ULONG index, IPin** pin);

// Like PinAt but without a reference of the caller's own: the pin stays valid
// while its filter holds it. nullptr when there is none.
IPin* InputPinAt(IBaseFilter* filter, ULONG index);
IPin* OutputPinAt(IBaseFilter* filter, ULONG index);

// The pin with the given index among the filter's pins of that direction that
// are connected (or free, when `connected` is false); *pin is the caller's
// reference. When none matches, *pin is nullptr and the result is that of the
// last IEnumPins::Next, normally S_FALSE.
HRESULT FindMatchingPin(IBaseFilter* filter, PIN_DIRECTION direction, ULONG index, bool connected,
                        IPin** pin);

// The filter that the source filter's first output pin feeds; *splitter is the
// caller's reference. S_FALSE, *splitter untouched, when the source filter has
// no output pin.
HRESULT FindSplitterFilter(IBaseFilter* sourceFilter, IBaseFilter** splitter);

// Connects output pin i of the stream filter directly to input pin i of the
// multiplexer, less the outputs before it for which the multiplexer had no
// input pin. A stream that fails is reported and the next one is tried; the
// result is that of the last connection attempted.
HRESULT ConnectStreamsToMux(IFilterGraph* graph, IBaseFilter* streamFilter, IBaseFilter* mux);
