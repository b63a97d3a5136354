// The main window's workflows, driven through its commands as a user's clicks
// would drive them, with the desktop scripted and real media converted.
#include "ui/converter_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>

#include "platform/com/com_runtime.h"
#include "platform/dshow/media/install.h"
#include "platform/win32/user/message_loop.h"
#include "platform/win32/user/window_handle.h"
#include "res/corvane_resources.h"
#include "res/web_addresses.h"
#include "tests/platform/win32/scratch.h"
#include "tests/platform/win32/user/qt_test_application.h"
#include "tests/support/rewrap_checks.h"
#include "tests/support/scratch_mount.h"
#include "tests/support/scripted_desktop.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

constexpr char kDone[] = "Converting is done!";
constexpr char kBusy[] = "Please wait conversion";

void Click(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
void PostClick(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::string TextOf(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// Drops `paths` on control `id` of the window, or on the window itself, as a
// file manager would.
void Drop(HWND dialog, const std::vector<std::string>& paths, int id = 0) {
  QList<QUrl> urls;
  for (const std::string& path : paths) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(path)));
  QMimeData data;
  data.setUrls(urls);
  QWidget* target = WidgetOf(id ? GetDlgItem(dialog, id) : dialog);
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);  // picks the widget the drop goes to
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

// Handles the messages posted so far, as the window's message loop would.
void HandlePosted() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// A fresh user: scratch home and settings folders, with a Videos folder.
class MainWindow : public ScratchUserTest {
 protected:
  MainWindow() {
    static const bool installed = [] {
      AfxSetResources(CorvaneResources());
      InstallQtMessagePump();
      InstallMediaFilters();
      return true;
    }();
    (void)installed;
    fs::create_directory(m_home.Path("Videos"));
    m_app.SetNamesFromExecutable("/opt/corvane/Pellumbra");
    m_app.SetRegistryKey("QuillonStudio");
  }

  // Opens the main window, runs `script` once it shows and returns the
  // dialog's result; the script has to end the dialog.
  INT_PTR Run(const std::function<void(HWND)>& script, const std::string& startSource = {}) {
    ConverterDialog dialog;
    if (!startSource.empty()) dialog.ChooseSourcesOnStart({startSource});
    m_app.m_pMainWnd = &dialog;
    QTimer::singleShot(0, [&] { script(dialog.m_hWnd); });
    const INT_PTR result = dialog.DoModal();
    m_app.m_pMainWnd = nullptr;
    return result;
  }
  // Runs `script` in the main window, then leaves it with Exit.
  void Use(const std::function<void(HWND)>& script, const std::string& startSource = {}) {
    Run(
        [&](HWND dialog) {
          script(dialog);
          Click(dialog, IDCANCEL);
        },
        startSource);
  }
  // The output path the window proposes as it opens.
  std::string ProposedOutput() {
    std::string proposed;
    Use([&](HWND dialog) { proposed = TextOf(dialog, IDC_OUTPUT_PATH); });
    return proposed;
  }
  void ChooseSource(HWND dialog, const fs::path& source) {
    m_desktop.QueueFileChoice(source.string());
    Click(dialog, IDC_OPEN_VIDEO);
  }
  CString Stored(const char* section, const char* key) {
    return m_app.GetProfileString(section, key, "absent");
  }

  CWinApp m_app;
  ScriptedDesktop m_desktop;
};

TEST_F(MainWindow, FirstStartProposesTheVideosFolderAndCreatesTheSettingsFileThenAStoredOutputWins) {
  EXPECT_EQ(ProposedOutput(), m_home.Path("Videos/clip.mkv"));
  EXPECT_THAT(m_desktop.boxes, IsEmpty());
  EXPECT_TRUE(fs::exists(m_home.Path("config/QuillonStudio/Pellumbra.conf")));
  m_app.WriteProfileString("Option", "output_filename", "/srv/films/last.mkv");
  EXPECT_EQ(ProposedOutput(), "/srv/films/last.mkv");
}

TEST_F(MainWindow, WithoutAVideosFolderSaysSoBeforeTheWindowAndProposesTheHomeFolder) {
  fs::remove(m_home.Path("Videos"));
  std::size_t boxesBeforeWindow = 0;
  Use([&](HWND) { boxesBeforeWindow = m_desktop.boxes.size(); });
  EXPECT_EQ(boxesBeforeWindow, 1u);
  ASSERT_THAT(m_desktop.BoxTexts(), ElementsAre("Can not get My Video directory!"));
  EXPECT_EQ(m_desktop.boxes[0].caption, "Error");
  EXPECT_EQ(ProposedOutput(), m_home.Path("clip.mkv"));
}

TEST_F(MainWindow, OpenVideoShowsTheNameAndTheNextChoiceStartsInItsFolderAlsoAfterARestart) {
  const std::string folder = m_home.Path("my films/");
  WriteFile(folder + "holiday 1.mp4", "not looked at");
  std::string shown, afterCancel;
  Use([&](HWND dialog) {
    ChooseSource(dialog, folder + "holiday 1.mp4");
    shown = TextOf(dialog, IDC_SOURCE_NAME);
    m_desktop.QueueFileChoice(std::nullopt);
    Click(dialog, IDC_OPEN_VIDEO);
    afterCancel = TextOf(dialog, IDC_SOURCE_NAME);
  });
  EXPECT_EQ(shown, "holiday 1.mp4");
  EXPECT_EQ(afterCancel, shown);
  EXPECT_EQ(Stored("Option", "LastOpenedFolder"), folder);
  m_desktop.QueueFileChoice(std::nullopt);
  Use([&](HWND dialog) { Click(dialog, IDC_OPEN_VIDEO); });
  ASSERT_EQ(m_desktop.fileRequests.size(), 3u);
  EXPECT_EQ(m_desktop.fileRequests[0].title, "Select a video file...");
  EXPECT_EQ(m_desktop.fileRequests[1].initialFolder, folder);
  EXPECT_EQ(m_desktop.fileRequests[2].initialFolder, folder);
}

constexpr char kSourceAsOutput[] =
    "The output file is the source video itself. Please choose another output file name.";
constexpr char kCannotOpen[] = " is not a file that can be opened. Please choose a single video file.";

TEST_F(MainWindow, ADroppedFileIsChosenLikeOpenVideoAndDroppedFilesThatAreNoVideoAreNamed) {
  const std::string folder = m_home.Path("drops/");
  WriteFile(folder + "clip one.mp4", "not looked at");
  WriteFile(folder + "clip two.mp4", "not looked at");
  std::string output, outputAfterDrop, shown, shownAtEnd;
  HWND window = nullptr;
  Use([&](HWND dialog) {
    window = dialog;
    output = TextOf(dialog, IDC_OUTPUT_PATH);
    Drop(dialog, {folder + "clip one.mp4"}, IDC_OUTPUT_PATH);  // an edit passes files on to its window
    HandlePosted();
    shown = TextOf(dialog, IDC_SOURCE_NAME);
    outputAfterDrop = TextOf(dialog, IDC_OUTPUT_PATH);
    Drop(dialog, {folder + "clip one.mp4", m_home.Path("drops"), folder + "clip two.mp4"});
    Drop(dialog, {m_home.Path("drops")});
    HandlePosted();
    shownAtEnd = TextOf(dialog, IDC_SOURCE_NAME);
  });
  EXPECT_EQ(shown, "clip one.mp4");
  EXPECT_EQ(outputAfterDrop, output);
  EXPECT_EQ(shownAtEnd, shown);
  EXPECT_EQ(Stored("Option", "LastOpenedFolder"), folder);
  ASSERT_THAT(
      m_desktop.BoxTexts(),
      ElementsAre("These dropped files were left out:\n  " + folder + "clip one.mp4: not a video file\n  " +
                      m_home.Path("drops") + ": not a file that can be opened\n  " + folder +
                      "clip two.mp4: not a video file\n",
                  m_home.Path("drops") + kCannotOpen));
  for (const ShownBox& box : m_desktop.boxes) {
    EXPECT_EQ(box.owner, window);
    EXPECT_EQ(box.caption, "Error");
  }
}

TEST_F(MainWindow, AFileNamedAtStartIsChosenOnceTheWindowShowsAndAMissingOneIsRefused) {
  WriteFile(m_home.Path("start.mp4"), "not looked at");
  std::string shown;
  Use(
      [&](HWND dialog) {
        HandlePosted();
        shown = TextOf(dialog, IDC_SOURCE_NAME);
      },
      m_home.Path("start.mp4"));
  EXPECT_EQ(shown, "start.mp4");
  EXPECT_THAT(m_desktop.boxes, IsEmpty());
  bool shownOverTheWindow = false;
  m_desktop.AnswerBoxesWith([&](const ShownBox& box) {
    shownOverTheWindow = IsWindowVisible(box.owner);
    return IDOK;
  });
  Use([](HWND) { HandlePosted(); }, m_home.Path("missing.mp4"));
  EXPECT_THAT(m_desktop.BoxTexts(), ElementsAre(m_home.Path("missing.mp4") + kCannotOpen));
  EXPECT_TRUE(shownOverTheWindow);
}

TEST_F(MainWindow, BrowseStartsInTheOutputsFolderAndAlwaysChoosesAnMkvName) {
  m_app.WriteProfileString("Option", "output_filename", "clip.mkv");
  const std::vector<std::pair<std::string, std::string>> choices = {
      {"/a/b/film.avi", "/a/b/film.mkv"}, {"/x/v1.2/film", "/x/v1.2/film.mkv"}, {"/x/y", "/x/y.mkv"}};
  std::vector<std::string> shown, stored;
  for (const auto& choice : choices) m_desktop.QueueFileChoice(choice.first);
  m_desktop.QueueFileChoice(std::nullopt);
  Use([&](HWND dialog) {
    for (std::size_t i = 0; i <= choices.size(); ++i) {
      Click(dialog, IDC_BROWSE);
      shown.push_back(TextOf(dialog, IDC_OUTPUT_PATH));
      stored.push_back(Stored("Option", "output_filename"));
    }
  });
  EXPECT_THAT(shown, ElementsAre("/a/b/film.mkv", "/x/v1.2/film.mkv", "/x/y.mkv", "/x/y.mkv"));
  EXPECT_EQ(stored, shown);
  std::vector<std::string> folders;
  for (const FileDialogRequest& request : m_desktop.fileRequests) folders.push_back(request.initialFolder);
  EXPECT_THAT(folders, ElementsAre(".", "/a/b", "/x/v1.2", "/x"));
}

// Convert on a real MP4 fixture.
class Converting : public MainWindow {
 protected:
  void ConvertTo(const fs::path& output, const std::function<void(HWND)>& beforeConvert = {}) {
    Use([&](HWND dialog) {
      ChooseSource(dialog, m_source);
      SetWindowTextA(GetDlgItem(dialog, IDC_OUTPUT_PATH), output.c_str());
      if (beforeConvert) beforeConvert(dialog);
      Click(dialog, IDC_CONVERT);
    });
  }
  const media_test::MediaFixture& m_fixture = media_test::FixtureNamed("mp4");
  const fs::path m_source = media_test::FixturePath(m_fixture);
  const fs::path m_output = m_home.Path("Videos/out.mkv");
};

TEST_F(Converting, AnExistingOutputIsDeletedOnYesAndKeptOnNo) {
  WriteFile(m_output, "old output");
  fs::create_hard_link(m_output, m_home.Path("second name"));  // survives a deletion, not an overwrite
  int reply = IDNO;
  m_desktop.AnswerBoxesWith(
      [&](const ShownBox& box) { return EndsWith(box.text, "Do you want to replace it?") ? reply : IDOK; });
  ConvertTo(m_output);
  EXPECT_THAT(m_desktop.BoxTexts(), ElementsAre(m_output.string() + " exists. Do you want to replace it?"));
  EXPECT_EQ(m_desktop.boxes[0].type, MB_YESNO | MB_ICONWARNING);
  EXPECT_EQ(Contents(m_output), "old output");
  reply = IDYES;
  ConvertTo(m_output);
  EXPECT_EQ(m_desktop.BoxTexts().back(), kDone);
  EXPECT_EQ(Contents(m_home.Path("second name")), "old output");
  ExpectFaithfulRewrap(m_fixture, m_source, m_output);
}

TEST_F(Converting, AFailingConversionReportsItsErrorBeforeSayingItIsDone) {
  Use([&](HWND dialog) {
    SetWindowTextA(GetDlgItem(dialog, IDC_OUTPUT_PATH), m_output.c_str());
    Click(dialog, IDC_CONVERT);  // no source chosen
  });
  ASSERT_GE(m_desktop.boxes.size(), 2u);
  EXPECT_EQ(m_desktop.boxes.front().caption, "Pellumbra");
  EXPECT_THAT(m_desktop.boxes.front().text, HasSubstr("Failed to render source file"));
  EXPECT_EQ(m_desktop.boxes.back().text, kDone);
  EXPECT_EQ(m_desktop.boxes.back().caption, "Message");
  EXPECT_FALSE(fs::exists(m_output));
}

TEST_F(Converting, AFreshOutputIsWrittenAndExitCloseAndConvertWaitForTheRunningConversion) {
  ConvertTo(m_output, [](HWND dialog) {
    PostClick(dialog, IDCANCEL);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    PostClick(dialog, IDC_CONVERT);
  });
  // A fresh output is written without a question.
  EXPECT_THAT(m_desktop.BoxTexts(), ElementsAre(kBusy, kBusy, kBusy, kDone));
  EXPECT_EQ(m_desktop.boxes[0].caption, "Pellumbra");
  ExpectFaithfulRewrap(m_fixture, m_source, m_output);
}

TEST_F(Converting, ADroppedSourceConvertsAndDropsDuringTheConversionAreIgnored) {
  WriteFile(m_home.Path("other.mp4"), "not looked at");
  std::string shown, title;
  Use([&](HWND dialog) {
    Drop(dialog, {m_source.string()});
    HandlePosted();
    SetWindowTextA(GetDlgItem(dialog, IDC_OUTPUT_PATH), m_output.c_str());
    Drop(dialog, {m_home.Path("other.mp4")});  // handled while the conversion runs
    Drop(dialog, {m_home.Path("other.mp4"), m_source.string()});
    Click(dialog, IDC_CONVERT);
    HandlePosted();
    shown = TextOf(dialog, IDC_SOURCE_NAME);
    title = WidgetOf(dialog)->windowTitle().toStdString();
  });
  EXPECT_THAT(m_desktop.BoxTexts(), ElementsAre(kDone));
  EXPECT_EQ(shown, m_source.filename());
  EXPECT_EQ(title, "Corvane");
  EXPECT_EQ(Stored("Option", "LastOpenedFolder"), m_source.parent_path().string() + "/");
  ExpectFaithfulRewrap(m_fixture, m_source, m_output);
}

TEST_F(Converting, TheSourceItselfIsRefusedAsOutputAlsoThroughALink) {
  const fs::path source = m_home.Path("source.mp4");
  fs::copy_file(m_source, source);
  fs::create_symlink(source, m_home.Path("link.mkv"));
  const std::string original = Contents(source);
  Use([&](HWND dialog) {
    ChooseSource(dialog, source);
    for (const std::string& output : {source.string(), m_home.Path("link.mkv")}) {
      SetWindowTextA(GetDlgItem(dialog, IDC_OUTPUT_PATH), output.c_str());
      Click(dialog, IDC_CONVERT);
    }
  });
  EXPECT_THAT(m_desktop.BoxTexts(), ElementsAre(kSourceAsOutput, kSourceAsOutput));
  EXPECT_EQ(Contents(source), original);
}

// The replace question leaves the window live: whatever Browse or Open Video
// choose while it is open, Yes replaces only the file it named, and never the
// source.
TEST_F(Converting, YesReplacesOnlyTheFileTheQuestionNamedAndNeverTheSource) {
  const fs::path confirmed = m_home.Path("A.mkv");
  const fs::path chosenMeanwhile = m_home.Path("B.mkv");
  WriteFile(confirmed, "A before");
  WriteFile(chosenMeanwhile, "B before");
  HWND window = nullptr;
  std::function<void()> duringQuestion;
  m_desktop.AnswerBoxesWith([&](const ShownBox& box) {
    if (!EndsWith(box.text, "Do you want to replace it?")) return IDOK;
    duringQuestion();
    return IDYES;
  });
  duringQuestion = [&] {
    m_desktop.QueueFileChoice(chosenMeanwhile.string());
    Click(window, IDC_BROWSE);
  };
  ConvertTo(confirmed, [&](HWND dialog) { window = dialog; });
  EXPECT_THAT(m_desktop.BoxTexts(),
              ElementsAre(confirmed.string() + " exists. Do you want to replace it?", kDone));
  EXPECT_EQ(Contents(chosenMeanwhile), "B before");
  ExpectFaithfulRewrap(m_fixture, m_source, confirmed);

  WriteFile(confirmed, "A before");
  m_desktop.boxes.clear();
  duringQuestion = [&] { ChooseSource(window, confirmed); };
  ConvertTo(confirmed, [&](HWND dialog) { window = dialog; });
  EXPECT_THAT(m_desktop.BoxTexts(),
              ElementsAre(confirmed.string() + " exists. Do you want to replace it?", kSourceAsOutput));
  EXPECT_EQ(Contents(confirmed), "A before");
}

// A failed conversion keeps the old output byte for byte, removes a new one,
// leaves nothing beside them, and says why in plain words.
TEST_F(Converting, OnAFullDiskTheOldOutputStaysAndNothingIsLeftBeside) {
  const fs::path disk = m_home.Path("small disk");
  ScratchMount mount(disk, "size=64k");
  if (!mount.Mounted()) GTEST_SKIP() << "mounting a small tmpfs needs root";
  WriteFile(disk / "old.mkv", "the user's old file");
  m_desktop.AnswerBoxesWith(
      [](const ShownBox& box) { return EndsWith(box.text, "Do you want to replace it?") ? IDYES : IDOK; });
  ConvertTo(disk / "old.mkv");
  ConvertTo(disk / "new.mkv");
  const std::string diskFull = "Failed to write the Matroska file!  hr=0x80070070\nThe disk is full.";
  EXPECT_THAT(m_desktop.BoxTexts(),
              ElementsAre((disk / "old.mkv").string() + " exists. Do you want to replace it?", diskFull,
                          kDone, diskFull, kDone));
  EXPECT_EQ(Contents(disk / "old.mkv"), "the user's old file");
  EXPECT_THAT(FilesIn(disk), ElementsAre("old.mkv"));
}

TEST_F(Converting, ARelativeSourceNamedAtStartConvertsAfterAFileDialogChangedTheFolder) {
  const fs::path clips = m_home.Path("clips");
  fs::create_directories(clips);
  fs::copy_file(m_source, clips / "in.mp4");
  fs::current_path(clips);  // the desktop puts the folder back when the test ends
  Use(
      [&](HWND dialog) {
        HandlePosted();
        m_desktop.QueueFileChoice(m_output.string());
        Click(dialog, IDC_BROWSE);  // the file dialogs enter the chosen file's folder
        Click(dialog, IDC_CONVERT);
      },
      "in.mp4");
  EXPECT_THAT(m_desktop.BoxTexts(), ElementsAre(kDone));
  EXPECT_EQ(Stored("Option", "LastOpenedFolder"), clips.string() + "/");
  ExpectFaithfulRewrap(m_fixture, clips / "in.mp4", m_output);
}

// Several sources convert one after another into the output box's folder,
// each through the safe path, with one question and one summary.
TEST_F(Converting, ADropOfSeveralFilesIsAQueueWithOneQuestionAndOneSummary) {
  const fs::path in = m_home.Path("queue");
  fs::create_directories(in);
  for (const char* name : {"a.mp4", "b.mp4", "d.mp4"}) fs::copy_file(m_source, in / name);
  fs::copy_file(media_test::TruncatedMp4(), in / "cut.mp4");
  const fs::path out = m_home.Path("Videos");
  WriteFile(out / "a.mkv", "kept");
  fs::create_directories(out / "b.mkv");  // an output that cannot be written: b fails
  HWND window = nullptr;
  std::string titleDuringQueue;
  m_desktop.AnswerBoxesWith([&](const ShownBox& box) {
    if (box.text == kBusy) titleDuringQueue = WidgetOf(window)->windowTitle().toStdString();
    return EndsWith(box.text, "Replace them?") ? IDNO : IDOK;
  });
  std::string label;
  Use([&](HWND dialog) {
    window = dialog;
    Drop(dialog, {(in / "a.mp4").string(), (in / "b.mp4").string(), (in / "cut.mp4").string(),
                  (in / "d.mp4").string()});
    HandlePosted();
    label = TextOf(dialog, IDC_SOURCE_NAME);
    SetWindowTextA(GetDlgItem(dialog, IDC_OUTPUT_PATH), (out / "ignored name.mkv").c_str());
    PostMessageA(dialog, WM_CLOSE, 0, 0);  // handled while the first file converts
    Click(dialog, IDC_CONVERT);
  });
  EXPECT_EQ(label, "4 files: a.mp4, b.mp4, \xE2\x80\xA6");
  EXPECT_THAT(
      m_desktop.BoxTexts(),
      ElementsAre("1 of 4 output files exist. Replace them?", kBusy,
                  "Converted: d.mp4\nWritten, but incomplete: cut.mp4\nFailed: b.mp4 (a folder stands "
                  "where a file was expected)\nSkipped: a.mp4 (the output exists)\nConverting is done!"));
  EXPECT_THAT(titleDuringQueue, StartsWith("Corvane - 3/4"));  // b fails before its run waits
  EXPECT_EQ(Contents(out / "a.mkv"), "kept");
  EXPECT_THAT(FilesIn(out), ElementsAre("a.mkv", "b.mkv", "cut.mkv", "d.mkv"));
  ExpectFaithfulRewrap(m_fixture, in / "d.mp4", out / "d.mkv");
}

// While the update question of the close path is open, the window still
// handles messages: a second close and a Convert must not act.
TEST_F(MainWindow, ClosingRunsOnceEvenWhileItsUpdateQuestionIsOpen) {
  while (CoIsInitializedOnThread()) CoUninitialize();
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);  // the test's own hold on COM
  m_app.WriteProfileInt("Setup", "t_first_update", 1700000000);
  m_desktop.SetClock(1700000000 + 15552001);
  HWND window = nullptr;
  m_desktop.AnswerBoxesWith([&](const ShownBox& box) {
    if (box.caption != "Update the program") return IDOK;
    SendMessageA(window, WM_CLOSE, 0, 0);  // as the question's own message loop would
    Click(window, IDC_CONVERT);
    return IDNO;
  });
  Run([&](HWND dialog) {
    window = dialog;
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  });
  ASSERT_EQ(m_desktop.boxes.size(), 2u);
  EXPECT_EQ(m_desktop.boxes[0].caption, "Update the program");
  EXPECT_EQ(m_desktop.boxes[1].text, kBusy);
  EXPECT_TRUE(CoIsInitializedOnThread());
  CoUninitialize();
}

