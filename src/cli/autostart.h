// Starting the clock at login: an entry in the user's XDG autostart folder
// ($XDG_CONFIG_HOME/autostart/horatick.desktop), which every desktop that
// follows the XDG autostart rules runs when a session starts.
#pragma once

#include <optional>

namespace cli {

// --autostart on (true), off (false) or alone (nothing): makes or removes the
// entry, then says on standard output whether the clock starts at login. The
// settings folder is chosen before; when it was named (--settings-dir or
// $HORATICK_HOME) the entry names it too, so the clock started at login uses
// the same settings. 0, or 1 with a message when the entry cannot be written
// or removed.
int RunAutostart(std::optional<bool> turnOn, bool settingsFolderNamed);

}  // namespace cli
