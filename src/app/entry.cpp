// The program's entry point: start-up in its fixed order, then the message
// loop until the clock window posts the quit message.
#include "app/entry.h"

#include <cstring>

#include "settings/alarm_record.h"
#include "alarms/alarm_scan.h"
#include "base/clock_app.h"
#include "app/main_window.h"
#include "settings/config_files.h"
#include "settings/config_load.h"
#include "settings/profile_settings.h"
#include "settings/preferences.h"
#include "timers/timer_engine.h"

namespace {

// The two shared records live for the whole run; static blocks cannot fail
// to be allocated and leave nothing to free. They are zero-filled at every
// start, as a fresh allocation would be.
Preferences preferencesBlock;
AlarmRecord alarmBlocks[kAlarmCount];

void AllocateRecords() {
  std::memset(&preferencesBlock, 0, sizeof preferencesBlock);
  std::memset(alarmBlocks, 0, sizeof alarmBlocks);
  prefs = &preferencesBlock;
  alarms = alarmBlocks;
}

bool RegisterClockClass(HINSTANCE moduleInstance) {
  WNDCLASS windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = MainWndProc;
  windowClass.hInstance = moduleInstance;
  windowClass.hIcon = LoadIcon(moduleInstance, "Horatick");
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = "Horatick";
  return RegisterClass(&windowClass) != 0;
}

int RunMessageLoop() {
  MSG message{};
  // GetMessage gives -1 on an error: that ends the loop too, never a spin.
  while (GetMessage(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessage(&message);
  }
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

}  // namespace

// A running copy is reported in `previous`, as the system did for a program's
// second instance: whoever starts the clock finds out, the clock refuses.
int HoratickMain(HINSTANCE moduleInstance, HINSTANCE previous, LPSTR, int) {
  if (previous != nullptr) {
    MessageBoxEx(nullptr, "Horatick is already running.", "Horatick", MB_SYSTEMMODAL | MB_ICONHAND, 0);
    return 0;
  }
  savedCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  AllocateRecords();
  SetTimersStartState();
  LoadConfiguration();
  if (!RegisterClockClass(moduleInstance)) return 0;
  instance = moduleInstance;
  MeasureDisplayFont();
  LoadProfileSettings();
  BuildHelpPath(helpPath, sizeof helpPath);
  SetCursor(savedCursor);
  CreateClockWindow(instance);
  RemindAtStartup(mainWindow);
  return RunMessageLoop();
}
