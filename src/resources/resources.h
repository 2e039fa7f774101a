// The program's resources: dialog templates, the string table and the icons,
// compiled in as data.
#pragma once

#include "platform/win32.h"

extern const ResourceModule kHoratickResources;

// String table ids.
enum : UINT {
  IDS_SUNDAY = 0,        // weekday names 0..6
  IDS_JANUARY = 16,      // month names 16..27 (month + 15)
  IDS_NO_TIMERS = 1000,  // "No system timers available"
  IDS_CANNOT_SAVE_CONFIG = 1010,
  IDS_CANNOT_SAVE_ALARMS = 1011,
  IDS_INVALID_TIME = 1020,
  IDS_INVALID_DATE = 1021,
  // The program's notice for a system whose clock it could not set. It names
  // another platform and is not true here: kept with the program's texts, not
  // shown (Time and Date says why the clock cannot be set instead).
  IDS_TIME_SETTING_NOTICE = 1030,
};
