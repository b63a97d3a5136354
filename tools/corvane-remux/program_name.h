// The name corvane-remux gives itself in its messages, help and version.
#pragma once

inline constexpr char kProgramName[] = "corvane-remux";
