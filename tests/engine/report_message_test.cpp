#include "engine/report_message.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/fakes/recording_backends.h"

namespace {

TEST(ReportMessage, CutsLongTextsAt1023Characters) {
  RecordingMessageBoxes messages;
  const std::string path(2000, 'p');
  ReportMessage("Failed to render source file %s!  hr=0x%x\n", path.c_str(), 1u);
  const std::string expected = ("Failed to render source file " + path).substr(0, 1023);
  EXPECT_EQ(messages.boxes.at(0).text, expected);
}

}  // namespace
