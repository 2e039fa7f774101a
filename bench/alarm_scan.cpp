// The alarm scan that runs on every timer message of the clock window: ten
// enabled alarms that carry every schedule rule, none of them due, with the
// minute changing between scans so that every alarm is examined each time.
// Each alarm's time is the minute being scanned, so every scan goes through
// the whole rule (date, weekday, week of the month, the three week cycles)
// before it finds the alarm not due.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "settings/alarm_record.h"
#include "alarms/alarm_scan.h"
#include "alarms/schedule.h"
#include "platform/kernel/driver.h"

namespace {

// A wall clock the benchmark sets; nothing else of the machine is used.
class FixedClockDriver final : public platform::Driver {
 public:
  std::int64_t UtcNowMs() override { return utcMs; }
  std::uint64_t MonotonicNowMs() override { return 3'600'000; }
  std::int64_t utcMs = 0;
};

// Wednesday 8 July 1992, 07:30 UTC.
constexpr std::int64_t kWednesday0730Ms = 710580600000;

void SetUpAlarms(AlarmRecord* table) {
  std::memset(table, 0, sizeof(AlarmRecord) * kAlarmCount);
  for (int i = 0; i < kAlarmCount; ++i) {
    AlarmRecord& r = table[i];
    SetDefaultAlarm(r);
    r.enabled = 1;
    r.amPmMode = kAlarm24h;
    r.hour = 7;
    r.minute = 30;
    // One date a week before: neither the date itself nor, at 7 days, any of
    // the 14-, 21- and 28-day cycles matches.
    r.dateMode = kAlarmOneDate;
    r.year = 1992;
    r.month = 7;
    r.day = 1;
    for (auto& flag : r.weekday) flag = 1;
    r.everyOtherWeek = r.everyThirdWeek = r.everyFourthWeek = 1;
    // The 8th is in the second week of the month; every other week is ticked.
    r.monthWeek[0] = r.monthWeek[2] = r.monthWeek[3] = r.monthWeek[4] = 1;
  }
}

void BM_CheckAlarmsNoneDue(benchmark::State& state) {
  setenv("TZ", "UTC", 1);
  tzset();
  FixedClockDriver driver;
  platform::InstallDriver(&driver);
  static AlarmRecord table[kAlarmCount];
  SetUpAlarms(table);
  alarms = table;
  std::memset(alarmMinuteSeen, 99, sizeof alarmMinuteSeen);

  // Firing would open a message with no window to own it, so make sure first.
  for (int minute : {30, 31}) {
    driver.utcMs = kWednesday0730Ms + (minute - 30) * 60000;
    for (int i = 0; i < kAlarmCount; ++i) {
      table[i].minute = static_cast<std::uint8_t>(minute);
      if (IsAlarmDue(i, 1) != 0) {
        state.SkipWithError("an alarm is due");
        return;
      }
    }
  }

  int minute = 30;
  std::int64_t rang = 0;
  for (auto _ : state) {
    // 07:30 and 07:31 by turns; every alarm follows the clock's minute.
    minute = minute == 30 ? 31 : 30;
    driver.utcMs = kWednesday0730Ms + (minute - 30) * 60000;
    for (AlarmRecord& r : table) r.minute = static_cast<std::uint8_t>(minute);
    rang += CheckAlarms(nullptr, {1, 500}) ? 1 : 0;
  }
  benchmark::DoNotOptimize(rang);
  platform::InstallDriver(nullptr);
  alarms = nullptr;
}
BENCHMARK(BM_CheckAlarmsNoneDue);

}  // namespace

BENCHMARK_MAIN();
