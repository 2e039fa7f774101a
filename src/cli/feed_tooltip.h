// What a status bar's tooltip lists: the next alarms and the running timers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/alarm_record.h"
#include "timers/timer_record.h"

namespace cli {

// The next three alarms at most from fromWallMinute on, as --upcoming lists
// them, each with its note: "2026-12-09 07:05 alarm 1: Water the plants".
std::vector<std::string> NextAlarmLines(const AlarmRecord* table, std::int64_t fromWallMinute);

// "Stopwatch 1 running", "Countdown 2 running", for each timer that runs.
std::vector<std::string> RunningTimerLines(const TimerRecord* table);

}  // namespace cli
