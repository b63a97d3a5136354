// hh.exe: shows one topic of a compiled help file, "FILE.chm::/TOPIC".
// When the file or the topic cannot be found it shows nothing and exits with
// status 1: the program that starts it reports no failure of its own, so a
// quiet end is better than a window that would only say "not found".
#include <QApplication>

#include "platform/win32/user/display_text.h"
#include "tools/hh/chm_archive.h"
#include "tools/hh/help_request.h"
#include "tools/hh/help_window.h"

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  const HelpRequest request = parseHelpRequest(arguments);

  // Checked before any window system is touched, so a failed request shows
  // nothing even where no display is available.
  std::optional<ChmArchive> archive = ChmArchive::open(request.file);
  if (!archive) return 1;
  const std::optional<QString> topic = findRequestedTopic(*archive, request);
  if (!topic) return 1;

  QApplication application(argc, argv);
  // The program's catalogues, beside hh.exe as beside the window program.
  InstallDesktopTranslation(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                            QStringLiteral("corvane"));
  HelpWindow window(std::move(*archive));
  window.openTopic(*topic);
  window.show();
  return application.exec();
}
