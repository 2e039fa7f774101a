// The lookups the drivers and the core need to draw what the program names:
// a dialog template by its name, an icon's pixels by its handle.
#pragma once

#include "platform/win32.h"

const DialogTemplateResource* FindDialogTemplate(HINSTANCE instance, LPCSTR name);
const IconResource* FindIconResource(HICON icon);
