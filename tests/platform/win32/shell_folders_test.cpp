#include "platform/win32/shell_folders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "platform/win32/modules.h"
#include "tests/platform/win32/scratch.h"

namespace {

namespace fs = std::filesystem;

// The folders of a scratch user, each written into a buffer filled with 'x'.
class ShellFolders : public ScratchUserTest {
 protected:
  HRESULT GetFolder(int csidl, DWORD flags = SHGFP_TYPE_CURRENT) {
    std::memset(m_path, 'x', sizeof m_path);
    return SHGetFolderPathA(nullptr, csidl, nullptr, flags, m_path);
  }
  char m_path[MAX_PATH];
};

TEST_F(ShellFolders, TheUsersChoiceInUserDirsWinsAndOnlyValidLinesCount) {
  fs::create_directories(m_home.Path("My \"Films\""));
  WriteFile(m_home.Path("config/user-dirs.dirs"),
            "# written by xdg-user-dirs-update\n"
            "XDG_MUSIC_DIR=\"/music\"\n"
            "  XDG_VIDEOS_DIR=\"$HOME/My \\\"Films\\\"\"\n"
            "XDG_VIDEOS_DIR=\"relative/ignored\"\n");
  EXPECT_EQ(GetFolder(CSIDL_MYVIDEO), S_OK);
  EXPECT_EQ(m_path, m_home.Path("My \"Films\""));
  WriteFile(m_home.Path("config/user-dirs.dirs"), "XDG_VIDEOS_DIR=\"" + m_home.Path("Clips") + "\"\n");
  EXPECT_EQ(GetFolder(CSIDL_MYVIDEO | CSIDL_FLAG_CREATE), S_OK);
  EXPECT_EQ(m_path, m_home.Path("Clips"));
  EXPECT_TRUE(fs::is_directory(m_home.Path("Clips")));
}

TEST_F(ShellFolders, APathLongerThanTheBufferIsRefusedWithoutOverrun) {
  // "/Videos" makes the folder's path MAX_PATH bytes long, one short for its terminator.
  const ScopedVariable home("HOME", ("/" + std::string(MAX_PATH - 8, 'h')).c_str());
  char guarded[MAX_PATH + 16];
  std::memset(guarded, 'g', sizeof guarded);
  EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_MYVIDEO, nullptr, 0, guarded),
            HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
  EXPECT_STREQ(guarded, "");
  EXPECT_EQ(std::string(guarded + MAX_PATH, 16), std::string(16, 'g'));
}

TEST_F(ShellFolders, Shell32ExportsSHGetFolderPathAWhileItIsLoaded) {
  const HMODULE shell32 = LoadLibraryA("SHELL32.DLL");
  ASSERT_NE(shell32, nullptr);
  EXPECT_EQ(LoadLibraryA("shell32"), shell32);  // a second use of the same module
  const auto getFolderPath =
      reinterpret_cast<PFNSHGETFOLDERPATHA>(GetProcAddress(shell32, "SHGetFolderPathA"));
  EXPECT_NE(getFolderPath, nullptr);
  EXPECT_EQ(GetProcAddress(shell32, "shgetfolderpatha"), nullptr);  // export names keep their case
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_TRUE(FreeLibrary(shell32) && FreeLibrary(shell32));
  EXPECT_EQ(GetProcAddress(shell32, "SHGetFolderPathA"), nullptr);
  EXPECT_FALSE(FreeLibrary(shell32));
  EXPECT_EQ(LoadLibraryA("kernel32.dll"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

}  // namespace
