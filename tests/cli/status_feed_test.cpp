// The status bars' lines: what they say, when a new one is due, and that a
// JSON parser of the bar's kind takes every one of them.
#include <gtest/gtest.h>

#include "cli/feed_check.h"
#include "cli/feed_tooltip.h"
#include "cli/reminder_today.h"
#include "cli/status_feed.h"

namespace {

using cli::FeedState;
using cli::StatusFeed;

// Every kind of text a face or a note may bring.
const std::string kAwkward = "\"q\" \\ a\x01\x1f\x7f \xC2\x85 tab\tnl\n<b>&amp; \xE2\x80\xA8 \xFF\xC3 caf\xC3\xA9";

TEST(StatusFeed, AJsonParserTakesEveryLineAndReadsTheTextsBack) {
  const FeedState awkward{" 3:05 PM " + kAwkward + " ", {"2026-12-09 07:05 alarm 1: " + kAwkward, "Countdown 2 running"}, true};
  const FeedState plain{" 3:06 PM  Wed 12/09/26 ", {}, false};
  const struct {
    const char* format;
    std::vector<std::string> expected;
  } cases[] = {
      {"waybar",
       {R"({"alt": "timer", "class": "timer", "text": "3:05 PM \"q\" \\ a\u0001\u001f\u007f \u0085 tab\tnl\n)"
        R"(&lt;b&gt;&amp;amp; \u2028 \ufffd\ufffd caf\u00e9", "tooltip": "2026-12-09 07:05 alarm 1: \"q\" \\ )"
        R"(a\u0001\u001f\u007f \u0085 tab\tnl\n&lt;b&gt;&amp;amp; \u2028 \ufffd\ufffd caf\u00e9\nCountdown 2 running"})",
        R"({"alt": "alarm", "class": "alarm", "text": "3:06 PM  Wed 12/09/26", "tooltip": "No alarm coming"})"}},
      {"i3bar",
       {R"([{"full_text": "3:05 PM \"q\" \\ a\u0001\u001f\u007f \u0085 tab\tnl\n<b>&amp; \u2028 \ufffd\ufffd caf\u00e9", )"
        R"("name": "horatick", "urgent": false}])",
        R"([{"full_text": "3:06 PM  Wed 12/09/26", "name": "horatick", "urgent": true}])"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    StatusFeed feed(std::string(c.format) == "waybar" ? OutputFormat::Waybar : OutputFormat::I3bar);
    std::vector<std::string> lines = feed.Opening();
    lines.push_back(feed.Update(awkward, 100));
    feed.AlarmRang(101);
    lines.push_back(feed.Update(plain, 101));
    const CliResult read = CheckFeedLines(c.format, lines);
    ASSERT_EQ(read.exitCode, 0) << read.err;
    std::string expected;
    for (const std::string& line : c.expected) expected += line + "\n";
    EXPECT_EQ(read.out, expected);
  }
}

// A line comes when what it says changes: the face, the tooltip, the class;
// an alarm marks the lines of its minute only.
TEST(StatusFeed, ALineComesOnlyWhenWhatItSaysChanges) {
  StatusFeed feed(OutputFormat::Waybar);
  const FeedState face{" 7:05 AM ", {"2026-12-10 07:05 alarm 1"}, false};
  auto classOf = [](const std::string& line) {
    const std::size_t at = line.find("\"class\":\"");
    return at == std::string::npos ? std::string("none") : line.substr(at + 9, line.find('"', at + 9) - at - 9);
  };
  EXPECT_EQ(classOf(feed.Update(face, 425)), "idle");
  EXPECT_EQ(feed.Update(face, 425), "") << "nothing changed";
  feed.AlarmRang(425);
  EXPECT_EQ(classOf(feed.Update(face, 425)), "alarm");
  EXPECT_EQ(feed.Update(face, 425), "");
  FeedState later = face;
  later.face = " 7:06 AM ";
  later.timerRunning = true;
  EXPECT_EQ(classOf(feed.Update(later, 426)), "timer") << "the alarm's minute is over";
  later.tooltip.push_back("Stopwatch 1 running");
  EXPECT_NE(feed.Update(later, 426), "") << "the tooltip changed";

  StatusFeed bar(OutputFormat::I3bar);
  EXPECT_EQ(bar.Opening(), (std::vector<std::string>{"{\"version\":1}", "["}));
  EXPECT_FALSE(bar.Started());
  EXPECT_EQ(bar.Update(face, 425).substr(0, 2), "[{");
  EXPECT_TRUE(bar.Started());
  EXPECT_EQ(bar.Update(later, 426).substr(0, 3), ",[{");
}

TEST(FeedTooltip, ListsTheNextThreeAlarmsWithTheirNotesAndTheRunningTimers) {
  AlarmRecord table[kAlarmCount] = {};
  for (AlarmRecord& r : table) SetDefaultAlarm(r);
  SetDailyAlarm(table[3], "Stretch\nnow");
  // 2026-12-09 06:16, local minutes as the calendar counts them.
  const std::int64_t from = (2461384LL) * 1440 + 6 * 60 + 16;
  EXPECT_EQ(cli::NextAlarmLines(table, from),
            (std::vector<std::string>{"2026-12-10 06:15 alarm 4: Stretch now", "2026-12-11 06:15 alarm 4: Stretch now",
                                      "2026-12-12 06:15 alarm 4: Stretch now"}));
  TimerRecord timers[kTimerCount] = {};
  timers[1].running = 1;
  timers[2].running = 1;
  EXPECT_EQ(cli::RunningTimerLines(timers), (std::vector<std::string>{"Stopwatch 2 running", "Countdown 1 running"}));
}

}  // namespace
