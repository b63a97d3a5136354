// The translation of the program's texts into the desktop's language, applied
// where a text reaches the screen: window captions, controls, message boxes,
// file dialogs. Without a translation (an English desktop, the tests) every
// text is shown exactly as the program wrote it.
#pragma once

#include <QString>
#include <span>

// The one translation context of the program's texts (see translatable.h).
inline constexpr char kProgramTextContext[] = "Corvane";

// Loads and installs `<catalog>_<language>.qm` from `folder` for the first of
// the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that is
// English or has one. Returns the catalogue's language ("de"), empty for
// English.
QString InstallDesktopTranslation(const QString& folder, const QString& catalog);

// The formats ("%s exists. Do you want to replace it?") by which a text the
// program formatted before showing it is recognised and translated.
// Not owned: they must outlive their use.
void SetDisplayTextFormats(std::span<const char* const> formats);

// `text` in the installed language. A text is translated line by line; a line
// is found as it is, by one of the formats, or sentence by sentence.
QString DisplayText(const char* text);
QString DisplayText(const QString& text);
