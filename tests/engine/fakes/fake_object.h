// What every fake of the engine tests shares: a count of live objects (so a
// test can check that every reference was given back) and strictness (a call
// no test expects fails it).
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/com/unknown.h"

// Objects of the fakes not yet destroyed.
int& LiveFakeObjects();

class FakeObject : public RefCount {
 public:
  FakeObject() { ++LiveFakeObjects(); }
  ~FakeObject() override { --LiveFakeObjects(); }
};

// The body of every method the engine has no business calling.
#define UNEXPECTED_CALL()                                          \
  do {                                                             \
    ADD_FAILURE() << "unexpected call of " << __PRETTY_FUNCTION__; \
    return E_UNEXPECTED;                                           \
  } while (0)

std::string Narrow(const WCHAR* text);
