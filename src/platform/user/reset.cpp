// Starting the core afresh, for a program started again in the same process.
#include "platform/user/core_state.h"
#include "platform/user/inbox.h"

namespace platform {

void ResetCore() {
  CoreState& core = Core();
  // Destroyed without messages: no program is running to hear them.
  core.windows.clear();
  core.topLevel.clear();
  core.classes.clear();
  core.menus.clear();
  core.modules.clear();
  core.posted.clear();
  core.input.clear();
  core.inputMessages.clear();
  core.inputInFlight.clear();
  core.nextInputId = 1;
  core.quitPending = false;
  core.quitCode = 0;
  core.timers.clear();
  core.timerOrder = 0;
  core.nextThreadTimerId = 1;
  core.focus = nullptr;
  core.active = nullptr;
  core.cursor = nullptr;
  core.menuTrack = nullptr;
  core.moveTrack = nullptr;
  core.fileChooser = nullptr;
  core.trace = nullptr;
  ClearInbox();
}

}  // namespace platform
