// The program's resources: modules registered as C++ tables, and the lookups
// of strings, icons and dialog templates in them.
#include <strings.h>

#include <cstring>
#include <vector>

#include "platform/user/core_state.h"
#include "platform/kernel/utf8_cut.h"
#include "platform/win32.h"
#include "platform/user/resource_lookup.h"

namespace platform {

namespace {

// Instance handles are spaced like load addresses, so that none of them can
// be mistaken for a small integer resource id.
constexpr std::uintptr_t kFirstInstance = 0x400000;
constexpr std::uintptr_t kInstanceStep = 0x10000;

}  // namespace

const ResourceModule* ModuleOf(HINSTANCE instance) {
  auto& modules = Core().modules;
  if (instance == nullptr) return modules.empty() ? nullptr : modules.front();
  const auto value = reinterpret_cast<std::uintptr_t>(instance);
  if (value < kFirstInstance || (value - kFirstInstance) % kInstanceStep != 0) return nullptr;
  const std::size_t index = (value - kFirstInstance) / kInstanceStep;
  return index < modules.size() ? modules[index] : nullptr;
}

}  // namespace platform

using platform::Core;
using platform::ModuleOf;

HINSTANCE RegisterResourceModule(const ResourceModule* module) {
  if (module == nullptr) return nullptr;
  auto& modules = Core().modules;
  std::size_t index = 0;
  while (index < modules.size() && modules[index] != module) ++index;
  if (index == modules.size()) modules.push_back(module);
  return reinterpret_cast<HINSTANCE>(platform::kFirstInstance + index * platform::kInstanceStep);
}

int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int size) {
  if (buffer == nullptr || size <= 0) return 0;
  buffer[0] = '\0';
  const ResourceModule* module = ModuleOf(instance);
  if (module == nullptr) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return 0;
  }
  for (int i = 0; i < module->stringCount; ++i) {
    const StringResource& entry = module->strings[i];
    if (entry.id != id || entry.text == nullptr) continue;
    return static_cast<int>(
        platform::CopyTextCut(entry.text, std::strlen(entry.text), buffer, static_cast<std::size_t>(size)));
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return 0;
}

const DialogTemplateResource* FindDialogTemplate(HINSTANCE instance, LPCSTR name) {
  if (name == nullptr || IS_INTRESOURCE(name)) return nullptr;
  const ResourceModule* module = ModuleOf(instance);
  if (module == nullptr) return nullptr;
  for (int i = 0; i < module->dialogCount; ++i) {
    const DialogTemplateResource* entry = module->dialogs[i];
    if (entry != nullptr && entry->name != nullptr && strcasecmp(entry->name, name) == 0) return entry;
  }
  return nullptr;
}

namespace {

// Stock icons and cursors have handles of their own that name no resource.
constexpr std::uintptr_t kStockIconBase = 0x10000;
constexpr std::uintptr_t kStockCursorBase = 0x20000;

}  // namespace

HICON LoadIcon(HINSTANCE instance, LPCSTR name) {
  if (name == nullptr) return nullptr;
  if (instance == nullptr && IS_INTRESOURCE(name)) {
    return reinterpret_cast<HICON>(kStockIconBase + reinterpret_cast<std::uintptr_t>(name));
  }
  if (IS_INTRESOURCE(name)) return nullptr;
  const ResourceModule* module = ModuleOf(instance);
  if (module == nullptr) return nullptr;
  for (int i = 0; i < module->iconCount; ++i) {
    const IconResource* icon = module->icons[i];
    if (icon != nullptr && icon->name != nullptr && strcasecmp(icon->name, name) == 0) {
      return reinterpret_cast<HICON>(const_cast<IconResource*>(icon));
    }
  }
  return nullptr;
}

const IconResource* FindIconResource(HICON icon) {
  if (icon == nullptr) return nullptr;
  for (const ResourceModule* module : Core().modules) {
    for (int i = 0; i < module->iconCount; ++i) {
      const IconResource* found = module->icons[i];
      if (reinterpret_cast<HICON>(const_cast<IconResource*>(found)) != icon) continue;
      if (found->prepare != nullptr) found->prepare();
      return found;
    }
  }
  return nullptr;
}

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name) {
  if (instance != nullptr || name == nullptr || !IS_INTRESOURCE(name)) return nullptr;
  return reinterpret_cast<HCURSOR>(kStockCursorBase + reinterpret_cast<std::uintptr_t>(name));
}

HGDIOBJ GetStockObject(int object) {
  // Brushes are not drawn by anybody; a distinct non-null handle per object will do.
  if (object < 0 || object > 16) return nullptr;
  return reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(0x30000 + object));
}
