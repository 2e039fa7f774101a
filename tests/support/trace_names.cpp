// Readable names of messages, for trace comparisons that fail.
#include <cstdio>

#include "support/desk.h"

namespace desk {

std::string MessageName(UINT message) {
  struct Name {
    UINT message;
    const char* name;
  };
  static const Name kNames[] = {
      {WM_NULL, "WM_NULL"}, {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"}, {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"}, {WM_ENABLE, "WM_ENABLE"}, {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"},
      {WM_QUERYENDSESSION, "WM_QUERYENDSESSION"}, {WM_QUIT, "WM_QUIT"}, {WM_ENDSESSION, "WM_ENDSESSION"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_TIMECHANGE, "WM_TIMECHANGE"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
      {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"}, {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
      {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"}, {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
      {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"}, {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"},
      {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"}, {WM_INITDIALOG, "WM_INITDIALOG"},
      {WM_COMMAND, "WM_COMMAND"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"}, {WM_TIMER, "WM_TIMER"},
      {WM_INITMENU, "WM_INITMENU"}, {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"}, {WM_MENUSELECT, "WM_MENUSELECT"},
      {WM_ENTERIDLE, "WM_ENTERIDLE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
  };
  for (const Name& name : kNames) {
    if (name.message == message) return name.name;
  }
  char buffer[32];
  if (message >= WM_USER) {
    std::snprintf(buffer, sizeof buffer, "WM_USER+0x%X", message - WM_USER);
  } else {
    std::snprintf(buffer, sizeof buffer, "0x%04X", message);
  }
  return buffer;
}

std::ostream& operator<<(std::ostream& out, const TraceEntry& entry) {
  return out << "{" << entry.hwnd << ", " << MessageName(entry.message) << ", 0x" << std::hex << entry.wParam
             << ", 0x" << static_cast<std::uintptr_t>(entry.lParam) << std::dec << "}";
}

}  // namespace desk
