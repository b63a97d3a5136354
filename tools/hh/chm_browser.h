// A text browser that shows the pages of one compiled help file: pages,
// images and style sheets are read straight out of the archive, so links
// between topics and images relative to a page resolve as they do in the file.
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include "tools/hh/chm_archive.h"

class ChmBrowser : public QTextBrowser {
 public:
  explicit ChmBrowser(ChmArchive archive, QWidget* parent = nullptr);

  // The address of a topic of the archive ("/page.htm#anchor").
  static QUrl topicUrl(const QString& topic);

  const ChmArchive& archive() const { return archive_; }

  // Called by the document for every page, image and style sheet it needs.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  ChmArchive archive_;
};
