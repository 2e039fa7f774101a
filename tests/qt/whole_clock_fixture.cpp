#include "whole_clock_fixture.h"

#include <unistd.h>

#include <string>

#include "app/program_state.h"
#include "platform/user/inspect.h"
#include "platform/session/settings_folder.h"

namespace qt_test {

namespace fs = std::filesystem;

void WholeClockDesk::SetUp() {
  QtDesk::SetUp();
  folder_ = fs::temp_directory_path() / ("horatick-desktop-" + std::to_string(::getpid()));
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  platform::SetSettingsFolder(folder_.c_str());
  ResetHoratickState();
}

void WholeClockDesk::TearDown() {
  QtDesk::TearDown();
  fs::remove_all(folder_);
}

HWND WholeClockDesk::Clock() {
  for (HWND hwnd : platform::TopLevelWindows()) {
    if (platform::DescribeWindow(hwnd).className == "Horatick") return hwnd;
  }
  return nullptr;
}

}  // namespace qt_test
