// The terminal clock's lines for status bars: the face, what is coming and
// what runs, as the bar's own protocol has them.
//
//   waybar: one JSON object a line, {"text", "tooltip", "class", "alt"}, as
//           a custom module reads with `return-type: json`; the text and the
//           tooltip are Pango markup there, so they are escaped for it;
//   i3bar:  the header {"version":1}, then an endless array: "[" and one
//           array of blocks a line ({"name", "full_text", "urgent"}), every
//           line after the first starting with a comma.
// class (and alt) is "alarm" from an alarm's ring until the end of its
// minute, else "timer" while a stopwatch or countdown runs, else "idle";
// i3bar's urgent is the alarm's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace cli {

struct FeedState {
  std::string face;
  std::vector<std::string> tooltip;  // the next alarms, then the running timers
  bool timerRunning = false;
};

class StatusFeed {
 public:
  // Plain gives the face itself, a line per face.
  explicit StatusFeed(OutputFormat format) : format_(format) {}

  // The lines that open the output before any status, which must never be
  // dropped: i3bar's header and the start of its array.
  std::vector<std::string> Opening() const;

  // An alarm rang during the local minute wallMinute.
  void AlarmRang(std::int64_t wallMinute) { alarmMinute_ = wallMinute; }
  // Whether an alarm that rang still marks the line; it stops when the
  // minute after its ring begins.
  bool AlarmShown(std::int64_t wallMinute) const { return alarmMinute_ == wallMinute; }

  // The line for the clock as it is at wallMinute; empty when it would say
  // what the last line said.
  std::string Update(const FeedState& state, std::int64_t wallMinute);
  // Whether a status line has been given yet. The first must reach the
  // reader whatever comes after it: i3bar reads each later line as
  // following it, after its comma.
  bool Started() const { return !last_.empty(); }

 private:
  std::string Compose(const FeedState& state, const char* kind) const;

  OutputFormat format_;
  std::int64_t alarmMinute_ = INT64_MIN;
  std::string last_;
};

}  // namespace cli
