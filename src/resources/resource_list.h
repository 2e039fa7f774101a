// Declarations of every template and icon the program carries.
#pragma once

#include "platform/win32.h"

#define HORATICK_DIALOG(symbol) extern const DialogTemplateResource symbol;
#include "resources/dialog_list.inc"
#undef HORATICK_DIALOG

#define HORATICK_ICON(symbol) extern const IconResource symbol;
#include "resources/icon_list.inc"
#undef HORATICK_ICON

extern const StringResource kHoratickStrings[];
extern const int kHoratickStringCount;
