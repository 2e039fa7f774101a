#include "base/time_source.h"

#include "platform/win32.h"

// The face, the alarms and the date rules all follow the machine's local time,
// so this reads the local clock (time zone and daylight saving of TZ) once and
// fills both records from that one reading: a call at 23:59:59.999 can never
// pair the time with the next day's date.
int GetClockTime(ClockTime* time, ClockDate* date) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  if (time != nullptr) {
    time->hour = now.wHour;
    time->minute = now.wMinute;
    time->second = now.wSecond;
    time->millisecond = now.wMilliseconds;
  }
  if (date != nullptr) {
    date->day = now.wDay;
    date->month = now.wMonth;
    date->year = now.wYear;
    date->weekday = now.wDayOfWeek;
  }
  return 1;
}

// The clock never sets the machine's clock: the composed time is not handed
// on, so a later GetClockTime still reports the real time.
int SetClockTime(const ClockTime* time, const ClockDate* date) {
  SYSTEMTIME composed{};
  GetLocalTime(&composed);
  if (time != nullptr) {
    composed.wHour = time->hour;
    composed.wMinute = time->minute;
    composed.wSecond = time->second;
    composed.wMilliseconds = time->millisecond;
  }
  if (date != nullptr) {
    composed.wMonth = date->month;
    composed.wDay = date->day;
    composed.wYear = date->year;
  }
  static_cast<void>(composed);
  return 1;
}
