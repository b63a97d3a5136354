// Reads pages, images and the table of contents straight out of a compiled
// help file (.chm) through chmlib.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <optional>

#include "tools/hh/chm_contents.h"

struct chmFile;

class ChmArchive {
 public:
  // Nothing when the file is missing, unreadable or not a compiled help file.
  static std::optional<ChmArchive> open(const QString& filePath);

  // The stored object at path ("/page.htm"; without the leading slash it is
  // taken from the root), or nothing when the archive holds no such object.
  // Names match without regard to case, as on the system help files come from.
  std::optional<QByteArray> read(const QString& path) const;

  // The page to show when none is asked for: the file's own default page,
  // else the first page of its contents; empty when it names neither.
  QString defaultTopic() const;
  // The title the file was compiled with; may be empty.
  QString title() const { return title_; }
  // The table of contents, each local page resolved against the contents
  // file's folder into a path from the root ("/page.htm#anchor").
  QList<ContentsEntry> topics() const;

 private:
  struct Closer {
    void operator()(chmFile* file) const;
  };

  explicit ChmArchive(chmFile* file);
  void readSystemRecords();
  QString findContentsFile() const;

  std::unique_ptr<chmFile, Closer> file_;
  QString defaultTopic_;
  QString title_;
  QString contentsFile_;
};
