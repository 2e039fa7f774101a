// Loading the configuration file, shared by the start of the clock and the
// read-only views of the command line, and the defaults it falls back on.
#pragma once

#include <string>

enum class SettingsAccess {
  ReadWrite,  // the running clock: may delete, rename and write the files
  ReadOnly,   // a view: reads what is there and changes nothing
};

// The profile's version check, then the configuration file at path read into
// prefs and alarms, repaired, or the defaults. Returns false when the
// profile belongs to another version (then its keys are not to be used).
bool LoadConfigurationFile(const char* path, SettingsAccess access);

// Both records at their defaults.
void SetDefaultConfiguration();
// The configuration file of the settings folder into the records, as start-up reads it.
void LoadConfiguration();

// The notice for a configuration file that exists but could not be read: the
// file, the system's reason and where it was kept. Set by loading; the clock
// window shows it once, then clears it. Empty when there is nothing to say.
extern std::string unreadableConfigNotice;

// Forgets the notice above.
void ResetConfigLoadState();
