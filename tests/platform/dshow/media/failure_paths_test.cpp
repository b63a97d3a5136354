// What users meet when things go wrong: missing inputs, inputs and outputs
// that are no files, outputs that cannot be written. No hang, and the codes
// Windows would give.
#include <sys/stat.h>

#include "tests/platform/dshow/media/graph_harness.h"
#include "tests/support/media_fixtures.h"
#include "tests/support/scratch_mount.h"

namespace fs = std::filesystem;
using namespace media_test;

namespace {

using FailurePathsTest = MediaGraphTest;

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

}  // namespace
