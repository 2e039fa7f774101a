// The program's resources on Windows: the tables compiled into it stand in
// for a resource script. Strings are copied out of the table, icons are made
// from their pixels once each, and dialogs are built from their templates
// when asked for (dialog_templates.cpp). A call for anything else (a system
// icon, another module's resources) is Windows' own.
#include <cstring>
#include <map>

#include "platform/kernel/utf8_cut.h"
#include "platform/windows/resource_module.h"

namespace platform::windows {

namespace {

const ResourceModule* registered = nullptr;
HINSTANCE registeredInstance = nullptr;

// Windows compares resource names without regard to case.
bool SameName(const char* a, const char* b) { return a != nullptr && b != nullptr && lstrcmpiA(a, b) == 0; }

// An icon from ARGB pixels: a 32-bit colour bitmap whose alpha is the shape,
// and an all-clear mask that Windows asks for beside it.
HICON IconFromPixels(const IconResource& icon) {
  if (icon.prepare != nullptr) icon.prepare();
  if (icon.argb == nullptr || icon.width <= 0 || icon.height <= 0) return nullptr;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = icon.width;
  header.bV5Height = -icon.height;  // top row first, as the table holds them
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  if (colour == nullptr) return nullptr;
  std::memcpy(bits, icon.argb, static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height) * 4);
  HBITMAP mask = CreateBitmap(icon.width, icon.height, 1, 1, nullptr);
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colour;
  info.hbmMask = mask;
  HICON made = CreateIconIndirect(&info);
  DeleteObject(colour);
  if (mask != nullptr) DeleteObject(mask);
  return made;
}

}  // namespace

const ResourceModule* ModuleFor(HINSTANCE instance) {
  return registered != nullptr && instance == registeredInstance ? registered : nullptr;
}

const DialogTemplateResource* FindTemplate(HINSTANCE instance, LPCSTR name) {
  const ResourceModule* module = ModuleFor(instance);
  if (module == nullptr || name == nullptr || IS_INTRESOURCE(name)) return nullptr;
  for (int i = 0; i < module->dialogCount; ++i) {
    if (module->dialogs[i] != nullptr && SameName(module->dialogs[i]->name, name)) return module->dialogs[i];
  }
  return nullptr;
}

}  // namespace platform::windows

using platform::windows::ModuleFor;

HINSTANCE RegisterResourceModule(const ResourceModule* module) {
  if (module == nullptr) return nullptr;
  platform::windows::registered = module;
  platform::windows::registeredInstance = GetModuleHandleA(nullptr);
  return platform::windows::registeredInstance;
}

int LoadStringFromModule(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
  const ResourceModule* module = ModuleFor(instance);
  if (module == nullptr) return LoadStringA(instance, id, buffer, size);
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  for (int i = 0; i < module->stringCount; ++i) {
    const StringResource& entry = module->strings[i];
    if (entry.id != id || entry.text == nullptr) continue;
    // Cut where it fits, never inside a character.
    return static_cast<int>(
        platform::CopyTextCut(entry.text, std::strlen(entry.text), buffer, static_cast<std::size_t>(size)));
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return 0;
}

HICON LoadIconFromModule(HINSTANCE instance, LPCSTR name) {
  const ResourceModule* module = ModuleFor(instance);
  if (module == nullptr || name == nullptr || IS_INTRESOURCE(name)) return LoadIconA(instance, name);
  // Like an icon Windows loads from a module, one made here lives as long as
  // the program: each is made once.
  static std::map<const IconResource*, HICON> made;
  for (int i = 0; i < module->iconCount; ++i) {
    const IconResource* icon = module->icons[i];
    if (icon == nullptr || !platform::windows::SameName(icon->name, name)) continue;
    auto found = made.find(icon);
    if (found == made.end()) found = made.emplace(icon, platform::windows::IconFromPixels(*icon)).first;
    return found->second;
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}
