#include "cli/instance_commands.h"

#include <strings.h>

#include <string>

#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"
#include "platform/session/single_instance.h"

namespace cli {

namespace {

constexpr UINT kLayoutCommand = 1280;

void PostToClockWindows(UINT message, WPARAM wParam) {
  for (HWND hwnd : platform::TopLevelWindows()) {
    if (strcasecmp(platform::DescribeWindow(hwnd).className.c_str(), "Horatick") == 0) {
      platform::PostToCore(hwnd, message, wParam, 0);
    }
  }
}

}  // namespace

void TakeInstanceCommands() {
  platform::PollInstanceCommands([](const std::string& command) {
    if (command == "show") PostToClockWindows(WM_SYSCOMMAND, kLayoutCommand);
  });
}

}  // namespace cli
