#include "platform/headless/headless_driver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/kernel/event_sources.h"
#include "platform/user/inspect.h"

namespace platform::headless {

HeadlessDriver::~HeadlessDriver() {
  StopProgram();
  if (&CurrentDriver() == this) InstallDriver(nullptr);
}

// --- Clocks -----------------------------------------------------------------

std::int64_t HeadlessDriver::UtcNowMs() { return virtualClock_.UtcNowMs(); }

std::uint64_t HeadlessDriver::MonotonicNowMs() { return virtualClock_.MonotonicNowMs(); }

void HeadlessDriver::SetUtc(std::int64_t utcMs) { virtualClock_.SetUtc(utcMs); }

void HeadlessDriver::Advance(std::uint64_t ms) { virtualClock_.Advance(ms); }

void HeadlessDriver::AdvanceMonotonicOnly(std::uint64_t ms) { virtualClock_.AdvanceMonotonicOnly(ms); }

// --- Input state and failures -------------------------------------------------

void HeadlessDriver::SetKeyDown(int virtualKey, bool down) { keysDown_[virtualKey] = down; }

SHORT HeadlessDriver::KeyState(int virtualKey) {
  const auto found = keysDown_.find(virtualKey);
  return found != keysDown_.end() && found->second ? static_cast<SHORT>(-32768) : 0;
}

void HeadlessDriver::RefuseTimer(UINT_PTR id, int times) { refusedTimers_[id] = times; }

bool HeadlessDriver::RefuseTimer(HWND, UINT_PTR id) {
  for (UINT_PTR key : {id, UINT_PTR{0}}) {
    auto found = refusedTimers_.find(key);
    if (found != refusedTimers_.end() && found->second > 0) {
      --found->second;
      return true;
    }
  }
  return false;
}

// --- Services -------------------------------------------------------------------

BOOL HeadlessDriver::Beep(DWORD frequencyHz, DWORD durationMs) {
  beeps_.push_back(BeepRecord{frequencyHz, durationMs, UtcNowMs()});
  virtualClock_.Advance(durationMs);
  return TRUE;
}

UINT HeadlessDriver::WinExec(const char* commandLine, UINT showCommand) {
  programStarts_.push_back(ProgramStart{commandLine != nullptr ? commandLine : "", showCommand, UtcNowMs()});
  return winExecResult_;
}

BOOL HeadlessDriver::WinHelp(HWND hwnd, const char* helpFile, UINT command, UINT_PTR data) {
  helpRequests_.push_back(HelpRequest{hwnd, helpFile != nullptr ? helpFile : "", command, data});
  return TRUE;
}

void HeadlessDriver::WindowChanged(HWND hwnd, unsigned changes) {
  if (!recordingFrames_ || (changes & (kChangeText | kChangeRect)) == 0) return;
  const WindowSnapshot shot = DescribeWindow(hwnd);
  if (!shot.exists || shot.parent != nullptr) return;
  frames_.push_back(WindowFrame{hwnd, shot.text, shot.rect});
}

void HeadlessDriver::MessageBoxOpened(HWND box) {
  const WindowSnapshot shot = DescribeWindow(box);
  messageBoxes_.push_back(MessageBoxRecord{box, shot.owner, shot.messageBoxText, shot.text, shot.messageBoxStyle});
}

void HeadlessDriver::MessageBoxClosed(HWND box, int result) {
  for (auto& record : messageBoxes_) {
    if (record.box == box && record.open) {
      record.open = false;
      record.result = result;
    }
  }
}

void HeadlessDriver::FileChooserOpened(const FileChooserRequest& request) { fileChooser_ = request; }

void HeadlessDriver::FileChooserClosed() { fileChooser_.reset(); }

void HeadlessDriver::MoveStarted(HWND hwnd) { moving_ = hwnd; }

void HeadlessDriver::MoveEnded(HWND) { moving_ = nullptr; }

// --- Waiting and the hand-off ---------------------------------------------------

void HeadlessDriver::WakeUp() { woken_ = true; }

void HeadlessDriver::HandTo(Turn turn) {
  {
    std::lock_guard lock(mutex_);
    turn_ = turn;
  }
  turnChanged_.notify_all();
}

bool HeadlessDriver::WaitForTurn(Turn turn, int watchdogSeconds) {
  std::unique_lock lock(mutex_);
  if (watchdogSeconds <= 0) {
    turnChanged_.wait(lock, [&] { return turn_ == turn; });
    return true;
  }
  return turnChanged_.wait_for(lock, std::chrono::seconds(watchdogSeconds), [&] { return turn_ == turn; });
}

void HeadlessDriver::WaitForInput(std::optional<std::uint64_t> deadlineMs) {
  if (woken_.exchange(false)) return;
  const bool onProgramThread = programThread_.joinable() && std::this_thread::get_id() == programThread_.get_id();
  if (!onProgramThread) {
    // Called straight from a test, with no program thread: time jumps to the
    // next deadline, and a wait for input that nobody can give is an error.
    if (deadlineMs) {
      const std::uint64_t now = virtualClock_.MonotonicNowMs();
      if (*deadlineMs > now) virtualClock_.Advance(*deadlineMs - now);
      return;
    }
    std::fprintf(stderr, "headless driver: the program waits for input on the test's own thread, "
                         "with no timer running; nothing can ever wake it\n");
    std::abort();
  }
  if (stopRequested_) throw Stop{};
  // What a test's private bus has sent by now is taken before time moves on.
  if (!WatchedEventSources().empty()) {
    std::vector<pollfd> none;
    PollWithEventSources(none, 0);
    if (woken_.exchange(false)) return;
  }
  const std::uint64_t now = virtualClock_.MonotonicNowMs();
  if (target_ && now < *target_) {
    const std::uint64_t next = deadlineMs ? std::min(*deadlineMs, *target_) : *target_;
    if (next > now) virtualClock_.Advance(next - now);
    return;
  }
  idleDeadline_ = deadlineMs;
  HandTo(Turn::Test);
  WaitForTurn(Turn::Program, 0);
  woken_ = false;
  if (stopRequested_) throw Stop{};
}

void HeadlessDriver::StartProgram(std::function<int()> body) {
  StopProgram();
  programBody_ = std::move(body);
  programRunning_ = true;
  stopRequested_ = false;
  exitCode_ = 0;
  turn_ = Turn::Test;
  programThread_ = std::thread([this] { ProgramThreadMain(); });
}

void HeadlessDriver::ProgramThreadMain() {
  WaitForTurn(Turn::Program, 0);
  try {
    if (!stopRequested_) exitCode_ = programBody_();
  } catch (const Stop&) {
    exitCode_ = -1;
  }
  programRunning_ = false;
  idleDeadline_.reset();
  HandTo(Turn::Test);
}

HeadlessDriver::RunResult HeadlessDriver::RunUntilIdle(std::optional<std::uint64_t> targetMonotonicMs) {
  if (!programRunning_) return RunResult::Finished;
  target_ = targetMonotonicMs;
  HandTo(Turn::Program);
  if (!WaitForTurn(Turn::Test, watchdogSeconds_)) return RunResult::Stuck;
  target_.reset();
  return programRunning_ ? RunResult::Idle : RunResult::Finished;
}

void HeadlessDriver::StopProgram() {
  if (!programThread_.joinable()) return;
  if (programRunning_) {
    PostQuitToCore(0);
    RunResult result = RunUntilIdle();
    if (result == RunResult::Idle) {
      stopRequested_ = true;
      result = RunUntilIdle();
    }
    if (result == RunResult::Stuck) {
      std::fprintf(stderr, "headless driver: the program did not stop; it is still busy\n");
      std::abort();
    }
  }
  programThread_.join();
}

}  // namespace platform::headless
