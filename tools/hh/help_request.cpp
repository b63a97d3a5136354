#include "tools/hh/help_request.h"

#include "tools/hh/chm_archive.h"

namespace {

// Prefixes that address a page inside a compiled help file as a URL; the
// viewer accepts them too, so a request copied from such a link still works.
QString withoutUrlPrefix(const QString& request) {
  for (const QLatin1StringView prefix : {QLatin1StringView("ms-its:"), QLatin1StringView("mk:@MSITStore:")}) {
    if (request.startsWith(prefix, Qt::CaseInsensitive)) return request.mid(prefix.size());
  }
  return request;
}

QString normalizedTopic(QString topic) {
  while (topic.startsWith(u'/')) topic.remove(0, 1);
  return topic.isEmpty() ? QString() : u'/' + topic;
}

}  // namespace

HelpRequest parseHelpRequest(const QStringList& arguments) {
  const QString request = withoutUrlPrefix(arguments.join(u' '));
  const qsizetype separator = request.lastIndexOf(QLatin1StringView("::"));
  if (separator < 0) return {request, QString()};
  return {request.left(separator), normalizedTopic(request.mid(separator + 2))};
}

std::optional<QString> findRequestedTopic(const ChmArchive& archive, const HelpRequest& request) {
  const QString topic = request.topic.isEmpty() ? archive.defaultTopic() : request.topic;
  const QString page = topic.section(u'#', 0, 0);
  if (page.isEmpty() || !archive.read(page)) return std::nullopt;
  return topic;
}
