// The dialogs that the clock window opens from its system menu.
#pragma once

#include "platform/win32.h"

INT_PTR AlarmSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR EnhancedAlarmsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR OpenEnhancedAlarms(HWND owner);
INT_PTR TimersDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR PreferencesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR SetDateTimeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int ShowAboutBox(HWND owner);
int NotifyPeerWindow(HWND window, int code);
