// The Win32-style API that the clock program is written against.
//
// Names, types and constant values are those of Win32, so the program reads as
// a Win32 program; the platform core carries the calls out on Linux through
// one driver (headless, Qt or the terminal's): src/platform/user the windows'
// calls, src/platform/kernel the machine's, src/platform/session where the
// clock keeps its files and how it meets another copy of itself. Only what the program calls is
// here. The "A" functions take and give UTF-8.
//
// The API is split as Win32 splits it: the types and macros, the windows,
// messages, dialogs and menus (user), the files, time, profile and processes
// (kernel), and the error codes (errors). The additions that Win32 has in
// other forms (resources as C++ data, the module registration, the network
// time) are at the end of this file.
//
// Built for Windows, the program gets the system's own API instead, and
// src/platform/windows carries out the additions and the few calls whose
// Windows meaning is not the clock's (see win32/windows_api.h).
#pragma once

#include <cstdint>

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#else
#include "platform/win32/kernel.h"
#include "platform/win32/types.h"
#include "platform/win32/user.h"
#endif
#include "platform/win32/errors.h"

// ---------------------------------------------------------------------------
// Additions: resources as C++ data, and the program's module
// ---------------------------------------------------------------------------
// A program's resources are plain tables compiled into it. Registering them
// gives the instance handle through which LoadString, LoadIcon and
// DialogBoxParam find them (templates by name without regard to case).

// One control of a dialog template. className is "BUTTON", "EDIT" or
// "STATIC"; style holds the kind bits (BS_, SS_, ES_) and the WS_ bits;
// x, y, cx, cy are dialog units.
struct DialogItemTemplate {
  const char* className;
  DWORD style;
  int id;
  const char* text;
  short x;
  short y;
  short cx;
  short cy;
};

struct DialogTemplateResource {
  const char* name;
  DWORD style;
  short x;
  short y;
  short cx;
  short cy;
  const char* caption;
  const char* fontName;  // nullptr: the system font
  short pointSize;
  const DialogItemTemplate* items;
  int itemCount;
};

struct StringResource {
  UINT id;
  const char* text;
};

// An icon: width × height pixels, ARGB, row by row from the top.
struct IconResource {
  const char* name;
  int width;
  int height;
  const std::uint32_t* argb;
  // Fills argb when its pixels are drawn rather than stored; run before the
  // icon is first looked up, so a run that shows no icon never draws one.
  void (*prepare)() = nullptr;
};

struct ResourceModule {
  const DialogTemplateResource* const* dialogs;
  int dialogCount;
  const StringResource* strings;
  int stringCount;
  const IconResource* const* icons;
  int iconCount;
};

HINSTANCE RegisterResourceModule(const ResourceModule* module);

// ---------------------------------------------------------------------------
// Additions: the network time
// ---------------------------------------------------------------------------
// Whether the machine keeps its clock from the network by itself, and turning
// that on or off (the desktop may ask for authorisation; messages go on
// meanwhile, as for SetLocalTime). FALSE with the error where it cannot be
// read or set.
BOOL GetNetworkTimeSync(BOOL* enabled);
BOOL SetNetworkTimeSync(BOOL enabled);

