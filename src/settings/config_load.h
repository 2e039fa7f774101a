// The steps of loading the settings, shared by the start of the clock and
// the read-only views of the command line.
#pragma once

enum class SettingsAccess {
  ReadWrite,  // the running clock: may delete, rename and write the files
  ReadOnly,   // a view: reads what is there and changes nothing
};

// The profile's version check, then the configuration file at path read into
// prefs and alarms, repaired, or the defaults. Returns false when the
// profile belongs to another version (then its keys are not to be used).
bool LoadConfigurationFile(const char* path, SettingsAccess access);

// The profile keys into pmStyle, flashAlarm, flashHourly and the window place,
// with the position repairs, then windowStyleExtra. ReadWrite writes the
// missing keys' defaults and the keys written at every start.
void LoadProfileKeys(SettingsAccess access, bool profileUsable);
