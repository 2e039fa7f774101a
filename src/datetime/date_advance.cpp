// The date advance at midnight: when the hour passes from 23 to 0 but the
// day of the month has not moved on, the date is moved on by one day.
#include "datetime/date_advance.h"

#include "base/time_source.h"
#include "settings/preferences.h"

namespace {

// The moment of the last check made while the option was on.
ClockTime previousTime{};
ClockDate previousDate{};

std::uint16_t Next(std::uint16_t value) { return static_cast<std::uint16_t>(value + 1); }

}  // namespace

void ResetDateAdvanceState() {
  previousTime = ClockTime{};
  previousDate = ClockDate{};
}

int AdvanceDateAtMidnight() {
  if (prefs->autoAdvanceDate == 0) return 0;
  ClockTime currentTime{};
  ClockDate currentDate{};
  GetClockTime(&currentTime, &currentDate);
  int advanced = 0;
  if (previousDate.day == currentDate.day && previousTime.hour == 23 && currentTime.hour == 0) {
    // The setter refuses a day past the month's end, then a month past the
    // year's end; each refusal moves the change one field up.
    currentDate.day = Next(currentDate.day);
    if (!SetClockTime(nullptr, &currentDate)) {
      currentDate.day = 1;
      currentDate.month = Next(currentDate.month);
      if (!SetClockTime(nullptr, &currentDate)) {
        currentDate.month = 1;
        currentDate.year = Next(currentDate.year);
        SetClockTime(nullptr, &currentDate);
      }
    }
    advanced = 1;
  }
  GetClockTime(&previousTime, &previousDate);
  return advanced;
}
