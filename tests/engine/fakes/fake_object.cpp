#include "tests/engine/fakes/fake_object.h"

int& LiveFakeObjects() {
  static int live = 0;
  return live;
}

// The fakes only ever see ASCII names and paths.
std::string Narrow(const WCHAR* text) {
  std::string narrow;
  for (; text && *text; ++text) narrow += static_cast<char>(*text);
  return narrow;
}
