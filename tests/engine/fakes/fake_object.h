// What every fake of the engine tests shares: a count of live objects (so a
// test can check that every reference was given back) and strictness (a call
// no test expects fails it).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/com/unknown.h"

// Objects of the fakes not yet destroyed.
inline int g_liveFakeObjects = 0;

class FakeObject : public RefCount {
 public:
  FakeObject() { ++g_liveFakeObjects; }
  ~FakeObject() override { --g_liveFakeObjects; }
};

// The body of every method the engine has no business calling.
#define UNEXPECTED_CALL()                                          \
  do {                                                             \
    ADD_FAILURE() << "unexpected call of " << __PRETTY_FUNCTION__; \
    return E_UNEXPECTED;                                           \
  } while (0)

// The fakes only ever see ASCII names and paths.
inline std::string Narrow(const WCHAR* text) {
  std::string narrow;
  for (; text && *text; ++text) narrow += static_cast<char>(*text);
  return narrow;
}
