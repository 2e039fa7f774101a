#include "cli/follow_feed.h"

#include <ctime>

#include "cli/feed_tooltip.h"
#include "moments/local_time.h"
#include "settings/alarm_record.h"
#include "timers/timer_record.h"

namespace cli {
namespace {

std::int64_t WallMinuteNow() { return WallMinuteOfUtc(static_cast<std::int64_t>(std::time(nullptr))); }

}  // namespace

FollowFeed::FollowFeed(OutputFormat format, Put put) : feed_(format), put_(std::move(put)) {
  for (const std::string& line : feed_.Opening()) put_(line, true);
}

void FollowFeed::Face(const std::string& face) {
  face_ = face;
  Write();
}

void FollowFeed::AlarmRang() {
  feed_.AlarmRang(WallMinuteNow());
  // A one-date alarm retires as it rings: the list of what is coming changes.
  alarmsMinute_ = INT64_MIN;
  Write();
}

std::optional<std::int64_t> FollowFeed::RedrawAtMs() const {
  if (!feed_.AlarmShown(WallMinuteNow())) return std::nullopt;
  const std::int64_t now = static_cast<std::int64_t>(std::time(nullptr));
  return (now / 60 + 1) * 60 * 1000;
}

void FollowFeed::Refresh() { Write(); }

void FollowFeed::Write() {
  // Nothing before the clock's first face.
  if (face_.empty()) return;
  const std::int64_t minute = WallMinuteNow();
  if (minute != alarmsMinute_) {
    // From the next minute, as --upcoming lists them.
    nextAlarms_ = NextAlarmLines(alarms, minute + 1);
    alarmsMinute_ = minute;
  }
  FeedState state{face_, nextAlarms_, false};
  for (const std::string& line : RunningTimerLines(timers)) {
    state.tooltip.push_back(line);
    state.timerRunning = true;
  }
  const bool first = !feed_.Started();
  const std::string line = feed_.Update(state, minute);
  if (!line.empty()) put_(line, first);
}

}  // namespace cli
