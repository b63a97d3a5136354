#include "tools/hh/chm_archive.h"

#include <chm_lib.h>

#include <QFile>
#include <QUrl>
#include <QtEndian>

namespace {

// A corrupt directory entry must not make us allocate gigabytes.
constexpr LONGUINT64 kLargestObject = 256ull * 1024 * 1024;

// Record codes of the archive's "#SYSTEM" file: code, length, then the data.
constexpr quint16 kContentsFileRecord = 0;
constexpr quint16 kDefaultTopicRecord = 2;
constexpr quint16 kTitleRecord = 3;

QString rootedPath(const QString& path) { return path.startsWith(u'/') ? path : u'/' + path; }

// Strings in the system records end with a NUL inside their stated length.
QString recordText(QByteArrayView data) {
  const qsizetype end = data.indexOf('\0');
  return QString::fromUtf8(end < 0 ? data : data.first(end));
}

QString pathWithFragment(const QUrl& url) {
  const QString path = url.path(QUrl::FullyDecoded);
  return url.hasFragment() ? path + u'#' + url.fragment(QUrl::FullyDecoded) : path;
}

int rememberContentsFile(chmFile*, chmUnitInfo* unit, void* context) {
  const QString path = QString::fromUtf8(unit->path);
  if (!path.endsWith(QLatin1StringView(".hhc"), Qt::CaseInsensitive)) return CHM_ENUMERATOR_CONTINUE;
  *static_cast<QString*>(context) = path;
  return CHM_ENUMERATOR_SUCCESS;
}

}  // namespace

void ChmArchive::Closer::operator()(chmFile* file) const { chm_close(file); }

ChmArchive::ChmArchive(chmFile* file) : file_(file) {}

std::optional<ChmArchive> ChmArchive::open(const QString& filePath) {
  chmFile* file = chm_open(QFile::encodeName(filePath).constData());
  if (file == nullptr) return std::nullopt;
  ChmArchive archive(file);
  archive.readSystemRecords();
  if (archive.contentsFile_.isEmpty()) archive.contentsFile_ = archive.findContentsFile();
  return archive;
}

std::optional<QByteArray> ChmArchive::read(const QString& path) const {
  const QByteArray name = QFile::encodeName(rootedPath(path));
  chmUnitInfo unit{};
  if (name.size() > CHM_MAX_PATHLEN ||
      chm_resolve_object(file_.get(), name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
    return std::nullopt;
  if (unit.length > kLargestObject) return std::nullopt;
  QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
  auto* buffer = reinterpret_cast<unsigned char*>(data.data());
  if (chm_retrieve_object(file_.get(), &unit, buffer, 0, data.size()) != data.size()) return std::nullopt;
  return data;
}

void ChmArchive::readSystemRecords() {
  const QByteArray records = read(QStringLiteral("/#SYSTEM")).value_or(QByteArray());
  qsizetype offset = 4;  // after the format version
  while (offset + 4 <= records.size()) {
    const auto code = qFromLittleEndian<quint16>(records.constData() + offset);
    const auto length = qFromLittleEndian<quint16>(records.constData() + offset + 2);
    const QByteArrayView data = QByteArrayView(records)
                                    .sliced(offset + 4)
                                    .first(qMin<qsizetype>(length, records.size() - offset - 4));
    if (code == kContentsFileRecord) contentsFile_ = rootedPath(recordText(data));
    if (code == kDefaultTopicRecord) defaultTopic_ = rootedPath(recordText(data));
    if (code == kTitleRecord) title_ = recordText(data);
    offset += 4 + length;
  }
}

// Files compiled without a contents record still carry their sitemap.
QString ChmArchive::findContentsFile() const {
  QString found;
  chm_enumerate(file_.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, rememberContentsFile, &found);
  return found;
}

QString ChmArchive::defaultTopic() const {
  if (!defaultTopic_.isEmpty()) return defaultTopic_;
  for (const ContentsEntry& entry : topics()) {
    if (!entry.local.isEmpty()) return entry.local;
  }
  return QString();
}

QList<ContentsEntry> ChmArchive::topics() const {
  if (contentsFile_.isEmpty()) return {};
  QList<ContentsEntry> entries = parseContents(read(contentsFile_).value_or(QByteArray()));
  QUrl base;
  base.setScheme(QStringLiteral("chm"));
  base.setPath(contentsFile_);
  for (ContentsEntry& entry : entries) {
    if (!entry.local.isEmpty()) entry.local = pathWithFragment(base.resolved(QUrl(entry.local)));
  }
  return entries;
}
