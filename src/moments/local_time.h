// Local wall-clock minutes and how they map to instants in the TZ in force.
#pragma once

#include <cstdint>
#include <optional>

#include "moments/moment_text.h"

// A local wall-clock minute, counted as the calendar's local minutes.
std::int64_t WallMinuteOf(const LocalMoment& m);
LocalMoment MomentOfWallMinute(std::int64_t wallMinute);

// Whether the local clock ever shows this minute (not skipped by a change of offset).
bool WallMinuteExists(std::int64_t wallMinute);

// The minute at which the clock notices a due minute: itself, or for a
// minute the local clock skips, the first minute after the gap; none when
// the gap is longer than the clock catches up.
std::optional<std::int64_t> NoticedAt(std::int64_t wallMinute);

// The instant (milliseconds since 1970 UTC) of a local moment; an ambiguous
// moment gives the earlier instant, a skipped one the instant the clock
// reaches after the gap. Empty when the moment cannot be represented.
std::optional<std::int64_t> UtcMsOfLocal(const LocalMoment& m);

// The local moment an instant shows, to the millisecond.
LocalMoment LocalMomentOfUtcMs(std::int64_t utcMs);

// The local wall-clock minute of an instant (seconds dropped).
std::int64_t WallMinuteOfUtc(std::int64_t utcSeconds);
