#include "tools/corvane-remux/engine_messages.h"

#include <cstdio>
#include <string_view>

#include "platform/win32/message_box.h"

namespace {

class StandardErrorMessages final : public MessageBoxBackend {
 public:
  int Show(HWND /*owner*/, const char* text, const char* /*caption*/, UINT type) override {
    std::string_view rest = text ? text : "";
    while (!rest.empty()) {
      const std::size_t end = rest.find('\n');
      const std::string_view line = rest.substr(0, end);
      if (!line.empty() && line != "\r")
        std::fprintf(stderr, "corvane-remux: %.*s\n", static_cast<int>(line.size()), line.data());
      rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    std::fflush(stderr);
    return DefaultMessageBoxAnswer(type);
  }
};

}  // namespace

void PrintEngineMessagesOnStandardError() {
  static StandardErrorMessages messages;
  SetMessageBoxBackend(&messages);
}
