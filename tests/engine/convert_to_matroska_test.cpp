#include "engine/convert_to_matroska.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/com/com_runtime.h"
#include "tests/engine/engine_fixture.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr HRESULT kAccessDenied = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
constexpr char kInterleavingLine[] = "Setting interleaving mode to INTERLEAVE_FULL\r\n";
constexpr char kWaitingLines[] =
    "Waiting for completion...\n  This could take several minutes, depending on file size and selected "
    "profile.\n";

class ConversionTest : public EngineTest {
 protected:
  // A graph, a multiplexer that grows inputs and a File Writer.
  void InstallAll() {
    InstallGraph();
    InstallMux();
    InstallWriter();
  }
  void ExpectAllMessagesFromTheEngine() {
    for (const auto& box : messages.boxes) {
      EXPECT_EQ(box.owner, nullptr);
      EXPECT_EQ(box.caption, "Pellumbra");
      EXPECT_EQ(box.type, MB_OK);
    }
  }
  // The links of the multiplexer the conversion left, "from -> to", sorted.
  std::vector<std::string> MuxLinks() {
    std::vector<std::string> links;
    for (const auto& pin : mux->Pins()) {
      if (!pin->Peer()) continue;
      const std::string peer = static_cast<FakePin*>(pin->Peer())->FullName();
      links.push_back(pin->Direction() == PINDIR_INPUT ? peer + " -> " + pin->FullName()
                                                       : pin->FullName() + " -> " + peer);
    }
    std::sort(links.begin(), links.end());
    return links;
  }
};

TEST_F(ConversionTest, ReaderAndSplitterSourceIsStrippedAndRewiredToTheMultiplexer) {
  InstallAll();
  RenderThroughSplitter(2);

  EXPECT_EQ(Convert(), S_OK);

  EXPECT_THAT(messages.boxes, IsEmpty());
  EXPECT_EQ(printed, std::string(kInterleavingLine) + kWaitingLines);
  // Decoders and renderers are gone and every stream goes to the file.
  EXPECT_THAT(graph->FilterNames(), ElementsAre("Reader", "Splitter", "Mux", "Writer"));
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Splitter.out0 -> MkvMux.in0",
                                      "Splitter.out1 -> MkvMux.in1"));
  EXPECT_EQ(writer->fileName, kOutputPath);
  EXPECT_EQ(Filter("Reader")->Pin(PINDIR_OUTPUT, 0)->Peer(), Filter("Splitter")->Pin(PINDIR_INPUT, 0));
  EXPECT_EQ(mux->interleavingMode, INTERLEAVE_FULL);
  EXPECT_EQ(graph->freedEvents, 1);
}

TEST_F(ConversionTest, SourceThatSplitsByItselfFeedsTheMultiplexerWithoutASplitterLookup) {
  InstallAll();
  RenderSelfSplittingSource(2);

  EXPECT_EQ(Convert(), S_OK);

  EXPECT_THAT(messages.boxes, IsEmpty());
  EXPECT_THAT(graph->FilterNames(), ElementsAre("Source", "Mux", "Writer"));
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Source.out0 -> MkvMux.in0",
                                      "Source.out1 -> MkvMux.in1"));
}

TEST_F(ConversionTest, RefusedStreamLeavesItsInputFreeForTheNextStream) {
  InstallGraph();
  InstallMux(3, false).Pin(PINDIR_INPUT, 1)->acceptResult = VFW_E_TYPE_NOT_ACCEPTED;
  InstallWriter();
  RenderThroughSplitter(3);

  EXPECT_EQ(Convert(), S_OK);

  EXPECT_THAT(messages.Texts(),
              ElementsAre("Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x8004022a\n"));
  ExpectAllMessagesFromTheEngine();
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Splitter.out0 -> MkvMux.in0",
                                      "Splitter.out2 -> MkvMux.in2"));
  EXPECT_EQ(graph->waits, 1);
}

TEST_F(ConversionTest, RefusedStreamWithNoInputLeftForTheNextStopsTheConversion) {
  InstallGraph();
  InstallMux(2, false).Pin(PINDIR_INPUT, 1)->acceptResult = VFW_E_TYPE_NOT_ACCEPTED;
  InstallWriter();
  RenderThroughSplitter(3);

  EXPECT_EQ(Convert(), VFW_E_TYPE_NOT_ACCEPTED);

  EXPECT_THAT(messages.Texts(),
              ElementsAre("Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x8004022a\n",
                          "Failed to find intput pin on pMux!  hr=0x8004022a\n",
                          "Failed to connect 2 filters!  hr=0x8004022a\n"));
  ExpectAllMessagesFromTheEngine();
  EXPECT_THAT(LoggedCalls({"Run"}), IsEmpty());
  EXPECT_EQ(printed, kInterleavingLine);
}

