// The terminal clock as a status bar runs it: every line a JSON parser
// takes, the next alarm in the tooltip, the class and urgency following an
// alarm's ring, and the notes kept off the bar's lines.
#include <gtest/gtest.h>

#include "app/main_window_files.h"
#include "cli/feed_check.h"
#include "cli/follow_process.h"
#include "cli/reminder_today.h"

namespace {

using clock_files::WriteWholeFile;

TEST(FollowFeed, EveryLineIsJsonAndFollowsTheAlarm) {
  const struct {
    const char* format;
    const char* ringing;  // what a line says while the alarm rings
    std::size_t opening;  // the lines before the first status
  } cases[] = {{"waybar", "\"class\":\"alarm\"", 0}, {"i3bar", "\"urgent\":true", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    TempFolder folder;
    TempFolder runtime;
    clock_files::Configuration files = WithReminderToday("Water \"the\" <plants>\x01");
    SetDailyAlarm(files.alarms[1], "Stretch & breathe");
    WriteWholeFile(folder.path() + "/HORATICK.CFG", files.Image());
    FollowProcess clock(folder.path(), {"--follow", "--format", c.format}, {{"XDG_RUNTIME_DIR", runtime.path()}});

    std::vector<std::string> lines;
    bool rang = false;
    while (!rang) {
      const auto line = clock.NextLine();
      ASSERT_TRUE(line.has_value()) << "no ring seen; " << clock.ErrorText();
      lines.push_back(*line);
      rang = lines.size() > c.opening && line->find(c.ringing) != std::string::npos;
    }
    // The note goes beside the bar's lines, on standard error.
    EXPECT_TRUE(clock.WaitForErrorText("Alarm 1 - 7:05  (One Date): Water \"the\" <plants>\\x01\n"));
    ASSERT_TRUE(clock.Signal(SIGTERM));
    while (const auto line = clock.NextLine()) lines.push_back(*line);
    EXPECT_EQ(clock.WaitForExit(), 0);

    const CliResult read = CheckFeedLines(c.format, lines);
    EXPECT_EQ(read.exitCode, 0) << read.err;
    if (std::string(c.format) == "waybar") {
      EXPECT_NE(lines.back().find(" 06:15 alarm 2: Stretch &amp; breathe\\n"), std::string::npos) << lines.back();
    }
  }
}

}  // namespace
