// The viewer's window on the built help file, and the viewer run as a program.
#include "tools/hh/help_window.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTreeWidget>

#include "tools/hh/chm_browser.h"

namespace {

class HelpWindowTest : public testing::Test {
 protected:
  HelpWindow window{ChmArchive::open(QStringLiteral(CORVANE_HELP_FILE)).value()};
};

TEST_F(HelpWindowTest, ShowsATopicTitledAfterItsPageAndMarksItInTheContents) {
  window.openTopic("/Messages.htm");
  EXPECT_EQ(window.windowTitle(), "Corvane Help: Messages");
  ASSERT_NE(window.contents()->currentItem(), nullptr);
  EXPECT_EQ(window.contents()->currentItem()->text(0), "Messages");

  window.openTopic("/Introduction.htm#settings");
  EXPECT_EQ(window.windowTitle(), "Corvane Help: Introduction");
  ASSERT_NE(window.contents()->currentItem(), nullptr);
  EXPECT_EQ(window.contents()->currentItem()->parent(), window.contents()->topLevelItem(0));
}

TEST_F(HelpWindowTest, ClickingAContentsEntryOpensItsTopic) {
  const QList<QTreeWidgetItem*> found = window.contents()->findItems("The command line", Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  emit window.contents()->itemClicked(found.first(), 0);
  EXPECT_EQ(window.browser()->source(), ChmBrowser::topicUrl("/CommandLine.htm"));
  EXPECT_EQ(window.windowTitle(), "Corvane Help: The command line");
}

TEST_F(HelpWindowTest, ResolvesImagesAgainstTheShownPage) {
  window.openTopic("/Introduction.htm");
  const QVariant image =
      window.browser()->loadResource(QTextDocument::ImageResource, QUrl("images/flow.png"));
  EXPECT_EQ(image.toByteArray(), window.browser()->archive().read("/images/flow.png"));
  EXPECT_FALSE(
      window.browser()->loadResource(QTextDocument::ImageResource, QUrl("file:///etc/passwd")).isValid());
}

// The viewer is started with no one to tell about a failure: it must end at
// once, with status 1 and nothing on screen or on its outputs. It inherits the
// offscreen platform the test application set.
TEST(HelpViewerProgram, EndsQuietlyWithStatusOneOnAMissingFileOrTopic) {
  const QStringList requests{"/nonexistent/help.chm::/Introduction.htm", CORVANE_HELP_FILE "::/Missing.htm"};
  for (const QString& request : requests) {
    QProcess viewer;
    viewer.start(CORVANE_HH_PROGRAM, request.split(u' '));
    ASSERT_TRUE(viewer.waitForFinished(30000)) << request.toStdString();
    EXPECT_EQ(viewer.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(viewer.exitCode(), 1) << request.toStdString();
    EXPECT_TRUE(viewer.readAll().isEmpty());
    EXPECT_TRUE(viewer.readAllStandardError().isEmpty());
  }
}

}  // namespace
