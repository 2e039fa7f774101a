// What the configuration tests share: a settings folder of their own, the
// records' storage, and configuration images built byte by byte from the
// file's offset tables (never through the records under test).
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "settings/alarm_record.h"
#include "base/clock_app.h"
#include "app/program_state.h"
#include "core/files_temp_folder.h"
#include "settings/config_files.h"
#include "settings/config_load.h"
#include "settings/preferences.h"
#include "settings/profile_settings.h"
#include "platform/kernel/driver.h"
#include "platform/kernel/file_faults.h"
#include "platform/session/settings_folder.h"
#include "platform/headless/headless_driver.h"

class ConfigImage {
 public:
  static constexpr std::size_t kBytes = 3644;
  static constexpr std::size_t kAlarmBase = 84;
  static constexpr std::size_t kAlarmBytes = 356;

  ConfigImage() : bytes_(kBytes, 0) {}

  void Put8(std::size_t offset, std::uint8_t v) { bytes_.at(offset) = v; }
  void Put16(std::size_t offset, std::int32_t v) {
    for (int i = 0; i < 2; ++i) bytes_.at(offset + i) = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
  }
  void Put32(std::size_t offset, std::int64_t v) {
    for (int i = 0; i < 4; ++i) bytes_.at(offset + i) = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
  }
  void PutText(std::size_t offset, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) bytes_.at(offset + i) = static_cast<std::uint8_t>(text[i]);
  }
  static std::size_t Alarm(int index, std::size_t offset) { return kAlarmBase + index * kAlarmBytes + offset; }

  // The image SetDefaultConfiguration gives, with the window place given.
  static ConfigImage Defaults(std::int16_t xPos, std::int16_t yPos) {
    ConfigImage m;
    m.PutText(0, "01.00");
    m.Put16(6, 105);
    m.Put16(10, 205);
    m.Put16(12, 305);
    m.Put16(14, 406);
    m.Put16(16, 505);
    m.Put32(20, 1);
    m.Put32(24, 1);
    m.Put16(32, 605);
    m.Put16(34, 705);
    m.Put16(36, xPos);
    m.Put16(38, yPos);
    m.PutText(40, "/");
    m.Put32(48, 1);
    m.Put16(58, 1);
    m.Put32(64, 905);
    m.Put16(68, 296);
    m.Put16(70, 4);
    for (int i = 0; i < 10; ++i) {
      m.Put32(Alarm(i, 0), 118);
      m.Put8(Alarm(i, 4), 12);
      m.Put16(Alarm(i, 16), 600);
      m.Put32(Alarm(i, 232), 124);
      m.Put32(Alarm(i, 236), 129);
      m.Put32(Alarm(i, 244), 525);
      m.Put32(Alarm(i, 248), 505);
      m.Put32(Alarm(i, 352), 1);
    }
    return m;
  }

  std::string Text() const { return std::string(bytes_.begin(), bytes_.end()); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// The first offset at which two images differ, for readable failures.
inline std::string FirstDifference(const std::string& actual, const std::string& expected) {
  if (actual.size() != expected.size()) {
    return "sizes " + std::to_string(actual.size()) + " and " + std::to_string(expected.size());
  }
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] != expected[i]) {
      return "offset " + std::to_string(i) + ": " + std::to_string(static_cast<unsigned char>(actual[i])) +
             " instead of " + std::to_string(static_cast<unsigned char>(expected[i]));
    }
  }
  return "none";
}

class ConfigFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetHoratickState();
    platform::SetSettingsFolder(folder.path().c_str());
    platform::InstallDriver(&driver);
    prefs = &record;
    alarms = table;
    charHeight = 16;
  }
  void TearDown() override {
    platform::InstallDriver(nullptr);
    platform::ClearFileFaults();
    platform::ResetSettingsFolder();
  }

  std::string ConfigPath() const { return folder / "HORATICK.CFG"; }
  std::string ProfilePath() const { return folder / "HORATICK.INI"; }
  std::string ConfigOnDisk() const { return ReadTextFile(ConfigPath()).value_or("<missing>"); }
  void PutConfig(const ConfigImage& image) const { WriteTextFile(ConfigPath(), image.Text()); }
  void PutProfile(const std::string& text) const { WriteTextFile(ProfilePath(), text); }
  // Both loading steps of start-up.
  void Load() {
    LoadConfiguration();
    LoadProfileSettings();
  }

  TempFolder folder;
  platform::headless::HeadlessDriver driver;
  Preferences record{};
  AlarmRecord table[kAlarmCount]{};
};
