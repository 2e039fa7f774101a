// The two clocks a driver reads: the wall clock (a UTC instant) and the timer
// clock (monotonic). Keeping them apart is what lets a wall-clock change (a
// clock set by hand, a daylight-saving switch, a resume) leave stopwatches,
// countdowns and window timers alone.
#pragma once

#include <cstdint>

namespace platform {

class ClockSource {
 public:
  virtual ~ClockSource() = default;
  // Milliseconds since 1970-01-01 00:00:00 UTC.
  virtual std::int64_t UtcNowMs() = 0;
  // Milliseconds on a clock that never goes back and counts time suspended.
  virtual std::uint64_t MonotonicNowMs() = 0;
};

// The machine's clocks.
class RealClock final : public ClockSource {
 public:
  std::int64_t UtcNowMs() override;
  std::uint64_t MonotonicNowMs() override;
};

// A clock that moves only when told to. Advancing moves both clocks together;
// the wall clock can also be set on its own (a clock set by hand) and the
// monotonic clock can be moved on its own (time that passed unseen).
class VirtualClock final : public ClockSource {
 public:
  // The monotonic clock starts an hour after an imagined boot, so that no
  // deadline is ever near zero.
  static constexpr std::uint64_t kStartMonotonicMs = 3'600'000;

  explicit VirtualClock(std::int64_t utcMs = 0) : utcMs_(utcMs) {}

  std::int64_t UtcNowMs() override { return utcMs_; }
  std::uint64_t MonotonicNowMs() override { return monotonicMs_; }

  void Advance(std::uint64_t deltaMs) {
    utcMs_ += static_cast<std::int64_t>(deltaMs);
    monotonicMs_ += deltaMs;
  }
  void SetUtc(std::int64_t utcMs) { utcMs_ = utcMs; }
  void AdvanceMonotonicOnly(std::uint64_t deltaMs) { monotonicMs_ += deltaMs; }

 private:
  std::int64_t utcMs_;
  std::uint64_t monotonicMs_ = kStartMonotonicMs;
};

}  // namespace platform
