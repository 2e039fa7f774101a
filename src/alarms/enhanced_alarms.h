// The Enhanced Alarms dialog, opened from Alarm Settings for the alarm it shows.
#pragma once

#include "platform/win32.h"

INT_PTR EnhancedAlarmsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Opens the dialog on alarm index (0-9) of the live table.
INT_PTR OpenEnhancedAlarms(HWND owner, int index);
void ResetEnhancedAlarmsState();
