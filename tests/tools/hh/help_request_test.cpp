#include "tools/hh/help_request.h"

#include <gtest/gtest.h>

#include "tools/hh/chm_contents.h"

namespace {

TEST(HelpRequest, JoinsAFolderWithBlanksThatArrivesAsSeveralArguments) {
  const HelpRequest request = parseHelpRequest({"/opt/My", "Apps/corvane/help.chm::/Introduction.htm"});
  EXPECT_EQ(request.file, "/opt/My Apps/corvane/help.chm");
  EXPECT_EQ(request.topic, "/Introduction.htm");
}

TEST(HelpRequest, SplitsAtTheLastSeparatorAndRootsTheTopic) {
  EXPECT_EQ(parseHelpRequest({"/a::b/help.chm::/x.htm#part"}).file, "/a::b/help.chm");
  EXPECT_EQ(parseHelpRequest({"/a::b/help.chm::/x.htm#part"}).topic, "/x.htm#part");
  EXPECT_EQ(parseHelpRequest({"help.chm::x.htm"}).topic, "/x.htm");
  EXPECT_EQ(parseHelpRequest({"ms-its:/d/help.chm::/x.htm"}).file, "/d/help.chm");
}

TEST(HelpRequest, WithoutATopicAsksForTheDefaultOne) {
  for (const QStringList& arguments :
       {QStringList{"/d/help.chm"}, QStringList{"/d/help.chm::"}, QStringList{"/d/help.chm::/"}}) {
    const HelpRequest request = parseHelpRequest(arguments);
    EXPECT_EQ(request.file, "/d/help.chm") << arguments.join(' ').toStdString();
    EXPECT_TRUE(request.topic.isEmpty()) << arguments.join(' ').toStdString();
  }
  EXPECT_TRUE(parseHelpRequest({}).file.isEmpty());
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
