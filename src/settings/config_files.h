// The configuration file (HORATICK.CFG) and the profile file (HORATICK.INI).
#pragma once

#include <cstdint>

#include "settings/alarm_record.h"
#include "settings/preferences.h"
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

// Reads both files into the records and the profile globals as start-up does
// (LoadConfiguration, then LoadProfileSettings), with the same repairs, but
// changes nothing on disk: no file or folder is created, deleted, renamed or
// written. Settings of another version read as the defaults.
void LoadSettingsReadOnly();

// Puts the globals above, and the memory of a failed save, back to their initial values.
void ResetConfigFilesState();
