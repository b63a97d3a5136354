#include "platform/win32/kernel.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/platform/win32/scratch.h"

namespace {

namespace fs = std::filesystem;

// The last error CreateFileA leaves; a handle it returns is closed again.
DWORD OpenError(const std::string& path) {
  SetLastError(0xBAD);
  const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  const DWORD error = GetLastError();
  EXPECT_TRUE(handle == INVALID_HANDLE_VALUE || CloseHandle(handle));
  return error;
}

TEST(CreateFile, OpensRegularFilesOnlyAndNeverWaitsOnAFifo) {
  ScratchFolder folder;
  const std::string clip = WriteFile(folder.Path("clip.avi"), "RIFF"), fifo = folder.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(OpenError(clip), ERROR_SUCCESS);
  EXPECT_EQ(OpenError(folder.Path("missing.avi")), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(OpenError(folder.Path("no folder/clip.avi")), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(OpenError(clip + "/inside"), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(OpenError(folder.path), ERROR_ACCESS_DENIED);
  EXPECT_EQ(OpenError(fifo), ERROR_ACCESS_DENIED);  // a blocking open would wait for a writer
  EXPECT_EQ(OpenError("/dev/null"), ERROR_ACCESS_DENIED);
  EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
  if (geteuid() != 0) {  // root reads every file
    fs::permissions(clip, fs::perms::none);
    EXPECT_EQ(OpenError(clip), ERROR_ACCESS_DENIED);
  }
}

TEST(DeleteFile, RemovesFilesAndLinksButNeverFolders) {
  ScratchFolder folder;
  const std::string target = WriteFile(folder.Path("target.mkv"), "x"), link = folder.Path("link.mkv");
  fs::create_symlink(target, link);
  EXPECT_TRUE(DeleteFileA(link.c_str()));
  EXPECT_TRUE(fs::exists(target));
  EXPECT_TRUE(DeleteFileA(target.c_str()));
  EXPECT_FALSE(fs::exists(target));
  const std::pair<std::string, DWORD> refusals[] = {{folder.path, ERROR_ACCESS_DENIED},
                                                    {target, ERROR_FILE_NOT_FOUND},
                                                    {folder.Path("none/x"), ERROR_PATH_NOT_FOUND}};
  for (const auto& [path, error] : refusals) {
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    EXPECT_EQ(GetLastError(), error) << path;
  }
  EXPECT_TRUE(fs::is_directory(folder.path));
}

}  // namespace
