#include "platform/win32/user/display_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>
#include <optional>

namespace {

std::span<const char* const> g_formats;
bool g_translated = false;  // a translation is installed; English needs no lookups

// printf conversions as the program's formats use them; "%%" is a literal.
const QRegularExpression& Conversion() {
  static const QRegularExpression conversion(
      QStringLiteral("%(%|[-+ #0]*\\d*(?:\\.\\d+)?(?:hh|h|ll|l|z)?([diuxXs]))"));
  return conversion;
}

QString Lookup(const QString& source) {
  const QByteArray utf8 = source.toUtf8();
  return QCoreApplication::translate(kProgramTextContext, utf8.constData());
}

// The translation of `text` as the catalogue holds it, also when the
// catalogue's text ends with the line break the display split off.
std::optional<QString> Exact(const QString& text) {
  if (QString found = Lookup(text); found != text) return found;
  const QString withBreak = text + u'\n';
  if (QString found = Lookup(withBreak); found != withBreak)
    return found.chopped(found.endsWith(u'\n') ? 1 : 0);
  return std::nullopt;
}

// A pattern matching what `format` prints, one group for each conversion.
QRegularExpression PatternOf(const QString& format) {
  QString pattern;
  qsizetype literalStart = 0;
  for (const QRegularExpressionMatch& match : Conversion().globalMatch(format)) {
    pattern += QRegularExpression::escape(format.mid(literalStart, match.capturedStart() - literalStart));
    literalStart = match.capturedEnd();
    const QString kind = match.captured(2);
    if (kind.isEmpty())
      pattern += QStringLiteral("%");
    else if (kind == u"s")
      pattern += QStringLiteral("(.*)");
    else if (kind == u"x")
      pattern += QStringLiteral("([0-9a-f]+)");
    else if (kind == u"X")
      pattern += QStringLiteral("([0-9A-F]+)");
    else
      pattern += QStringLiteral("(-?[0-9]+)");
  }
  pattern += QRegularExpression::escape(format.mid(literalStart));
  return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                            QRegularExpression::DotMatchesEverythingOption);
}

// `format` with its conversions replaced, in order, by `arguments`.
QString Substitute(const QString& format, const QStringList& arguments) {
  QString result;
  qsizetype literalStart = 0;
  qsizetype next = 0;
  for (const QRegularExpressionMatch& match : Conversion().globalMatch(format)) {
    result += format.mid(literalStart, match.capturedStart() - literalStart);
    literalStart = match.capturedEnd();
    result += match.captured(2).isEmpty() ? QStringLiteral("%") : arguments.value(next++);
  }
  return result + format.mid(literalStart);
}

QString WithoutTrailingBreaks(QString text) {
  while (text.endsWith(u'\n')) text.chop(1);
  return text;
}

// `text` recognised as the output of one of the program's formats, shown in
// the translated format with the same arguments. A format made of nothing
// but conversions would match anything, so only formats with words count.
std::optional<QString> ByFormat(const QString& text, bool asLine) {
  for (const char* format : g_formats) {
    const QString source = QString::fromUtf8(format);
    const QString translated = Lookup(source);
    if (translated == source) continue;
    const QString shape = asLine ? WithoutTrailingBreaks(source) : source;
    if (QString(shape).remove(Conversion()).trimmed().isEmpty()) continue;
    const QRegularExpressionMatch match = PatternOf(shape).match(text);
    if (!match.hasMatch()) continue;
    QStringList arguments = match.capturedTexts();
    arguments.removeFirst();
    // An argument may itself be a text of the program (a stream's reason).
    for (QString& argument : arguments) argument = Exact(argument).value_or(argument);
    return Substitute(asLine ? WithoutTrailingBreaks(translated) : translated, arguments);
  }
  return std::nullopt;
}

// A phrase of the catalogue made into a sentence ("the disk is full" shown
// as "The disk is full.").
std::optional<QString> AsSentence(const QString& sentence) {
  if (sentence.size() < 2 || !sentence.endsWith(u'.')) return std::nullopt;
  QString phrase = sentence.chopped(1);
  phrase[0] = phrase[0].toLower();
  std::optional<QString> found = Exact(phrase);
  if (!found || found->isEmpty()) return std::nullopt;
  (*found)[0] = found->at(0).toUpper();
  return *found + u'.';
}

std::optional<QString> Piece(const QString& text) {
  if (auto found = Exact(text)) return found;
  if (auto found = ByFormat(text, true)) return found;
  return AsSentence(text);
}

// A line the program put together from sentences of the catalogue.
std::optional<QString> BySentences(const QString& line) {
  const QStringList sentences = line.split(QStringLiteral(". "));
  if (sentences.size() < 2) return std::nullopt;
  QStringList translated;
  for (qsizetype i = 0; i < sentences.size(); ++i) {
    const QString sentence = i + 1 < sentences.size() ? sentences[i] + u'.' : sentences[i];
    const std::optional<QString> found = Piece(sentence);
    if (!found) return std::nullopt;
    translated << *found;
  }
  return translated.join(u' ');
}

QString TranslateLine(const QString& line) {
  if (line.trimmed().isEmpty()) return line;
  if (auto found = Piece(line)) return *found;
  return BySentences(line).value_or(line);
}

}  // namespace

QString InstallDesktopTranslation(const QString& folder, const QString& catalog) {
  for (const QString& language : QLocale::system().uiLanguages()) {
    // English is the program's own language: no catalogue, and no fallback
    // to a language listed after it.
    if (language == u"en" || language.startsWith(QStringLiteral("en-"))) return {};
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString name = catalog + u'_' + QString(language).replace(u'-', u'_');
    if (translator->load(name, folder)) {
      QCoreApplication::installTranslator(translator);
      g_translated = true;
      return QFileInfo(translator->filePath()).completeBaseName().mid(catalog.size() + 1);
    }
    delete translator;
  }
  return {};
}

void SetDisplayTextFormats(std::span<const char* const> formats) { g_formats = formats; }

QString DisplayText(const QString& text) {
  if (!g_translated || text.isEmpty()) return text;
  if (auto found = Exact(text)) return *found;
  if (auto found = ByFormat(text, false)) return *found;
  QStringList lines = text.split(u'\n');
  for (QString& line : lines) line = TranslateLine(line);
  return lines.join(u'\n');
}

QString DisplayText(const char* text) { return DisplayText(QString::fromUtf8(text ? text : "")); }
