// Menus: the system menu of a window, and the calls that edit it.
#include <cstring>

#include "platform/user/core_state.h"
#include "platform/kernel/utf8_cut.h"

namespace platform {

namespace {

constexpr std::uintptr_t kMenuHandleBase = 0x60000;
constexpr std::uintptr_t kMenuHandleStep = 4;
constexpr UINT kMenuItemFailed = 0xFFFFFFFF;

MenuEntry* FindMenu(HMENU menu) {
  const auto value = reinterpret_cast<std::uintptr_t>(menu);
  if (value < kMenuHandleBase || (value - kMenuHandleBase) % kMenuHandleStep != 0) return nullptr;
  const std::size_t index = (value - kMenuHandleBase) / kMenuHandleStep;
  auto& menus = Core().menus;
  return index < menus.size() ? menus[index].get() : nullptr;
}

// The standard system menu, at positions 0 to 6.
std::vector<MenuItem> StandardSystemMenu() {
  return {
      {SC_RESTORE, "&Restore", MF_STRING},   {SC_MOVE, "&Move", MF_STRING},
      {SC_SIZE, "&Size", MF_STRING},         {SC_MINIMIZE, "Mi&nimize", MF_STRING},
      {SC_MAXIMIZE, "Ma&ximize", MF_STRING}, {0, "", MF_SEPARATOR},
      {SC_CLOSE, "&Close\tAlt+F4", MF_STRING},
  };
}

// The item at a position (MF_BYPOSITION) or with a command id.
MenuItem* FindItem(MenuEntry& menu, UINT which, UINT flags, std::size_t* index = nullptr) {
  if ((flags & MF_BYPOSITION) != 0) {
    if (which >= menu.items.size()) return nullptr;
    if (index != nullptr) *index = which;
    return &menu.items[which];
  }
  for (std::size_t i = 0; i < menu.items.size(); ++i) {
    MenuItem& item = menu.items[i];
    if ((item.flags & MF_SEPARATOR) == 0 && item.id == which) {
      if (index != nullptr) *index = i;
      return &item;
    }
  }
  return nullptr;
}

}  // namespace

MenuSnapshot SnapshotOf(const MenuEntry& menu) {
  MenuSnapshot shot;
  shot.handle = menu.handle;
  shot.owner = menu.owner;
  for (const MenuItem& item : menu.items) shot.items.push_back(MenuItemSnapshot{item.id, item.text, item.flags});
  return shot;
}

std::optional<MenuSnapshot> DescribeMenu(HMENU handle) {
  const MenuEntry* menu = FindMenu(handle);
  if (menu == nullptr) return std::nullopt;
  MenuSnapshot shot = SnapshotOf(*menu);
  if (Core().menuTrack != nullptr && Core().menuTrack->menu == handle) shot.highlighted = Core().menuTrack->highlighted;
  return shot;
}

std::optional<MenuSnapshot> OpenMenu() {
  const MenuTrack* track = Core().menuTrack;
  if (track == nullptr) return std::nullopt;
  return DescribeMenu(track->menu);
}

const std::vector<MenuItem>* MenuItems(HMENU handle) {
  const MenuEntry* menu = FindMenu(handle);
  return menu != nullptr ? &menu->items : nullptr;
}

}  // namespace platform

using platform::FindMenu;
using platform::FindWindowEntry;

HMENU GetSystemMenu(HWND hwnd, BOOL revert) {
  platform::Window* window = FindWindowEntry(hwnd);
  if (window == nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  platform::MenuEntry* menu = FindMenu(window->systemMenu);
  if (menu == nullptr) {
    auto& menus = platform::Core().menus;
    auto entry = std::make_unique<platform::MenuEntry>();
    entry->handle = reinterpret_cast<HMENU>(platform::kMenuHandleBase + menus.size() * platform::kMenuHandleStep);
    entry->owner = hwnd;
    entry->items = platform::StandardSystemMenu();
    window->systemMenu = entry->handle;
    menu = entry.get();
    menus.push_back(std::move(entry));
  } else if (revert) {
    menu->items = platform::StandardSystemMenu();
  }
  // Reverting gives the standard menu back and no handle, as on Win32.
  return revert ? nullptr : menu->handle;
}

BOOL DeleteMenu(HMENU handle, UINT position, UINT flags) {
  platform::MenuEntry* menu = FindMenu(handle);
  std::size_t index = 0;
  if (menu == nullptr || platform::FindItem(*menu, position, flags, &index) == nullptr) return FALSE;
  menu->items.erase(menu->items.begin() + static_cast<std::ptrdiff_t>(index));
  return TRUE;
}

BOOL AppendMenu(HMENU handle, UINT flags, UINT_PTR idNewItem, LPCSTR text) {
  platform::MenuEntry* menu = FindMenu(handle);
  if (menu == nullptr || (flags & MF_POPUP) != 0) return FALSE;
  platform::MenuItem item;
  item.flags = flags & (MF_SEPARATOR | MF_CHECKED | MF_GRAYED | MF_DISABLED);
  if ((flags & MF_SEPARATOR) == 0) {
    item.id = static_cast<UINT>(idNewItem);
    item.text = text != nullptr ? text : "";
  }
  menu->items.push_back(std::move(item));
  return TRUE;
}

DWORD CheckMenuItem(HMENU handle, UINT idCheckItem, UINT check) {
  platform::MenuEntry* menu = FindMenu(handle);
  platform::MenuItem* item = menu != nullptr ? platform::FindItem(*menu, idCheckItem, check) : nullptr;
  if (item == nullptr) return MENU_FAILED;
  const DWORD previous = item->flags & MF_CHECKED;
  if ((check & MF_CHECKED) != 0) {
    item->flags |= MF_CHECKED;
  } else {
    item->flags &= ~MF_CHECKED;
  }
  return previous;
}

int GetMenuItemCount(HMENU handle) {
  const platform::MenuEntry* menu = FindMenu(handle);
  return menu != nullptr ? static_cast<int>(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU handle, int position) {
  const platform::MenuEntry* menu = FindMenu(handle);
  if (menu == nullptr || position < 0 || static_cast<std::size_t>(position) >= menu->items.size()) {
    return platform::kMenuItemFailed;
  }
  return menu->items[static_cast<std::size_t>(position)].id;
}

