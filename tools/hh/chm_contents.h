// The table of contents of a compiled help file: the sitemap page (.hhc) it
// carries, a nested list of <OBJECT type="text/sitemap"> entries.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct ContentsEntry {
  QString name;   // the text shown in the contents list
  QString local;  // the page, as written in the sitemap (relative, may hold "#anchor")
  int depth = 0;  // 0 for the outermost list, 1 for a list nested in it, ...

  friend bool operator==(const ContentsEntry&, const ContentsEntry&) = default;
};

// Entries in document order; objects without a name (such as the sitemap's
// own properties) are left out. Tolerates the loose HTML help compilers accept.
QList<ContentsEntry> parseContents(const QByteArray& sitemap);
