#include "tools/corvane-remux/output_guard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

class OutputGuard : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("corvane-guard-" + std::to_string(getpid()));
    fs::create_directories(m_dir);
    std::ofstream(Path("source.mp4")) << "not really a video";
  }
  void TearDown() override { fs::remove_all(m_dir); }
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }

  fs::path m_dir;
};

TEST_F(OutputGuard, RefusesTheSourceUnderAnyName) {
  fs::create_symlink(Path("source.mp4"), Path("link.mkv"));
  fs::create_hard_link(Path("source.mp4"), Path("hard.mkv"));
  for (const std::string& output :
       {Path("source.mp4"), Path("link.mkv"), Path("hard.mkv"), m_dir.string() + "/./source.mp4"}) {
    EXPECT_NE(CheckRemuxPaths(Path("source.mp4"), output, true).message.find("is the source itself"),
              std::string::npos)
        << output;
  }
}

TEST_F(OutputGuard, RefusesFoldersAndMissingSources) {
  EXPECT_EQ(CheckRemuxPaths(Path("missing.mp4"), Path("out.mkv"), false).outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(CheckRemuxPaths(m_dir.string(), Path("out.mkv"), false).outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(CheckRemuxPaths(Path("source.mp4"), m_dir.string(), true).outcome, RemuxOutcome::kRefused);
  ASSERT_EQ(mkfifo(Path("pipe.mkv").c_str(), 0600), 0);
  EXPECT_NE(CheckRemuxPaths(Path("source.mp4"), Path("pipe.mkv"), true).message.find("pipe"),
            std::string::npos);
}

}  // namespace
