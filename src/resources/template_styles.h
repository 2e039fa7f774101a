// The control styles of the dialog templates. Every control is visible.
// Buttons, check boxes, edits and (in the Timers, Preferences and Time and
// Date templates) group boxes are tab stops; labels are not. The plain radio
// buttons are checked by their dialogs; the automatic ones of the alarm
// templates check themselves, and WS_GROUP starts each of their groups.
#pragma once

#include "platform/win32.h"

namespace template_style {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kGroupBox = kChild | BS_GROUPBOX | WS_TABSTOP;
constexpr DWORD kPlainGroupBox = kChild | BS_GROUPBOX;
constexpr DWORD kRadio = kChild | BS_RADIOBUTTON | WS_TABSTOP;
constexpr DWORD kAutoRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kFirstAutoRadio = kAutoRadio | WS_GROUP | WS_TABSTOP;
constexpr DWORD kCheck = kChild | BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD kFirstCheck = kCheck | WS_GROUP;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kFirstButton = kButton | WS_GROUP;
constexpr DWORD kDefaultButton = kChild | BS_DEFPUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = kChild | ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
// An edit whose text stops at its right edge.
constexpr DWORD kFixedEdit = kChild | ES_LEFT | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLabel = kChild | SS_LEFT;
constexpr DWORD kGroupLabel = kLabel | WS_GROUP;
constexpr DWORD kCentredLabel = kChild | SS_CENTER;
constexpr DWORD kFrame = kChild | SS_BLACKFRAME;
constexpr DWORD kRule = kChild | SS_BLACKRECT;
constexpr DWORD kIcon = kChild | SS_ICON;

}  // namespace template_style
