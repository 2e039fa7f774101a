#include "cli/status_feed.h"

#include "cli/json_text.h"
#include "platform/bus/desktop_notifier.h"

namespace cli {
namespace {

constexpr char kBlockName[] = "horatick";
constexpr char kNothingComing[] = "No alarm coming";

// The face without the blanks the window pads it with: a bar pads itself.
std::string Trimmed(const std::string& face) {
  const std::size_t first = face.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return face.substr(first, face.find_last_not_of(' ') - first + 1);
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    if (!joined.empty()) joined += '\n';
    joined += line;
  }
  return joined.empty() ? kNothingComing : joined;
}

}  // namespace

std::vector<std::string> StatusFeed::Opening() const {
  if (format_ == OutputFormat::I3bar) return {"{\"version\":1}", "["};
  return {};
}

std::string StatusFeed::Update(const FeedState& state, std::int64_t wallMinute) {
  const char* kind = AlarmShown(wallMinute) ? "alarm" : state.timerRunning ? "timer" : "idle";
  std::string line = Compose(state, kind);
  if (line == last_) return {};
  const bool first = last_.empty();
  last_ = line;
  if (format_ == OutputFormat::I3bar && !first) line.insert(0, ",");
  return line;
}

std::string StatusFeed::Compose(const FeedState& state, const char* kind) const {
  using platform::bus::EscapeMarkup;
  switch (format_) {
    case OutputFormat::Waybar:
      return "{\"text\":" + JsonString(EscapeMarkup(Trimmed(state.face))) +
             ",\"tooltip\":" + JsonString(EscapeMarkup(JoinedLines(state.tooltip))) + ",\"class\":\"" + kind +
             "\",\"alt\":\"" + kind + "\"}";
    case OutputFormat::I3bar:
      return std::string("[{\"name\":\"") + kBlockName + "\",\"full_text\":" + JsonString(Trimmed(state.face)) +
             ",\"urgent\":" + (std::string(kind) == "alarm" ? "true" : "false") + "}]";
    case OutputFormat::Plain:
    case OutputFormat::Ics:
      break;
  }
  return state.face;
}

}  // namespace cli
