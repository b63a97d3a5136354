// Reading a pin's direction without trusting the pin to answer.
#pragma once

#include <cstring>
#include <type_traits>

#include "platform/dshow/core/dshow.h"

// Neither direction: what a pin that does not say its direction is taken for,
// so that it never passes for an input pin.
constexpr int kNoPinDirection = 3;

// Asks the pin for its direction and returns it as a number, kNoPinDirection
// when the pin wrote none. The answer goes through raw storage because 3 is no
// value a PIN_DIRECTION variable may hold.
inline int QueryPinDirection(IPin* pin, HRESULT* result) {
  alignas(PIN_DIRECTION) unsigned char storage[sizeof(PIN_DIRECTION)];
  const auto sentinel = static_cast<std::underlying_type_t<PIN_DIRECTION>>(kNoPinDirection);
  std::memcpy(storage, &sentinel, sizeof storage);
  *result = pin->QueryDirection(reinterpret_cast<PIN_DIRECTION*>(storage));
  std::underlying_type_t<PIN_DIRECTION> direction;
  std::memcpy(&direction, storage, sizeof direction);
  return static_cast<int>(direction);
}
