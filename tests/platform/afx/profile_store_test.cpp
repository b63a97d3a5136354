#include "platform/afx/profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "tests/platform/win32/scratch.h"

namespace {

// Every test has a configuration folder of its own.
class ProfileStoreTest : public testing::Test {
 protected:
  QString ConfigPath(const QString& name) const { return m_config.filePath(name); }

  QTemporaryDir m_config;
  ScopedVariable m_configVariable{"XDG_CONFIG_HOME", m_config.path().toUtf8().constData()};
  ProfileStore m_store{"QuillonStudio", "Pellumbra"};
};

TEST_F(ProfileStoreTest, TextsAndIntegersComeBackExactlyAndAnythingElseGivesTheDefault) {
  EXPECT_EQ(m_store.GetString("Option", "output_filename", "clip.mkv"), "clip.mkv");
  EXPECT_EQ(m_store.GetInt("Setup", "t_first_update", -5), 0xFFFFFFFBu);
  for (const char* text : {"0042", "a=b; c # d", R"(C:\new\clip.mkv)", "\"quoted\" 'single'", "  padded\t ",
                           "Zoë 🎬 видео", "", "one, two", "@Invalid()", "line\nbreak", "[Setup]", "%41%"}) {
    ASSERT_TRUE(m_store.WriteString("Option", "output_filename", text));
    EXPECT_EQ(m_store.GetString("Option", "output_filename", "default"), text);
  }
  for (const int number : {-1, 0, INT_MIN, INT_MAX}) {
    ASSERT_TRUE(m_store.WriteInt("Setup", "t_first_update", number));
    EXPECT_EQ(m_store.GetInt("Setup", "t_first_update", 7), static_cast<std::uint32_t>(number));
  }
  for (const char* text : {"twelve", "12abc", "4294967296", "-2147483649", ""}) {
    ASSERT_TRUE(m_store.WriteString("Setup", "t_first_update", text));
    EXPECT_EQ(m_store.GetInt("Setup", "t_first_update", 9), 9u) << text;
  }
  ASSERT_TRUE(m_store.WriteString("General", "output_filename", "general"));  // Qt's reserved group name
  EXPECT_EQ(m_store.GetString("Option", "output_filename", ""), "%41%");
  EXPECT_EQ(m_store.GetString("General", "output_filename", ""), "general");
}

TEST_F(ProfileStoreTest, AWriteReplacesTheWholeFileAndLeavesNothingBeside) {
  struct stat before {};
  struct stat after {};
  ASSERT_TRUE(m_store.WriteString("Option", "output_filename", "first.mkv"));
  ASSERT_EQ(stat(m_store.FilePath().c_str(), &before), 0);
  ASSERT_TRUE(m_store.WriteString("Option", "output_filename", "second.mkv"));
  ASSERT_EQ(stat(m_store.FilePath().c_str(), &after), 0);
  EXPECT_NE(before.st_ino, after.st_ino);  // written aside and renamed over, never rewritten in place
  EXPECT_EQ(QDir(ConfigPath("QuillonStudio")).entryList(QDir::Files | QDir::Hidden),
            QStringList{"Pellumbra.conf"});
}

QString g_qtMessages;  // whatever Qt would have printed

TEST_F(ProfileStoreTest, AnUnusableStoreGivesDefaultsAndRefusesWritesWithoutAWord) {
  const std::function<void()> spoilers[] = {
      [&] { QFile(ConfigPath("QuillonStudio")).open(QIODevice::WriteOnly); },  // a file as the folder
      [&] { QDir().mkpath(ConfigPath("QuillonStudio/Pellumbra.conf")); },      // a folder as the file
      [&] {
        m_store.WriteString("Option", "output_filename", "old.mkv");
        QFile::setPermissions(ConfigPath("QuillonStudio/Pellumbra.conf"), {});
        QFile::setPermissions(ConfigPath("QuillonStudio"), QFile::ReadOwner | QFile::ExeOwner);
      }};
  // Root reads and writes whatever the permissions say.
  const std::size_t count = geteuid() == 0 ? 2 : 3;
  for (std::size_t i = 0; i < count; ++i) {
    QDir(ConfigPath("QuillonStudio")).removeRecursively();
    QFile::remove(ConfigPath("QuillonStudio"));
    spoilers[i]();
    g_qtMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { g_qtMessages += text; });
    testing::internal::CaptureStderr();
    EXPECT_EQ(m_store.GetString("Option", "output_filename", "default"), "default") << i;
    EXPECT_EQ(m_store.GetInt("Setup", "t_first_update", 3), 3u) << i;
    EXPECT_FALSE(m_store.WriteString("Option", "output_filename", "new.mkv")) << i;
    EXPECT_FALSE(m_store.WriteInt("Setup", "t_first_update", 4)) << i;
    EXPECT_EQ(testing::internal::GetCapturedStderr() + g_qtMessages.toStdString(), "") << i;
    qInstallMessageHandler(previous);
  }
  QFile::setPermissions(ConfigPath("QuillonStudio"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::string KeyOf(int writer, int index) {
  std::string key = "w";
  key += std::to_string(writer);
  key += '_';
  key += std::to_string(index);
  return key;
}

// Each process writes keys of its own, one write at a time.
bool WriteManyKeys(ProfileStore& store, int writer, int count) {
  bool allWritten = true;
  for (int i = 0; i < count; ++i) allWritten &= store.WriteString("Option", KeyOf(writer, i).c_str(), "x");
  return allWritten;
}

TEST_F(ProfileStoreTest, ProcessesWritingAtOnceKeepEachOthersKeys) {
  constexpr int kChildren = 3, kKeysEach = 25;
  std::vector<pid_t> children;
  for (int writer = 1; writer <= kChildren; ++writer) {
    children.push_back(fork());
    if (children.back() == 0) _exit(WriteManyKeys(m_store, writer, kKeysEach) ? 0 : 1);
  }
  EXPECT_TRUE(WriteManyKeys(m_store, 0, kKeysEach));
  for (const pid_t child : children) {
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
  }
  for (int writer = 0; writer <= kChildren; ++writer)
    for (int i = 0; i < kKeysEach; ++i)
      EXPECT_EQ(m_store.GetString("Option", KeyOf(writer, i).c_str(), "lost"), "x") << KeyOf(writer, i);
}

}  // namespace
