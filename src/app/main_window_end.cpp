// The end of the program: when the clock window is destroyed, or the session
// ends (log-off, shut-down, SIGTERM or SIGHUP), the settings are saved.
#include "base/clock_app.h"
#include "app/main_window.h"
#include "app/main_window_parts.h"
#include "settings/config_files.h"

LRESULT OnEnd(HWND window) {
  // The window being replaced on restore does not end the program.
  if (quitOnDestroy == 0) {
    quitOnDestroy = 1;
    return 0;
  }
  KillTimer(window, CLOCK_TICK_TIMER);
  KillTimer(window, ALARM_SCAN_TIMER);
  savedCursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  // A failed save now goes to standard error: a box would hold up the end.
  programEnding = 1;
  SaveConfiguration(window);
  // A minimised window's place was written when it was minimised.
  if (!IsIconic(window)) WriteWindowPosition();
  SetCursor(savedCursor);
  PostQuitMessage(0);
  return 1;
}
