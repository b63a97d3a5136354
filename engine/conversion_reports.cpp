#include "engine/conversion_reports.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace {

thread_local ConversionListener* t_listener = nullptr;

std::string Formatted(const char* format, va_list args) {
  va_list measuring;
  va_copy(measuring, args);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

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
  ConversionMessage message{MessageKind::kFailure, Formatted(format, args), code};
  va_end(args);
  CurrentListener().OnMessage(message);
}

void ReportError(const char* text) { CurrentListener().OnMessage({MessageKind::kError, text, S_OK}); }

void ReportDiagnostic(const char* line) { CurrentListener().OnDiagnostic(line); }
