#include "engine/source_notes_message.h"

#include <cstdio>

namespace {

// "1:02:03.4" or "2:03.4": where the readable part of a source ends.
std::string PlayingTime(int64_t us) {
  const int64_t tenths = us / 100'000;
  const int64_t seconds = tenths / 10, minutes = seconds / 60, hours = minutes / 60;
  char text[48];
  if (hours > 0)
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%lld", static_cast<long long>(hours),
                  static_cast<long long>(minutes % 60), static_cast<long long>(seconds % 60),
                  static_cast<long long>(tenths % 10));
  else
    std::snprintf(text, sizeof text, "%lld:%02lld.%lld", static_cast<long long>(minutes),
                  static_cast<long long>(seconds % 60), static_cast<long long>(tenths % 10));
  return text;
}

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
  if (damage.readableUntilUs >= 0)
    text += damage.endedEarly ? " Its readable part ends at " + PlayingTime(damage.readableUntilUs) + "."
                              : " It was read up to " + PlayingTime(damage.readableUntilUs) + ".";
  else
    text += " Nothing of it could be read.";
  if (damage.packetsLeftOut > 0)
    text += " " + std::to_string(damage.packetsLeftOut) + " damaged or incomplete packet" +
            (damage.packetsLeftOut == 1 ? " was" : "s were") + " left out.";
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
