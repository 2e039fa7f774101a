#include "cli/follow_driver.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <strings.h>
#include <thread>
#include <vector>

#include "alarms/alarm_scan.h"
#include "cli/desktop_notice.h"
#include "cli/instance_commands.h"
#include "base/terminal_text.h"
#include "platform/kernel/event_sources.h"
#include "platform/session/help_document.h"
#include "platform/user/inspect.h"
#include "platform/session/single_instance.h"
#ifdef HORATICK_HAVE_ALSA
#include "platform/sound/alsa_beep.h"
#endif

namespace cli {
namespace {

// The driver whose status bar is told of each ring.
FollowDriver* ringListener = nullptr;

constexpr char kClockClass[] = "Horatick";

bool IsClockWindow(const platform::WindowSnapshot& shot) {
  return shot.exists && strcasecmp(shot.className.c_str(), kClockClass) == 0;
}

bool IsTextStatic(const platform::WindowSnapshot& shot) {
  const DWORD kind = shot.style & SS_TYPEMASK;
  return shot.kind == platform::WindowKind::Static && (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT);
}

// What a person would read in the window: a box's text, a dialog's texts.
std::string ReadableText(const platform::WindowSnapshot& shot) {
  if (shot.kind == platform::WindowKind::MessageBox) return shot.messageBoxText;
  std::string text;
  for (HWND child : shot.children) {
    const platform::WindowSnapshot control = platform::DescribeWindow(child);
    if (!IsTextStatic(control) || control.text.empty()) continue;
    if (!text.empty()) text += ' ';
    text += control.text;
  }
  return text;
}

// The OK button, else the first button there is.
HWND AnswerButton(const platform::WindowSnapshot& shot) {
  HWND first = nullptr;
  for (HWND child : shot.children) {
    const platform::WindowSnapshot control = platform::DescribeWindow(child);
    if (control.kind != platform::WindowKind::Button) continue;
    const DWORD kind = control.style & BS_TYPEMASK;
    if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON) continue;
    if (control.id == IDOK) return child;
    if (first == nullptr) first = child;
  }
  return first;
}

}  // namespace

std::string HelpDocumentAddress(const char* helpFile, UINT command, UINT_PTR data) {
  // The same document the desktop clock opens, found the same way.
  const auto document = platform::help::FindHelpDocument(helpFile);
  if (!document) return {};
  return platform::help::HelpAddress(*document, command, data).value_or(std::string());
}

FollowDriver::FollowDriver(LineOutput& out, LineOutput& errors, OutputFormat format) : out_(out), errors_(errors) {
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
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
    alarmRingObserver = &FollowDriver::OnAlarmRing;
  }
}

void FollowDriver::OnAlarmRing(int) {
  if (ringListener != nullptr && ringListener->feed_) ringListener->feed_->AlarmRang();
}

