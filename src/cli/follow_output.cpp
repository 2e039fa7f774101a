#include "cli/follow_output.h"

#include "alarms/alarm_scan.h"
#include "base/terminal_text.h"
#include "cli/desktop_notice.h"
#include "platform/kernel/driver.h"

namespace cli {
namespace {

// The output whose status bar is told of each ring.
FollowOutput* ringListener = nullptr;

}  // namespace

FollowOutput::FollowOutput(LineOutput& out, LineOutput& errors, OutputFormat format) : out_(out), errors_(errors) {
  // When the reader has gone (a status bar closed, `| head` done), the clock
  // ends as at the end of a session, saving its settings.
  out_.OnLost([] { platform::PostInput(platform::input::EndSession{}); });
  if (format == OutputFormat::Waybar || format == OutputFormat::I3bar) {
    // The bar's lines are JSON the feed has escaped; they go out as they are.
    // A status is a face: only the newest waits for a slow reader.
    feed_.emplace(format, [this](const std::string& line, bool mustArrive) {
      if (mustArrive) {
        out_.PutLine(line);
      } else {
        out_.PutFace(line);
      }
    });
    ringListener = this;
    alarmRingObserver = &FollowOutput::OnAlarmRing;
  }
}

FollowOutput::~FollowOutput() {
  if (ringListener == this) {
    ringListener = nullptr;
    alarmRingObserver = nullptr;
  }
}

void FollowOutput::OnAlarmRing(int) {
  if (ringListener != nullptr && ringListener->feed_) ringListener->feed_->AlarmRang();
}

void FollowOutput::PrintLine(const std::string& text, bool face) {
  // Notes and captions come from the settings file as they were typed (or
  // planted): a terminal gets no control character of theirs.
  const std::string line = TerminalLine(text);
  if (face) {
    out_.PutFace(line);
  } else {
    out_.PutLine(line);
  }
}

void FollowOutput::Face(const std::string& face) {
  if (feed_) {
    feed_->Face(face);
  } else {
    PrintLine(face, true);
  }
}

void FollowOutput::Note(const std::string& text) {
  if (feed_) {
    errors_.PutLine(TerminalLine(text));
  } else {
    PrintLine(text);
  }
}

void FollowOutput::Answered(const platform::WindowSnapshot& shot, const std::string& readableText) {
  Note(shot.text + ": " + readableText);
  if (const auto notice = NoticeOf(shot, readableText)) {
    notifier_.Notify(notice->summary, notice->body,
                     notice->alarm ? platform::bus::Urgency::Critical : platform::bus::Urgency::Normal);
  }
}

void FollowOutput::Bell() { errors_.PutText("\a"); }

std::optional<std::int64_t> FollowOutput::BeforeWait() {
  // A ring marks the bar's line until its minute ends, whether or not the
  // face changes then.
  if (!feed_) return std::nullopt;
  feed_->Refresh();
  return feed_->RedrawAtMs();
}

}  // namespace cli
