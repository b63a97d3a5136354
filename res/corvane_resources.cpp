#include "res/corvane_resources.h"

#include "platform/com/translatable.h"
#include "res/resource.h"
#include "res/text_formats.h"

extern const DialogTemplate kCorvaneDialogs[2];

namespace {

constexpr StringResource kStrings[] = {
    {IDS_ABOUTBOX, QT_TRANSLATE_NOOP("Corvane", "&About Corvane")},
};

constexpr IconResource kIcons[] = {
    {IDR_MAINFRAME, ":/corvane/icons/corvane-32.png"},
};

constexpr VersionResource kVersion = {
    {2, 0, 0, 1},     {2, 0, 0, 1},
    "Quillon Studio", "Corvane: rewraps video into Matroska",
    "Corvane",        "Copyright (C) 2026 Quillon Studio",
};

}  // namespace

const ModuleResources& CorvaneResources() {
  static const ModuleResources resources{kCorvaneDialogs, kStrings, kIcons, &kVersion, CorvaneTextFormats()};
  return resources;
}
