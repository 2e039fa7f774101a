// The terminal clock as a user runs it: the real program with --follow, its
// lines, its settings folder, and the signals that end it.
#include <gtest/gtest.h>
#include <time.h>

#include <cstring>

#include "app/main_window_files.h"
#include "cli/follow_process.h"
#include "cli/reminder_today.h"

using clock_files::Configuration;
using clock_files::ProfileValue;
using clock_files::ReadConfiguration;
using clock_files::WriteWholeFile;

class EndSignal : public testing::TestWithParam<int> {};

TEST_P(EndSignal, PrintsFacesAndNotesAndSavesEverythingAtTheEnd) {
  TempFolder folder;
  TempFolder runtime;
  WriteWholeFile(folder.path() + "/HORATICK.CFG", WithReminderToday("Water the plants").Image());
  FollowProcess clock(folder.path(), {"--follow"}, {{"XDG_RUNTIME_DIR", runtime.path()}});

  const auto face = clock.NextLine();
  ASSERT_TRUE(face.has_value()) << clock.ErrorText();
  EXPECT_TRUE(FollowProcess::LooksLikeDefaultFace(*face)) << '"' << *face << '"';
  const auto note = clock.NextLineBesidesFaces();
  ASSERT_TRUE(note.has_value());
  EXPECT_EQ(*note, "Alarm 1 - 7:05  (One Date): Water the plants");
  // Answered at once: the start-up save is done and the clock runs on.
  EXPECT_EQ(ProfileValue(folder.path(), "xPos"), "1034");
  EXPECT_TRUE(clock.StillRunning());

  ASSERT_TRUE(clock.Signal(GetParam()));
  EXPECT_EQ(clock.WaitForExit(), 0);
  const auto saved = ReadConfiguration(folder.path());
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->alarms[0].enabled, 0);
  EXPECT_EQ(saved->alarms[0].remindOnStartup, 0);
  EXPECT_EQ(ProfileValue(folder.path(), "xPos"), "1014") << "the place is written at the end";
  EXPECT_EQ(ProfileValue(folder.path(), "yPos"), "30");
  for (const auto& entry : std::filesystem::directory_iterator(runtime.path())) {
    EXPECT_NE(entry.path().extension(), ".sock") << "the socket is removed";
  }
}

INSTANTIATE_TEST_SUITE_P(Signals, EndSignal, testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == SIGTERM ? "Term" : info.param == SIGHUP ? "Hangup" : "Interrupt");
                         });

// Also when the two see different runtime folders (XDG_RUNTIME_DIR set for
// one of them, or cleaned in between): the settings folder is theirs to share.
TEST(Follow, ASecondCopyIsRefusedAndTheFirstRunsOn) {
  for (const bool ownRuntimeFolders : {false, true}) {
    SCOPED_TRACE(ownRuntimeFolders ? "a runtime folder each" : "one runtime folder");
    TempFolder folder;
    TempFolder runtimeOfFirst;
    TempFolder runtimeOfSecond;
    FollowProcess first(folder.path(), {"--follow"}, {{"XDG_RUNTIME_DIR", runtimeOfFirst.path()}});
    ASSERT_TRUE(first.NextLine().has_value());

    const std::string& runtime = ownRuntimeFolders ? runtimeOfSecond.path() : runtimeOfFirst.path();
    FollowProcess second(folder.path(), {"--follow"}, {{"XDG_RUNTIME_DIR", runtime}});
    EXPECT_EQ(second.NextLine(), "Horatick: Horatick is already running.");
    EXPECT_EQ(second.WaitForExit(), 0);
    EXPECT_TRUE(first.StillRunning());

    ASSERT_TRUE(first.Signal(SIGTERM));
    EXPECT_EQ(first.WaitForExit(), 0);
  }
}

TEST(Follow, KeepsTheScreenTheDesktopClockSaw) {
  TempFolder folder;
  WriteWholeFile(folder.path() + "/HORATICK.INI",
                 "[Horatick]\nVersion=01.00\nxPos=1500\nyPos=40\nxScreen=1920\nyScreen=1080\n");
  FollowProcess clock(folder.path(), {"--follow"});
  ASSERT_TRUE(clock.NextLine().has_value()) << clock.ErrorText();
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
  EXPECT_EQ(ProfileValue(folder.path(), "xPos"), "1500");
  EXPECT_EQ(ProfileValue(folder.path(), "yPos"), "40");
  EXPECT_EQ(ProfileValue(folder.path(), "xScreen"), "1920");
  EXPECT_EQ(ProfileValue(folder.path(), "yScreen"), "1080");
}

TEST(Follow, EndsAndSavesWhenNobodyReadsItsLinesAnyMore) {
  TempFolder folder;
  Configuration files;
  files.preferences.blinkColon = 1;  // a new face every half second
  WriteWholeFile(folder.path() + "/HORATICK.CFG", files.Image());
  FollowProcess clock(folder.path(), {"--follow"});
  ASSERT_TRUE(clock.NextLine().has_value());
  clock.CloseOutput();
  EXPECT_EQ(clock.WaitForExit(), 0);
  EXPECT_EQ(ProfileValue(folder.path(), "xPos"), "1014") << "the end saved the place";
}

// A profile that cannot be written is said once, however often the clock
// writes to it (the defaults at the start, the place at the end).
TEST(Follow, AProfileThatCannotBeWrittenIsReportedOnceOnStandardError) {
  TempFolder folder;
  const std::string profile = folder.path() + "/HORATICK.INI";
  std::filesystem::create_directory(profile);
  FollowProcess clock(folder.path(), {"--follow"});
  ASSERT_TRUE(clock.NextLine().has_value()) << clock.ErrorText();
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
  EXPECT_EQ(clock.ErrorText(), "horatick: The Horatick profile \"" + profile +
                                   "\" could not be written (Is a directory), so the window's place and the "
                                   "settings kept there are not saved.\n");
  EXPECT_TRUE(ReadConfiguration(folder.path()).has_value()) << "the configuration file is saved all the same";
}

TEST(Follow, ASettingsFileThatCannotBeReadIsReportedOnStandardError) {
  TempFolder folder;
  const std::string config = folder.path() + "/HORATICK.CFG";
  std::filesystem::create_directory(config);
  FollowProcess clock(folder.path(), {"--follow"});
  const std::string notice = "The Horatick configuration file \"" + config +
                             "\" could not be read (Is a directory), so the default settings are used. "
                             "The file was kept as \"" + config + ".bad\".";
  EXPECT_EQ(clock.NextLineBesidesFaces(), "Horatick: " + notice);
  ASSERT_TRUE(clock.Signal(SIGTERM));
  EXPECT_EQ(clock.WaitForExit(), 0);
  EXPECT_EQ(clock.ErrorText(), "horatick: " + notice + "\n");
  EXPECT_TRUE(ReadConfiguration(folder.path()).has_value()) << "the defaults are saved in its place";
}
