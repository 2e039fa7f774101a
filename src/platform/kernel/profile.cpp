// GetPrivateProfileString, GetPrivateProfileInt and WritePrivateProfileString,
// with the return values and buffer rules of Windows. Every call sees the
// file as it is on disk now: the parse kept between calls is used only while
// the file is unchanged.
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/kernel/profile_file.h"
#include "platform/kernel/profile_text.h"
#include "platform/kernel/utf8_cut.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

// A list of names, each ended by a zero and the list by a second zero. A list
// that does not fit is cut, still ends in two zeros, and gives size - 2.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
  std::string list;
  for (const std::string& name : names) list.append(name).push_back('\0');
  if (list.size() + 1 <= size) {
    std::memcpy(buffer, list.data(), list.size());
    buffer[list.size()] = '\0';
    return static_cast<DWORD>(list.size());
  }
  if (size < 2) {
    buffer[0] = '\0';
    return 0;
  }
  const std::size_t length = platform::Utf8CutLength(list.data(), list.size(), size - 2);
  std::memcpy(buffer, list.data(), length);
  std::memset(buffer + length, 0, size - length);
  return size - 2;
}

std::shared_ptr<const platform::profile::ParsedProfile> ReadProfile(LPCSTR fileName) {
  std::shared_ptr<const platform::profile::ParsedProfile> parsed;
  platform::profile::ReadParsedFile(platform::profile::ProfilePath(fileName), parsed);
  return parsed;
}

std::string DefaultText(LPCSTR defaultValue) {
  std::string text = defaultValue != nullptr ? defaultValue : "";
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return text;
}

}  // namespace

DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer, DWORD size,
                              LPCSTR fileName) {
  if (buffer == nullptr || size == 0) return 0;
  const auto profile = ReadProfile(fileName);
  const platform::profile::ParsedProfile& file = *profile;
  if (section == nullptr) return CopyList(platform::profile::SectionNames(file), buffer, size);
  if (key == nullptr) {
    const auto keys = platform::profile::KeyNames(file, section);
    return CopyList(keys ? *keys : std::vector<std::string>{}, buffer, size);
  }
  const auto value = platform::profile::FindValue(file, section, key);
  const std::string text = value ? *value : DefaultText(defaultValue);
  return static_cast<DWORD>(platform::CopyTextCut(text.data(), text.size(), buffer, size));
}

UINT GetPrivateProfileInt(LPCSTR section, LPCSTR key, INT defaultValue, LPCSTR fileName) {
  if (section == nullptr || key == nullptr) return static_cast<UINT>(defaultValue);
  const auto value = platform::profile::FindValue(*ReadProfile(fileName), section, key);
  // As on Windows, an empty value counts as missing.
  if (!value || value->empty()) return static_cast<UINT>(defaultValue);
  const char* p = value->c_str();
  while (*p == ' ' || *p == '\t') ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  long long number = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    // Digits beyond what an int holds stop growing the number rather than wrap it.
    if (number <= INT_MAX) number = number * 10 + (*p - '0');
  }
  if (negative) number = -number;
  if (number > INT_MAX) number = INT_MAX;
  if (number < INT_MIN) number = INT_MIN;
  return static_cast<UINT>(static_cast<int>(number));
}

BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR fileName) {
  if (section == nullptr) {
    // A call with nothing to write flushes the cache, as on Windows: the kept parse is dropped.
    if (key != nullptr || value != nullptr) return FALSE;
    platform::profile::ForgetParsedFile();
    return TRUE;
  }
  // A line break in a name or value would add lines (even sections) that the
  // caller never meant to write.
  using platform::profile::IsWritableText;
  if (!IsWritableText(section) || (key != nullptr && !IsWritableText(key)) ||
      (value != nullptr && !IsWritableText(value))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (platform::SettingsReadOnly()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const std::string path = platform::profile::ProfilePath(fileName);
  std::shared_ptr<const platform::profile::ParsedProfile> old;
  if (platform::profile::ReadParsedFile(path, old) == platform::profile::ReadResult::Failed) return FALSE;
  const std::string updated = platform::profile::WithValue(*old, section, key, value);
  if (updated == old->Text()) {
    SetLastError(ERROR_SUCCESS);
    return TRUE;
  }
  platform::profile::ForgetParsedFile();
  return platform::profile::ReplaceFile(path, updated) ? TRUE : FALSE;
}
