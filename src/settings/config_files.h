// Saving the configuration file (HORATICK.CFG), and the copies of the records
// as they were last loaded or saved.
#pragma once

#include <cstdint>

#include "settings/alarm_record.h"
#include "settings/preferences.h"
#include "platform/win32.h"

extern char configPath[MAX_PATH];
extern Preferences savedPreferences;
extern AlarmRecord savedAlarms[kAlarmCount];
// Set while the program ends: a failed save then reports to standard error, never in a box.
extern std::int32_t programEnding;

// 1 when the file was written; 0 when nothing changed or the write failed.
int SaveConfiguration(HWND owner);

// Puts the globals above, and the memory of a failed save, back to their initial values.
void ResetConfigFilesState();
