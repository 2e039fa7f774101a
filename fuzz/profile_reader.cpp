// Fuzzes the profile reader and writer. The input is a profile file; its last
// bytes choose a section, a key, a value and a buffer size. Reading must stay
// inside the buffer and end the text with a zero; writing a key must leave a
// file from which the same key reads back the value written.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_settings.h"
#include "platform/kernel/profile_text.h"
#include "platform/session/settings_folder.h"
#include "platform/win32.h"

namespace {

// Names the reader and writer agree on: letters and digits only.
const char* const kNames[] = {"Horatick", "PMPM", "xPos", "Version", "a", "S"};
const char* const kValues[] = {"148", " spaced ", "\"quoted\"", "'q'", "", "a=b", "; not a comment", "\xC3\xA9t\xC3\xA9"};

std::string Expected(std::string_view value) {
  while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
  while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const std::uint8_t sectionChoice = data[size - 3];
  const std::uint8_t keyChoice = data[size - 2];
  const std::uint8_t valueChoice = data[size - 1];
  const std::string_view file(reinterpret_cast<const char*>(data), size - 3);
  const char* section = kNames[sectionChoice % 6];
  const char* key = kNames[keyChoice % 6];
  const char* value = kValues[valueChoice % 8];

  // The reader through the Win32 calls, on a real file, with a small buffer.
  platform::SetSettingsFolder(FuzzFolder().c_str());
  WriteFuzzFile("FUZZ.INI", data, size - 3);
  char buffer[40];
  const DWORD bufferSize = 1 + valueChoice % 39;
  std::memset(buffer, 0x7F, sizeof buffer);
  const DWORD length = GetPrivateProfileString(section, key, "default", buffer, bufferSize, "FUZZ.INI");
  FUZZ_CHECK(length < bufferSize);
  FUZZ_CHECK(buffer[length] == '\0');
  FUZZ_CHECK(buffer[bufferSize] == 0x7F);
  for (const char* list : {static_cast<const char*>(nullptr), section}) {
    std::memset(buffer, 0x7F, sizeof buffer);
    const DWORD listLength = GetPrivateProfileString(list, nullptr, "", buffer, bufferSize, "FUZZ.INI");
    FUZZ_CHECK(listLength < bufferSize);
    FUZZ_CHECK(buffer[listLength] == '\0');
    FUZZ_CHECK(buffer[bufferSize] == 0x7F);
  }
  GetPrivateProfileInt(section, key, 7, "FUZZ.INI");

  // The writer on the text: the key reads back what was written, other
  // sections stay, and removing it makes it read as missing.
  const std::string written = platform::profile::WithValue(file, section, key, value);
  const auto readBack = platform::profile::FindValue(written, section, key);
  FUZZ_CHECK(readBack.has_value() && *readBack == Expected(value));
  for (const std::string& name : platform::profile::SectionNames(file)) {
    const auto after = platform::profile::SectionNames(written);
    bool kept = false;
    for (const std::string& other : after) kept = kept || other == name;
    FUZZ_CHECK(kept);
  }
  const std::string removed = platform::profile::WithValue(written, section, key, nullptr);
  FUZZ_CHECK(!platform::profile::FindValue(removed, section, key).has_value());
  const std::string withoutSection = platform::profile::WithValue(written, section, nullptr, nullptr);
  FUZZ_CHECK(!platform::profile::KeyNames(withoutSection, section).has_value());
  return 0;
}
