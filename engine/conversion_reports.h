// How the engine's steps report: to the listener of the conversion that runs
// on the calling thread, or, outside a conversion, in message boxes as a
// MessageBoxListener shows them.
#pragma once

#include "engine/conversion_listener.h"

// Makes `listener` the one the engine's steps report to on this thread for
// as long as it lives.
class ReportingTo {
 public:
  explicit ReportingTo(ConversionListener& listener);
  ~ReportingTo();
  ReportingTo(const ReportingTo&) = delete;
  ReportingTo& operator=(const ReportingTo&) = delete;

 private:
  ConversionListener* m_previous;
};

ConversionListener& CurrentListener();

// A failed step: `format` and its arguments as printf makes them, for the
// failure `code`.
void ReportFailure(HRESULT code, const char* format, ...) __attribute__((format(printf, 2, 3)));
// A step that could not find what it needs, under the caption "Error".
void ReportError(const char* text);
void ReportDiagnostic(const char* line);
