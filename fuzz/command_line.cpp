// Fuzzes the command line. The input is the arguments, separated by zero
// bytes. Any arguments are read without a fault; what is accepted is inside
// the ranges the modes rely on, and --upcoming lists only four-digit years.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "moments/local_time.h"
#include "cli/upcoming.h"
#include "fuzz_settings.h"

namespace {

void CheckMoment(const LocalMoment& m) {
  FUZZ_CHECK(m.year >= 1900 && m.year <= 9999);
  FUZZ_CHECK(m.month >= 1 && m.month <= 12 && m.day >= 1 && m.day <= 31);
  FUZZ_CHECK(m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59 && m.second >= 0 && m.second <= 59);
}

// Every alarm enabled and due every day, at times across the day.
const AlarmRecord* EveryDayTable() {
  static AlarmRecord table[kAlarmCount];
  static const bool made = [] {
    for (int i = 0; i < kAlarmCount; ++i) {
      AlarmRecord& r = table[i];
      SetDefaultAlarm(r);
      r.enabled = 1;
      r.dateMode = kAlarmEnhanced;
      r.everyWeek = 1;
      for (auto& day : r.weekday) day = 1;
      r.hour = static_cast<std::uint8_t>(i * 2 + 1);
      r.minute = static_cast<std::uint8_t>(i * 6);
    }
    return true;
  }();
  (void)made;
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words{"horatick"};
  std::string current;
  for (std::size_t k = 0; k < size; ++k) {
    if (data[k] == 0) {
      words.push_back(current);
      current.clear();
    } else {
      current += static_cast<char>(data[k]);
    }
  }
  if (size > 0) words.push_back(current);
  std::vector<const char*> argv;
  for (const std::string& w : words) argv.push_back(w.c_str());
  argv.push_back(nullptr);

  const ParseResult result = ParseCommandLine(static_cast<int>(words.size()), argv.data());
  if (!result.error.empty()) {
    FUZZ_CHECK(result.error.find('\n') == std::string::npos);
    return 0;
  }
  const CommandLine& line = result.commandLine;
  FUZZ_CHECK(line.days >= 1 && line.days <= kMostUpcomingDays);
  if (line.at) CheckMoment(*line.at);
  if (line.from) CheckMoment(*line.from);
  if (line.settingsDir) FUZZ_CHECK(line.settingsDir->find('\0') == std::string::npos);

  // The listing at the end of the calendar; a long span from an early year is
  // left out, only to keep each run short.
  if (line.mode == RunMode::Upcoming && line.from && (line.from->year >= 9990 || line.days <= 40)) {
    for (const Occurrence& o : UpcomingAlarms(EveryDayTable(), WallMinuteOf(*line.from), line.days)) {
      const std::string text = FormatOccurrence(o);
      FUZZ_CHECK(text.size() == std::strlen("YYYY-MM-DD HH:MM alarm 1") + (o.alarmNumber >= 10 ? 1 : 0));
    }
  }
  return 0;
}
