#include "engine/source_notes_message.h"

#include <cstdio>

#include "engine/clock_text.h"
#include "engine/formatted_text.h"
#include "platform/com/translatable.h"

namespace {

// The kinds FFmpeg names streams by, listed for translation: the window
// translates them where they stand in a stream's line.
[[maybe_unused]] constexpr const char* kStreamKinds[] = {
    QT_TRANSLATE_NOOP("Corvane", "video"),      QT_TRANSLATE_NOOP("Corvane", "audio"),
    QT_TRANSLATE_NOOP("Corvane", "subtitle"),   QT_TRANSLATE_NOOP("Corvane", "data"),
    QT_TRANSLATE_NOOP("Corvane", "attachment"),
};

// `format` filled in. Each sentence is one format of its own, so that the
// window can recognise and translate it.

// Where the readable part of a source ends, cut (not rounded) to the tenth of
// a second: the message must not promise more than was read.
std::string PlayingTime(int64_t us) { return ClockText(static_cast<double>(us / 100'000) / 10.0, true); }

std::string LeftOutLines(const SourceNotes& notes) {
  std::string text;
  if (notes.leftOut.empty()) return text;
  text += notes.leftOut.size() == 1
              ? QT_TRANSLATE_NOOP("Corvane", "This stream of the source is not in it:\n")
              : QT_TRANSLATE_NOOP("Corvane", "These streams of the source are not in it:\n");
  for (const LeftOutStream& stream : notes.leftOut)
    text += FormattedText(QT_TRANSLATE_NOOP("Corvane", "  stream %d (%s, %s): %s\n"), stream.number,
                          stream.kind.c_str(), stream.codec.c_str(), stream.reason.c_str());
  return text;
}

std::string DamageLines(const SourceDamage& damage) {
  if (!damage.endedEarly && !damage.unreadableParts) return {};
  std::string text = damage.endedEarly
                         ? QT_TRANSLATE_NOOP("Corvane", "The source ends early: the file looks cut off.")
                         : QT_TRANSLATE_NOOP("Corvane", "Parts of the source could not be read.");
  text += ' ';
  if (damage.readableUntilUs >= 0) {
    const std::string until = PlayingTime(damage.readableUntilUs);
    text += FormattedText(damage.endedEarly ? QT_TRANSLATE_NOOP("Corvane", "Its readable part ends at %s.")
                                            : QT_TRANSLATE_NOOP("Corvane", "It was read up to %s."),
                          until.c_str());
  } else {
    text += QT_TRANSLATE_NOOP("Corvane", "Nothing of it could be read.");
  }
  if (damage.packetsLeftOut > 0) {
    // Appended piece by piece: gcc 12 at -O3 takes `' ' + std::string` for an
    // overlapping copy (-Wrestrict).
    text += ' ';
    text +=
        FormattedText(damage.packetsLeftOut == 1
                          ? QT_TRANSLATE_NOOP("Corvane", "%lld damaged or incomplete packet was left out.")
                          : QT_TRANSLATE_NOOP("Corvane", "%lld damaged or incomplete packets were left out."),
                      static_cast<long long>(damage.packetsLeftOut));
  }
  return text + "\n";
}

}  // namespace

std::string IncompleteSourceMessage(const SourceNotes& notes) {
  if (notes.Complete()) return {};
  std::string text = QT_TRANSLATE_NOOP("Corvane", "The output file was written, but it is incomplete.\n");
  text += LeftOutLines(notes);
  text += DamageLines(notes.damage);
  return text;
}
