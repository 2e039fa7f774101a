// The saved settings, read for a view of the command line.
#pragma once

#include "settings/alarm_record.h"
#include "settings/preferences.h"

// Puts the program's globals in their start state, gives the records their
// storage and reads both settings files into them as start-up would, with
// nothing created, changed or removed on disk (not even the settings folder).
void LoadSettingsView();