FollowDriver::~FollowDriver() {
  if (ringListener == this) {
    ringListener = nullptr;
    alarmRingObserver = nullptr;
  }
  if (&platform::CurrentDriver() == this) platform::InstallDriver(nullptr);
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

void FollowDriver::PrintLine(const std::string& text, bool face) {
  // Notes and captions come from the settings file as they were typed (or
  // planted): a terminal gets no control character of theirs.
  const std::string line = TerminalLine(text);
  if (face) {
    out_.PutFace(line);
  } else {
    out_.PutLine(line);
  }
}

void FollowDriver::PrintNote(const std::string& text) {
  if (feed_) {
    errors_.PutLine(TerminalLine(text));
  } else {
    PrintLine(text);
  }
}

void FollowDriver::WindowChanged(HWND hwnd, unsigned changes) {
  if ((changes & platform::kChangeText) == 0) return;
  const platform::WindowSnapshot shot = platform::DescribeWindow(hwnd);
  if (!IsClockWindow(shot) || shot.text == lastFace_) return;
  lastFace_ = shot.text;
  if (feed_) {
    feed_->Face(shot.text);
  } else {
    PrintLine(shot.text, true);
  }
}

void FollowDriver::WindowDestroyed(HWND hwnd) { answered_.erase(hwnd); }

bool FollowDriver::AnswerOpenWindows() {
  bool answeredOne = false;
  for (HWND hwnd : platform::TopLevelWindows()) {
    if (answered_.count(hwnd) != 0) continue;
    const platform::WindowSnapshot shot = platform::DescribeWindow(hwnd);
    if (shot.kind != platform::WindowKind::MessageBox && shot.kind != platform::WindowKind::Dialog) continue;
    answered_.insert(hwnd);
    const std::string text = ReadableText(shot);
    PrintNote(shot.text + ": " + text);
    if (const auto notice = NoticeOf(shot, text)) {
      notifier_.Notify(notice->summary, notice->body,
                       notice->alarm ? platform::bus::Urgency::Critical : platform::bus::Urgency::Normal);
    }
    if (HWND button = AnswerButton(shot)) {
      platform::PostInput(platform::input::ClickControl{button});
    } else {
      platform::PostToCore(hwnd, WM_COMMAND, IDCANCEL, 0);
    }
    answeredOne = true;
  }
  return answeredOne;
}

void FollowDriver::WaitForInput(std::optional<std::uint64_t> deadlineMs) {
  if (AnswerOpenWindows()) return;
  if (wakeFd_ < 0) {
    Driver::WaitForInput(deadlineMs);
    return;
  }
  int timeoutMs = -1;
  if (deadlineMs) {
    const std::uint64_t now = MonotonicNowMs();
    timeoutMs = *deadlineMs > now ? static_cast<int>(std::min<std::uint64_t>(*deadlineMs - now, 60'000)) : 0;
  }
  // A ring marks the bar's line until its minute ends, whether or not the
  // face changes then.
  if (feed_) {
    feed_->Refresh();
    if (const auto redrawAt = feed_->RedrawAtMs()) {
      const auto left = std::max<std::int64_t>(*redrawAt - UtcNowMs(), 0);
      if (timeoutMs < 0 || left < timeoutMs) timeoutMs = static_cast<int>(left);
    }
  }
  // The session bus is watched too, so the screen saver's signals are taken
  // as they come.
  std::vector<pollfd> watched = {{wakeFd_, POLLIN, 0}, {platform::SingleInstanceSocketFd(), POLLIN, 0}};
  if (platform::PollWithEventSources(watched, timeoutMs) <= 0) return;  // the deadline, or a signal: the core looks again
  if (watched[0].revents & POLLIN) {
    std::uint64_t drained = 0;
    [[maybe_unused]] const ssize_t got = ::read(wakeFd_, &drained, sizeof drained);
  }
  if (watched[1].fd >= 0 && (watched[1].revents & POLLIN)) TakeInstanceCommands();
}

void FollowDriver::WakeUp() {
  if (wakeFd_ < 0) {
    Driver::WakeUp();
    return;
  }
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t put = ::write(wakeFd_, &one, sizeof one);
}

BOOL FollowDriver::Beep(DWORD frequencyHz, DWORD durationMs) {
#ifdef HORATICK_HAVE_ALSA
  // The sound card when there is one; else the terminal's bell, held for the
  // tone's length so that a run of beeps keeps its rhythm.
  if (platform::sound::PlayTone(frequencyHz, durationMs, platform::sound::ToneDevice())) return TRUE;
#else
  (void)frequencyHz;
#endif
  errors_.PutText("\a");
  std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
  return TRUE;
}

BOOL FollowDriver::WinHelp(HWND, const char* helpFile, UINT command, UINT_PTR data) {
  const std::string address = HelpDocumentAddress(helpFile, command, data);
  if (address.empty()) return FALSE;
  PrintNote(address);
  return TRUE;
}

}  // namespace cli
