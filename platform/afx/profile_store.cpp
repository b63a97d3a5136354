#include "platform/afx/profile_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <limits>
#include <optional>
#include <utility>

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8 ? utf8 : ""); }

QString SettingsKey(const char* section, const char* key) { return Text(section) + '/' + Text(key); }

// Creates the store's folder and an empty file when they are missing; an
// existing file is never touched.
void CreateStoreFile(const QString& path) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) file.close();
}

// Texts the user wrote by hand as "a, b" read back as lists.
QString TextOf(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

// Qt keeps what it parsed of a file while the file's size and modification
// time stay the same, and a change of permissions alters neither; opening the
// file first makes a store that became unreadable give the defaults.
std::optional<QString> ReadText(const QString& path, const QString& key) {
  CreateStoreFile(path);
  if (QFile store(path); !store.open(QIODevice::ReadOnly)) return std::nullopt;
  const QSettings settings(path, QSettings::IniFormat);
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  return TextOf(value);
}

// Holds the store's folder locked against writers in other processes for as
// long as it lives; the kernel lets go when the process ends, however it ends.
class FolderWriteLock {
 public:
  explicit FolderWriteLock(const QString& folder)
      : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (m_fd >= 0) ::flock(m_fd, LOCK_EX);
  }
  ~FolderWriteLock() {
    if (m_fd >= 0) ::close(m_fd);
  }
  FolderWriteLock(const FolderWriteLock&) = delete;
  FolderWriteLock& operator=(const FolderWriteLock&) = delete;

 private:
  int m_fd;
};

// Reading a partly damaged file leaves a format error although the write
// succeeds (and rewrites the file whole), so only an access error is a failure.
// Writers take turns over the whole read-merge-write: with only Qt's own lock,
// processes writing at once now and then lost each other's keys.
bool WriteValue(const QString& path, const QString& key, const QVariant& value) {
  const QString folder = QFileInfo(path).absolutePath();
  QDir().mkpath(folder);
  const FolderWriteLock turn(folder);
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue(key, value);
  settings.sync();
  return settings.status() != QSettings::AccessError;
}

std::optional<std::uint32_t> Int32Of(const QString& text) {
  bool ok = false;
  const qlonglong number = text.toLongLong(&ok);
  if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
      number > std::numeric_limits<std::uint32_t>::max())
    return std::nullopt;
  return static_cast<std::uint32_t>(number);
}

}  // namespace

ProfileStore::ProfileStore(std::string company, std::string application)
    : m_company(std::move(company)), m_application(std::move(application)) {}

std::string ProfileStore::FilePath() const {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString path = folder + '/' + QString::fromStdString(m_company) + '/' +
                       QString::fromStdString(m_application) + QStringLiteral(".conf");
  return QDir::cleanPath(path).toStdString();
}

std::string ProfileStore::GetString(const char* section, const char* key, const char* defaultValue) const {
  const std::optional<QString> text = ReadText(QString::fromStdString(FilePath()), SettingsKey(section, key));
  return text ? text->toStdString() : std::string(defaultValue ? defaultValue : "");
}

bool ProfileStore::WriteString(const char* section, const char* key, const char* value) {
  return WriteValue(QString::fromStdString(FilePath()), SettingsKey(section, key), Text(value));
}

std::uint32_t ProfileStore::GetInt(const char* section, const char* key, int defaultValue) const {
  const auto fallback = static_cast<std::uint32_t>(defaultValue);
  const std::optional<QString> text = ReadText(QString::fromStdString(FilePath()), SettingsKey(section, key));
  return text ? Int32Of(*text).value_or(fallback) : fallback;
}

bool ProfileStore::WriteInt(const char* section, const char* key, int value) {
  return WriteValue(QString::fromStdString(FilePath()), SettingsKey(section, key), value);
}
