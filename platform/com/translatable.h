// Marks a text the user sees so that Qt's lupdate lists it for translation.
// The text itself stays as it is (English): the window layer translates it
// when it is shown (platform/win32/user/display_text.h), so code below the
// window layer needs no Qt. Every text of the program is in the one context
// "Corvane", and a text filled in before it is shown is marked as its format
// ("%s exists. Do you want to replace it?"). It sits with the COM runtime
// because every layer may include that.
#pragma once

// Spelled exactly as Qt spells it, so that both definitions may meet.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
