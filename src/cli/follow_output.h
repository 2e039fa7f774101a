// What the terminal clock writes (horatick --follow): each face as a line on
// standard output, or a status bar's lines (follow_feed.h) with the notes on
// standard error; the notes of boxes and dialogs as "caption: text", with
// control characters shown as "\xNN" (line ends as blanks); an alarm's note
// and a countdown's notice also as a desktop notification on the session bus,
// when there is a notification service. Neither output ever waits on its
// reader (line_output.h): a reader that stops reading gets the newest face
// when it reads again, and the clock ends (and saves) when nobody reads the
// lines any more.
#pragma once

#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/follow_feed.h"
#include "cli/line_output.h"
#include "platform/bus/desktop_notifier.h"
#include "platform/terminal/terminal_driver.h"

namespace cli {

class FollowOutput final : public platform::terminal::TerminalOutput {
 public:
  // Faces and notes go to out; the bell goes to errors. A status bar's
  // format puts its lines on out and the notes on errors.
  FollowOutput(LineOutput& out, LineOutput& errors, OutputFormat format = OutputFormat::Plain);
  ~FollowOutput() override;
  FollowOutput(const FollowOutput&) = delete;
  FollowOutput& operator=(const FollowOutput&) = delete;

  void Face(const std::string& face) override;
  void Answered(const platform::WindowSnapshot& shot, const std::string& readableText) override;
  void Note(const std::string& text) override;
  void Bell() override;
  std::optional<std::int64_t> BeforeWait() override;

 private:
  // A face waits as the one pending face; any other line is queued.
  void PrintLine(const std::string& text, bool face = false);
  static void OnAlarmRing(int index);

  LineOutput& out_;
  LineOutput& errors_;
  platform::bus::DesktopNotifier notifier_;
  std::optional<FollowFeed> feed_;
};

}  // namespace cli