TEST_F(MainWindow, ClosingWhenIdleOffersTheUpdateCheckButExitAndOkDoNot) {
  EXPECT_EQ(Run([](HWND dialog) { Click(dialog, IDCANCEL); }), IDCANCEL);
  EXPECT_EQ(Run([](HWND dialog) { Click(dialog, IDOK); }), IDOK);
  EXPECT_EQ(Stored("Setup", "t_first_update"), "absent");
  m_desktop.SetClock(1700000000);
  Run([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
  EXPECT_THAT(m_desktop.boxes, IsEmpty());
  EXPECT_EQ(Stored("Setup", "t_first_update"), "1700000000");
  m_desktop.SetClock(1700000000 + 15552001);
  Run([](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); });
  ASSERT_EQ(m_desktop.boxes.size(), 1u);
  EXPECT_EQ(m_desktop.boxes[0].caption, "Update the program");
}

TEST_F(MainWindow, TheSystemMenuOpensTheAboutBoxAndCloses) {
  int aboutShown = 0;
  QPointer<QWidget> closing;
  QTimer poll;  // closes each About box as it shows
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (closing) return;  // the last one has not gone yet
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || window->windowTitle() != "About Corvane") continue;
      ++aboutShown;
      closing = window;
      PostMessageA(HandleOf(window), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
  });
  poll.start(1);
  Run([](HWND dialog) {
    SendMessageA(dialog, WM_SYSCOMMAND, 0x0010, 0);
    SendMessageA(dialog, WM_SYSCOMMAND, 0x0013, 0);
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_EQ(aboutShown, 2);
  EXPECT_NE(Stored("Setup", "t_first_update"), "absent");  // closing ran the update check
}

}  // namespace
