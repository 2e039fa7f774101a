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
