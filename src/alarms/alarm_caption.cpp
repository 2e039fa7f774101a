#include "alarms/alarm_caption.h"

#include <cstdio>

void FormatAlarmCaption(char* buffer, std::size_t size, const AlarmRecord& r, int index, const ClockDate& today) {
  const int number = index + 1;
  const int minute = r.minute;
  if (r.dateMode == kAlarmOneDate) {
    // A default alarm keeps hour 12 with AM; it is written as the hour 0 it stands for.
    const int shownHour = (r.hour == 12 && r.amPmMode == kAlarmAm) ? 0 : r.hour;
    if (minute < 10) {
      std::snprintf(buffer, size, "Alarm %d - %d:0%d  (One Date)", number, shownHour, minute);
    } else {
      std::snprintf(buffer, size, "Alarm %d - %d:%d (One Date)", number, shownHour, minute);
    }
    return;
  }
  const int month = today.month;
  const int day = today.day;
  const int year = today.year - 1900;
  if (minute < 10) {
    std::snprintf(buffer, size, "Alarm %d - %d:0%d  %d-%d-%d", number, int{r.hour}, minute, month, day, year);
  } else {
    std::snprintf(buffer, size, "Alarm %d - %d:%d  %d-%d-%d", number, int{r.hour}, minute, month, day, year);
  }
}
