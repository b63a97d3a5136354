#include "tools/hh/help_request.h"

#include <gtest/gtest.h>

#include "tools/hh/chm_contents.h"

namespace {

// A folder with blanks arrives as several arguments; the topic follows the
// last separator, rooted; without one the default topic is asked for.
TEST(HelpRequest, SplitsTheArgumentsIntoTheFileAndTheTopic) {
  struct Case {
    QStringList arguments;
    QString file;
    QString topic;
  };
  for (const Case& c : {Case{{"/opt/My", "Apps/corvane/help.chm::/Introduction.htm"},
                             "/opt/My Apps/corvane/help.chm",
                             "/Introduction.htm"},
                        Case{{"/a::b/help.chm::/x.htm#part"}, "/a::b/help.chm", "/x.htm#part"},
                        Case{{"help.chm::x.htm"}, "help.chm", "/x.htm"},
                        Case{{"ms-its:/d/help.chm::/x.htm"}, "/d/help.chm", "/x.htm"},
                        Case{{"/d/help.chm"}, "/d/help.chm", ""}, Case{{"/d/help.chm::"}, "/d/help.chm", ""},
                        Case{{"/d/help.chm::/"}, "/d/help.chm", ""}, Case{{}, "", ""}}) {
    const HelpRequest request = parseHelpRequest(c.arguments);
    EXPECT_EQ(request.file, c.file) << c.arguments.join(' ').toStdString();
    EXPECT_EQ(request.topic, c.topic) << c.arguments.join(' ').toStdString();
  }
}

TEST(ChmContents, ReadsNestedEntriesAndSkipsTheSiteProperties) {
  const QByteArray sitemap =
      R"(<OBJECT type="text/site properties"><param name="ImageType" value="Folder"></OBJECT>
    <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Start &amp; end">
          <param name="Local" value="a.htm"></OBJECT>
      <ul><li><object type='text/sitemap'><PARAM NAME=name VALUE='Part &#65;'>
          <param value="a.htm#p" name="Local"></object></ul>
      <LI><OBJECT type="text/sitemap"><param name="Name" value="Last"></OBJECT>
    </UL>)";
  const QList<ContentsEntry> expected{{"Start & end", "a.htm", 0}, {"Part A", "a.htm#p", 1}, {"Last", "", 0}};
  EXPECT_EQ(parseContents(sitemap), expected);
}

}  // namespace
