#include "platform/win32/user/common_dialogs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <cstring>
#include <filesystem>

#include "platform/win32/user/window_handle.h"
#include "tests/platform/win32/user/qt_test_application.h"
#include "tests/support/scripted_desktop.h"

namespace {

constexpr char kFilters[] = "Video Files (*.*)\0*.*\0Matroska\0*.mkv; *.mka\0";

class FileDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(m_file, 'x', sizeof m_file);
    m_file[0] = '\0';
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.lpstrFile = m_file;
    m_ofn.nMaxFile = 64;  // the 16 bytes beyond show any overrun
  }

  ScriptedDesktop m_desktop;
  char m_file[80];
  OPENFILENAMEA m_ofn{};
};

TEST_F(FileDialogs, RequestCarriesTheCallersFiltersNamesAndFlagsWithWindowsDefaults) {
  for (int dialog = 0; dialog < 2; ++dialog) m_desktop.QueueFileChoice(std::nullopt);
  m_ofn.lpstrFilter = kFilters;
  m_ofn.nFilterIndex = 2;
  std::strcpy(m_file, "*.*");
  m_ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  GetOpenFileNameA(&m_ofn);
  m_ofn.nFilterIndex = 3;  // there is no third filter
  std::strcpy(m_file, "clip.mkv");
  m_ofn.Flags = OFN_OVERWRITEPROMPT;
  GetSaveFileNameA(&m_ofn);

  ASSERT_EQ(m_desktop.fileRequests.size(), 2u);
  const FileDialogRequest& open = m_desktop.fileRequests[0];
  EXPECT_EQ(open.title, "Open");
  EXPECT_EQ(open.initialFolder, std::filesystem::current_path().string());
  EXPECT_EQ(open.filterIndex, 1u);      // the filters themselves as the Qt dialog shows them, below
  EXPECT_EQ(open.initialFileName, "");  // a pattern, not a name
  EXPECT_TRUE(!open.save && open.fileMustExist && !open.overwritePrompt);
  const FileDialogRequest& save = m_desktop.fileRequests[1];
  EXPECT_EQ(save.filterIndex, 0u);
  EXPECT_EQ(save.initialFileName, "clip.mkv");
  EXPECT_TRUE(save.save && !save.fileMustExist && save.overwritePrompt);
}

TEST_F(FileDialogs, ChosenPathIsCopiedWithTheOffsetsOfItsNameAndExtension) {
  const std::tuple<std::string, WORD, WORD> cases[] = {{"/home/u/my.clip.mkv", 8, 16},
                                                       {"/tmp/README", 5, 11},
                                                       {"/tmp/name.", 5, 0},
                                                       {"/tmp/.hidden/x", 13, 14}};
  char title[16];
  m_ofn.lpstrFileTitle = title;
  m_ofn.nMaxFileTitle = sizeof title;
  for (const auto& [path, nameOffset, extensionOffset] : cases) {
    m_desktop.QueueFileChoice(path);
    ASSERT_TRUE(GetOpenFileNameA(&m_ofn));
    EXPECT_EQ(m_file, path);
    EXPECT_EQ(m_ofn.nFileOffset, nameOffset) << path;
    EXPECT_EQ(m_ofn.nFileExtension, extensionOffset) << path;
    EXPECT_EQ(title, path.substr(nameOffset));
  }
}

TEST_F(FileDialogs, FailuresLeaveTheBufferAsItWas) {
  std::strcpy(m_file, "clip.mkv");
  const std::string before(m_file, sizeof m_file);
  m_desktop.QueueFileChoice("/tmp/abc.mkv");
  m_ofn.nMaxFile = 12;  // the path fits, its terminator does not
  EXPECT_FALSE(GetSaveFileNameA(&m_ofn));
  EXPECT_EQ(std::string(m_file, sizeof m_file), before);

  m_desktop.QueueFileChoice(std::nullopt);  // the user cancels
  m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400;
  EXPECT_FALSE(GetOpenFileNameA(&m_ofn));

  m_ofn.lStructSize = 0;
  EXPECT_FALSE(GetOpenFileNameA(&m_ofn));
  EXPECT_EQ(m_desktop.fileRequests.size(), 2u);  // no dialog for a bad structure
  EXPECT_EQ(std::string(m_file, sizeof m_file), before);
}

TEST_F(FileDialogs, TheChosenFolderBecomesCurrentUnlessNoChangeDirIsGiven) {
  const std::filesystem::path start = std::filesystem::current_path();
  QTemporaryDir folder;
  const std::filesystem::path chosenFolder = std::filesystem::canonical(folder.path().toStdString());
  for (int dialog = 0; dialog < 2; ++dialog) m_desktop.QueueFileChoice((chosenFolder / "clip.mkv").string());
  m_ofn.Flags = OFN_NOCHANGEDIR;
  ASSERT_TRUE(GetSaveFileNameA(&m_ofn));
  EXPECT_EQ(std::filesystem::current_path(), start);
  m_ofn.Flags = 0;
  ASSERT_TRUE(GetSaveFileNameA(&m_ofn));
  EXPECT_EQ(std::filesystem::current_path(), chosenFolder);  // the desktop puts the folder back
}

// What the dialog lists: the selected second filter's patterns, then every
// file for the first one's "*.*"; the user sees the caller's texts alone.
void ExpectTheCallersFilters(QFileDialog& dialog) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  auto* combo = dialog.findChild<QComboBox*>("fileTypeCombo");
  ASSERT_TRUE(model && combo);
  EXPECT_EQ(combo->itemText(0), "Video Files (*.*)");
  EXPECT_EQ(combo->itemText(1), "Matroska");
  EXPECT_EQ(model->nameFilters(), QStringList({"*.mkv", "*.mka"}));
  dialog.selectNameFilter(dialog.nameFilters().value(0));
  EXPECT_EQ(model->nameFilters(), QStringList("*"));
}

TEST_F(FileDialogs, QtDialogShowsTheCallersChoicesOverItsDisabledOwner) {
  SetFileDialogBackend(nullptr);
  QTemporaryDir folder;
  const QString chosen = folder.filePath("a.mkv");
  QFile(chosen).open(QIODevice::WriteOnly);
  QWidget owner;
  owner.show();
  const std::string initialDir = QFile::encodeName(folder.path()).toStdString();
  m_ofn.hwndOwner = CreateWindowHandle(&owner, 0, nullptr);
  m_ofn.lpstrFilter = kFilters;
  m_ofn.nFilterIndex = 2;
  m_ofn.lpstrInitialDir = initialDir.c_str();
  m_ofn.Flags = OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR;
  WhenShown<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.directory().path(), folder.path());
    ExpectTheCallersFilters(dialog);
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.parentWidget(), &owner);
    EXPECT_FALSE(owner.isEnabled());
    dialog.selectFile(chosen);
    static_cast<QDialog&>(dialog).accept();  // QFileDialog hides its override
  });
  ASSERT_TRUE(GetOpenFileNameA(&m_ofn));
  EXPECT_EQ(QFile::decodeName(m_file), chosen);
  EXPECT_TRUE(owner.isEnabled());
  DestroyWindowHandle(m_ofn.hwndOwner);
}

}  // namespace
