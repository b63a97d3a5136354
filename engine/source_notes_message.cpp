#include "engine/source_notes_message.h"

#include "engine/clock_text.h"

namespace {

// Where the readable part of a source ends, cut (not rounded) to the tenth of
// a second: the message must not promise more than was read.
std::string PlayingTime(int64_t us) { return ClockText(static_cast<double>(us / 100'000) / 10.0, true); }

std::string LeftOutLines(const SourceNotes& notes) {
  std::string text;
  if (notes.leftOut.empty()) return text;
  text += notes.leftOut.size() == 1 ? "This stream of the source is not in it:\n"
                                    : "These streams of the source are not in it:\n";
  for (const LeftOutStream& stream : notes.leftOut)
    text += "  stream " + std::to_string(stream.number) + " (" + stream.kind + ", " + stream.codec +
            "): " + stream.reason + "\n";
  return text;
}

std::string DamageLines(const SourceDamage& damage) {
  if (!damage.endedEarly && !damage.unreadableParts) return {};
  std::string text = damage.endedEarly ? "The source ends early: the file looks cut off."
                                       : "Parts of the source could not be read.";
  // Appended piece by piece: gcc 12 at -O3 takes `"literal" + std::string`
  // for an overlapping copy (-Wrestrict).
  if (damage.readableUntilUs >= 0) {
    text += damage.endedEarly ? " Its readable part ends at " : " It was read up to ";
    text += PlayingTime(damage.readableUntilUs);
    text += '.';
  } else {
    text += " Nothing of it could be read.";
  }
  if (damage.packetsLeftOut > 0) {
    text += ' ';
    text += std::to_string(damage.packetsLeftOut);
    text += damage.packetsLeftOut == 1 ? " damaged or incomplete packet was left out."
                                       : " damaged or incomplete packets were left out.";
  }
  return text + "\n";
}

}  // namespace

std::string IncompleteSourceMessage(const SourceNotes& notes) {
  if (notes.Complete()) return {};
  std::string text = "The output file was written, but it is incomplete.\n";
  text += LeftOutLines(notes);
  text += DamageLines(notes.damage);
  return text;
}
