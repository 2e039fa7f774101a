// What the terminal clock tells the desktop's notifications of the windows it
// answers: an alarm's note and a countdown's notice, nothing else.
#pragma once

#include <optional>
#include <string>

#include "platform/user/inspect.h"

namespace cli {

struct DesktopNotice {
  std::string summary;  // the window's caption
  std::string body;     // the note or notice, as plain text
  bool alarm = false;   // an alarm's note, which is urgent
};

// readableText is what the window says (a box's text, a dialog's texts).
// Both texts come out as well-formed UTF-8, whatever the settings file held.
std::optional<DesktopNotice> NoticeOf(const platform::WindowSnapshot& shot, const std::string& readableText);

}  // namespace cli
