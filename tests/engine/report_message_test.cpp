#include "engine/report_message.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/source_notes_message.h"
#include "tests/support/scripted_desktop.h"

namespace {

TEST(ReportMessage, CutsLongTextsAt1023Characters) {
  ScriptedDesktop desktop;
  const std::string path(2000, 'p');
  ReportMessage("Failed to render source file %s!  hr=0x%x\n", path.c_str(), 1u);
  const std::string expected = ("Failed to render source file " + path).substr(0, 1023);
  EXPECT_EQ(desktop.boxes.at(0).text, expected);
}

TEST(IncompleteSourceMessage, SaysNothingForACompleteSourceAndNamesWhatIsMissingOtherwise) {
  EXPECT_EQ(IncompleteSourceMessage({}), "");

  SourceNotes notes;
  notes.leftOut.push_back({3, "data", "bin_data", "Matroska cannot carry this codec"});
  notes.damage = {true, false, 2, 3'723'456'789};  // cut off after 1 h 2 min 3.4 s
  const std::string text = IncompleteSourceMessage(notes);
  EXPECT_NE(text.find("stream 3 (data, bin_data): Matroska cannot carry this codec"), std::string::npos)
      << text;
  EXPECT_NE(text.find("cut off. Its readable part ends at 1:02:03.4. 2 damaged or incomplete packets"),
            std::string::npos)
      << text;

  notes = {};
  notes.damage = {true, false, 0, -1};
  EXPECT_NE(IncompleteSourceMessage(notes).find("Nothing of it could be read."), std::string::npos);
}

}  // namespace
