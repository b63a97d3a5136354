// What the help viewer is asked to show. Its caller starts it with one
// unquoted command line, "FILE.chm::/TOPIC", that has been split at blanks, so
// a folder with blanks arrives as several arguments.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class ChmArchive;

struct HelpRequest {
  QString file;   // the compiled help file, as given
  QString topic;  // "/page.htm" with any "#anchor"; empty asks for the file's default topic
};

// Joins the arguments with single blanks and splits the result at its last
// "::" (a file path may itself hold "::", a topic may not).
HelpRequest parseHelpRequest(const QStringList& arguments);

// The topic to open for a request: the one asked for, else the archive's
// default topic; nothing when the archive does not hold that page.
std::optional<QString> findRequestedTopic(const ChmArchive& archive, const HelpRequest& request);
