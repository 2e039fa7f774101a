// The date advance at midnight, on the headless driver's clock. The clock
// setter leaves the clock alone, so the case it is for (a clock whose date did
// not move at midnight) is made by setting the clock back to the same day.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <time.h>

#include <vector>

#include "datetime/date_advance.h"
#include "settings/preferences.h"
#include "platform/kernel/driver.h"
#include "platform/headless/headless_driver.h"
#include "support/clock_text.h"

namespace {

struct Check {
  const char* at;
  int autoAdvance;
  int result;
};

struct AdvanceCase {
  const char* name;
  std::vector<Check> checks;
};

class DateAdvance : public testing::TestWithParam<AdvanceCase> {};

TEST_P(DateAdvance, ActsOnlyWhenElevenBecomesMidnightOnTheSameDay) {
  setenv("TZ", "UTC", 1);
  tzset();
  platform::headless::HeadlessDriver driver;
  platform::InstallDriver(&driver);
  Preferences record{};
  SetDefaultPreferences(record);
  prefs = &record;
  ResetDateAdvanceState();
  for (const Check& check : GetParam().checks) {
    ASSERT_TRUE(SetLocalClock(driver, check.at));
    record.autoAdvanceDate = check.autoAdvance;
    EXPECT_EQ(AdvanceDateAtMidnight(), check.result) << check.at;
  }
  prefs = nullptr;
  platform::InstallDriver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateAdvance,
    testing::Values(
        AdvanceCase{"OnceAtAMidnightWithoutANewDay",
                    {{"1992-12-07 23:59:59", 1, 0}, {"1992-12-07 00:00:00", 1, 1}, {"1992-12-07 00:00:00", 1, 0}}},
        AdvanceCase{"NotAtAnOrdinaryMidnight", {{"1992-12-07 23:59:59", 1, 0}, {"1992-12-08 00:00:00", 1, 0}}},
        AdvanceCase{"NotFromTwentyTwo", {{"1992-12-07 22:59:59", 1, 0}, {"1992-12-07 00:00:00", 1, 0}}},
        AdvanceCase{"NotToOne", {{"1992-12-07 23:00:00", 1, 0}, {"1992-12-07 01:00:00", 1, 0}}},
        AdvanceCase{"OnlyTheDayOfTheMonthCounts", {{"1992-11-07 23:59:59", 1, 0}, {"1992-12-07 00:00:00", 1, 1}}},
        AdvanceCase{"NothingToCompareWithAtFirst", {{"1992-12-07 00:00:00", 1, 0}}},
        // Off, it neither acts nor remembers: on again, it compares with the
        // last check made while it was on.
        AdvanceCase{"OffForgetsNothing",
                    {{"1992-12-07 23:59:59", 1, 0}, {"1992-12-07 00:00:00", 0, 0}, {"1992-12-07 12:00:00", 0, 0},
                     {"1992-12-07 00:00:10", 1, 1}}}),
    [](const testing::TestParamInfo<AdvanceCase>& info) { return std::string(info.param.name); });

}  // namespace
