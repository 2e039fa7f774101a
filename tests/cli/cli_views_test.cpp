// The views of the command line: --print-face and --upcoming read the saved
// settings and change nothing on disk.
#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "core/files_temp_folder.h"
#include "settings/config_test_support.h"

namespace {

constexpr char kUsTimeZone[] = "EST5EDT,M3.2.0,M11.1.0";

class CliViews : public ::testing::Test {
 protected:
  CliResult Run(std::vector<std::string> args, const char* tz = "UTC") {
    args.insert(args.begin(), {"--settings-dir", folder.path()});
    return RunHoratick(args, {{"TZ", tz}});
  }
  void Put(const std::string& name, const std::string& contents) { WriteTextFile(folder / name, contents); }

  TempFolder folder;
};

TEST(CliPrintFace, AFreshFolderGivesTheDefaultFaceAndStaysAbsent) {
  TempFolder parent;
  const std::string settings = parent / "never-made";
  const CliResult r = RunHoratick({"--settings-dir", settings, "--print-face", "--at", "1992-12-07 15:05:09"},
                                  {{"TZ", "UTC"}});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, " 3:05 PM  Mon 12/07/92 \n");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(FolderListing(parent.path()), "");
}

TEST_F(CliViews, PrintFaceFollowsTheSavedSettings) {
  ConfigImage otherStamp = ConfigImage::Defaults(0, 0);
  otherStamp.PutText(0, "00.10");
  otherStamp.Put16(6, 106);
  ConfigImage longDate = ConfigImage::Defaults(0, 0);
  longDate.Put16(6, 106);
  longDate.Put16(10, 206);
  longDate.Put16(12, 308);
  longDate.Put16(14, 405);
  longDate.Put16(16, 506);
  longDate.Put16(32, 606);
  longDate.PutText(40, "-");
  ConfigImage seconds = ConfigImage::Defaults(0, 0);
  seconds.Put16(8, 1);
  ConfigImage blinking = ConfigImage::Defaults(0, 0);
  blinking.Put32(60, 1);
  const struct {
    const char* name;
    std::string profile;
    std::string config;
    const char* face;
  } cases[] = {
      {"long date", "", longDate.Text(), "15:05  Monday 7-December-1992 \n"},
      {"lower-case pm", "[Horatick]\nPMPM=149\n", ConfigImage::Defaults(0, 0).Text(), " 3:05 pm  Mon 12/07/92 \n"},
      {"seconds", "", seconds.Text(), " 3:05:09 PM  Mon 12/07/92 \n"},
      {"blinking colon is shown", "", blinking.Text(), " 3:05 PM  Mon 12/07/92 \n"},
      {"another stamp reads as the defaults", "", otherStamp.Text(), " 3:05 PM  Mon 12/07/92 \n"},
      {"a profile of another version reads as the defaults", "[Horatick]\nPMPM=149\nVersion=00.10\n",
       longDate.Text(), " 3:05 PM  Mon 12/07/92 \n"},
      {"a short file reads as the defaults", "", std::string(10, 'x'), " 3:05 PM  Mon 12/07/92 \n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Put("HORATICK.INI", c.profile);
    Put("HORATICK.CFG", c.config);
    const CliResult r = Run({"--print-face", "--at", "1992-12-07 15:05:09"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.face);
    EXPECT_EQ(ReadTextFile(folder / "HORATICK.INI"), c.profile);
    EXPECT_EQ(ReadTextFile(folder / "HORATICK.CFG"), c.config);
    EXPECT_EQ(FolderListing(folder.path()), "HORATICK.CFG HORATICK.INI");
  }
}

// An alarm that goes off every week on the given weekdays (0 = Sunday) at hour:minute.
void WeeklyAlarm(ConfigImage& m, int index, std::initializer_list<int> weekdays, int hour, int minute,
                 bool enabled = true) {
  m.Put8(ConfigImage::Alarm(index, 4), static_cast<std::uint8_t>(hour));
  m.Put8(ConfigImage::Alarm(index, 5), static_cast<std::uint8_t>(minute));
  m.Put16(ConfigImage::Alarm(index, 16), 601);
  m.Put16(ConfigImage::Alarm(index, 18), enabled ? 1 : 0);
  for (int day : weekdays) m.Put32(ConfigImage::Alarm(index, 256 + 4 * day), 1);
  m.Put32(ConfigImage::Alarm(index, 284), 1);
}

void OneDateAlarm(ConfigImage& m, int index, int year, int month, int day, int hour, int minute) {
  m.Put8(ConfigImage::Alarm(index, 4), static_cast<std::uint8_t>(hour));
  m.Put8(ConfigImage::Alarm(index, 5), static_cast<std::uint8_t>(minute));
  m.Put8(ConfigImage::Alarm(index, 7), static_cast<std::uint8_t>(month));
  m.Put8(ConfigImage::Alarm(index, 8), static_cast<std::uint8_t>(day));
  m.Put32(ConfigImage::Alarm(index, 12), year);
  m.Put16(ConfigImage::Alarm(index, 16), 600);
  m.Put16(ConfigImage::Alarm(index, 18), 1);
}

TEST_F(CliViews, UpcomingListsAlarmsInTimeOrder) {
  ConfigImage m = ConfigImage::Defaults(0, 0);
  OneDateAlarm(m, 0, 1992, 12, 8, 7, 5);
  WeeklyAlarm(m, 1, {1, 3}, 12, 0);
  WeeklyAlarm(m, 2, {1, 3}, 12, 0, false);
  WeeklyAlarm(m, 3, {0, 1, 2, 3, 4, 5, 6}, 7, 5);
  Put("HORATICK.CFG", m.Text());
  const struct {
    const char* name;
    const char* from;
    const char* days;
    const char* listing;
  } cases[] = {
      {"three days", "1992-12-07 00:00", "3",
       "1992-12-07 07:05 alarm 4\n1992-12-07 12:00 alarm 2\n1992-12-08 07:05 alarm 1\n1992-12-08 07:05 alarm 4\n"
       "1992-12-09 07:05 alarm 4\n1992-12-09 12:00 alarm 2\n"},
      {"the first minute counts", "1992-12-07 07:05", "1", "1992-12-07 07:05 alarm 4\n1992-12-07 12:00 alarm 2\n"},
      {"the last minute does not", "1992-12-07 07:06", "1",
       "1992-12-07 12:00 alarm 2\n1992-12-08 07:05 alarm 1\n1992-12-08 07:05 alarm 4\n"},
      {"no year past 9999", "9999-12-30 00:00", "5", "9999-12-30 07:05 alarm 4\n9999-12-31 07:05 alarm 4\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliResult r = Run({"--upcoming", "--from", c.from, "--days", c.days});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.listing);
  }
  EXPECT_EQ(FolderListing(folder.path()), "HORATICK.CFG");
}

// A view says why it shows the defaults, and leaves the file where it is.
TEST_F(CliViews, AConfigurationFileThatCannotBeReadIsReportedAndLeftAlone) {
  const std::string config = folder / "HORATICK.CFG";
  std::filesystem::create_directory(config);
  const CliResult r = Run({"--print-face", "--at", "1992-12-07 15:05:09"});
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, " 3:05 PM  Mon 12/07/92 \n");
  EXPECT_EQ(r.err, "horatick: The Horatick configuration file \"" + config +
                       "\" could not be read (Is a directory), so the default settings are used. "
                       "The file was left as it is.\n");
  EXPECT_EQ(FolderListing(folder.path()), "HORATICK.CFG");
}

TEST_F(CliViews, UpcomingFollowsDaylightSaving) {
  ConfigImage m = ConfigImage::Defaults(0, 0);
  WeeklyAlarm(m, 0, {0}, 2, 30);  // skipped in spring, rings once in autumn
  WeeklyAlarm(m, 1, {0}, 1, 30);  // repeated in autumn
  WeeklyAlarm(m, 2, {0}, 3, 0);
  Put("HORATICK.CFG", m.Text());
  const struct {
    const char* name;
    const char* from;
    const char* listing;
  } cases[] = {
      {"spring: a skipped minute rings after the gap", "2024-03-09 00:00",
       "2024-03-10 01:30 alarm 2\n2024-03-10 03:00 alarm 1\n2024-03-10 03:00 alarm 3\n"},
      {"autumn: a repeated minute rings once", "2024-11-02 00:00",
       "2024-11-03 01:30 alarm 2\n2024-11-03 02:30 alarm 1\n2024-11-03 03:00 alarm 3\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CliResult r = Run({"--upcoming", "--from", c.from, "--days", "2"}, kUsTimeZone);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, c.listing);
  }
}

TEST_F(CliViews, UpcomingStartsAtTheNextMinuteAndCoversTheDays) {
  ConfigImage m = ConfigImage::Defaults(0, 0);
  WeeklyAlarm(m, 4, {0, 1, 2, 3, 4, 5, 6}, 6, 15);
  Put("HORATICK.CFG", m.Text());
  const CliResult r = Run({"--upcoming", "--days", "10"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // An alarm of every day comes once in each day of the span, whenever it starts.
  std::size_t lines = 0;
  for (std::size_t at = r.out.find(" 06:15 alarm 5\n"); at != std::string::npos; at = r.out.find(" 06:15 alarm 5\n", at + 1)) {
    ++lines;
  }
  EXPECT_EQ(r.out.size(), lines * std::string("YYYY-MM-DD 06:15 alarm 5\n").size());
  EXPECT_EQ(lines, 10u) << r.out;
}

}  // namespace
