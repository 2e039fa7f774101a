#include "platform/terminal/terminal_driver.h"

#include <poll.h>
#include <strings.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/kernel/event_sources.h"
#include "platform/session/help_document.h"
#include "platform/session/single_instance.h"
#ifdef HORATICK_HAVE_ALSA
#include "platform/sound/alsa_beep.h"
#endif

namespace platform::terminal {
namespace {

constexpr char kClockClass[] = "Horatick";

bool IsClockWindow(const WindowSnapshot& shot) {
  return shot.exists && strcasecmp(shot.className.c_str(), kClockClass) == 0;
}

bool IsTextStatic(const WindowSnapshot& shot) {
  const DWORD kind = shot.style & SS_TYPEMASK;
  return shot.kind == WindowKind::Static && (kind == SS_LEFT || kind == SS_CENTER || kind == SS_RIGHT);
}

// What a person would read in the window: a box's text, a dialog's texts.
std::string ReadableText(const WindowSnapshot& shot) {
  if (shot.kind == WindowKind::MessageBox) return shot.messageBoxText;
  std::string text;
  for (HWND child : shot.children) {
    const WindowSnapshot control = DescribeWindow(child);
    if (!IsTextStatic(control) || control.text.empty()) continue;
    if (!text.empty()) text += ' ';
    text += control.text;
  }
  return text;
}

// The OK button, else the first button there is.
HWND AnswerButton(const WindowSnapshot& shot) {
  HWND first = nullptr;
  for (HWND child : shot.children) {
    const WindowSnapshot control = DescribeWindow(child);
    if (control.kind != WindowKind::Button) continue;
    const DWORD kind = control.style & BS_TYPEMASK;
    if (kind != BS_PUSHBUTTON && kind != BS_DEFPUSHBUTTON) continue;
    if (control.id == IDOK) return child;
    if (first == nullptr) first = child;
  }
  return first;
}

// Where the help document of a help file named by the program lies, as an
// address with the anchor of the context ("file:///.../help.html#context-1004");
// empty when there is no document. The same document the desktop clock
// opens, found the same way.
std::string HelpDocumentAddress(const char* helpFile, UINT command, UINT_PTR data) {
  const auto document = help::FindHelpDocument(helpFile);
  if (!document) return {};
  return help::HelpAddress(*document, command, data).value_or(std::string());
}

}  // namespace

TerminalDriver::TerminalDriver(TerminalOutput& output) : output_(output) {
  wakeFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

TerminalDriver::~TerminalDriver() {
  if (&CurrentDriver() == this) InstallDriver(nullptr);
  if (wakeFd_ >= 0) ::close(wakeFd_);
}

void TerminalDriver::WindowChanged(HWND hwnd, unsigned changes) {
  if ((changes & kChangeText) == 0) return;
  const WindowSnapshot shot = DescribeWindow(hwnd);
  if (!IsClockWindow(shot) || shot.text == lastFace_) return;
  lastFace_ = shot.text;
  output_.Face(shot.text);
}

void TerminalDriver::WindowDestroyed(HWND hwnd) { answered_.erase(hwnd); }

bool TerminalDriver::AnswerOpenWindows() {
  bool answeredOne = false;
  for (HWND hwnd : TopLevelWindows()) {
    if (answered_.count(hwnd) != 0) continue;
    const WindowSnapshot shot = DescribeWindow(hwnd);
    if (shot.kind != WindowKind::MessageBox && shot.kind != WindowKind::Dialog) continue;
    answered_.insert(hwnd);
    output_.Answered(shot, ReadableText(shot));
    if (HWND button = AnswerButton(shot)) {
      PostInput(input::ClickControl{button});
    } else {
      PostToCore(hwnd, WM_COMMAND, IDCANCEL, 0);
    }
    answeredOne = true;
  }
  return answeredOne;
}

void TerminalDriver::WaitForInput(std::optional<std::uint64_t> deadlineMs) {
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
  if (const auto redrawAt = output_.BeforeWait()) {
    const auto left = std::max<std::int64_t>(*redrawAt - UtcNowMs(), 0);
    if (timeoutMs < 0 || left < timeoutMs) timeoutMs = static_cast<int>(left);
  }
  // The session bus is watched too, so the screen saver's signals are taken
  // as they come.
  const int instanceFd = onInstanceCommand_ ? SingleInstanceSocketFd() : -1;
  std::vector<pollfd> watched = {{wakeFd_, POLLIN, 0}, {instanceFd, POLLIN, 0}};
  if (PollWithEventSources(watched, timeoutMs) <= 0) return;  // the deadline, or a signal: the core looks again
  if (watched[0].revents & POLLIN) {
    std::uint64_t drained = 0;
    [[maybe_unused]] const ssize_t got = ::read(wakeFd_, &drained, sizeof drained);
  }
  if (watched[1].fd >= 0 && (watched[1].revents & POLLIN)) onInstanceCommand_();
}

void TerminalDriver::WakeUp() {
  if (wakeFd_ < 0) {
    Driver::WakeUp();
    return;
  }
  const std::uint64_t one = 1;
  [[maybe_unused]] const ssize_t put = ::write(wakeFd_, &one, sizeof one);
}

BOOL TerminalDriver::Beep(DWORD frequencyHz, DWORD durationMs) {
#ifdef HORATICK_HAVE_ALSA
  // The sound card when there is one; else the terminal's bell, held for the
  // tone's length so that a run of beeps keeps its rhythm.
  if (sound::PlayTone(frequencyHz, durationMs, sound::ToneDevice())) return TRUE;
#else
  (void)frequencyHz;
#endif
  output_.Bell();
  std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
  return TRUE;
}

BOOL TerminalDriver::WinHelp(HWND, const char* helpFile, UINT command, UINT_PTR data) {
  const std::string address = HelpDocumentAddress(helpFile, command, data);
  if (address.empty()) return FALSE;
  output_.Note(address);
  return TRUE;
}

}  // namespace platform::terminal
