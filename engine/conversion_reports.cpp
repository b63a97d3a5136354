#include "engine/conversion_reports.h"

#include <cstdarg>
#include <utility>

#include "engine/formatted_text.h"

namespace {

thread_local ConversionListener* t_listener = nullptr;

}  // namespace

ReportingTo::ReportingTo(ConversionListener& listener) : m_previous(std::exchange(t_listener, &listener)) {}

ReportingTo::~ReportingTo() { t_listener = m_previous; }

ConversionListener& CurrentListener() {
  static thread_local MessageBoxListener boxes;
  return t_listener ? *t_listener : boxes;
}

void ReportFailure(HRESULT code, const char* format, ...) {
  va_list args;
  va_start(args, format);
  ConversionMessage message{MessageKind::kFailure, FormattedTextV(format, args), code};
  va_end(args);
  CurrentListener().OnMessage(message);
}

void ReportError(const char* text) { CurrentListener().OnMessage({MessageKind::kError, text, S_OK}); }

void ReportDiagnostic(const char* line) { CurrentListener().OnDiagnostic(line); }
