// The terminal clock's status-bar output (--follow --format waybar|i3bar):
// which line to write when, from the faces the clock shows, the alarms it
// rings and the minute of the local clock.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "cli/status_feed.h"

namespace cli {

class FollowFeed {
 public:
  // put(line, mustArrive): a line the reader must get (the opening, the
  // first status), or only the newest state, which a later one may replace
  // while the reader is slow.
  using Put = std::function<void(const std::string& line, bool mustArrive)>;

  // Writes the opening lines at once.
  FollowFeed(OutputFormat format, Put put);

  // The clock shows a new face.
  void Face(const std::string& face);
  // An alarm rings now.
  void AlarmRang();
  // While an alarm marks the line, when (ms since 1970) its minute ends and
  // the line must be written again.
  std::optional<std::int64_t> RedrawAtMs() const;
  // Writes the line again if what it says has changed (the minute ended).
  void Refresh();

 private:
  void Write();

  StatusFeed feed_;
  Put put_;
  std::string face_;
  // The tooltip's alarms, worked out again when the minute or the alarms change.
  std::int64_t alarmsMinute_ = INT64_MIN;
  std::vector<std::string> nextAlarms_;
};

}  // namespace cli
