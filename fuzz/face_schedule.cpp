// Fuzzes the clock face and the schedule rules on arbitrary records. The input
// is a moment, the timers' options and a configuration image (short inputs
// are padded with zeros). The records are taken as loading leaves them and
// also as they stand: no record and no moment gives undefined behaviour, and
// the face of loaded records is never longer than 93 characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "alarms/clock_jump.h"
#include "alarms/schedule.h"
#include "base/clock_app.h"
#include "display/face.h"
#include "fuzz_settings.h"
#include "platform/kernel/driver.h"
#include "settings/config_image.h"
#include "settings/preferences.h"
#include "timers/timer_engine.h"

namespace {

constexpr std::size_t kLongestFace = 93;
// 0001-01-01 to 9999-12-31, in seconds from 1970.
constexpr std::int64_t kFirstSecond = -62135596800;
constexpr std::int64_t kSecondCount = 253402300800 - kFirstSecond;

// A clock that reads what the input says.
class FuzzClock : public platform::Driver {
 public:
  std::int64_t utcMs = 0;
  std::uint64_t monotonicMs = 1'000'000'000;
  std::int64_t UtcNowMs() override { return utcMs; }
  std::uint64_t MonotonicNowMs() override { return monotonicMs; }
};

FuzzClock fuzzClock;
Preferences record;
AlarmRecord table[kAlarmCount];

std::uint64_t Read64(const std::uint8_t* bytes) {
  std::uint64_t value = 0;
  for (int k = 7; k >= 0; --k) value = value << 8 | bytes[k];
  return value;
}

// Running timers whose counts stay inside a day or so of the timer clock; a
// countdown always has a second left, so no notice opens.
void SetTimers(const std::uint8_t* bytes) {
  for (int i = 0; i < kTimerCount; ++i) {
    const std::uint8_t* b = bytes + i * 4;
    TimerRecord& t = timers[i];
    t = TimerRecord{};
    t.running = b[0] & 1;
    t.showTimer = (b[0] >> 1) & 1;
    t.showTime = (b[0] >> 2) & 1;
    t.showDate = (b[0] >> 3) & 1;
    t.showSeconds = (b[0] >> 4) & 1;
    const std::int64_t spanMs = (static_cast<std::int64_t>(b[1]) << 16 | b[2] << 8 | b[3]) * 1000 * 60;
    t.reference = IsCountdown(i) ? static_cast<std::int64_t>(fuzzClock.monotonicMs) + 1000 + spanMs
                                 : static_cast<std::int64_t>(fuzzClock.monotonicMs) - spanMs;
  }
}

void ComposeFace(bool bounded) {
  ClockTime now{};
  GetClockTime(&now, nullptr);
  blinkPhase = now.second & 1;
  FormatClockTime();
  FormatClockFace(nullptr);
  const std::size_t length = strnlen(clockText, sizeof clockText);
  FUZZ_CHECK(length < sizeof clockText);
  if (bounded && length > kLongestFace) std::fprintf(stderr, "face of %zu: [%s]\n", length, clockText);
  if (bounded) FUZZ_CHECK(length <= kLongestFace);
}

// Every alarm at this moment and over the span a forward jump catches up.
// When the earlier scan came to every alarm at its minute, only the minutes
// after it are caught up; when it came to none (its alarms rang on into later
// minutes), its own minute is caught up too.
void CheckSchedule(const ClockDate& today, const ClockTime& now, bool earlierScanCameToAll) {
  for (const AlarmRecord& r : table) {
    IsAlarmDueAt(r, today, now, 1);
    IsAlarmDueAt(r, today, now, 0);
  }
  const std::int64_t minute = LocalMinuteOf(today, now);
  const std::int64_t earlier = minute - kCatchUpLimitMinutes;
  ResetClockJumpState();
  NoteScanMinute(earlier);
  if (earlierScanCameToAll) {
    for (int i = 0; i < kAlarmCount; ++i) ExamineAlarmOnce(i, earlier);
  }
  NoteScanMinute(minute);
  for (int i = 0; i < kAlarmCount; ++i) {
    std::int64_t due = kNoLocalMinute;
    if (!TakeCatchUp(i, &due)) continue;
    FUZZ_CHECK(due < minute);
    FUZZ_CHECK(earlierScanCameToAll ? due > earlier : due >= earlier);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    setenv("TZ", "Europe/Berlin", 1);
    platform::InstallDriver(&fuzzClock);
    prefs = &record;
    alarms = table;
    return true;
  }();
  (void)ready;
  constexpr std::size_t kHead = 8 + 1 + 16;
  unsigned char bytes[kHead + kConfigFileBytes] = {};
  std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);

  const std::uint64_t moment = Read64(bytes);
  fuzzClock.utcMs = (kFirstSecond + static_cast<std::int64_t>(moment % kSecondCount)) * 1000 + (moment >> 54);
  static const char* const kZones[] = {"UTC", "Europe/Berlin", "America/New_York", "Australia/Lord_Howe",
                                       "Pacific/Kiritimati", "Asia/Kathmandu"};
  setenv("TZ", kZones[bytes[8] % 6], 1);
  tzset();
  pmStyle = (bytes[8] & 0x80) != 0 ? kPmStyleLower : kPmStyleUpper;
  SetTimers(bytes + 9);

  ClockDate today{};
  ClockTime now{};
  GetClockTime(&now, &today);

  // As they stand: no fault, whatever the fields hold.
  SplitConfigImage(bytes + kHead, record, table);
  record.separator[sizeof record.separator - 1] = '\0';
  ComposeFace(false);
  CheckSchedule(today, now, (bytes[8] & 0x40) != 0);

  // As loading leaves them: the face fits.
  SplitConfigImage(bytes + kHead, record, table);
  RepairConfiguration(record, table);
  ComposeFace(true);
  CheckSchedule(today, now, (bytes[8] & 0x40) != 0);
  return 0;
}
