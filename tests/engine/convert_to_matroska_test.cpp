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
const std::string kRunLines = std::string(kInterleavingLine) + kWaitingLines;

class ConversionTest : public EngineTest {
 public:
  // A graph, a multiplexer that grows inputs and a File Writer.
  void InstallAll() {
    InstallGraph();
    InstallMux();
    InstallWriter();
  }
  // The texts of the message boxes, each checked to be one of the engine's.
  std::vector<std::string> EngineTexts() {
    for (const auto& box : desktop.boxes) {
      EXPECT_EQ(box.owner, nullptr);
      EXPECT_EQ(box.caption, "Pellumbra");
      EXPECT_EQ(box.type, MB_OK);
    }
    return desktop.BoxTexts();
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
  RenderPlayback(2);

  EXPECT_EQ(Convert(), S_OK);

  // Decoders and renderers are gone and every stream goes to the file.
  EXPECT_THAT(graph->FilterNames(), ElementsAre("Splitter", "Reader", "Mux", "Writer"));
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Splitter.out0 -> MkvMux.in0",
                                      "Splitter.out1 -> MkvMux.in1"));
  EXPECT_EQ(writer->fileName, kOutputPath);
  EXPECT_EQ(Filter("Reader")->Pin(PINDIR_OUTPUT, 0)->Peer(), Filter("Splitter")->Pin(PINDIR_INPUT, 0));
  EXPECT_EQ(mux->interleavingMode, INTERLEAVE_FULL);
  EXPECT_EQ(graph->autoShow, OAFALSE);
  EXPECT_EQ(graph->freedEvents, 1);
}

TEST_F(ConversionTest, RefusedStreamLeavesItsInputFreeForTheNextStream) {
  InstallGraph();
  InstallMux(3, false).Pin(PINDIR_INPUT, 1)->acceptResult = VFW_E_TYPE_NOT_ACCEPTED;
  InstallWriter();
  RenderPlayback(3);

  EXPECT_EQ(Convert(), S_OK);

  EXPECT_THAT(EngineTexts(),
              ElementsAre("Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x8004022a\n"));
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Splitter.out0 -> MkvMux.in0",
                                      "Splitter.out2 -> MkvMux.in2"));
}

TEST_F(ConversionTest, MissingMultiplexerInputsAreReportedAndTheSameIndexOfferedAgain) {
  InstallAll();
  mux->addsInputPinWhenConnected = false;
  RenderPlayback(3);

  EXPECT_EQ(Convert(), S_OK);  // the last connection attempted succeeded

  EXPECT_THAT(EngineTexts(), ElementsAre("Failed to find intput pin on pMux!  hr=0x0\n",
                                         "Failed to find intput pin on pMux!  hr=0x0\n"));
  EXPECT_THAT(MuxLinks(), ElementsAre("MkvMux.out0 -> FileWriter.in0", "Splitter.out0 -> MkvMux.in0"));
}

TEST_F(ConversionTest, MultiplexerThatWritesTheFileItselfNeedsNoFileWriter) {
  InstallAll();
  mux->isFileSink = true;
  RenderPlayback(1);

  EXPECT_EQ(Convert(), S_OK);

  EXPECT_EQ(mux->fileName, kOutputPath);
  EXPECT_THAT(graph->FilterNames(), ElementsAre("Splitter", "Reader", "Mux"));
  EXPECT_THAT(MuxLinks(), ElementsAre("Splitter.out0 -> MkvMux.in0"));
}

TEST_F(ConversionTest, MissingMultiplexerSendsTheUserToTheSupportPage) {
  InstallGraph();
  InstallWriter();
  RenderPlayback(1);

  EXPECT_EQ(Convert(), REGDB_E_CLASSNOTREG);

  EXPECT_THAT(EngineTexts(), ElementsAre("CreateFilter: Failed to create filter!  hr=0x80040154\n",
                                         "Please install MKV codec!  hr=0x80040154\n"));
  ASSERT_EQ(desktop.shellLaunches.size(), 1u);
  EXPECT_EQ(desktop.shellLaunches[0].verb, "open");
  EXPECT_EQ(desktop.shellLaunches[0].file, kMatroskaSupportPageUrl);
}

