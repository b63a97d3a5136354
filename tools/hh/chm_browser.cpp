#include "tools/hh/chm_browser.h"

namespace {

const QString kScheme = QStringLiteral("chm");

}  // namespace

ChmBrowser::ChmBrowser(ChmArchive archive, QWidget* parent)
    : QTextBrowser(parent), archive_(std::move(archive)) {
  // Links stay inside the help file: opening "external" links would hand
  // every chm: address to the desktop's URL handler.
  setOpenExternalLinks(false);
}

QUrl ChmBrowser::topicUrl(const QString& topic) {
  const qsizetype hash = topic.indexOf(u'#');
  QUrl url;
  url.setScheme(kScheme);
  url.setPath(topic.left(hash), QUrl::DecodedMode);
  if (hash >= 0) url.setFragment(topic.mid(hash + 1), QUrl::DecodedMode);
  return url;
}

QVariant ChmBrowser::loadResource(int, const QUrl& name) {
  // The document resolves names against the page being loaded before it asks;
  // source() is no help here, as it still names the previous page meanwhile.
  const QUrl url = document()->baseUrl().resolved(name);
  if (url.scheme() != kScheme) return QVariant();
  const std::optional<QByteArray> data = archive_.read(url.path(QUrl::FullyDecoded));
  return data ? QVariant(*data) : QVariant();
}
