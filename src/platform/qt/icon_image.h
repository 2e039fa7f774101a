// The program's icons (ARGB tables compiled into it) as images, and the
// stock icons of message boxes.
#pragma once

#include <QImage>

#include "platform/win32.h"

namespace platform::qt {

// The image of an icon resource; a null image for a handle that names none.
QImage IconImage(HICON icon);

}  // namespace platform::qt
