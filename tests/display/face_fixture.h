// The face, the timers and the services of the clock on the headless driver's
// virtual clock, with no program running: for tests of pure composition.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <string>

#include "base/clock_app.h"
#include "app/program_state.h"
#include "display/face.h"
#include "settings/preferences.h"
#include "platform/kernel/driver.h"
#include "platform/headless/headless_driver.h"
#include "resources/resources.h"
#include "timers/timer_engine.h"
#include "support/clock_text.h"

class FaceFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    UseTimeZone("UTC");
    platform::ResetCore();
    ResetHoratickState();
    platform::InstallDriver(&driver);
    instance = RegisterResourceModule(&kHoratickResources);
    record = Preferences{};
    SetDefaultPreferences(record);
    prefs = &record;
    SetTimersStartState();
    At("1992-12-07 15:05:09");
  }

  void TearDown() override {
    platform::InstallDriver(nullptr);
    ResetHoratickState();
    platform::ResetCore();
    UseTimeZone("UTC");
  }

  static void UseTimeZone(const char* tz) {
    setenv("TZ", tz, 1);
    tzset();
  }

  // A local moment "YYYY-MM-DD HH:MM:SS[.mmm]" in the TZ in force.
  void At(const char* local) { ASSERT_TRUE(SetLocalClock(driver, local)) << local; }
  void AtUtc(const char* utc) { ASSERT_TRUE(SetUtcClock(driver, utc)) << utc; }

  std::string TimePart() {
    FormatClockTime();
    return clockText;
  }

  // The face as the clock window composes it, with no window to own notices.
  std::string Face() {
    FormatClockTime();
    FormatClockFace(nullptr);
    return clockText;
  }

  platform::headless::HeadlessDriver driver;
  Preferences record{};
};

// The face texts are written with · for a blank, so that blanks can be counted.
inline std::string Blanks(const char* text) {
  std::string out;
  for (const char* c = text; *c != '\0'; ++c) {
    if (c[0] == '\xC2' && c[1] == '\xB7') {
      out += ' ';
      ++c;
    } else {
      out += *c;
    }
  }
  return out;
}
