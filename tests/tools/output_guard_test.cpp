#include "tools/corvane-remux/output_guard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "tests/platform/win32/scratch.h"

namespace {

namespace fs = std::filesystem;

class OutputGuard : public ::testing::Test {
 protected:
  ScratchFolder m_dir;
  const std::string m_source = WriteFile(m_dir.Path("source.mp4"), "not really a video");
};

TEST_F(OutputGuard, RefusesTheSourceUnderAnyName) {
  fs::create_symlink(m_source, m_dir.Path("link.mkv"));
  fs::create_hard_link(m_source, m_dir.Path("hard.mkv"));
  for (const std::string& output :
       {m_source, m_dir.Path("link.mkv"), m_dir.Path("hard.mkv"), m_dir.Path("./source.mp4")}) {
    EXPECT_NE(CheckRemuxPaths(m_source, output, true).message.find("is the source itself"), std::string::npos)
        << output;
  }
}

TEST_F(OutputGuard, RefusesFoldersAndPipes) {
  EXPECT_EQ(CheckRemuxPaths(m_dir.path, m_dir.Path("out.mkv"), false).outcome, RemuxOutcome::kRefused);
  EXPECT_EQ(CheckRemuxPaths(m_source, m_dir.path, true).outcome, RemuxOutcome::kRefused);
  ASSERT_EQ(mkfifo(m_dir.Path("pipe.mkv").c_str(), 0600), 0);
  EXPECT_NE(CheckRemuxPaths(m_source, m_dir.Path("pipe.mkv"), true).message.find("pipe"), std::string::npos);
}

}  // namespace
