#include "tools/hh/chm_contents.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QString decodeEntities(QString text) {
  static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9a-fA-F]+);"));
  QRegularExpressionMatch match;
  qsizetype from = 0;
  while ((match = numeric.match(text, from)).hasMatch()) {
    const char32_t code = match.captured(2).toUInt(nullptr, match.captured(1).isEmpty() ? 10 : 16);
    const QString character = QString::fromUcs4(&code, 1);
    text.replace(match.capturedStart(), match.capturedLength(), character);
    from = match.capturedStart() + character.size();
  }
  text.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
  text.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
  text.replace(QLatin1StringView("&quot;"), QLatin1StringView("\""));
  return text.replace(QLatin1StringView("&amp;"), QLatin1StringView("&"));
}

// The value of one attribute of a tag, quoted with either quote or bare.
QString attribute(const QString& attributes, QStringView name) {
  static const QRegularExpression pattern(
      QStringLiteral(R"re(([\w-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re"));
  for (const QRegularExpressionMatch& match : pattern.globalMatch(attributes)) {
    if (match.capturedView(1).compare(name, Qt::CaseInsensitive) != 0) continue;
    for (int group = 2; group <= 4; ++group) {
      if (match.capturedStart(group) >= 0) return decodeEntities(match.captured(group));
    }
  }
  return QString();
}

void takeParam(const QString& attributes, ContentsEntry& entry) {
  const QString name = attribute(attributes, u"name");
  if (name.compare(QLatin1StringView("Name"), Qt::CaseInsensitive) == 0) {
    entry.name = attribute(attributes, u"value");
  } else if (name.compare(QLatin1StringView("Local"), Qt::CaseInsensitive) == 0) {
    entry.local = attribute(attributes, u"value");
  }
}

QString decodeSitemap(const QByteArray& sitemap) {
  QStringDecoder decoder = QStringDecoder::decoderForHtml(sitemap);
  return decoder.isValid() ? decoder.decode(sitemap) : QString::fromLatin1(sitemap);
}

}  // namespace

QList<ContentsEntry> parseContents(const QByteArray& sitemap) {
  static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                      QRegularExpression::CaseInsensitiveOption);
  QList<ContentsEntry> entries;
  ContentsEntry current;
  int listDepth = 0;
  for (const QRegularExpressionMatch& match : tag.globalMatch(decodeSitemap(sitemap))) {
    const bool closing = !match.capturedView(1).isEmpty();
    const QString element = match.captured(2).toLower();
    if (element == u"ul") {
      listDepth = closing ? qMax(0, listDepth - 1) : listDepth + 1;
    } else if (element == u"object") {
      if (closing && !current.name.isEmpty()) entries.append(current);
      current = ContentsEntry{QString(), QString(), qMax(0, listDepth - 1)};
    } else if (!closing) {
      takeParam(match.captured(3), current);
    }
  }
  return entries;
}
