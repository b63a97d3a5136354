#include "platform/win32/win_exec.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/win32/kernel.h"
#include "tests/platform/win32/scratch.h"

namespace {

namespace fs = std::filesystem;
using Tokens = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateQuotesGroupAndBackslashesEscapeOnlyQuotes) {
  // The help button's command line: a program folder with a blank, unquoted.
  EXPECT_EQ(SplitCommandLine("hh.exe /opt/My Apps/corvane/help.chm::/Introduction.htm"),
            (Tokens{"hh.exe", "/opt/My", "Apps/corvane/help.chm::/Introduction.htm"}));
  EXPECT_EQ(SplitCommandLine(" \tp  \"two  words\"\t\"\" a\"b c\"d "),
            (Tokens{"p", "two  words", "", "ab cd"}));
  EXPECT_EQ(SplitCommandLine(R"(p "say ""hi""")"), (Tokens{"p", R"(say "hi")"}));
  EXPECT_EQ(SplitCommandLine(R"(p a\b c\\d a\"b c\\\"d "e\\" f\)"),
            (Tokens{"p", R"(a\b)", R"(c\\d)", R"(a"b)", R"(c\"d)", R"(e\)", R"(f\)"}));
  EXPECT_TRUE(SplitCommandLine(" \t ").empty());
}

TEST(FindProgram, LooksInTheProgramFolderBeforeThePathAndTakesExecutablesOnly) {
  ScratchFolder root;
  const std::string program = root.Path("program"), first = root.Path("first"), second = root.Path("second");
  for (const std::string& folder : {program, first, second})
    fs::permissions(WriteFile(folder + "/tool", "#!/bin/sh\n"), fs::perms::owner_all);
  const std::string path = first + ":" + second;
  EXPECT_EQ(FindProgram("tool", program, path), program + "/tool");
  fs::permissions(program + "/tool", fs::perms::owner_read);
  EXPECT_EQ(FindProgram("tool", program, path), first + "/tool");
  EXPECT_EQ(FindProgram("tool", program, "::" + second + ":" + first), second + "/tool");
  EXPECT_EQ(FindProgram("other", program, path), "");
  EXPECT_EQ(FindProgram("./tool", first, path), "./tool");  // a path is not searched for
  EXPECT_EQ(ProgramFolder(), fs::canonical(CORVANE_TEST_PROGRAM_FOLDER).string());
}

TEST(WinExec, StartsAProgramFromThePathWithItsArgumentsWithoutWaitingForIt) {
  ScratchFolder folder;
  const std::string fifo = folder.Path("report");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // The shell blocks on the FIFO until the test reads it: WinExec must return first.
  const std::string commandLine = "sh -c \"printf '[%s]' \\\"$@\\\" > " + fifo + "\" sh \"two words\" plain";
  ASSERT_GT(WinExec(commandLine.c_str(), 1), 31u);
  EXPECT_EQ(Contents(fifo), "[two words][plain]");
}

TEST(WinExec, ReportsProgramsThatCannotBeStarted) {
  ScratchFolder folder;
  EXPECT_EQ(WinExec("corvane-no-such-program --help", 1), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(WinExec(folder.Path("none/prog").c_str(), 1), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(WinExec(WriteFile(folder.Path("notes.txt"), "text").c_str(), 1), ERROR_ACCESS_DENIED);
  EXPECT_EQ(WinExec("  ", 1), ERROR_FILE_NOT_FOUND);
}

}  // namespace