TEST_F(ConversionTest, MissingMultiplexerInputsAreReportedAndTheSameIndexOfferedAgain) {
  InstallGraph();
  InstallMux(1, false);
  InstallWriter();
  RenderThroughSplitter(3);

  EXPECT_EQ(Convert(), S_OK);  // the last connection attempted succeeded

  EXPECT_THAT(messages.Texts(), ElementsAre("Failed to find intput pin on pMux!  hr=0x0\n",
                                            "Failed to find intput pin on pMux!  hr=0x0\n"));
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Splitter.out0 -> MkvMux.in0"));
}

TEST_F(ConversionTest, MultiplexerThatWritesTheFileItselfNeedsNoFileWriter) {
  InstallGraph();
  InstallMux().isFileSink = true;
  InstallWriter();
  RenderThroughSplitter(1);

  EXPECT_EQ(Convert(), S_OK);

  EXPECT_EQ(mux->fileName, kOutputPath);
  EXPECT_THAT(graph->FilterNames(), ElementsAre("Reader", "Splitter", "Mux"));
  EXPECT_THAT(MuxLinks(), ElementsAre("Splitter.out0 -> MkvMux.in0"));
}

TEST_F(ConversionTest, MissingMultiplexerSendsTheUserToTheSupportPage) {
  InstallGraph();
  InstallWriter();
  RenderThroughSplitter(1);

  EXPECT_EQ(Convert(), REGDB_E_CLASSNOTREG);

  EXPECT_THAT(messages.Texts(), ElementsAre("CreateFilter: Failed to create filter!  hr=0x80040154\n",
                                            "Please install MKV codec!  hr=0x80040154\n"));
  ExpectAllMessagesFromTheEngine();
  ASSERT_EQ(shell.launches.size(), 1u);
  EXPECT_EQ(shell.launches[0].verb, "open");
  EXPECT_EQ(shell.launches[0].file, kMatroskaSupportPageUrl);
}

// How a conversion that got as far as running ends: what the test sets up,
// the result, the messages and what was printed.
struct RunEnding {
  const char* name;
  void (*setUp)(FakeGraph& graph, FakeFilter& mux);
  HRESULT result;
  std::vector<std::string> messages;
  std::string printed = std::string(kInterleavingLine) + kWaitingLines;
};

void PrintTo(const RunEnding& ending, std::ostream* out) { *out << ending.name; }

class RunEndingTest : public ConversionTest, public ::testing::WithParamInterface<RunEnding> {};

TEST_P(RunEndingTest, IsReportedAsItWas) {
  InstallAll();
  RenderThroughSplitter(1);
  GetParam().setUp(*graph, *mux);

  EXPECT_EQ(Convert(), GetParam().result);

  EXPECT_EQ(messages.Texts(), GetParam().messages);
  ExpectAllMessagesFromTheEngine();
  EXPECT_EQ(printed, GetParam().printed);
}

const RunEnding kRunEndings[] = {
    {"CleanRunReturnsWhatStopReturned",
     [](FakeGraph& g, FakeFilter&) { g.stopResult = S_FALSE; },
     S_FALSE,
     {}},
    {"MultiplexerWithoutInterleavingPrintsNoInterleavingLine",
     [](FakeGraph&, FakeFilter& m) { m.hasInterleaving = false; },
     S_OK,
     {},
     kWaitingLines},
    {"UserAbortIsAFailure",
     [](FakeGraph& g, FakeFilter&) {
       g.ending = {EC_USERABORT, 0, 0};
       g.stopResult = S_FALSE;
     },
     E_ABORT,
     {"Failed to write the Matroska file!  hr=0x80004004\n"}},
    // Reported, and the conversion goes on.
    {"ClockThatCannotBeSetAside",
     [](FakeGraph& g, FakeFilter&) { g.setSyncSourceResult = E_FAIL; },
     S_OK,
     {"SetNoClock: Failed to set sync source!  hr=0x80004005\n"}},
    {"GraphWithoutMediaFilter",
     [](FakeGraph& g, FakeFilter&) { g.offersMediaFilter = false; },
     S_OK,
     {"SetNoClock: Failed to QI for media filter!  hr=0x80004002\n"}},
    // Exactly two messages, and a run that failed to start is not waited for.
    {"RunThatFails",
     [](FakeGraph& g, FakeFilter&) { g.runResult = VFW_E_RUNTIME_ERROR; },
     VFW_E_RUNTIME_ERROR,
     {"Failed to run the graph!  hr=0x8004020b\nCopy aborted.\n\n",
      "Please check that you have selected the correct profile for copying.\n"
      "Note that if your source ASF file is audio-only, then selecting a\n"
      "video profile will cause a failure when running the graph.\n\n"},
     kInterleavingLine},
};

