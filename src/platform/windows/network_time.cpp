// The network time on Windows: the time service's own setting says whether
// it keeps the clock. Where that cannot be read (no such service, no right
// to read it) the clock counts it as off and goes straight on to setting the
// time, whose own failure the user is then told.
#include <string>

#include "platform/windows/windows_platform.h"

// This file calls Windows' own SetLocalTime.
#undef SetLocalTime

namespace {

constexpr wchar_t kServiceKey[] = L"SYSTEM\\CurrentControlSet\\Services\\W32Time\\Parameters";
constexpr wchar_t kTypeValue[] = L"Type";
// The service keeps the clock unless it is told to take it from nowhere.
constexpr wchar_t kNoSync[] = L"NoSync";
constexpr wchar_t kFromNetwork[] = L"NTP";

}  // namespace

BOOL GetNetworkTimeSync(BOOL* enabled) {
  if (enabled == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  wchar_t type[64] = {};
  DWORD size = sizeof type - sizeof type[0];
  const LSTATUS status =
      RegGetValueW(HKEY_LOCAL_MACHINE, kServiceKey, kTypeValue, RRF_RT_REG_SZ, nullptr, type, &size);
  *enabled = status == ERROR_SUCCESS && lstrcmpiW(type, kNoSync) != 0 ? TRUE : FALSE;
  return TRUE;
}

BOOL SetNetworkTimeSync(BOOL enabled) {
  HKEY key = nullptr;
  LSTATUS status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kServiceKey, 0, KEY_SET_VALUE, &key);
  if (status == ERROR_SUCCESS) {
    const std::wstring type = enabled ? kFromNetwork : kNoSync;
    status = RegSetValueExW(key, kTypeValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(type.c_str()),
                            static_cast<DWORD>((type.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }
  if (status != ERROR_SUCCESS) {
    SetLastError(static_cast<DWORD>(status));
    return FALSE;
  }
  return TRUE;
}

// Windows sets the clock only for a process that has switched on the right
// to, which an administrator holds but has off; the clock switches it on for
// the call. Without the right the call fails with ERROR_PRIVILEGE_NOT_HELD,
// which the dialog shows with its reason.
BOOL SetLocalTimeWithRight(const SYSTEMTIME* time) {
  HANDLE token = nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeSystemtimePrivilege", &privileges.Privileges[0].Luid)) {
      AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
  }
  return SetLocalTime(time);
}
