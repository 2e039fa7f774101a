// Loading the configuration file, shared by the start of the clock and the
// read-only views of the command line, and the defaults it falls back on.
#pragma once

#include <string>

enum class SettingsAccess {
  ReadWrite,  // the running clock: may delete, rename and write the files
  ReadOnly,   // a view: reads what is there and changes nothing
};

// The profile's version check, then the configuration file at path read into
// prefs and alarms, repaired, or the defaults. ReadWrite keeps a file that is
// not used (short, another version's, its header damaged, or beside a profile
// of another version, which is kept too) in the .bad generations. Returns
// false when a ReadOnly load finds a profile of another version (then its
// keys are not to be used).
bool LoadConfigurationFile(const char* path, SettingsAccess access);

// Both records at their defaults.
void SetDefaultConfiguration();
// The configuration file of the settings folder into the records, as start-up reads it.
void LoadConfiguration();

// The notice for a configuration file that exists but could not be read: the
// file, the system's reason and where it was kept. Set by loading; the clock
// window shows it once, then clears it. Empty when there is nothing to say.
extern std::string unreadableConfigNotice;

// Where the files that were not used were kept, as the sentences the version
// notice ends with (" The file was kept as \"…/HORATICK.CFG.bad\"."). Set by
// loading; empty when nothing was kept.
extern std::string keptFilesNote;

// Forgets the notice and the note above.
void ResetConfigLoadState();
