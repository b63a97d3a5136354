#include "engine/report_message.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/fakes/recording_backends.h"

namespace {

TEST(ReportMessage, FormatsIntoAnOkBoxWithoutOwnerUnderTheProgramsCaption) {
  RecordingMessageBoxes messages;
  ReportMessage("Failed to render source file %s!  hr=0x%x\n", "/videos/a.mp4",
                HexCode(VFW_E_UNKNOWN_FILE_TYPE));
  ASSERT_EQ(messages.boxes.size(), 1u);
  EXPECT_EQ(messages.boxes[0].text, "Failed to render source file /videos/a.mp4!  hr=0x80040240\n");
  EXPECT_EQ(messages.boxes[0].caption, "Pellumbra");
  EXPECT_EQ(messages.boxes[0].owner, nullptr);
  EXPECT_EQ(messages.boxes[0].type, MB_OK);
}

TEST(ReportMessage, ShowsCodesAsUnsignedLowercaseHexWithoutLeadingZeros) {
  RecordingMessageBoxes messages;
  ReportMessage("%x %x %x", HexCode(S_OK), HexCode(S_FALSE), HexCode(E_POINTER));
  EXPECT_EQ(messages.boxes.at(0).text, "0 1 80004003");
}

TEST(ReportMessage, CutsLongTextsAt1023Characters) {
  RecordingMessageBoxes messages;
  const std::string path(2000, 'p');
  ReportMessage("Failed to render source file %s!  hr=0x%x\n", path.c_str(), 1u);
  const std::string expected = ("Failed to render source file " + path).substr(0, 1023);
  EXPECT_EQ(messages.boxes.at(0).text, expected);
}

}  // namespace
