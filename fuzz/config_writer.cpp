// Fuzzes the saving of the settings. The input is a profile file and a
// configuration file, split as for the loader. Loading them, saving as the
// clock does when it ends (the configuration file and the window's place),
// and loading again gives the same records and profile values; the save
// writes only the settings files, in the settings folder, and leaves nothing
// behind.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/main_window_parts.h"
#include "app/program_state.h"
#include "base/clock_app.h"
#include "fuzz_settings.h"
#include "platform/session/settings_folder.h"
#include "settings/config_files.h"
#include "settings/config_image.h"
#include "settings/config_load.h"
#include "settings/profile_settings.h"

namespace {

namespace fs = std::filesystem;

constexpr char kOutsideText[] = "a file beside the settings folder";

Preferences record;
AlarmRecord table[kAlarmCount];

const std::string& SettingsFolder() {
  static const std::string folder = FuzzFolder() + "/settings";
  return folder;
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void PutFile(const std::string& name, const std::uint8_t* bytes, std::size_t size) {
  std::ofstream out(SettingsFolder() + "/" + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  if (!out) std::abort();
}

void StartFresh() { UseFreshRecords(record, table); }

// The records and the profile values that a load leaves.
struct Loaded {
  unsigned char image[kConfigFileBytes];
  std::int16_t pm;
  std::int32_t flashes[2];

  static Loaded Now() {
    Loaded l{};
    ComposeConfigImage(record, table, l.image);
    l.pm = pmStyle;
    l.flashes[0] = flashAlarm;
    l.flashes[1] = flashHourly;
    return l;
  }
  bool operator==(const Loaded& o) const {
    return std::memcmp(image, o.image, sizeof image) == 0 && pm == o.pm && flashes[0] == o.flashes[0] &&
           flashes[1] == o.flashes[1];
  }
};

void Load() {
  StartFresh();
  LoadConfiguration();
  LoadProfileSettings();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    fs::create_directories(SettingsFolder());
    std::ofstream(FuzzFolder() + "/outside") << kOutsideText;
    return true;
  }();
  (void)ready;
  for (const auto& entry : fs::directory_iterator(SettingsFolder())) fs::remove_all(entry.path());
  platform::SetSettingsFolder(SettingsFolder().c_str());

  std::size_t profileLength = 0;
  if (size >= 2) profileLength = (data[0] | (data[1] << 8)) % (size - 1);
  const std::uint8_t* profile = size >= 2 ? data + 2 : data;
  const std::size_t rest = size >= 2 ? size - 2 : 0;
  if (profileLength > rest) profileLength = rest;
  PutFile("HORATICK.INI", profile, profileLength);
  PutFile("HORATICK.CFG", profile + profileLength, rest - profileLength);

  Load();
  const Loaded first = Loaded::Now();
  CheckLoadedSettings(record, table, pmStyle);
  // Whatever was loaded is written: the saved copy is made to differ.
  savedPreferences.version[0] ^= 1;
  FUZZ_CHECK(SaveConfiguration(nullptr) == 1);
  WriteWindowPosition();
  FUZZ_CHECK(Contents(SettingsFolder() + "/HORATICK.CFG").size() == kConfigFileBytes);

  Load();
  const Loaded second = Loaded::Now();
  if (!(second == first)) {
    for (std::size_t k = 0; k < kConfigFileBytes; ++k) {
      if (first.image[k] != second.image[k]) {
        std::fprintf(stderr, "image byte %zu: %u then %u\n", k, first.image[k], second.image[k]);
      }
    }
    std::fprintf(stderr, "pmStyle %d then %d, flashes %d %d then %d %d\n", first.pm, second.pm, first.flashes[0],
                 first.flashes[1], second.flashes[0], second.flashes[1]);
  }
  FUZZ_CHECK(second == first);

  // Nothing was written outside the folder, and nothing is left in it but the
  // settings files and the kept copies of damaged ones.
  std::set<std::string> beside;
  for (const auto& entry : fs::directory_iterator(FuzzFolder())) beside.insert(entry.path().filename().string());
  FUZZ_CHECK((beside == std::set<std::string>{"outside", "settings"}));
  FUZZ_CHECK(Contents(FuzzFolder() + "/outside") == kOutsideText);
  for (const auto& entry : fs::directory_iterator(SettingsFolder())) {
    const std::string name = entry.path().filename().string();
    // A profile of another version is kept aside too, in its own generations.
    const bool known = name == "HORATICK.CFG" || name == "HORATICK.INI" || name.rfind("HORATICK.CFG.bad", 0) == 0 ||
                       name.rfind("HORATICK.INI.bad", 0) == 0 || name == "horatick.lock";
    if (!known) std::fprintf(stderr, "left in the folder: %s\n", name.c_str());
    FUZZ_CHECK(known);
  }
  return 0;
}
