// The configuration file (HORATICK.CFG) and the profile file (HORATICK.INI).
#pragma once

#include <cstdint>

#include "alarms/alarm_record.h"
#include "display/preferences.h"
#include "platform/win32.h"

extern char configPath[MAX_PATH];
extern Preferences savedPreferences;
extern AlarmRecord savedAlarms[ALARM_COUNT];
// Set while the program ends: a failed save then reports to standard error, never in a box.
extern std::int32_t programEnding;

void SetDefaultConfiguration();
void LoadConfiguration();
void LoadProfileSettings();
// 1 when the file was written; 0 when nothing changed or the write failed.
int SaveConfiguration(HWND owner);
