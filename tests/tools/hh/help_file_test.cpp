// The help file the build compiles from our pages, read as the viewer reads it.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <QUrl>

#include "tools/hh/chm_archive.h"
#include "tools/hh/help_request.h"

namespace {

// Every href and src of a page, resolved against the page.
QStringList linkedPaths(const QString& page, const QByteArray& html) {
  static const QRegularExpression link(QStringLiteral(R"re((?:href|src)="([^"#]+)[^"]*")re"));
  QStringList paths;
  for (const QRegularExpressionMatch& match : link.globalMatch(QString::fromUtf8(html))) {
    paths.append(QUrl(page).resolved(QUrl(match.captured(1))).path());
  }
  return paths;
}

TEST(HelpFile, OpensAtTheIntroductionWithItsImage) {
  const ChmArchive archive = ChmArchive::open(QStringLiteral(CORVANE_HELP_FILE)).value();
  const std::optional<QString> topic = findRequestedTopic(archive, HelpRequest{CORVANE_HELP_FILE, QString()});
  ASSERT_TRUE(topic.has_value());
  EXPECT_EQ(*topic, "/Introduction.htm");
  const QImage image = QImage::fromData(archive.read("/images/flow.png").value_or(QByteArray()));
  EXPECT_FALSE(image.isNull());
  EXPECT_TRUE(archive.read("introduction.HTM").has_value()) << "names match regardless of case";
}

// A missing file or topic: HelpViewerProgram.EndsQuietlyWithStatusOneOnAMissingFileOrTopic.
TEST(HelpFile, RefusesWhatIsNoCompiledHelp) {
  QTemporaryFile notHelp;
  ASSERT_TRUE(notHelp.open());
  notHelp.write("<html>not a compiled help file</html>");
  notHelp.flush();
  EXPECT_FALSE(ChmArchive::open(notHelp.fileName()).has_value());
}

TEST(HelpFile, EveryContentsEntryAndEveryLinkLeadsToAStoredPage) {
  const ChmArchive archive = ChmArchive::open(QStringLiteral(CORVANE_HELP_FILE)).value();
  const QList<ContentsEntry> topics = archive.topics();
  ASSERT_FALSE(topics.isEmpty());
  EXPECT_EQ(topics.first().name, "Introduction");
  EXPECT_EQ(topics.first().local, "/Introduction.htm");
  QSet<QString> pages;
  for (const ContentsEntry& entry : topics) pages.insert(entry.local.section(u'#', 0, 0));
  for (const QString& page : pages) {
    const std::optional<QByteArray> html = archive.read(page);
    ASSERT_TRUE(html.has_value()) << page.toStdString();
    for (const QString& linked : linkedPaths(page, *html)) {
      EXPECT_TRUE(archive.read(linked).has_value()) << linked.toStdString() << " from " << page.toStdString();
    }
  }
}

}  // namespace
