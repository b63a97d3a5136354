// The cause behind a conversion's result code, in plain words for the line
// that ends a failure on the command line.
#pragma once

#include <string>

#include "platform/com/hresult.h"

// "the disk is full", "access was denied", "the source is not a video file
// Corvane can read", ...; a general phrase for codes without a known cause.
std::string PlainCause(HRESULT hr);
