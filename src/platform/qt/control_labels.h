// What a screen reader calls the controls of a dialog that say nothing of
// themselves. A control without text of its own (an edit) is named by the
// label that introduces it: the static text just before it in template
// order, as the system's own accessibility names it; else the nearest static
// text, radio button or check box at its left on the same row ("Note:" for
// the note's edit, "Separator" for the separator's). A static text right after it on its row ("MM:SS") describes
// it. A radio button or check box is described by its group: the group box
// that holds it, else the one that holds its WS_GROUP run, else the static
// text that opens that run ("Alarm" before the alarm numbers). An icon is
// named by its text, the name of the icon it shows.
#pragma once

#include <string>
#include <vector>

#include "platform/user/inspect.h"

namespace platform::qt {

struct ControlLabel {
  std::string name;         // empty: the control's own text names it
  std::string description;  // empty: nothing more to say
  HWND group = nullptr;     // the group box or text that names a choice's group
};

// One label for each control of a dialog, the controls given in template order.
std::vector<ControlLabel> LabelControls(const std::vector<WindowSnapshot>& controls);

// A control's text as it is read out: a single "&" (a mnemonic mark) is
// dropped, "&&" is read as "&".
std::string WithoutMnemonics(const std::string& text);

}  // namespace platform::qt