TEST_F(ConversionTest, RunEndingOnAnErrorEventIsReportedAsTheFailureItWas) {
  InstallAll();
  RenderPlayback(1);
  graph->eventsBeforeEnding = {{EC_STREAM_ERROR_STOPPED + 100, 5, 6}};  // unrelated, freed all the same
  graph->ending = {EC_ERRORABORT, HRESULT_FROM_WIN32(ERROR_DISK_FULL), 0};
  graph->waitsBeforeEnd = 3;

  EXPECT_EQ(Convert(), HRESULT_FROM_WIN32(ERROR_DISK_FULL));

  EXPECT_THAT(EngineTexts(), ElementsAre("Failed to write the Matroska file!  hr=0x80070070\n"));
  EXPECT_EQ(graph->waits, 3);
  EXPECT_EQ(graph->freedEvents, 2);
  EXPECT_EQ(graph->stops, 1);
}

TEST_F(ConversionTest, SourceNothingCanRenderIsNamedInTheMessage) {
  InstallAll();
  graph->renderFileResult = VFW_E_UNKNOWN_FILE_TYPE;

  EXPECT_EQ(Convert("/videos/clip \xC3\xA9t\xC3\xA9.xyz"), VFW_E_UNKNOWN_FILE_TYPE);

  EXPECT_THAT(
      EngineTexts(),
      ElementsAre("Failed to render source file /videos/clip \xC3\xA9t\xC3\xA9.xyz!  hr=0x80040240\n"));
  EXPECT_EQ(printed, "");
}

TEST_F(ConversionTest, UnconnectedReaderOutputStopsAtTheSplitterLookup) {
  InstallAll();
  graph->onRenderFile = [this](FakeGraph& into) { into.Place(NewFilter("Reader", 0, 1)); };

  EXPECT_EQ(Convert(), VFW_E_NOT_CONNECTED);

  ASSERT_EQ(desktop.boxes.size(), 2u);
  EXPECT_EQ(desktop.boxes[0].text, "Cannot find the input pin of splitter");
  EXPECT_EQ(desktop.boxes[0].caption, "Error");
  EXPECT_EQ(desktop.boxes[1].text, "Failed to pSplitterFilter!  hr=0x80040209\n");
  EXPECT_EQ(desktop.boxes[1].caption, "Pellumbra");
}

