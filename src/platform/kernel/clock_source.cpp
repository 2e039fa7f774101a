// The machine's clocks.
#include "platform/kernel/clock_source.h"

#include <time.h>

namespace platform {

std::int64_t RealClock::UtcNowMs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

// CLOCK_BOOTTIME goes on while the machine is suspended, so a countdown set
// before a suspend has run out when the machine wakes, as on the wall.
std::uint64_t RealClock::MonotonicNowMs() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000 + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000;
}

}  // namespace platform
