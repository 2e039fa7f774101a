// --upcoming --format ics: the calendar file of the enabled alarms, read back
// by an independent iCalendar library and recurrence expander, must give the
// very minutes the list of coming alarms gives.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "cli/alarm_plan.h"
#include "cli/cli_run.h"
#include "base/terminal_text.h"
#include "core/files_temp_folder.h"

namespace {

constexpr char kFrom[] = "2024-01-10 08:00";
constexpr char kDays[] = "400";
constexpr char kReader[] = "/usr/bin/python3";

class IcsExport : public ::testing::Test {
 protected:
  CliResult Horatick(std::vector<std::string> args, const std::string& tz) {
    args.insert(args.begin(), {"--settings-dir", folder.path()});
    return RunHoratick(args, {{"TZ", tz}});
  }
  // What the independent reader finds in the file the clock wrote.
  CliResult Read(const std::string& ics, std::vector<std::string> args, const std::string& tz) {
    WriteTextFile(folder / "alarms.ics", ics);
    args.insert(args.begin(), {HORATICK_SOURCE_DIR "/tests/cli/ics_occurrences.py", folder / "alarms.ics"});
    return RunProgram(kReader, args, {{"TZ", tz}});
  }

  TempFolder folder;
};

// Every kind of schedule, with times in the hours daylight saving skips and repeats.
const std::vector<AlarmPlan> kEveryKind = {
    AlarmPlan::At(2, 30).OneDate(2024, 3, 10),
    AlarmPlan::At(2, 30).On({0, 2}).Every({1}),
    AlarmPlan::At(1, 30).On({0, 4}).Every({2}),  // start date 0-0-0
    AlarmPlan::At(12, 0).Date(2024, 6, 1).On({6}).Every({3}),
    AlarmPlan::At(7, 0).Date(2023, 5, 17).On({1}).Every({2, 4}),
    AlarmPlan::At(2, 45).Date(2024, 2, 29).On({0, 3}).Every({2, 3}),
    AlarmPlan::At(23, 59).Date(2023, 12, 31).On({5}).Every({3, 4}),
    AlarmPlan::At(2, 15).On({0, 1}).MonthWeeks({1, 5}),
    AlarmPlan::At(6, 0).Date(2024, 1, 2).On({0, 2}).Every({2}).MonthWeeks({2}),
    // Retired at its first ring, which an interval brings before its date.
    AlarmPlan::At(9, 0).OneDate(2024, 4, 20).On({4}).Every({2}),
};

// Flags that give no ring, and the rarer mixtures.
const std::vector<AlarmPlan> kEdgeKinds = {
    AlarmPlan::At(8, 0).On({1, 2, 3}),
    AlarmPlan::At(8, 5).Every({1}).MonthWeeks({2}),
    AlarmPlan::At(18, 0).OneDate(2023, 6, 1).On({5}).MonthWeeks({3}),
    AlarmPlan::At(2, 30).On({0}).Every({4}),
    AlarmPlan::At(9, 0).On({1}).Every({1}).Off(),
    AlarmPlan::At(8, 0).On({3}).Every({2}).MonthWeeks({1, 2, 3, 4, 5}),
    AlarmPlan::At(7, 0).OneDate(2030, 1, 1),
    AlarmPlan::At(10, 0).Date(2023, 2, 31).On({3, 6}).Every({3}),
    AlarmPlan::At(1, 30).OneDate(2024, 11, 3),
    AlarmPlan::At(2, 0).On({0}).Every({1}),
};

TEST_F(IcsExport, AnIndependentReaderFindsTheMinutesTheListGives) {
  const struct {
    const char* name;
    const std::vector<AlarmPlan>& alarms;
  } configs[] = {{"every kind", kEveryKind}, {"edge kinds", kEdgeKinds}};
  for (const auto& config : configs) {
    WriteTextFile(folder / "HORATICK.CFG", ConfigWith(config.alarms));
    for (const char* tz : {"America/New_York", "Europe/Berlin"}) {
      SCOPED_TRACE(std::string(config.name) + " in " + tz);
      const CliResult list = Horatick({"--upcoming", "--from", kFrom, "--days", kDays}, tz);
      ASSERT_EQ(list.exitCode, 0) << list.err;
      const CliResult ics = Horatick({"--upcoming", "--format", "ics", "--from", kFrom}, tz);
      ASSERT_EQ(ics.exitCode, 0) << ics.err;
      const CliResult read = Read(ics.out, {kFrom, kDays}, tz);
      ASSERT_EQ(read.exitCode, 0) << read.err;
      EXPECT_EQ(read.out, list.out);
      EXPECT_NE(list.out, "");
    }
  }
}

TEST_F(IcsExport, ARetiringOneDateAlarmIsListedOnceWhicheverRuleComesFirst) {
  WriteTextFile(folder / "HORATICK.CFG", ConfigWith({kEveryKind[9], kEdgeKinds[2]}));
  const CliResult list = Horatick({"--upcoming", "--from", kFrom, "--days", "120"}, "UTC");
  EXPECT_EQ(list.out, "2024-01-18 09:00 alarm 1\n2024-01-19 18:00 alarm 2\n");
}

bool ValidUtf8(std::string_view text) {
  while (!text.empty()) {
    unsigned codePoint = 0;
    const std::size_t length = Utf8CharacterAt(text, codePoint);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

TEST_F(IcsExport, NotesAreEscapedAndLinesFoldedOnCharacterBoundaries) {
  const std::string note = "Tea, then; work\\home\r\nnext: \xC3\xA9t\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC\x01 \xFF end \xE2\x86\x92 "
                           "\xE2\x86\x92\xE2\x86\x92\xE2\x86\x92\xE2\x86\x92\xE2\x86\x92";
  WriteTextFile(folder / "HORATICK.CFG",
                ConfigWith({AlarmPlan::At(7, 0).On({1}).Every({1}).Note(note), AlarmPlan::At(8, 0).On({2}).Every({1})}));
  const CliResult ics = Horatick({"--upcoming", "--format", "ics", "--from", kFrom}, "UTC");
  ASSERT_EQ(ics.exitCode, 0) << ics.err;
  std::size_t longest = 0;
  for (std::size_t at = 0; at < ics.out.size();) {
    const std::size_t end = ics.out.find("\r\n", at);
    ASSERT_NE(end, std::string::npos) << "a line without CRLF at " << at;
    const std::string line = ics.out.substr(at, end - at);
    EXPECT_TRUE(ValidUtf8(line)) << line;
    EXPECT_EQ(line.find('\n'), std::string::npos);
    longest = std::max(longest, line.size());
    at = end + 2;
  }
  EXPECT_LE(longest, 75u);
  EXPECT_GE(longest, 70u) << "the note should have needed folding";

  const std::string decoded = R"(Tea, then; work\\home\nnext: été 日本  � end → →→→→→)";
  const CliResult read = Read(ics.out, {"notes"}, "UTC");
  ASSERT_EQ(read.exitCode, 0) << read.err;
  EXPECT_EQ(read.out, "[1, \"Alarm 1\", \"" + decoded + "\", [\"" + decoded + "\"]]\n[2, \"Alarm 2\", \"\", [\"Alarm 2\"]]\n");
}

TEST_F(IcsExport, UidsFollowTheAlarmAndItsSettings) {
  auto uids = [this](const std::vector<AlarmPlan>& alarms, const char* from) {
    WriteTextFile(folder / "HORATICK.CFG", ConfigWith(alarms));
    const std::string ics = Horatick({"--upcoming", "--format", "ics", "--from", from}, "UTC").out;
    std::string found;
    const std::regex uid("UID:([^\r]*)");
    for (auto it = std::sregex_iterator(ics.begin(), ics.end(), uid); it != std::sregex_iterator(); ++it) {
      found += (*it)[1].str() + ' ';
    }
    return found;
  };
  const std::vector<AlarmPlan> two = {kEveryKind[1], kEveryKind[5]};
  const std::string first = uids(two, kFrom);
  EXPECT_EQ(uids(two, "2025-06-01 00:00"), first) << "the same settings on another day";
  std::vector<AlarmPlan> changed = two;
  changed[1].minute = 46;
  const std::string second = uids(changed, kFrom);
  EXPECT_EQ(second.substr(0, second.find(' ')), first.substr(0, first.find(' ')));
  EXPECT_NE(second, first);
  std::set<std::string> distinct;
  std::istringstream words(first);
  for (std::string word; words >> word;) EXPECT_TRUE(distinct.insert(word).second) << word;
}

}  // namespace
