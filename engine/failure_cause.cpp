#include "engine/failure_cause.h"

#include <array>
#include <cctype>
#include <utility>

#include "platform/com/translatable.h"

namespace {

constexpr std::array<std::pair<HRESULT, const char*>, 16> kCauses{{
    {HRESULT_FROM_WIN32(ERROR_DISK_FULL), QT_TRANSLATE_NOOP("Corvane", "the disk is full")},
    {HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), QT_TRANSLATE_NOOP("Corvane", "access was denied")},
    {HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), QT_TRANSLATE_NOOP("Corvane", "a file was not found")},
    {HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND), QT_TRANSLATE_NOOP("Corvane", "a folder was not found")},
    {HRESULT_FROM_WIN32(ERROR_DIRECTORY),
     QT_TRANSLATE_NOOP("Corvane", "a folder stands where a file was expected")},
    {HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE), QT_TRANSLATE_NOOP("Corvane", "a file name is too long")},
    {HRESULT_FROM_WIN32(ERROR_WRITE_FAULT),
     QT_TRANSLATE_NOOP("Corvane", "the disk reported a read or write error")},
    {HRESULT_FROM_WIN32(ERROR_READ_FAULT), QT_TRANSLATE_NOOP("Corvane", "the disk reported a read error")},
    {HRESULT_FROM_WIN32(ERROR_HANDLE_EOF),
     QT_TRANSLATE_NOOP("Corvane", "the source ended before its data did")},
    {E_OUTOFMEMORY, QT_TRANSLATE_NOOP("Corvane", "the computer ran out of memory")},
    {E_ABORT, QT_TRANSLATE_NOOP("Corvane", "the conversion was stopped")},
    {VFW_E_UNSUPPORTED_STREAM,
     QT_TRANSLATE_NOOP("Corvane", "the source is not a video file Corvane can read")},
    {VFW_E_UNKNOWN_FILE_TYPE,
     QT_TRANSLATE_NOOP("Corvane", "the source is not a video file Corvane can read")},
    {VFW_E_CANNOT_RENDER, QT_TRANSLATE_NOOP("Corvane", "the source is not a video file Corvane can read")},
    {VFW_E_INVALID_FILE_FORMAT, QT_TRANSLATE_NOOP("Corvane", "the source is damaged or not a video file")},
    {VFW_E_FILE_TOO_SHORT, QT_TRANSLATE_NOOP("Corvane", "the source is too short to be a video file")},
}};

}  // namespace

std::string PlainCause(HRESULT hr) {
  const std::string known = KnownCause(hr);
  return known.empty() ? QT_TRANSLATE_NOOP("Corvane", "an unexpected error") : known;
}

std::string KnownCause(HRESULT hr) {
  for (const auto& [code, cause] : kCauses) {
    if (code == hr) return cause;
  }
  return {};
}

std::string CauseSentence(HRESULT hr) {
  std::string cause = KnownCause(hr);
  if (cause.empty()) return cause;
  cause.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(cause.front())));
  return cause + ".";
}
