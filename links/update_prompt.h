// The question, at most once in 180 days when the window is closed, whether
// the user wants to look for a newer version on the web site.
#pragma once

#include <cstdint>
#include <functional>

// Seconds since 1970-01-01 00:00:00 UTC. Tests set their own clock; an empty
// function restores the system's. Returns the previous clock.
using UpdateClock = std::function<std::int64_t()>;
UpdateClock SetUpdateClock(UpdateClock clock);

// The full time a stored 32-bit value stands for: the one nearest to `now`
// whose low 32 bits it holds, so the value keeps working after 2038.
std::int64_t WidenStoredTime(std::uint32_t stored, std::int64_t now);

// Asks, when more than 180 days have passed since the stored time, and opens
// `page` on Yes; records the time of the first closing and of every answer.
void OfferUpdateCheck(const char* page);