TEST_F(ConversionTest, PathsThatDoNotFitAreRefusedBeforeUse) {
  InstallAll();
  RenderPlayback(1);
  const std::string tooLong = "/videos/" + std::string(MAX_PATH, 'a') + ".mkv";

  EXPECT_EQ(Convert(kSourcePath, tooLong.c_str()), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  EXPECT_THAT(EngineTexts(), ElementsAre("Path is too long!  hr=0x800700ce\n"));
  EXPECT_EQ(Convert(tooLong.c_str(), kOutputPath), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  EXPECT_EQ(desktop.boxes.size(), 2u);
  EXPECT_EQ(Convert(kSourcePath, "/videos/\xFF.mkv"), HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(desktop.boxes.back().text, "Path is not valid text!  hr=0x80070459\n");
  EXPECT_THAT(graph->FilterNames(), IsEmpty());  // nothing rendered
  EXPECT_EQ(writer->fileName, "");
}

// How a conversion ends: what the test sets up, the result, the messages in
// order and, for a run, what was printed.
struct Ending {
  const char* name;
  void (*setUp)(ConversionTest& test);
  HRESULT result;
  std::vector<std::string> messages;
  std::string printed = {};  // not checked when empty
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class EndingTest : public ConversionTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, IsReportedAsItWas) {
  InstallAll();
  RenderPlayback(1);
  GetParam().setUp(*this);

  EXPECT_EQ(Convert(), GetParam().result);

  EXPECT_EQ(EngineTexts(), GetParam().messages);
  if (!GetParam().printed.empty()) {
    EXPECT_EQ(printed, GetParam().printed);
  }
}

const Ending kEndings[] = {
    {"CleanRunReturnsWhatStopReturned",
     [](ConversionTest& t) { t.graph->stopResult = S_FALSE; },
     S_FALSE,
     {},
     kRunLines},
    {"MultiplexerWithoutInterleavingPrintsNoInterleavingLine",
     [](ConversionTest& t) { t.mux->hasInterleaving = false; },
     S_OK,
     {},
     kWaitingLines},
    {"UserAbortIsAFailure",
     [](ConversionTest& t) {
       t.graph->ending = {EC_USERABORT, 0, 0};
       t.graph->stopResult = S_FALSE;
     },
     E_ABORT,
     {"Failed to write the Matroska file!  hr=0x80004004\n"},
     kRunLines},
    // A graph stopped behind the wait's back answers at once without an
    // event: the wait ends instead of spinning for ever.
    {"GraphStoppedDuringTheWait",
     [](ConversionTest& t) { t.graph->waitFailure = VFW_E_WRONG_STATE; },
     S_OK,
     {},
     kRunLines},
    // Reported, and the conversion goes on.
    {"ClockThatCannotBeSetAside",
     [](ConversionTest& t) { t.graph->setSyncSourceResult = E_FAIL; },
     S_OK,
     {"SetNoClock: Failed to set sync source!  hr=0x80004005\n"},
     kRunLines},
    {"GraphWithoutMediaFilter",
     [](ConversionTest& t) { t.graph->offersMediaFilter = false; },
     S_OK,
     {"SetNoClock: Failed to QI for media filter!  hr=0x80004002\n"},
     kRunLines},
    {"GraphWithoutEventsIsNotWaitedFor",
     [](ConversionTest& t) { t.graph->offersMediaEvent = false; },
     S_OK,
     {"QI failed for IMediaEvent interface!\n"},
     kInterleavingLine},
    // Exactly two messages, and a run that failed to start is not waited for.
    {"RunThatFails",
     [](ConversionTest& t) { t.graph->runResult = VFW_E_RUNTIME_ERROR; },
     VFW_E_RUNTIME_ERROR,
     {"Failed to run the graph!  hr=0x8004020b\nCopy aborted.\n\n",
      "Please check that you have selected the correct profile for copying.\n"
      "Note that if your source ASF file is audio-only, then selecting a\n"
      "video profile will cause a failure when running the graph.\n\n"},
     kInterleavingLine},
    // Steps that fail before the graph runs.
    {"GraphWithoutSourceFilterEndsQuietly",
     [](ConversionTest& t) {
       t.graph->onRenderFile = [&t](FakeGraph& into) { into.Place(t.NewFilter("Transform", 1, 1)); };
     },
     S_FALSE,
     {},
     "Failed to CountFilterPins!\n"},
    {"SplitterThatCannotNameItsFilter",
     [](ConversionTest& t) {
       t.whenMade["Splitter"] = [](FakeFilter& f) { f.Pin(PINDIR_INPUT, 0)->queryPinInfoResult = E_FAIL; };
     },
     E_FAIL,
     {"Failed to pSplitterFilter!  hr=0x80004005\n"}},
    // The pairing of the streams reports nothing of its own here.
    {"StreamFilterThatCannotBeCounted",
     [](ConversionTest& t) {
       t.whenMade["Splitter"] = [](FakeFilter& f) { f.enumPinsResult = E_OUTOFMEMORY; };
     },
     E_OUTOFMEMORY,
     {"Failed to connect 2 filters!  hr=0x8007000e\n"}},
    {"RefusedStreamWithNoInputLeftForTheNext",
     [](ConversionTest& t) {
       t.mux->addsInputPinWhenConnected = false;
       t.mux->AddPin(PINDIR_INPUT)->acceptResult = VFW_E_TYPE_NOT_ACCEPTED;
       t.RenderPlayback(3);
     },
     VFW_E_TYPE_NOT_ACCEPTED,
     {"Failed to ConnectDirect(pSourceOutPin, pMuxerInputPin),!  hr=0x8004022a\n",
      "Failed to find intput pin on pMux!  hr=0x8004022a\n", "Failed to connect 2 filters!  hr=0x8004022a\n"},
     kInterleavingLine},
    {"GraphCreation",
     [](ConversionTest&) { CoUnregisterClass(CLSID_FilterGraph); },
     REGDB_E_CLASSNOTREG,
     {"CreateFilterGraph: Failed to create graph!  hr=0x80040154\n",
      "Couldn't create filter graph! hr=0x80040154"}},
    {"FileWriterCreation",
     [](ConversionTest&) { CoUnregisterClass(CLSID_FileWriter); },
     REGDB_E_CLASSNOTREG,
     {"CreateFilter: Failed to create filter!  hr=0x80040154\n",
      "Failed to create FileWriter filter!  hr=0x80040154\n"}},
    {"FileWriterWithoutSink",
     [](ConversionTest& t) { t.writer->isFileSink = false; },
     E_NOINTERFACE,
     {"Failed to create QI IFileSinkFilter!  hr=0x80004002\n"}},
    {"FileName",
     [](ConversionTest& t) { t.writer->setFileNameResult = kAccessDenied; },
     kAccessDenied,
     {"Failed to set target filename!  hr=0x80070005\n"}},
    {"AddingTheMultiplexer",
     [](ConversionTest& t) { t.graph->addFilterResults["Mux"] = E_OUTOFMEMORY; },
     E_OUTOFMEMORY,
     {"Failed to add Mux filter to graph!  hr=0x8007000e\n"}},
    {"AddingTheWriter",
     [](ConversionTest& t) { t.graph->addFilterResults["Writer"] = VFW_E_DUPLICATE_NAME; },
     VFW_E_DUPLICATE_NAME,
     {"Failed to add FileWriter filter to graph!  hr=0x8004023e\n"}},
    // A pin search that runs out of pins shows the search's own result but
    // returns a failure, never that S_FALSE. A pin whose connection state
    // cannot be read is not taken for a free one.
    {"MultiplexerOutputPin",
     [](ConversionTest& t) { t.mux->Pin(PINDIR_OUTPUT, 0)->connectedToResult = E_UNEXPECTED; },
     VFW_E_NOT_FOUND,
     {"Failed to find output pin on Mux!  hr=0x1\n"}},
    {"WriterInputPin",
     [](ConversionTest& t) { t.writer->enumPinsResult = E_OUTOFMEMORY; },
     E_OUTOFMEMORY,
     {"Failed to find input pin on FileWriter!  hr=0x8007000e\n"}},
    {"MultiplexerToWriter",
     [](ConversionTest& t) { t.writer->Pin(PINDIR_INPUT, 0)->acceptResult = VFW_E_CANNOT_CONNECT; },
     VFW_E_CANNOT_CONNECT,
     {"Failed to connect Mux to FileWriter!  hr=0x80040217\n"}},
    {"MultiplexerPinCount",
     [](ConversionTest& t) {
       t.mux->isFileSink = true;  // so that no pin search comes before the count
       t.mux->enumPinsResult = E_FAIL;
     },
     E_FAIL,
     {"Failed to CountFilterPins!  hr=0x80004005\n", "Failed to connect 2 filters!  hr=0x80004005\n"}},
    {"MediaControl",
     [](ConversionTest& t) { t.graph->offersMediaControl = false; },
     E_NOINTERFACE,
     {"Failed to QI for IMediaControl!  hr=0x80004002\n"}},
};

INSTANTIATE_TEST_SUITE_P(Conversion, EndingTest, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
