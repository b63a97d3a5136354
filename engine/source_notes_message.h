// The one message that tells the user a finished conversion holds less than
// its source: the streams left out and where a damaged or cut-off source
// stopped being readable.
#pragma once

#include <string>

#include "platform/dshow/core/source_notes.h"

// Empty when the notes say the output holds everything.
std::string IncompleteSourceMessage(const SourceNotes& notes);
