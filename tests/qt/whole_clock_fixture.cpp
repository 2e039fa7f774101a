#include "whole_clock_fixture.h"

#include "app/program_state.h"
#include "platform/user/inspect.h"
#include "platform/session/settings_folder.h"

namespace qt_test {

void WholeClockDesk::SetUp() {
  QtDesk::SetUp();
  folder_ = std::make_unique<TempFolder>();
  platform::SetSettingsFolder(folder_->path().c_str());
  ResetHoratickState();
}

void WholeClockDesk::TearDown() {
  QtDesk::TearDown();
  folder_.reset();
}

HWND WholeClockDesk::Clock() {
  for (HWND hwnd : platform::TopLevelWindows()) {
    if (platform::DescribeWindow(hwnd).className == "Horatick") return hwnd;
  }
  return nullptr;
}

}  // namespace qt_test
