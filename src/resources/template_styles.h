// The control styles that the Timers, Preferences and Time and Date templates
// share: every control visible, buttons, check boxes, group boxes and edits
// tab stops, radio buttons plain (their dialogs check them), labels not.
#pragma once

#include "platform/win32.h"

namespace template_style {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX | WS_TABSTOP;
constexpr DWORD kRadio = kChild | BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD kCheck = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kCentredLabel = kChild | SS_CENTER;
constexpr DWORD kFrame = kChild | SS_BLACKFRAME;

}  // namespace template_style
