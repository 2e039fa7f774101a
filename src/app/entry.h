// The program's entry point, called by main() once a driver is in place.
#pragma once

#include "platform/win32.h"

int HoratickMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);
