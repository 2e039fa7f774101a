// The registered module's tables, for the files of this folder that build
// dialogs from them.
#pragma once

#include "platform/win32.h"

namespace platform::windows {

// The tables registered for instance; nullptr for any other module.
const ResourceModule* ModuleFor(HINSTANCE instance);
// The template named name (any case) in instance's tables; nullptr when
// there is none.
const DialogTemplateResource* FindTemplate(HINSTANCE instance, LPCSTR name);

}  // namespace platform::windows
