// The help viewer's window: the contents of one compiled help file beside the
// page being read. The window is titled after that page.
#pragma once

#include <QUrl>
#include <QWidget>

#include "tools/hh/chm_archive.h"

class ChmBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(ChmArchive archive, QWidget* parent = nullptr);

  // Shows a topic of the archive ("/page.htm#anchor").
  void openTopic(const QString& topic);

  ChmBrowser* browser() const { return browser_; }
  QTreeWidget* contents() const { return contents_; }

 private:
  void fillContents();
  void showPageState(const QUrl& page);
  QTreeWidgetItem* itemForPage(const QUrl& page) const;

  ChmBrowser* browser_;
  QTreeWidget* contents_;
};