INSTANTIATE_TEST_SUITE_P(Conversion, RunEndingTest, ::testing::ValuesIn(kRunEndings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConversionTest, RunEndingOnAnErrorEventIsReportedAsTheFailureItWas) {
  InstallAll();
  RenderThroughSplitter(1);
  graph->eventsBeforeEnding = {{EC_STREAM_ERROR_STOPPED + 100, 5, 6}};  // unrelated, freed all the same
  graph->ending = {EC_ERRORABORT, HRESULT_FROM_WIN32(ERROR_DISK_FULL), 0};
  graph->waitsBeforeEnd = 3;

  EXPECT_EQ(Convert(), HRESULT_FROM_WIN32(ERROR_DISK_FULL));

  EXPECT_THAT(messages.Texts(), ElementsAre("Failed to write the Matroska file!  hr=0x80070070\n"));
  EXPECT_EQ(graph->waits, 3);
  EXPECT_EQ(graph->freedEvents, 2);
  EXPECT_THAT(LoggedCalls({"Stop"}), ElementsAre("Stop"));
}

TEST_F(ConversionTest, SourceNothingCanRenderIsNamedInTheMessage) {
  InstallAll();
  graph->renderFileResult = VFW_E_UNKNOWN_FILE_TYPE;

  EXPECT_EQ(Convert("/videos/clip \xC3\xA9t\xC3\xA9.xyz"), VFW_E_UNKNOWN_FILE_TYPE);

  EXPECT_THAT(
      messages.Texts(),
      ElementsAre("Failed to render source file /videos/clip \xC3\xA9t\xC3\xA9.xyz!  hr=0x80040240\n"));
  EXPECT_EQ(printed, "");
}

TEST_F(ConversionTest, GraphWithoutSourceFilterEndsQuietlyWithSFalse) {
  InstallAll();
  graph->onRenderFile = [this](FakeGraph& into) { into.Place(NewFilter("Transform", 1, 1)); };

  EXPECT_EQ(Convert(), S_FALSE);

  EXPECT_THAT(messages.boxes, IsEmpty());
  EXPECT_EQ(printed, "Failed to CountFilterPins!\n");
}

TEST_F(ConversionTest, UnconnectedReaderOutputStopsAtTheSplitterLookup) {
  InstallAll();
  graph->onRenderFile = [this](FakeGraph& into) { into.Place(NewFilter("Reader", 0, 1)); };

  EXPECT_EQ(Convert(), VFW_E_NOT_CONNECTED);

  ASSERT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(messages.boxes[0].text, "Cannot find the input pin of splitter");
  EXPECT_EQ(messages.boxes[0].caption, "Error");
  EXPECT_EQ(messages.boxes[1].text, "Failed to pSplitterFilter!  hr=0x80040209\n");
  EXPECT_EQ(messages.boxes[1].caption, "Pellumbra");
}

TEST_F(ConversionTest, PathsThatDoNotFitAreRefusedBeforeUse) {
  InstallAll();
  RenderThroughSplitter(1);
  const std::string tooLong = "/videos/" + std::string(MAX_PATH, 'a') + ".mkv";

  EXPECT_EQ(Convert(kSourcePath, tooLong.c_str()), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  EXPECT_THAT(messages.Texts(), ElementsAre("Path is too long!  hr=0x800700ce\n"));
  EXPECT_EQ(Convert(tooLong.c_str(), kOutputPath), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  EXPECT_EQ(messages.boxes.size(), 2u);
  EXPECT_EQ(Convert(kSourcePath, "/videos/\xFF.mkv"), HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(messages.boxes.back().text, "Path is not valid text!  hr=0x80070459\n");
  EXPECT_THAT(LoggedCalls({"RenderFile", "SetFileName"}), IsEmpty());
}

// One failing step of building the conversion graph: what the test breaks,
// the messages that follow, and the result.
struct BrokenStep {
  const char* name;
  void (*breakIt)(FakeGraph& graph, FakeFilter& mux, FakeFilter& writer);
  std::vector<std::string> messages;
  HRESULT result;
};

void PrintTo(const BrokenStep& step, std::ostream* out) { *out << step.name; }

class BrokenStepTest : public ConversionTest, public ::testing::WithParamInterface<BrokenStep> {};

TEST_P(BrokenStepTest, IsReportedInOrderAndEndsTheConversionWithoutRunning) {
  InstallAll();
  RenderThroughSplitter(1);
  GetParam().breakIt(*graph, *mux, *writer);

  EXPECT_EQ(Convert(), GetParam().result);

  EXPECT_EQ(messages.Texts(), GetParam().messages);
  ExpectAllMessagesFromTheEngine();
  EXPECT_THAT(LoggedCalls({"Run"}), IsEmpty());
}

const BrokenStep kBrokenSteps[] = {
    {"GraphCreation",
     [](FakeGraph&, FakeFilter&, FakeFilter&) { CoUnregisterClass(CLSID_FilterGraph); },
     {"CreateFilterGraph: Failed to create graph!  hr=0x80040154\n",
      "Couldn't create filter graph! hr=0x80040154"},
     REGDB_E_CLASSNOTREG},
    {"FileWriterCreation",
     [](FakeGraph&, FakeFilter&, FakeFilter&) { CoUnregisterClass(CLSID_FileWriter); },
     {"CreateFilter: Failed to create filter!  hr=0x80040154\n",
      "Failed to create FileWriter filter!  hr=0x80040154\n"},
     REGDB_E_CLASSNOTREG},
    {"FileWriterWithoutSink",
     [](FakeGraph&, FakeFilter&, FakeFilter& w) { w.isFileSink = false; },
     {"Failed to create QI IFileSinkFilter!  hr=0x80004002\n"},
     E_NOINTERFACE},
    {"FileName",
     [](FakeGraph&, FakeFilter&, FakeFilter& w) { w.setFileNameResult = kAccessDenied; },
     {"Failed to set target filename!  hr=0x80070005\n"},
     kAccessDenied},
    {"AddingTheMultiplexer",
     [](FakeGraph& g, FakeFilter&, FakeFilter&) { g.addFilterResults["Mux"] = E_OUTOFMEMORY; },
     {"Failed to add Mux filter to graph!  hr=0x8007000e\n"},
     E_OUTOFMEMORY},
    {"AddingTheWriter",
     [](FakeGraph& g, FakeFilter&, FakeFilter&) { g.addFilterResults["Writer"] = VFW_E_DUPLICATE_NAME; },
     {"Failed to add FileWriter filter to graph!  hr=0x8004023e\n"},
     VFW_E_DUPLICATE_NAME},
    // A pin search that runs out of pins shows the search's own result but
    // returns a failure, never that S_FALSE.
    {"MultiplexerOutputPin",
     [](FakeGraph&, FakeFilter& m, FakeFilter&) { m.Pin(PINDIR_OUTPUT, 0)->connectedToResult = S_OK; },
     {"Failed to find output pin on Mux!  hr=0x1\n"},
     VFW_E_NOT_FOUND},
    {"WriterInputPin",
     [](FakeGraph&, FakeFilter&, FakeFilter& w) { w.enumPinsResult = E_OUTOFMEMORY; },
     {"Failed to find input pin on FileWriter!  hr=0x8007000e\n"},
     E_OUTOFMEMORY},
    {"MultiplexerToWriter",
     [](FakeGraph&, FakeFilter&, FakeFilter& w) {
       w.Pin(PINDIR_INPUT, 0)->acceptResult = VFW_E_CANNOT_CONNECT;
     },
     {"Failed to connect Mux to FileWriter!  hr=0x80040217\n"},
     VFW_E_CANNOT_CONNECT},
    {"MultiplexerPinCount",
     [](FakeGraph&, FakeFilter& m, FakeFilter&) {
       m.isFileSink = true;  // so that no pin search comes before the count
       m.enumPinsResult = E_FAIL;
     },
     {"Failed to CountFilterPins!  hr=0x80004005\n", "Failed to connect 2 filters!  hr=0x80004005\n"},
     E_FAIL},
    {"MediaControl",
     [](FakeGraph& g, FakeFilter&, FakeFilter&) { g.offersMediaControl = false; },
     {"Failed to QI for IMediaControl!  hr=0x80004002\n"},
     E_NOINTERFACE},
};

INSTANTIATE_TEST_SUITE_P(Conversion, BrokenStepTest, ::testing::ValuesIn(kBrokenSteps),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
