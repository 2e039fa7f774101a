// The profile keys read at start-up, and the window place they give.
#pragma once

#include "settings/config_load.h"

// The profile keys into pmStyle, flashAlarm, flashHourly and the window place,
// with the position repairs, then windowStyleExtra. ReadWrite writes the
// missing keys' defaults and the keys written at every start.
void LoadProfileKeys(SettingsAccess access, bool profileUsable);
// The profile keys as start-up reads them, writing what is missing.
void LoadProfileSettings();

// Reads both files into the records and the profile globals as start-up does
// (LoadConfiguration, then LoadProfileSettings), with the same repairs, but
// changes nothing on disk: no file or folder is created, deleted, renamed or
// written. Settings of another version read as the defaults.
void LoadSettingsReadOnly();

// Writes a key of the profile. The first write of a run that fails is said
// once on standard error, with the file and the system's reason; the clock
// goes on without the key, as before.
void WriteProfileKey(const char* key, const char* value);
// Forgets that a failed write was said.
void ResetProfileWriteState();
