// The cause behind a conversion's result code, in plain words, for the line
// that ends a failure message in the window and on the command line.
#pragma once

#include <string>

#include "platform/com/hresult.h"

// "the disk is full", "access was denied", "the source is not a video file
// Corvane can read", ...; a general phrase for codes without a known cause.
std::string PlainCause(HRESULT hr);

// The known cause alone; empty for codes without one.
std::string KnownCause(HRESULT hr);

// "The disk is full." as a line of its own under a failure message; empty
// for codes without a known cause.
std::string CauseSentence(HRESULT hr);
