// What users meet when things go wrong: bad or missing inputs, outputs that
// cannot be written, a full disk. No crash, no hang, and the codes Windows
// would give.
#include <sys/stat.h>
#include <unistd.h>

#include "platform/com/com_runtime.h"
#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_checks.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/scratch_mount.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

using FailurePathsTest = MediaGraphTest;

TEST_F(FailurePathsTest, RenderFileRefusesWhatIsNotMedia) {
  for (const fs::path& bad : {EmptyFile(), RandomBytesFile()}) {
    ComPtr<IGraphBuilder> graph = MakeGraph();
    const HRESULT hr = graph->RenderFile(Wide(bad).c_str(), nullptr);
    EXPECT_TRUE(hr == VFW_E_UNSUPPORTED_STREAM || hr == VFW_E_CANNOT_RENDER)
        << bad << std::hex << " 0x" << hr;
    EXPECT_TRUE(FiltersOf(graph.Get()).empty());
  }
}

TEST_F(FailurePathsTest, MissingFilesAndFoldersGiveTheSystemCodes) {
  const fs::path dir = ScratchDir("missing_files");
  struct Case {
    fs::path path;
    HRESULT expected;
  };
  for (const Case& c : {Case{MissingFile(), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)},
                        Case{dir / "missing.mp4", HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
                        Case{dir / "missing.wmv", HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
                        Case{dir, HRESULT_FROM_WIN32(ERROR_DIRECTORY)}}) {
    ComPtr<IGraphBuilder> graph = MakeGraph();
    EXPECT_EQ(graph->RenderFile(Wide(c.path).c_str(), nullptr), c.expected) << c.path;
  }
}

// Cut off halfway: the splitter ends cleanly where the data ends and the
// output is a valid, shorter Matroska file.
TEST_F(FailurePathsTest, TruncatedFileConvertsWhatIsThere) {
  const fs::path output = ScratchDir("truncated") / "out.mkv";
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(TruncatedMp4(), output, &built), S_OK);
  const RunOutcome outcome = RunToCompletion(built.graph.Get());
  ASSERT_EQ(outcome.runResult, S_OK);
  EXPECT_EQ(outcome.eventCode, EC_COMPLETE);
  const MkvSummary mkv = InspectMatroska(output);
  EXPECT_TRUE(mkv.readCleanly) << mkv.errors;
  EXPECT_EQ(mkv.trackCount, 2);
  EXPECT_FALSE(PacketHashes(output).empty());
}

TEST_F(FailurePathsTest, PathsWithSpacesAndNonAsciiLettersWork) {
  const fs::path source = UnicodePathCopy();
  const fs::path output = ScratchDir("unicode") / "Ausgabe – été 映像.mkv";
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(source, output, &built), S_OK);
  ComPtr<IFileSourceFilter> loaded;
  ASSERT_EQ(built.source.As(loaded), S_OK);
  LPWSTR name = nullptr;
  ASSERT_EQ(loaded->GetCurFile(&name, nullptr), S_OK);
  EXPECT_EQ(std::u16string(name), Wide(source));
  CoTaskMemFree(name);
  EXPECT_EQ(RunToCompletion(built.graph.Get()).eventCode, EC_COMPLETE);
  EXPECT_TRUE(InspectMatroska(output).readCleanly);
}

// Opening a FIFO waits for its other end: the sources and the writer must
// refuse one at once (they need a file they can seek in) instead of hanging.
TEST_F(FailurePathsTest, FifosAreRefusedWithoutWaitingOnEitherSide) {
  const fs::path dir = ScratchDir("fifos");
  for (const char* name : {"in.mp4", "in.wmv"}) {  // File Source, Stream Source
    ASSERT_EQ(::mkfifo((dir / name).c_str(), 0644), 0);
    EXPECT_EQ(MakeGraph()->RenderFile(Wide(dir / name).c_str(), nullptr),
              HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED))
        << name;
  }
  const fs::path output = dir / "out.mkv";
  ASSERT_EQ(::mkfifo(output.c_str(), 0644), 0);
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(FixturePath(FixtureNamed("avi")), output, &built), S_OK);
  EXPECT_EQ(RunToCompletion(built.graph.Get(), 2000).runResult, HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
}

TEST_F(FailurePathsTest, UnwritableFolderFailsRunWithAccessDenied) {
  const fs::path folder = ScratchDir("read_only") / "mount";
  ScratchMount mount(folder, "size=1m");
  if (!mount.Mounted()) {
    // Without root, a folder without write permission does the same.
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  }
  mount.MakeReadOnly();
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(FixturePath(FixtureNamed("avi")), folder / "out.mkv", &built), S_OK);
  EXPECT_EQ(RunToCompletion(built.graph.Get(), 2000).runResult, HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
  if (!mount.Mounted()) fs::permissions(folder, fs::perms::owner_all);
}

TEST_F(FailurePathsTest, FullDiskAbortsTheRunWithDiskFull) {
  const fs::path folder = ScratchDir("full_disk") / "mount";
  ScratchMount mount(folder, "size=64k");
  if (!mount.Mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
  ConversionGraph built;
  ASSERT_EQ(BuildConversion(FixturePath(FixtureNamed("mp4")), folder / "out.mkv", &built), S_OK);
  const RunOutcome outcome = RunToCompletion(built.graph.Get(), 20000);
  EXPECT_EQ(outcome.runResult, S_OK);
  EXPECT_EQ(outcome.eventCode, EC_ERRORABORT);
  EXPECT_EQ(static_cast<HRESULT>(outcome.eventParam), HRESULT_FROM_WIN32(ERROR_DISK_FULL));
  EXPECT_EQ(outcome.stopResult, S_OK);
}

}  // namespace
